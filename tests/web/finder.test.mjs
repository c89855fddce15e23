// The finder worker's module (finder.wasm) searches the page's place list with qav-cli's C++:
// the same order as `qav-cli places` for the places the list holds, each place's nearest stations,
// and the texts the page shows for it.
//   QAV_CLI=build/release/app/qav-cli QAV_WEB=build/web node --test tests/web/finder.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const cli = path.resolve(root, process.env.QAV_CLI ?? 'build/release/app/qav-cli');
const web = path.resolve(root, process.env.QAV_WEB ?? 'build/web');
const { default: createFinderCore } = await import(pathToFileURL(path.join(web, 'finder-core.mjs')).href);
const core = await createFinderCore({ wasmBinary: fs.readFileSync(path.join(web, 'finder.wasm')) });
const encoder = new TextEncoder();
const withText = (text, use) => {
  const bytes = encoder.encode(text);
  const at = core._qav_finder_alloc(bytes.length);
  core.HEAPU8.set(bytes, at);
  try { return use(at, bytes.length); } finally { core._qav_finder_free(at); }
};
const tsv = zlib.gunzipSync(fs.readFileSync(path.join(web, 'places.tsv.gz'))).toString('utf8');
const held = new Set(tsv.split('\n').slice(1).map((line) => line.split('\t')[0]));
assert.equal(withText(fs.readFileSync(path.join(web, 'stations-1991-2020.csv'), 'utf8'),
  (at, size) => core._qav_finder_set_stations(at, size)), 3730);
assert.equal(withText(tsv, (at, size) => core._qav_finder_set_places(at, size)), 49142);
const search = (query, lang = 'en') => JSON.parse(withText(query, (at, size) => {
  const p = core._qav_finder_search(at, size, 30, lang === 'pt_BR' ? 1 : 0);
  return new TextDecoder().decode(core.HEAPU8.subarray(p, p + core._qav_finder_answer_size()));
}));

test("qav-cli's order for the places the page's list holds", () => {
  const first = {};
  for (const query of ['Moscou', 'Lisboa', 'Campinas, SC', 'sao paulo', 'Campinas, SP', 'SÃO PAULO', 'Oslo', 'c', 'Juiz de Fora', 'Foz do']) {
    const all = JSON.parse(execFileSync(cli, ['places', '--name', query, '--limit', '500', '--format', 'json'], { encoding: 'utf8' }));
    const expected = all.filter((p) => held.has(String(p.geonames_id))).slice(0, 10);
    const found = search(query).places;
    assert.deepEqual(found.map((p) => [p.geonames_id, p.stations]), expected.map((p) => [p.geonames_id, p.stations]), query);
    first[query] = `${found[0].geonames_id} ${found[0].label}`;
  }
  assert.deepEqual(first, {
    Moscou: '524901 Moscow (Russia)', Lisboa: '2267057 Lisbon (Portugal)', 'Campinas, SC': '6316729 Campinas (SC, Brazil)',
    'sao paulo': '3448439 São Paulo (SP, Brazil)', 'Campinas, SP': '3467865 Campinas (SP, Brazil)',
    'SÃO PAULO': '3448439 São Paulo (SP, Brazil)', Oslo: '3143244 Oslo (Norway)',
    c: '3530597 Mexico City (Mexico)', 'Juiz de Fora': '3459505 Juiz de Fora (MG, Brazil)',
    'Foz do': '3463030 Foz do Iguaçu (PR, Brazil)' });
});

test('what the page shows of a place: its station named for it, the 50 km caution, the 300 km refusal', () => {
  const [campinas] = search('Campinas, SP', 'pt_BR').places;
  assert.deepEqual([campinas.station, campinas.location_name, campinas.far, campinas.country_name],
    [83781, 'Campinas (SP, Brasil): estação 83781 São Paulo (Mirante de Santana), 80 km',
      'A estação fica a mais de 50 km: o clima do local pode ser diferente.', 'Brasil']);
  // What the page hands the analysis for it: GeoNames' name and the list's coordinates, whatever the language.
  assert.deepEqual(campinas.request, { geonames_id: 3467865, name: 'Campinas', division: 'SP', country: 'BR', latitude: -22.90556, longitude: -47.06083 });
  assert.deepEqual(search('Moscou', 'pt_BR').places[0].request,
    { geonames_id: 524901, name: 'Moscow', name_pt: 'Moscou', division: '48', country: 'RU', latitude: 55.75222, longitude: 37.61556 });
  const [phoenix] = search('Phoenix').places;
  assert.deepEqual([phoenix.station, phoenix.request, phoenix.no_station], [undefined, undefined, 'No station within 300 km: open a weather file ' +
    'for this site. The nearest station, 76225 Observatorio Meteorológico Chihuahua, 783 km away, is listed for reference only.']);
  // Coordinates (use my location): the nearest places, then the nearest stations.
  const near = search('-15.79, -47.93');
  assert.deepEqual([near.places.length, near.places[0].geonames_id, near.stations[0].wmo, near.stations[0].distance_km],
    [5, 3469058, 83377, 0.5]);
  // Odd queries: answered with nothing (their speed is the phone bench's to measure).
  for (const query of ['x'.repeat(1000), '🙂', 'القاهرة', '....']) assert.deepEqual(search(query).places, [], query.slice(0, 8));
  // A station's name finds the station; a query of punctuation alone finds nothing; bad coordinates are refused.
  assert.deepEqual(search('brasilia').stations.map((s) => s.wmo), [83377]);
  assert.deepEqual(search('?!').places, []);
  assert.equal(search('-95 10').error.code, 'coordinates_out_of_range');
});

test("the page's list: every Brazilian place and the others of at least 5,000 inhabitants, within 1.5 MB", () => {
  const rows = tsv.split('\n').slice(1, -1).map((line) => line.split('\t'));
  assert.deepEqual([rows.length, rows.filter((r) => r[3] === 'BR').length,
    rows.filter((r) => r[3] !== 'BR' && Number(r[5]) < 5000).length, rows[0][1], rows.at(-1)[3]], [49142, 2032, 0, 'Shanghai', 'BR']);
  assert.ok(fs.statSync(path.join(web, 'places.tsv.gz')).size <= 1.5e6);
});
