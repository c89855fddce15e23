// The WebAssembly module gives qav-cli's answers byte for byte: the JSON of every built-in
// location, a weather file, a Monthly Data file, stations, a filtered and a warmed run, the SVG
// pictures, and the failures as error objects carrying the CLI's message.
//   QAV_CLI=build/release/app/qav-cli QAV_WEB=build/web node --test tests/web/
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const cli = path.resolve(root, process.env.QAV_CLI ?? 'build/release/app/qav-cli');
const web = path.resolve(root, process.env.QAV_WEB ?? 'build/web');
const { default: createQav } = await import(pathToFileURL(path.join(web, 'qav.mjs')).href);
const qav = await createQav();
const run = (...args) => execFileSync(cli, ['analyze', ...args], { encoding: 'utf8', maxBuffer: 1 << 28 });
const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-web-test-'));
process.on('exit', () => fs.rmSync(tmp, { recursive: true, force: true }));

test('every built-in location', () => {
  for (const [dataset, count] of [['brazil', 27], ['south-america', 13], ['world', 50]]) {
    for (let location = 1; location <= count; ++location) {
      assert.equal(qav.analyze(JSON.stringify({ dataset, location })),
        run('--dataset', dataset, '--location', String(location), '--format', 'json'), `${dataset} ${location}`);
    }
  }
  assert.equal(qav.analyze('{}'), run('--format', 'json'));  // the start-up location, Brasília
});

test('a weather file and a Monthly Data file, by their text and path', () => {
  const epw = path.join(root, 'tests/data/fixtures/chicago.epw');
  const text = fs.readFileSync(epw, 'latin1');
  assert.equal(qav.analyze({ epw: text, path: epw }), run('--epw', epw, '--format', 'json'));
  assert.equal(qav.analyze({ epw: text, path: epw, hours: 'recorded', hour_range: '9-18' }),
    run('--epw', epw, '--hours', 'recorded', '--hour-range', '9-18', '--format', 'json'));
  const md = path.join(root, 'QAVworld.TXT');
  assert.equal(qav.analyze({ md: fs.readFileSync(md, 'utf8'), path: md, all: true }),
    run('--file', md, '--all', '--format', 'json'));
  // The shading line and the façade as keys, the same as qav-cli's options.
  assert.equal(qav.analyze({ epw: text, path: epw, shade_above: 26.5, facade: 'w' }),
    run('--epw', epw, '--shade-above', '26.5', '--facade', 'w', '--format', 'json'));
  assert.equal(JSON.parse(qav.analyze({ shade_above: 40 })).error.code, 'outside');
  assert.equal(JSON.parse(qav.analyze({ facade: 'up' })).error.code, 'not_facade');
});

test('ten stations, alone and beside a built-in slot', () => {
  const lines = fs.readFileSync(path.join(web, 'stations-1991-2020.csv'), 'utf8').trim().split('\n').slice(1);
  const picked = Array.from({ length: 10 }, (_, i) => lines[Math.floor(i * (lines.length - 1) / 9)].split(',')[0]);
  for (const wmo of picked) assert.equal(qav.analyze({ station: Number(wmo) }), run('--station', wmo, '--format', 'json'), wmo);
  assert.equal(qav.analyze({ inputs: [{ dataset: 'brazil', location: 5 }, { station: '83377' }] }),
    run('--dataset', 'brazil:5', '--station', '83377', '--format', 'json'));
  // The station nearest a place, with the site, its distance and elevation difference.
  const near = qav.analyze({ near: '-15.9,-48.1,1100' });
  assert.equal(near, run('--near', '-15.9,-48.1,1100', '--format', 'json'));
  assert.match(near, /"searched":\{"latitude":-15\.9,"longitude":-48\.1,"elevation_m":1100\},"distance_km":/);
});

// A place as the page's finder hands it over (its `request`): analysed at the nearest station of
// the module's catalogue, named for the place in every output, as qav-cli's --place does.
test('a place the finder chose gives what qav-cli gives for it', async () => {
  const place = { geonames_id: 3467865, name: 'Campinas', division: 'SP', country: 'BR', latitude: -22.90556, longitude: -47.06083 };
  for (const format of ['json', 'csv']) assert.equal(qav.analyze({ place, format }), run('--place', 'Campinas, SP', '--format', format), format);
  assert.equal(qav.analyze({ inputs: [{ place }, { station: 83377 }] }), run('--place', 'Campinas, SP', '--station', '83377', '--format', 'json'));
  // The rows are the same in every language, as qav-cli's; the pictures and the report speak it.
  assert.equal(qav.analyze({ place, lang: 'pt_BR', format: 'csv' }), run('--place', 'Campinas, SP', '--lang', 'pt_BR', '--format', 'csv'));
  assert.match(qav.chartSvg({ place }), /<title>Bioclimatic chart of Campinas \(SP, Brazil\): station 83781 São Paulo \(Mirante de Santana\), 80 km \(Brazil\)<\/title>/);
  assert.match(qav.chartSvg({ place, lang: 'pt_BR' }), /<title>Bioclimatic chart of Campinas \(SP, Brasil\): estação 83781 /);
  const site = JSON.parse(await qav.report({ place, lang: 'pt_BR' })).blocks[0].rows.find(([key]) => key === 'Local');
  assert.equal(site[1], 'Campinas (SP, Brasil), -22,91°, -47,06°; estação 83781 São Paulo (Mirante de Santana), a 80 km, ' +
    'a 785 m de altitude (a altitude do próprio local não é conhecida). A estação fica a mais de 50 km: o clima do local pode ser diferente.');
  // Beyond 300 km, qav-cli's refusal; a member out of range is refused by its key.
  const phoenix = JSON.parse(qav.analyze({ place: { geonames_id: 5308655, name: 'Phoenix', division: 'AZ', country: 'US', latitude: 33.44838, longitude: -112.07404 } }));
  const cliPhoenix = spawnSync(cli, ['analyze', '--place', 'Phoenix, AZ'], { encoding: 'utf8' });
  assert.deepEqual([phoenix.error.status, `error: ${phoenix.error.message}\n`], [cliPhoenix.status, cliPhoenix.stderr]);
  assert.deepEqual(JSON.parse(qav.analyze({ place: { ...place, latitude: 91 }, lang: 'pt_BR' })).error,
    { status: 2, message: 'place.latitude: 91 está fora de -90..90', code: 'outside', values: ['place.latitude', '91', '-90..90'], kind: 'usage' });
});

test('filtered and warmed runs', () => {
  assert.equal(qav.analyze({ dataset: 'all', all: true, hour_range: '22-5', months: '12-2', screen: '1280x720' }),
    run('--dataset', 'all', '--all', '--hour-range', '22-5', '--months', '12-2', '--screen', '1280x720', '--format', 'json'));
  assert.equal(qav.analyze({ dataset: 'world', location: 3, warming: 2.5 }),
    run('--dataset', 'world', '--location', '3', '--warming', '2.5', '--format', 'json'));
  const file = path.join(tmp, 'warming.csv');
  const rows = Array.from({ length: 12 }, (_, i) => `${i + 1},${i / 4},${i / 2},-1`);
  fs.writeFileSync(file, ['month,dbt_min,dbt_max,rh_avg', ...rows].join('\n') + '\n');
  assert.equal(qav.analyze({ dataset: 'brazil', all: true, warming_file: fs.readFileSync(file, 'utf8'), warming_path: file }),
    run('--dataset', 'brazil', '--all', '--warming-file', file, '--format', 'json'));
});

test('the chart, the graph and the compare picture as SVG', () => {
  const svg = (name) => path.join(tmp, name);
  run('--dataset', 'world', '--location', '7', '--chart', svg('c.svg'), '--graph', svg('g.svg'));
  assert.equal(qav.chartSvg({ dataset: 'world', location: 7 }), fs.readFileSync(svg('c.svg'), 'utf8'));
  assert.equal(qav.graphSvg({ dataset: 'world', location: 7 }), fs.readFileSync(svg('g.svg'), 'utf8'));
  const epw = path.join(root, 'tests/data/fixtures/chicago.epw');
  run('--epw', epw, '--hours', 'recorded', '--chart', svg('e.svg'));
  assert.equal(qav.chartSvg({ epw: fs.readFileSync(epw, 'latin1'), path: epw, hours: 'recorded' }),
    fs.readFileSync(svg('e.svg'), 'utf8'));
  run('--dataset', 'south-america', '--all', '--warming', '1', '--compare-chart', svg('k.svg'), '--sort', 'E');
  assert.equal(qav.compareSvg({ dataset: 'south-america', all: true, warming: 1, sort: 'E' }),
    fs.readFileSync(svg('k.svg'), 'utf8'));
  // In Portuguese: the words, the decimal comma and the captions of a filtered, warmed run.
  run('--dataset', 'brazil', '--location', '5', '--lang', 'pt_BR', '--months', '12-2', '--warming', '1.5',
    '--chart', svg('cp.svg'), '--graph', svg('gp.svg'));
  const pt = { dataset: 'brazil', location: 5, lang: 'pt_BR', months: '12-2', warming: 1.5 };
  assert.equal(qav.chartSvg(pt), fs.readFileSync(svg('cp.svg'), 'utf8'));
  assert.equal(qav.graphSvg(pt), fs.readFileSync(svg('gp.svg'), 'utf8'));
  run('--dataset', 'brazil', '--all', '--lang', 'pt_BR', '--hour-range', '9-18', '--warming', '+2',
    '--compare-chart', svg('kp.svg'), '--sort', 'NAME');
  assert.equal(qav.compareSvg({ dataset: 'brazil', all: true, lang: 'pt_BR', hour_range: '9-18', warming: '+2', sort: 'NAME' }),
    fs.readFileSync(svg('kp.svg'), 'utf8'));
});

test('the sun path and the calendar as SVG, with the façade, the shading line and the projection', () => {
  const svg = (name) => path.join(tmp, name);
  run('--dataset', 'brazil', '--location', '5', '--sun-chart', svg('s.svg'), '--calendar-chart', svg('d.svg'));
  assert.equal(qav.sunChartSvg({ dataset: 'brazil', location: 5 }), fs.readFileSync(svg('s.svg'), 'utf8'));
  assert.equal(qav.calendarSvg({ dataset: 'brazil', location: 5 }), fs.readFileSync(svg('d.svg'), 'utf8'));
  // Chicago's recorded hours faint on the path, the west façade's mask, in Portuguese.
  const epw = path.join(root, 'tests/data/fixtures/chicago.epw');
  run('--epw', epw, '--facade', 'W', '--shade-above', '24.5', '--sun-projection', 'equidistant', '--lang', 'pt_BR',
    '--sun-chart', svg('sw.svg'), '--calendar-chart', svg('dw.svg'));
  const request = { epw: fs.readFileSync(epw, 'latin1'), path: epw, facade: 'W', shade_above: 24.5, sun_projection: 'equidistant', lang: 'pt_BR' };
  const sun = qav.sunChartSvg(request);
  assert.equal(sun, fs.readFileSync(svg('sw.svg'), 'utf8'));
  assert.notEqual(sun, qav.sunChartSvg({ ...request, facade: 'E' }));
  assert.equal(qav.calendarSvg(request), fs.readFileSync(svg('dw.svg'), 'utf8'));
  assert.equal(JSON.parse(qav.sunChartSvg({ facade: 'up' })).error.code, 'not_facade');
});

test('the report, from its own module: the catalogue given to the analysis, the language, the refusals', async () => {
  // A catalogue of one station, as the page gives it, reaches the report's module too.
  const own = await createQav();
  const csv = fs.readFileSync(path.join(web, 'stations-1991-2020.csv'), 'utf8').split('\n');
  await own.loadStations(`${csv[0]}\n${csv.find((l) => l.startsWith('83377,'))}\n`);
  const report = own.report({ station: 83377, lang: 'pt_BR', warnings: true });
  assert.ok(report instanceof Promise);
  const { result, warnings } = JSON.parse(await report);
  assert.deepEqual([result.title, warnings], ['Análise bioclimática de Brasília (Brasil)', []]);
  assert.equal(JSON.parse(await own.report({ station: 10384 })).error.code, 'not_catalogue_station');
  assert.deepEqual(JSON.parse(await qav.report({ format: 'csv' })).error.values, ['format']);
  // The analysis module leaves the report's Portuguese out, but not the advice beside the names.
  assert.equal(JSON.parse(qav.names('pt_BR')).advice[0],
    'Nas horas mais frias é preciso fornecer calor; os ganhos passivos sozinhos não mantêm os ambientes confortáveis.');
  // The stored countries in the page's language, as the report names them; English as stored.
  const { countries } = JSON.parse(qav.names('pt_BR'));
  assert.deepEqual([countries['Saudi Arabia'], countries.USA, countries.Brazil], ['Arábia Saudita', 'EUA', 'Brasil']);
  assert.equal(JSON.parse(qav.names('en')).countries['Republic of Korea'], 'Republic of Korea');
});

test('failures are error objects with the CLI message, never exceptions', () => {
  const bad = path.join(tmp, 'QAVBAD.TXT');
  fs.writeFileSync(bad, '"Lima","Peru",-12.05,-77.04,13,"X"\n1,18,1e30,80\n');
  const cliError = spawnSync(cli, ['analyze', '--file', bad], { encoding: 'utf8' });
  const error = JSON.parse(qav.analyze({ md: fs.readFileSync(bad, 'utf8'), path: bad })).error;
  assert.equal(`error: ${error.message}\n`, cliError.stderr);
  assert.equal(error.status, cliError.status);
  assert.deepEqual([error.file, error.line, error.field, error.text, error.kind], [bad, 2, 3, '1e30', 'out_of_range']);
  const cases = [
    [{ dataset: 'mars' }, ['--dataset', 'mars']],
    [{ dataset: 'brazil', location: 30 }, ['--dataset', 'brazil', '--location', '30']],
    [{ station: 12 }, ['--station', '12']],
    [{ hour_range: '0-5' }, ['--hour-range', '0-5']],
    [{ dataset: 'world', all: true, warming: 25 }, ['--dataset', 'world', '--all', '--warming', '25']],
    [{ lang: 'pt' }, ['--lang', 'pt']],
    [{ dataset: 'brazil:0' }, ['--dataset', 'brazil:0']],
  ];
  for (const [request, args] of cases) {
    const expected = spawnSync(cli, ['analyze', ...args], { encoding: 'utf8' });
    const got = JSON.parse(qav.analyze(request)).error;
    assert.deepEqual([`error: ${got.message}\n`, got.status], [expected.stderr, expected.status], args.join(' '));
  }
  assert.equal(JSON.parse(qav.analyze('{not json')).error.code, 'not_json_object');
  // In Portuguese, though the file comes before the language in the request; the kinds named
  // after month_missing too.
  const pt = JSON.parse(qav.analyze({ md: fs.readFileSync(bad, 'utf8'), path: 'QAVBAD.TXT', lang: 'pt_BR' })).error;
  assert.equal(pt.message, "QAVBAD.TXT: '1e30' está fora do intervalo (-90 a 55). Linha 2, campo 3 (DBTmax), localidade 1 (Lima). Err code 22");
  const huge = JSON.parse(qav.analyze({ md: '"Lima","Peru",-12.05,-77.04,13,"X"\n1,18,1e400,80\n', path: 'Q.TXT' })).error;
  assert.equal(huge.kind, 'not_representable');
});

test('a module compiled ahead that cannot be instantiated is refused, not waited on forever', async () => {
  // One import, x.y, that the glue does not give.
  const wrong = new WebAssembly.Module(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 4, 1, 96, 0, 0, 2, 7, 1, 1, 120, 1, 121, 0, 0]));
  await assert.rejects(createQav({ compiled: wrong }), /Import #0 module="x"/);
});

test('the station finder and the location lists give qav-cli\'s stations and names', () => {
  const cliStations = (...args) => JSON.parse(execFileSync(cli, ['stations', ...args, '--format', 'json'], { encoding: 'utf8' }));
  const common = (list) => list.map(({ source, rh_source, far, ...s }) => s);
  assert.deepEqual(common(JSON.parse(qav.findStations('-15,79 -47,93 1160 m', 5))),
    common(cliStations('--near', '-15,79 -47,93 1160 m', '--limit', '5')));
  assert.deepEqual(common(JSON.parse(qav.findStations('sao', 8))), common(cliStations('--name', 'sao', '--limit', '8')));
  assert.deepEqual(JSON.parse(qav.findStations('-15,79 -47,93', 2)).map((s) => s.far), [false, true]);
  assert.equal(JSON.parse(qav.findStations('95, 10')).error.message, 'latitude 95 is out of range (-90 to 90)');
  assert.equal(JSON.parse(qav.findStations('9, 10, 9500', 5, 'pt_BR')).error.message, 'altitude 9500 está fora do intervalo (-500 a 9000 m)');
  const names = (text) => JSON.parse(text).map((r) => `${r.slot} ${r.name} ${r.country}`);
  assert.deepEqual(names(qav.locations({ dataset: 'world' })), names(run('--dataset', 'world', '--all', '--format', 'json')));
  const md = path.join(root, 'QAVworld.TXT');
  assert.deepEqual(names(qav.locations({ md: fs.readFileSync(md, 'utf8'), path: md })),
    names(run('--file', md, '--all', '--format', 'json')));
  const none = JSON.parse(qav.locations({ md: 'garbage', path: 'QAVx.TXT', lang: 'pt_BR' })).error;
  assert.deepEqual([none.kind, none.message], ['no_complete_location',
    'QAVx.TXT: O arquivo não contém nenhuma localidade completa: ele termina depois de 1 dos 54 campos de uma localidade. '
    + 'Linha 1, campo 2 (Country), localidade 1 (garbage). Err code 30']);
});

test('warnings: a cut last location and a 51st, as qav-cli warns of them', () => {
  const world = fs.readFileSync(path.join(root, 'QAVworld.TXT'), 'utf8');
  const files = {
    'QAVCUT.TXT': world.slice(0, world.indexOf('"Athens"')) + '"Athens","Greece",37.9,23.7,107,"BBC"\n1,6,13\n',
    'QAV51.TXT': world + '"Extra","Land",0,0,0,"X"\n',
  };
  for (const [name, text] of Object.entries(files)) {
    const file = path.join(tmp, name);
    fs.writeFileSync(file, text);
    const cliRun = spawnSync(cli, ['analyze', '--file', file, '--all', '--format', 'json'], { encoding: 'utf8' });
    const request = { md: text, path: file, all: true };
    const answer = JSON.parse(qav.analyze({ ...request, warnings: true }));
    assert.deepEqual(answer.warnings.map((w) => `warning: ${w}\n`).join(''), cliRun.stderr, name);
    assert.deepEqual(answer.result, JSON.parse(cliRun.stdout));
    assert.equal(qav.analyze(request), cliRun.stdout);  // without the key, as before
    assert.deepEqual(JSON.parse(qav.locations({ md: text, path: file, warnings: true })).warnings, answer.warnings);
  }
  assert.deepEqual(JSON.parse(qav.analyze({ dataset: 'world', warnings: true })).warnings, []);
});

test('the CSV and the table of ten random requests are qav-cli\'s bytes', () => {
  let seed = 7;
  const random = (n) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
  const sets = [['brazil', 27], ['south-america', 13], ['world', 50]];
  for (let i = 0; i < 10; ++i) {
    const [dataset, count] = sets[random(3)];
    const request = { dataset, ...(random(3) ? { location: 1 + random(count) } : { all: true }) };
    if (random(2)) request.hour_range = `${1 + random(24)}-${1 + random(24)}`;
    if (random(2)) request.months = `${1 + random(12)}-${1 + random(12)}`;
    if (random(2)) request.warming = random(7) - 3;
    const args = ['--dataset', dataset];
    if (request.location) args.push('--location', String(request.location));
    if (request.all) args.push('--all');
    for (const key of ['hour_range', 'months', 'warming']) if (request[key] !== undefined) args.push('--' + key.replace('_', '-'), String(request[key]));
    assert.equal(qav.analyze({ ...request, format: 'csv' }), run(...args, '--format', 'csv'), args.join(' '));
    if (i < 3) {
      const lang = i ? 'pt_BR' : 'en';
      assert.equal(qav.analyze({ ...request, format: 'table', lang }), run(...args, '--lang', lang), args.join(' '));
    }
  }
});

test('strict requests: unknown keys, wrong kinds, sizes and coordinates are refused', () => {
  const refused = (text) => { const e = JSON.parse(text).error; return e && `${e.status} ${e.code}: ${e.message}`; };
  assert.equal(refused(qav.analyze({ Dataset: 'world' })), '2 unknown_key: Dataset: unknown key');
  assert.equal(refused(qav.analyze({ Location: 3 })), '2 unknown_key: Location: unknown key');
  assert.equal(refused(qav.analyze({ inputs: { dataset: 'world' } })), '2 not_list: inputs: {...} is not a list');
  assert.equal(refused(qav.analyze({ all: 'false' })), '2 not_boolean: all: "false" is not true or false');
  assert.equal(refused(qav.analyze({ dataset: 'world', all: true, lang: 'pt_BR', hours: 5 })),
    '2 not_text: hours: 5 não é um texto');
  for (const odd of [undefined, null, 5, [], '{', '[1]'])
    for (const entry of ['analyze', 'chartSvg', 'graphSvg', 'compareSvg', 'locations'])
      assert.equal(refused(qav[entry](odd)), '2 not_json_object: the request is not a JSON object', `${entry}(${odd})`);
  assert.match(refused(qav.findStations(undefined)), /^2 not_text: query: undefined is not a text/);
  const near = spawnSync(cli, ['stations', '--near', 'NaN,0'], { encoding: 'utf8' });
  assert.equal(`${near.status} error: ${JSON.parse(qav.findStations('NaN,0')).error.message.replace('query', '--near')}\n`,
    `2 ${near.stderr}`);
  const warming = path.join(tmp, 'big-warming.csv');
  fs.writeFileSync(warming, 'month,dbt_min,dbt_max,rh_avg\n' + '#'.repeat(70 * 1024));
  const cliWarming = spawnSync(cli, ['analyze', '--warming-file', warming], { encoding: 'utf8' });
  const error = JSON.parse(qav.analyze({ warming_file: fs.readFileSync(warming, 'utf8'), warming_path: warming })).error;
  assert.deepEqual([`error: ${error.message}\n`, error.status, error.code], [cliWarming.stderr, cliWarming.status, 'too_large']);
});

test('a request too large for the module is refused and its memory given back', () => {
  // The zone maps kept for reuse are painted first, so that only what the request kept would show.
  const ordinary = (i) => qav.analyze({ dataset: 'brazil', location: 1 + (i % 27) });
  for (let i = 0; i < 27; ++i) ordinary(i);
  const before = qav.memory();
  const huge = { inputs: Array.from({ length: 100000 }, () => ({ dataset: 'world' })), all: true };
  const error = JSON.parse(qav.analyze(huge)).error;
  assert.deepEqual([error.code, error.values], ['too_many_locations', ['5000000', '5000']]);
  for (let i = 0; i < 1000; ++i) ordinary(i);
  const after = qav.memory();
  assert.ok(after.in_use <= before.in_use + (64 << 10), `${after.in_use} bytes in use, ${before.in_use} before`);
  assert.ok(after.heap <= before.heap + (64 << 20), `a heap of ${after.heap} bytes, ${before.heap} before`);
});
