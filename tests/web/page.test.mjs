// The browser page in a headless Chromium: the URL's analysis with qav-cli's shares, a location
// picked from the list, a weather file by URL, through the file input and dropped, Portuguese,
// compare, the station finder, the error state of bad fragments and files, and the keyboard alone.
//   QAV_CLI=build/release/app/qav-cli QAV_WEB=build/web node --test tests/web/page.test.mjs
// QAV_PAGE_SCREENSHOT=docs/web-page.png also writes the README's screenshot.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launch, serve } from './chromium.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const cli = path.resolve(root, process.env.QAV_CLI ?? 'build/release/app/qav-cli');
const web = path.resolve(root, process.env.QAV_WEB ?? 'build/web');
const chicago = path.join(root, 'tests/data/fixtures/chicago.epw');
const cliJson = (...args) => JSON.parse(execFileSync(cli, ['analyze', ...args, '--format', 'json'], { encoding: 'utf8' }));

// The served folder: the built page and, beside it, the weather file that #epw= names.
const site = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-page-test-'));
for (const f of fs.readdirSync(web)) fs.symlinkSync(path.join(web, f), path.join(site, f));
fs.copyFileSync(chicago, path.join(site, 'chicago.epw'));
const bad = path.join(site, 'QAVBAD.TXT');
fs.writeFileSync(bad, '"Lima","Peru",-12.05,-77.04,13,"X"\n1,18,1e30,80\n');
let server;
let browser;
before(async () => { server = await serve(root, site); browser = await launch({ width: 1024, height: 720 }); });
after(async () => { await browser?.close(); server?.stop(); fs.rmSync(site, { recursive: true, force: true }); });

const shown = () => browser.evaluate(`[...document.querySelectorAll('#results tbody tr')]
  .map((r) => r.dataset.letter + '=' + r.dataset.share).join(' ')`);
const expected = (shares) => shares.map((s, i) => 'ABCDEFGHIJ'[i] + '=' + String(s)).join(' ');
const text = (selector) => browser.evaluate(`document.querySelector(${JSON.stringify(selector)}).textContent`);

test('the URL\'s analysis, and a location picked from the list, give qav-cli\'s shares', async () => {
  assert.equal(await browser.open(server.url), 'ready');
  assert.equal(await text('#place'), 'Brasília, Brazil');
  assert.equal(await shown(), expected(cliJson().shares));
  await browser.evaluate(`{ const s = document.getElementById('location'); s.value = '1'; s.dispatchEvent(new Event('change')); }`);
  assert.equal(await browser.evaluate('location.hash'), '#dataset=brazil&location=1');
  assert.equal(await shown(), expected(cliJson('--dataset', 'brazil', '--location', '1').shares));
  // Type-ahead narrows the list.
  await browser.evaluate(`{ const f = document.getElementById('filter'); f.value = 'sao paulo'; f.dispatchEvent(new Event('input')); }`);
  assert.equal(await browser.evaluate(`[...document.getElementById('location').options].map((o) => o.text).join('|')`), 'São Paulo (Brazil)');

  const fragment = '#dataset=world&location=3&hour_range=9-18&months=12-2&warming=2';
  assert.equal(await browser.open(server.url + fragment), 'ready');
  assert.equal(await shown(), expected(cliJson('--dataset', 'world', '--location', '3', '--hour-range', '9-18',
    '--months', '12-2', '--warming', '2').shares));
  assert.equal(await browser.open(server.url + '#station=83377'), 'ready');
  assert.equal(await shown(), expected(cliJson('--station', '83377').shares));
});

test('a weather file by URL and through the file input', async () => {
  const cliChicago = cliJson('--epw', chicago);
  assert.equal(await browser.open(server.url + '#epw=chicago.epw&hours=recorded'), 'ready');
  assert.equal(await shown(), expected(cliChicago.recorded_shares));
  assert.match(await text('#disagreement'), /6\.4 %/);
  assert.equal(await text('#month-table tbody tr:first-child'), 'A Artificial Heating73364265042914570027295472743');

  assert.equal(await browser.open(server.url + '#dataset=brazil&location=2'), 'ready');
  await browser.setFile('#file', chicago);
  await browser.until(`document.getElementById('place').textContent.startsWith('Chicago')`);
  assert.equal(await shown(), expected(cliChicago.shares));
  assert.equal(await text('#place'), 'Chicago Ohare Intl Ap, USA');
});

test('Portuguese, compare and the station finder', async () => {
  assert.equal(await browser.open(server.url + '#dataset=brazil&location=5&lang=pt-BR'), 'ready');
  assert.equal(await browser.evaluate('document.documentElement.lang'), 'pt-BR');
  assert.equal(await text('#results tbody tr[data-letter="B"] td:nth-child(2) summary'), 'Aquecimento solar passivo');
  assert.equal(await text('#results tbody tr[data-letter="B"] td:nth-child(3)'), '30,2 %');
  assert.equal(await text('#results tbody tr[data-letter="C"] td:nth-child(3)'), '28,0 %');
  assert.equal(await text('#results thead th:nth-child(1)'), 'Zona');
  assert.equal(await browser.evaluate(`new Promise((r) => { const d = document.getElementById('compare-details');
    d.open = true; setTimeout(() => r(d.querySelectorAll('svg').length), 100); })`), 1);

  await browser.evaluate(`{ document.getElementById('station-query').value = 'brasilia';
    document.getElementById('station-form').requestSubmit(); }`);
  const firstStation = `document.querySelector('#stations optgroup[data-kind=stations] option')?.text`;
  assert.match(await browser.until(firstStation), /^Brasília \(Brasil\), OMM 83377/);
  await browser.evaluate(`{ document.getElementById('station-query').value = '-15,79 -47,93';
    document.getElementById('station-form').requestSubmit(); }`);
  assert.equal(await browser.until(`${firstStation}?.includes('km') && ${firstStation}`), 'Brasília (Brasil), OMM 83377 — 0,5 km');
  // Downloads: the PNG drawn from the SVG on a canvas, and the CSV of the shares.
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-page-downloads-'));
  await browser.downloadTo(downloads);
  await browser.evaluate(`document.getElementById('png').click(); document.getElementById('csv').click()`);
  const saved = async (name) => {
    for (let i = 0; i < 500 && !fs.existsSync(path.join(downloads, name)); ++i) await new Promise((r) => setTimeout(r, 20));
    return fs.readFileSync(path.join(downloads, name));
  };
  assert.equal((await saved('Brasília - carta.png')).subarray(1, 4).toString(), 'PNG');
  // qav-cli's CSV, whatever the page's language; named after the place and the options.
  assert.equal(String(await saved('Brasília - porcentagens.csv')),
    execFileSync(cli, ['analyze', '--dataset', 'brazil', '--location', '5', '--format', 'csv'], { encoding: 'utf8' }));
  fs.rmSync(downloads, { recursive: true, force: true });

  const screenshot = await browser.screenshot();
  assert.equal(screenshot.subarray(1, 4).toString(), 'PNG');
  if (process.env.QAV_PAGE_SCREENSHOT) fs.writeFileSync(path.resolve(root, process.env.QAV_PAGE_SCREENSHOT), screenshot);
});

test('a place: listed first with its stations, analysed as its station named for it; none near Phoenix', async () => {
  assert.equal(await browser.open(server.url), 'ready');
  const find = (query) => browser.evaluate(`{ document.getElementById('station-query').value = ${JSON.stringify(query)};
    document.getElementById('station-form').requestSubmit(); }`);
  const choose = (value) => browser.evaluate(`{ const s = document.getElementById('stations'); s.value = ${JSON.stringify(value)};
    s.dispatchEvent(new Event('change')); }`);
  await find('Campinas, SP');
  assert.equal(await browser.until(`document.querySelector('#stations optgroup[data-kind=places] option')?.text`),
    'Campinas (SP, Brazil), population 1,031,554 — 83781 São Paulo (Mirante de Santana) 80 km; 83683 Machado 178 km; 83736 São Lourenço 225 km');
  await choose('place:3467865');
  await browser.until(`document.getElementById('place').textContent.startsWith('Campinas')`);
  assert.equal(await text('#place'), 'Campinas (SP, Brazil): station 83781 São Paulo (Mirante de Santana), 80 km');
  assert.match(await text('#stations-status'), /^Campinas \(SP, Brazil\), population 1,031,554 — 83781 .* 83736 São Lourenço 225 km$/);
  assert.match(await text('#caption'), /Station INMET 83781 · The station is more than 50 km away: the site's climate may differ\.$/);
  // The link names the place: opened afresh, it is analysed and named alike.
  assert.equal(await browser.evaluate('location.hash'), '#station=83781&place=3467865');
  assert.equal(await browser.open(server.url + '#station=83781&place=3467865'), 'ready');
  assert.equal(await browser.until(`document.getElementById('place').textContent`),
    'Campinas (SP, Brazil): station 83781 São Paulo (Mirante de Santana), 80 km');
  // The chart, the print view and the downloads name the place too, as qav-cli's --place does.
  await browser.until(`document.querySelector('#chart svg title')`);
  assert.equal(await text('#chart svg title'), 'Bioclimatic chart of Campinas (SP, Brazil): station 83781 São Paulo (Mirante de Santana), 80 km (Brazil)');
  await browser.evaluate(`document.getElementById('report').click()`);
  assert.equal(await browser.until(`[...document.querySelectorAll('#report-body tr')].find((r) => r.cells[0]?.textContent === 'Site')?.cells[1].textContent`),
    'Campinas (SP, Brazil), -22.91°, -47.06°; station 83781 São Paulo (Mirante de Santana), 80 km away, at 785 m ' +
    "(the place's own elevation is not known). The station is more than 50 km away: the site's climate may differ.");
  await browser.evaluate(`document.getElementById('close-report').click()`);
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-page-place-'));
  await browser.downloadTo(downloads);
  await browser.evaluate(`document.getElementById('csv').click()`);
  const csv = path.join(downloads, 'Campinas (SP, Brazil) - shares.csv');
  for (let i = 0; i < 500 && !fs.existsSync(csv); ++i) await new Promise((r) => setTimeout(r, 20));
  assert.equal(fs.readFileSync(csv, 'utf8'), execFileSync(cli, ['analyze', '--place', 'Campinas, SP', '--format', 'csv'], { encoding: 'utf8', stdio: 'pipe' }));
  fs.rmSync(downloads, { recursive: true, force: true });
  // In Portuguese the heading and the chart name it in Portuguese.
  await browser.evaluate(`{ const l = document.getElementById('lang'); l.value = 'pt-BR'; l.dispatchEvent(new Event('change')); }`);
  assert.equal(await browser.until(`document.getElementById('place').textContent.includes('estação') && document.getElementById('place').textContent`),
    'Campinas (SP, Brasil): estação 83781 São Paulo (Mirante de Santana), 80 km');
  assert.match(await text('#chart svg title'), /^Bioclimatic chart of Campinas \(SP, Brasil\): estação 83781 /);
  await browser.evaluate(`{ const l = document.getElementById('lang'); l.value = 'en'; l.dispatchEvent(new Event('change')); }`);
  await find('Phoenix');
  await browser.until(`document.querySelector('#stations optgroup[data-kind=places] option')`);
  await choose('place:5308655');
  assert.equal(await browser.until(`document.getElementById('stations-status').className === 'failed'
    && document.getElementById('stations-status').textContent`), 'No station within 300 km: open a weather file for this site. ' +
    'The nearest station, 76225 Observatorio Meteorológico Chihuahua, 783 km away, is listed for reference only.');
  assert.match(await text('#place'), /^Campinas/);  // nothing else analysed
});

test('sun and shade, the comfort model and the wind rose: in the link, from the JSON', async () => {
  assert.equal(await browser.open(server.url), 'ready');  // Brasília: the equator side is north
  assert.equal(await browser.evaluate(`document.getElementById('facade').value`), 'N');
  const row = (facade) => browser.evaluate(`[...document.querySelectorAll('#facade-table tr[data-facade="${facade}"] > *')].map((c) => c.textContent).join('|')`);
  assert.equal(await row('N'), 'North|62|20|39°|30.0 %|1.23|0°|0.0 %');
  assert.equal(await row('W'), 'West|66|0|7°|–|8.14|4°|–');
  assert.ok(!await browser.evaluate(`document.getElementById('wind-section').hidden === false`), 'no wind without recorded hours');
  assert.match(await browser.evaluate(`document.getElementById('calendar').getAttribute('aria-label')`),
    /^When: the hours' strategies \(hours of the typical days\): Jan 1–8 C, 9 F, 10–20 E, 21–22 F, 23–24 C; Feb /);
  const before = await browser.evaluate(`document.getElementById('sun-chart').innerHTML`);
  await browser.evaluate(`{ const s = document.getElementById('facade'); s.value = 'W'; s.dispatchEvent(new Event('change')); }`);
  await browser.until(`location.hash.includes('facade=W') && document.documentElement.dataset.state === 'ready'`);
  assert.notEqual(await browser.evaluate(`document.getElementById('sun-chart').innerHTML`), before);
  assert.match(await text('#facade-summary'), /^West: an overhang with a 7° cut-off .* 66 overheated sun-hours; depth 8\.14 × /);
  // Back to the equator side, as a link without a façade (or with one the page does not know) shows.
  await browser.evaluate('history.back()');
  await browser.until(`!location.hash.includes('facade') && document.getElementById('facade').value === 'N' && document.documentElement.dataset.state === 'ready'`);
  assert.match(await text('#facade-summary'), /^North: an overhang with a 39° cut-off/);
  assert.equal(await browser.open(server.url + '#dataset=brazil&location=5&facade=up'), 'ready');
  assert.equal(await browser.evaluate(`document.getElementById('facade').value`), 'N');
  // A threshold out of range is refused beside its field; one in range is read with the comma.
  const shade = (value) => browser.evaluate(`{ const f = document.getElementById('shade-above'); f.value = '${value}'; f.dispatchEvent(new Event('change')); }`);
  await shade('40');
  assert.equal(await text('#shade-above-error'), '"40" is not a temperature from 10 to 35 °C, such as 26 or 24.5.');
  await shade('26,5');
  await browser.until(`location.hash.includes('shade_above=26.5') && document.documentElement.dataset.state === 'ready'`);
  assert.equal(await row('W'), 'West|20|0|40°|–|1.19|2°|–');

  // Manaus's January by ASHRAE 55: 6 h above the 80 % limit, none with fans at 0.9 m/s.
  assert.equal(await browser.open(server.url + '#station=82331&comfort=ashrae55'), 'ready');
  assert.equal(await browser.evaluate(`[...document.querySelectorAll('#adaptive-table tbody tr:first-child > *')].map((c) => c.textContent).join('|')`),
    'January|27.45|26.31|22.81 – 29.81|18|6|0|14|24|0');
  assert.match(await browser.evaluate(`document.getElementById('graph').innerHTML`), /ASHRAE 55/);
  await browser.evaluate(`{ const s = document.getElementById('comfort'); s.value = 'givoni'; s.dispatchEvent(new Event('change')); }`);
  await browser.until(`!location.hash.includes('comfort') && document.documentElement.dataset.state === 'ready'`);
  assert.ok(await browser.evaluate(`document.getElementById('adaptive').hidden`));

  // EN 16798-1 and Portuguese: category II's band, the hours within each category, decimal commas.
  assert.equal(await browser.open(server.url + '#station=82331&comfort=en16798&lang=pt-BR'), 'ready');
  assert.equal(await browser.evaluate(`[...document.querySelectorAll('#adaptive-table tbody tr:first-child > *')].map((c) => c.textContent).join('|')`),
    'janeiro|27,45|27,86|23,86 – 30,86|11|19|24');
  assert.equal(await row('N'), 'Norte|73|0|43°|–|1,07|28°|–');
  // A link's threshold out of range is refused in the page's words.
  assert.equal(await browser.open(server.url + '#shade_above=40'), 'error');
  assert.equal(await text('#message'), 'The analysis could not be made:\nShade above: 40 is outside 10 – 35.');

  // Chicago's recorded hours: January's mean lies outside ASHRAE 55's range; July by the hour.
  assert.equal(await browser.open(server.url + '#epw=chicago.epw&hours=recorded&comfort=ashrae55'), 'ready');
  const month = (n) => browser.evaluate(`[...document.querySelectorAll('#adaptive-table tbody tr:nth-child(${n}) > *')].map((c) => c.textContent).join('|')`);
  assert.equal(await month(1), 'January|-4.65|16.36|12.86 – 19.86|out of range');
  assert.equal(await month(7), 'July|24.13|25.28|21.78 – 28.78|345|142|257|273|403|84');
  assert.equal(await browser.open(server.url + '#epw=chicago.epw'), 'ready');
  assert.equal(await text('#wind-summary li:nth-child(2)'), 'Ventilation hours (F): prevailing winds: SW, 16.3 %; calm 4.4 %');
  // The print view draws the rose and the sun's pictures as the page shows them; its content
  // comes from the report's module, fetched with the first report only.
  const reportModule = `performance.getEntriesByType('resource').filter((r) => /qav-report\\.(mjs|wasm)$/.test(r.name)).length`;
  assert.equal(await browser.evaluate(reportModule), 0);
  await browser.evaluate(`document.getElementById('report').click()`);
  await browser.until(`!document.getElementById('report-view').hidden`);
  assert.equal(await browser.evaluate(reportModule), 2);
  assert.equal(await browser.evaluate(`document.querySelectorAll('#report-body figure svg').length`), 5);
  assert.match(await browser.evaluate(`[...document.querySelectorAll('#report-body .picture')].map((p) => p.getAttribute('aria-label')).join('\\n')`),
    /^Wind rose: All hours: prevailing winds: S, 13\.0 %/m);
  await browser.evaluate(`document.getElementById('close-report').click()`);
  assert.equal(await browser.evaluate(`document.getElementById('wind-rose').getAttribute('aria-label')`),
    'Wind rose: All hours: prevailing winds: S, 13.0 %; calm 3.5 %. Ventilation hours (F): prevailing winds: SW, 16.3 %; calm 4.4 %');
  // In Portuguese the sectors read as the rose draws them (SO, not SW).
  assert.equal(await browser.open(server.url + '#epw=chicago.epw&lang=pt-BR'), 'ready');
  assert.match(await text('#wind-summary li:nth-child(2)'), /: SO, 16,3 %; /);
});

test('bad fragments and files give the error state and a message', async () => {
  for (const [fragment, message] of [
    ['#dataset=brazil&location=99', /^The analysis could not be made:\nThere is no location 99 in Brazil\.$/],
    ['#dataset=brazil&location=9&months=3&lang=pt-BR', /^Não foi possível fazer a análise:\nMeses: “3” não é um intervalo como 12-2\.$/],
    ['#station=1', /^The analysis could not be made:\nThere is no station 1 in the catalogue\.$/],
    ['#dataset=mars', /^The analysis could not be made:\n"mars" is not a data set \(brazil, south-america, world\)\.$/],
    ['#epw=missing.epw', /^missing\.epw could not be read:\nThe address answered with HTTP status 404\.$/],
    ['#epw=missing.epw&lang=pt-BR', /^Não foi possível ler missing\.epw:\nO endereço respondeu com o status HTTP 404\.$/],
  ]) {
    assert.equal(await browser.open(server.url + fragment), 'error', fragment);
    assert.match(await text('#message'), message, fragment);
    if (fragment.includes('location=')) assert.ok(await browser.evaluate(`document.getElementById('location').options.length > 20`), fragment);
    assert.ok(await browser.evaluate(`document.getElementById('svg').disabled`), fragment);  // nothing to download
  }
  assert.equal(await browser.open(server.url), 'ready');
  await browser.setFile('#file', bad);
  assert.equal(await browser.settle(['error']), 'error');
  assert.match(await text('#message'), /^QAVBAD\.TXT could not be read:\n/);
  assert.equal(await text('#place'), 'Brasília, Brazil');  // what was shown stays
  // A file past the reader's limit is refused unread (a sparse file: no disk used).
  const huge = path.join(site, 'huge.epw');
  fs.closeSync(fs.openSync(huge, 'w'));
  fs.truncateSync(huge, 65 << 20);
  await browser.evaluate(`document.documentElement.dataset.state = 'ready'`);
  await browser.setFile('#file', huge);
  assert.equal(await browser.settle(['error']), 'error');
  assert.equal(await text('#message'), 'huge.epw could not be read:\nThe file is larger than 64 MiB: it is not a weather file (EPW).');
  // Without its module the page says why.
  const bare = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-page-bare-'));
  for (const f of fs.readdirSync(web)) if (f !== 'qav.wasm') fs.symlinkSync(path.join(web, f), path.join(bare, f));
  const bareServer = await serve(root, bare);
  assert.equal(await browser.open(bareServer.url + '#lang=pt-BR'), 'error');
  assert.match(await text('#message'), /^Não foi possível fazer a análise:\n./);
  bareServer.stop();
  fs.rmSync(bare, { recursive: true, force: true });
});

test('a dropped file is opened; a broken one gives the reader\'s message in the page\'s language', async () => {
  assert.equal(await browser.open(server.url + '#dataset=brazil&location=2'), 'ready');
  await browser.drop([chicago]);
  await browser.until(`document.getElementById('place').textContent.startsWith('Chicago')`);
  assert.equal(await shown(), expected(cliJson('--epw', chicago).shares));
  assert.equal(await browser.open(server.url + '#lang=pt-BR'), 'ready');
  await browser.drop([bad]);
  assert.equal(await browser.settle(['error']), 'error');
  assert.equal(await text('#message'), 'Não foi possível ler QAVBAD.TXT:\n'
    + "'1e30' está fora do intervalo (-90 a 55). Linha 2, campo 3 (DBTmax), localidade 1 (Lima).");
  // qav-cli's sentence, with its error number, in small print for a bug report.
  assert.match(await text('#message-detail'), /Err code 22$/);
});

test('a Monthly Data file cut short or of 51 locations: the warning above the results, in the page\'s language', async () => {
  const world = fs.readFileSync(path.join(root, 'QAVworld.TXT'), 'utf8');
  const cut = path.join(site, 'QAVCUT.TXT');
  fs.writeFileSync(cut, world.slice(0, world.indexOf('"Athens"')) + '"Athens","Greece",37.9,23.7,107,"BBC"\n1,6,13\n');
  const many = path.join(site, 'QAV51.TXT');
  fs.writeFileSync(many, world + '"Extra","Land",0,0,0,"X"\n');
  const options = () => browser.evaluate(`document.getElementById('location').options.length`);
  assert.equal(await browser.open(server.url), 'ready');
  assert.ok(await browser.evaluate(`document.getElementById('warnings').hidden`));
  await browser.setFile('#file', cut);
  await browser.until(`!document.getElementById('warnings').hidden`);
  assert.equal(await text('#warnings'), 'QAVCUT.TXT: Location 3 (Athens) ends at line 28 after 9 of its 54 fields; it was left out.');
  assert.equal(await options(), 2);
  // Two files dropped one after the other: the second is the one shown.
  assert.equal(await browser.open(server.url + '#lang=pt-BR'), 'ready');
  await browser.drop([cut]);
  await browser.drop([many]);
  await browser.until(`document.getElementById('warnings').textContent.includes('QAV51')`);
  assert.equal(await text('#warnings'), 'QAV51.TXT: Só são lidas 50 localidades; ficou de fora, a partir da linha 651: 6 campos.');
  assert.equal(await options(), 50);
});

test('the keyboard alone: every stop named and outlined, in order, to a location\'s results and a file', async () => {
  assert.equal(await browser.open(server.url), 'ready');
  const stop = () => browser.evaluate(`{ const e = document.activeElement, r = e.getBoundingClientRect();
    (e.id || e.tagName.toLowerCase()) + (getComputedStyle(e).outlineStyle === 'solid' && r.right > 0 && r.left < innerWidth ? '' : '(unseen)') }`);
  const stops = [];
  for (let i = 0; i < 32; ++i) { await browser.press('Tab'); stops.push(await stop()); }
  assert.equal(stops.join(' '), 'a lang dataset filter location station-query button my-location file hours hour-range months warming '
    + 'summary summary summary summary summary summary summary summary summary summary '
    + 'png svg csv json copy report share months-summary summary');
  const { nodes } = await browser.page('Accessibility.getFullAXTree', {});
  const unnamed = nodes.filter((n) => n.properties?.some((p) => p.name === 'focusable' && p.value.value) && !n.name?.value);
  assert.deepEqual(unnamed.map((n) => n.role.value), []);

  // The skip link keeps the analysis; back to the filter, then the type-ahead, the arrow keys and
  // Enter reach a location's results.
  assert.equal(await browser.open(server.url + '#dataset=brazil&location=3'), 'ready');
  for (const key of ['Tab', 'Enter']) await browser.press(key);
  assert.deepEqual([await stop(), await text('#place')], ['results-heading', 'Belo Horizonte, Brazil']);
  for (let i = 0; i < 10; ++i) await browser.press('Tab', { shift: true });
  assert.equal(await stop(), 'filter');
  await browser.type('sao');
  for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter']) await browser.press(key);
  assert.deepEqual([await stop(), await browser.evaluate('location.hash')], ['results-heading', '#dataset=brazil&location=25']);
  assert.equal(await shown(), expected(cliJson('--dataset', 'brazil', '--location', '25').shares));
  // Back to the file button, whose Enter opens the file chooser.
  for (let i = 0; i < 5; ++i) await browser.press('Tab', { shift: true });
  await browser.page('Page.setInterceptFileChooserDialog', { enabled: true });
  const chooser = browser.nextEvent('Page.fileChooserOpened');
  await browser.press('Enter');
  await browser.page('DOM.setFileInputFiles', { files: [chicago], backendNodeId: (await chooser).backendNodeId });
  await browser.page('Page.setInterceptFileChooserDialog', { enabled: false });
  await browser.until(`document.getElementById('place').textContent.startsWith('Chicago')`);
});

test('a report whose module cannot be fetched says so in the page\'s language, and the next click tries again', async () => {
  // Another origin, so another service worker: its copy of the page fails to install without the
  // report's module and the page fetches it from the server.
  const broken = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-page-noreport-'));
  for (const f of fs.readdirSync(site)) if (f !== 'qav-report.wasm') fs.symlinkSync(path.join(site, f), path.join(broken, f));
  const other = await serve(root, broken);
  try {
    assert.equal(await browser.open(other.url + '#dataset=brazil&location=5&lang=pt-BR'), 'ready');
    await browser.evaluate(`document.getElementById('report').click()`);
    await browser.until(`document.documentElement.dataset.state === 'error'`);
    assert.equal(await text('#message'), 'Não foi possível carregar o relatório. Verifique a conexão e tente de novo.');
    assert.equal(await browser.evaluate(`document.getElementById('report-view').hidden`), true);
    fs.symlinkSync(path.join(site, 'qav-report.wasm'), path.join(broken, 'qav-report.wasm'));
    await browser.evaluate(`document.getElementById('report').click()`);
    await browser.until(`!document.getElementById('report-view').hidden`);
  } finally {
    other.stop();
    fs.rmSync(broken, { recursive: true, force: true });
  }
});

test('after the first visit the page works without its server', async () => {
  assert.equal(await browser.open(server.url + '#dataset=brazil&location=4'), 'ready');
  await browser.until(`navigator.serviceWorker.ready.then(() => !!navigator.serviceWorker.controller)`);
  server.stop();
  assert.equal(await browser.open(server.url + '#dataset=world&location=7'), 'ready');
  assert.equal(await shown(), expected(cliJson('--dataset', 'world', '--location', '7').shares));
  // The report's module, never loaded on this visit, comes from the cache too.
  await browser.evaluate(`document.getElementById('report').click()`);
  await browser.until(`!document.getElementById('report-view').hidden`);
  assert.match(await text('#report-title'), /^Bioclimatic analysis of /);
});
