// The page on a phone and as a tool people come back to, in a headless Chromium: results brought
// into view, numbers read alike in both languages, the way back to the location list, a file
// read again, the layout at 360 px, the station finder's states, the security policy, history,
// errors in people's words, accessibility (axe-core) and the service worker's updates.
//   QAV_CLI=build/release/app/qav-cli QAV_WEB=build/web node --test tests/web/phone.test.mjs
// QAV_PAGE_SHOTS=FOLDER also saves the screenshots looked at (390x844, 360 and 1366x768, both languages).
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launch, serve } from './chromium.mjs';

const { default: createQav } = await import(path.join(process.env.QAV_WEB ? path.resolve(process.env.QAV_WEB) : path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../build/web'), 'qav.mjs'));

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const cli = path.resolve(root, process.env.QAV_CLI ?? 'build/release/app/qav-cli');
const web = path.resolve(root, process.env.QAV_WEB ?? 'build/web');
const axe = fs.readFileSync(path.join(root, 'web/node_modules/axe-core/axe.min.js'), 'utf8');
const shares = (...args) => JSON.parse(execFileSync(cli, ['analyze', ...args, '--format', 'json'], { encoding: 'utf8' })).shares
  .map((s, i) => 'ABCDEFGHIJ'[i] + '=' + s).join(' ');

const site = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-phone-test-'));
for (const f of fs.readdirSync(web)) fs.symlinkSync(path.join(web, f), path.join(site, f));
fs.copyFileSync(path.join(root, 'QAVworld.TXT'), path.join(site, 'QAVworld.TXT'));
let server;
let phone;
before(async () => { server = await serve(root, site); phone = await launch({ width: 390, height: 844 }); });
after(async () => { await phone?.close(); server?.stop(); fs.rmSync(site, { recursive: true, force: true }); });

const shown = (b) => b.evaluate(`[...document.querySelectorAll('#results tbody tr')].map((r) => r.dataset.letter + '=' + r.dataset.share).join(' ')`);
const text = (b, selector) => b.evaluate(`document.querySelector(${JSON.stringify(selector)}).textContent`);
const choose = (b, id, value) => b.evaluate(`{ const s = document.getElementById('${id}'); s.value = '${value}'; s.dispatchEvent(new Event('change')); }`);
const shot = async (b, name) => {
  if (process.env.QAV_PAGE_SHOTS) fs.writeFileSync(path.join(process.env.QAV_PAGE_SHOTS, name + '.png'), await b.screenshot());
};
const violations = async (b) => {
  await b.evaluate(axe);
  return b.evaluate(`axe.run(document, { resultTypes: ['violations'] }).then((r) => r.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target).join(' ')))`);
};

test('on a phone a pick brings the results into view; a link shows them first; nothing scrolls sideways', async () => {
  assert.equal(await phone.open(server.url), 'ready');
  const headingTop = () => phone.evaluate(`Math.round(document.getElementById('results-heading').getBoundingClientRect().top)`);
  assert.ok(await headingTop() > 844, 'below the first screen at the start');
  await choose(phone, 'location', '3');
  await phone.settle();
  await phone.until(`Math.abs(document.getElementById('results-heading').getBoundingClientRect().top) < 80`);
  assert.equal(await phone.evaluate('document.activeElement.id'), 'results-heading');
  assert.equal(await text(phone, '#place'), 'Belo Horizonte, Brazil');

  assert.equal(await phone.open(server.url + '#dataset=world&location=3&lang=pt-BR'), 'ready');
  assert.ok(await headingTop() < 200, 'the results first');
  await shot(phone, 'phone-390-pt_BR');
  assert.ok(await phone.evaluate(`document.getElementById('to-inputs').offsetParent !== null`), 'the bar to the inputs');
  await phone.evaluate(`document.getElementById('to-inputs').click()`);
  assert.equal(await phone.evaluate('document.activeElement.id'), 'inputs-heading');

  // 360 px, a long name, the month table and compare open: only the tables' own boxes scroll.
  const long = path.join(site, 'QAVLONG.TXT');
  const world = fs.readFileSync(path.join(root, 'QAVworld.TXT'), 'utf8');
  fs.writeFileSync(long, world.replace('"Addis Ababa"', `"${'Llanfairpwllgwyngyllgogerychwyrndrobwll'.repeat(3)}"`));
  await phone.page('Emulation.setDeviceMetricsOverride', { width: 360, height: 780, deviceScaleFactor: 1, mobile: true });
  assert.equal(await phone.open(server.url + '#dataset=brazil&location=5'), 'ready');
  await phone.setFile('#file', long);
  await phone.until(`document.getElementById('place').textContent.startsWith('Llanfair')`);
  await phone.evaluate(`document.getElementById('months-details').open = true; document.getElementById('compare-details').open = true`);
  await phone.until(`document.querySelector('#compare svg')`);
  assert.equal(await phone.evaluate('document.documentElement.scrollWidth'), 360);
  // Compare as one bar per location, in text of 12 px or more.
  assert.deepEqual(await phone.evaluate(`[...document.querySelectorAll('#compare-list li')].map((li) => parseFloat(getComputedStyle(li).fontSize))
    .filter((size) => size >= 12).length`), 50);
  assert.equal(await text(phone, '#compare-list li:nth-child(2) .name'), 'Alexandria — E Thermal Comfort 29.1 %');
  await shot(phone, 'phone-360');
  // Every control a finger uses is at least 44 px high and wide.
  const small = await phone.evaluate(`[...document.querySelectorAll('button, input, select, summary, .drop')]
    .filter((e) => e.offsetParent && e.type !== 'file').map((e) => [e.id || e.tagName, e.getBoundingClientRect()])
    .filter(([, r]) => r.height < 44 || r.width < 44).map(([id, r]) => id + ' ' + Math.round(r.width) + 'x' + Math.round(r.height))`);
  assert.deepEqual(small, []);
  await phone.page('Emulation.setDeviceMetricsOverride', { width: 390, height: 844, deviceScaleFactor: 1, mobile: true });
});

test('"2,5" and "2.5" give a warming of 2.5 °C in both languages, under an English and a Portuguese browser', async () => {
  const expected = shares('--warming', '2.5');
  const portuguese = await launch({ width: 1366, height: 768, lang: 'pt-BR' });
  try {
    for (const b of [phone, portuguese]) {
      for (const lang of ['en', 'pt-BR']) {
        for (const typed of ['2,5', '2.5']) {
          assert.equal(await b.open(server.url + `#lang=${lang}`), 'ready');
          await b.evaluate(`document.getElementById('warming').focus()`);
          await b.type(typed);
          await b.press('Tab');
          await b.until(`location.hash.includes('warming=2.5')`);
          assert.equal(await shown(b), expected, `${typed} in ${lang}`);
          assert.equal(await b.evaluate(`document.getElementById('warming').value`), typed);
        }
      }
    }
    await shot(portuguese, 'laptop-1366-pt_BR');
    // What is no number is refused beside the field; the analysis shown stays.
    await portuguese.evaluate(`document.getElementById('warming').focus(); document.getElementById('warming').select()`);
    await portuguese.type('2,5,1');
    await portuguese.press('Tab');
    assert.equal(await text(portuguese, '#warming-error'), '“2,5,1” não é um número de graus, como 2,5 ou -1.');
    assert.equal(await shown(portuguese), expected);
  } finally {
    await portuguese.close();
  }
});

test('after a station or a file the list holds its set, and choosing the set shown reloads it', async () => {
  const count = () => phone.evaluate(`document.getElementById('location').options.length`);
  assert.equal(await phone.open(server.url + '#station=83377'), 'ready');
  assert.equal(await phone.evaluate(`document.getElementById('dataset').selectedOptions[0].text`), 'Station WMO 83377');
  assert.equal(await count(), 27);
  await choose(phone, 'location', '2');
  await phone.settle();
  assert.equal(await phone.evaluate('location.hash'), '#dataset=brazil&location=2');

  await phone.setFile('#file', path.join(site, 'QAVworld.TXT'));
  await phone.until(`document.getElementById('dataset').value === 'file'`);
  assert.equal(await phone.evaluate(`document.getElementById('dataset').selectedOptions[0].text`), 'File: QAVworld.TXT');
  assert.equal(await count(), 50);
  // The input is emptied: the same file, edited, is read again.
  assert.equal(await phone.evaluate(`document.getElementById('file').value`), '');
  const one = path.join(site, 'QAVONE.TXT');
  const world = fs.readFileSync(path.join(root, 'QAVworld.TXT'), 'utf8');
  fs.writeFileSync(one, world);
  await phone.setFile('#file', one);
  await phone.until(`document.getElementById('dataset').selectedOptions[0].text === 'File: QAVONE.TXT'`);
  fs.writeFileSync(one, world.replace('"Addis Ababa"', '"Edited"'));
  await phone.setFile('#file', one);
  await phone.until(`document.getElementById('place').textContent.startsWith('Edited')`);

  await choose(phone, 'dataset', 'world');
  await phone.settle();
  assert.equal(await count(), 50);
  assert.equal(await text(phone, '#place'), 'Addis Ababa, Ethiopia');
  await choose(phone, 'dataset', 'file');
  await phone.settle();
  assert.equal(await text(phone, '#place'), 'Edited, Ethiopia');
});

test('Back and Forward go between analyses', async () => {
  assert.equal(await phone.open(server.url + '#dataset=brazil&location=2'), 'ready');
  await choose(phone, 'location', '3');
  await phone.settle();
  await phone.evaluate('history.back()');
  await phone.until(`document.getElementById('place').textContent === 'Belém, Brazil'`);
  await phone.evaluate('history.forward()');
  await phone.until(`document.getElementById('place').textContent === 'Belo Horizonte, Brazil'`);
  assert.equal(await shown(phone), shares('--dataset', 'brazil', '--location', '3'));
});

test('refusals in people\'s words, with the module\'s sentence in small print', async () => {
  for (const [fragment, message, detail] of [
    ['#dataset=brazil&location=30', 'The analysis could not be made:\nThere is no location 30 in Brazil: it holds 27 locations.',
      '--location: 30 is outside 1..27: --dataset brazil has 27 locations'],
    ['#dataset=world&location=60&lang=pt-BR', 'Não foi possível fazer a análise:\nNão há localidade 60 em Mundo.', /^--location: 60/],
    ['#months=3&lang=pt-BR', 'Não foi possível fazer a análise:\nMeses: “3” não é um intervalo como 12-2.', /^--months/],
    ['#warming=99', 'The analysis could not be made:\nWhat if: 99 is outside −30 – 30.', '--warming: 99 is outside -30..30'],
    ['#epw=data:text/plain,LOCATION', 'data:text/plain,LOCATION could not be read:\nOnly http and https addresses are read.', ''],
  ]) {
    assert.equal(await phone.open(server.url + fragment), 'error', fragment);
    assert.equal(await text(phone, '#message'), message);
    if (detail instanceof RegExp) assert.match(await text(phone, '#message-detail'), detail);
    else assert.equal(await text(phone, '#message-detail'), detail);
  }
  assert.equal(await text(phone, '#place'), 'No analysis');
  // Recorded hours of a data set: the typical days, and a note beside the field.
  assert.equal(await phone.open(server.url + '#dataset=brazil&location=5&hours=recorded'), 'ready');
  assert.equal(await text(phone, '#hours-error'), 'Recorded hours come only from a weather file (EPW): the typical days are shown.');
});

test('the finder: no match, an error cleared by the next search, the catalogue read in its worker', async () => {
  assert.equal(await phone.open(server.url + '#lang=pt-BR'), 'ready');
  const search = async (query) => {
    await phone.evaluate(`{ document.getElementById('station-query').value = ${JSON.stringify(query)};
      document.getElementById('station-form').requestSubmit(); }`);
    await phone.until(`!document.getElementById('station-form').hasAttribute('aria-busy')`);
    return phone.evaluate(`[document.getElementById('stations-status').className, document.getElementById('stations-status').textContent]`);
  };
  assert.deepEqual(await search('qqqzzz'), ['', 'Nenhum local ou estação corresponde a "qqqzzz".']);
  assert.deepEqual((await search('-95 10'))[0], 'failed');
  assert.deepEqual(await search('brasilia'), ['', 'Locais: 2, estações: 1']);
  // The page's thread fetches neither the catalogue nor the place list: the worker does.
  assert.equal(await phone.evaluate(`performance.getEntriesByType('resource').filter((e) => /\\.csv|places/.test(e.name)).length`), 0);
  assert.equal(await phone.evaluate(`document.documentElement.dataset.state`), 'ready');

  // Without the catalogue (offline before it was ever fetched): a message in the page's language.
  const bare = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-phone-bare-'));
  for (const f of fs.readdirSync(web)) if (!f.endsWith('.csv') && f !== 'sw.js') fs.symlinkSync(path.join(web, f), path.join(bare, f));
  const bareServer = await serve(root, bare);
  try {
    assert.equal(await phone.open(bareServer.url + '#lang=pt-BR'), 'ready');
    assert.deepEqual(await search('brasilia'), ['failed',
      'Não foi possível carregar o catálogo de estações: a rede está fora do ar ou o site não respondeu.']);
  } finally {
    bareServer.stop();
    fs.rmSync(bare, { recursive: true, force: true });
  }
});

test('the page starts under its security policy, and axe-core finds no violation in any state', async () => {
  await phone.page('Page.addScriptToEvaluateOnNewDocument', {
    source: `self.cspViolations = []; document.addEventListener('securitypolicyviolation', (e) => cspViolations.push(e.violatedDirective + ' ' + e.blockedURI));`,
  });
  const desktop = await launch({ width: 1366, height: 768 });
  try {
    for (const [b, state, fragment, prepare] of [
      [phone, 'normal', '', null],
      [phone, 'error', '#dataset=brazil&location=99', null],
      [phone, 'file', '#epw=chicago.epw', null],
      [phone, 'station', '#station=83377', null],
      [desktop, 'compare', '', `document.getElementById('compare-details').open = true`],
      [desktop, 'what-if', '#warming=2', null],
      [phone, 'sun-comfort', '#station=82331&comfort=en16798&facade=E&shade_above=25', null],
      [desktop, 'Portuguese', '#lang=pt-BR', `document.getElementById('months-details').open = true`],
    ]) {
      if (state === 'file') fs.copyFileSync(path.join(root, 'tests/data/fixtures/chicago.epw'), path.join(site, 'chicago.epw'));
      await b.open(server.url + fragment);
      if (prepare) await b.evaluate(prepare);
      await new Promise((r) => setTimeout(r, 150));
      assert.deepEqual(await violations(b), [], state);
      if (state === 'compare') {
        assert.match(await b.evaluate(`document.getElementById('compare').getAttribute('aria-label')`),
          /^Yearly share of each strategy by location: Aracajú: F Ventilation 74\.8 %; Belém: F Ventilation 70\.1 %;/);
      }
      if (b === phone) assert.deepEqual(await phone.evaluate('self.cspViolations'), [], state);
      await shot(b, `axe-${state}`);
    }
    assert.match(await desktop.evaluate(`document.querySelector('meta[http-equiv="Content-Security-Policy"]').content`),
      /^default-src 'self'; script-src 'self' 'wasm-unsafe-eval';/);
  } finally {
    await desktop.close();
  }
});

test('the report to print, what-if before and after, a strategy explained, stations near me, the link copied', async () => {
  const b = await launch({ width: 1366, height: 768 });
  try {
    assert.equal(await b.open(server.url + '#warming=2'), 'ready');
    const row = (letter) => b.evaluate(`[...document.querySelectorAll('#results tr[data-letter="${letter}"] td')].map((c) => c.textContent).join('|')`);
    assert.equal(await row('C'), 'C|Thermal Inertia (Heating)Heavy construction stores the day\'s heat, solar and internal, and gives it back in the cold night, evening out the daily swing.|28.0 %|17.6 %');
    assert.deepEqual([await text(b, '#before-head'), await text(b, '#typical-head')], ['Without the warming', 'With a warming of +2 °C']);
    assert.equal(await shown(b), shares('--warming', '2'));

    // The report: the PDF report's sections, alone on the page, laid out for A4.
    await b.evaluate(`document.getElementById('report').click()`);
    await b.until(`!document.getElementById('report-view').hidden`);
    assert.equal(await b.evaluate('document.activeElement.id'), 'report-title');
    // Every block of the module's report, in its order: the sections, pictures, tables and advice.
    const kinds = await b.evaluate(`[...document.getElementById('report-body').children].map((e) => e.tagName + (e.className ? '.' + e.className : '')).join(' ')`);
    const tag = { section: 'H2', text: 'P', note: 'P.note', facts: 'TABLE.facts', table: 'TABLE', chart: 'FIGURE', graph: 'FIGURE', guidance: 'ARTICLE.advice',
      sun_path: 'FIGURE', calendar: 'FIGURE', wind_rose: 'FIGURE', adaptive_graph: 'FIGURE' };
    const report = JSON.parse(await (await createQav()).report({ warming: '2' }));
    assert.equal(kinds, ['H1', ...report.blocks.map((block) => tag[block.kind]).filter(Boolean)].join(' '));
    assert.match(kinds, / H2 (P )+(ARTICLE\.advice )+/);
    assert.equal(await text(b, '#report-title'), 'Bioclimatic analysis of Brasília (Brazil)');
    assert.equal(await b.evaluate(`[...document.querySelectorAll('#report-body table.facts tr')].find((r) => r.cells[0].textContent === 'Warming').cells[1].textContent`), '+2 °C');
    assert.ok(await b.evaluate(`document.querySelectorAll('#report-body figure svg').length === 4`));
    assert.equal(await b.evaluate(`getComputedStyle(document.querySelector('main')).display`), 'none');
    const pdf = Buffer.from((await b.page('Page.printToPDF', { preferCSSPageSize: true })).data, 'base64');
    assert.match(pdf.toString('latin1'), /\/MediaBox \[0 0 594\.9\d+ 841\.9\d+\]/);  // A4
    if (process.env.QAV_PAGE_SHOTS) fs.writeFileSync(path.join(process.env.QAV_PAGE_SHOTS, 'report.pdf'), pdf);
    await b.press('Escape');
    assert.deepEqual([await b.evaluate('document.activeElement.id'), await b.evaluate(`document.getElementById('report-view').hidden`)], ['report', true]);

    // My location: asked of the browser on the click, and the nearest stations listed.
    const origin = new URL(server.url).origin;
    await b.browser('Browser.grantPermissions', { origin, permissions: ['geolocation', 'clipboardReadWrite', 'clipboardSanitizedWrite'] });
    await b.page('Emulation.setGeolocationOverride', { latitude: -15.79, longitude: -47.93, accuracy: 10 });
    await b.evaluate(`document.getElementById('my-location').click()`);
    assert.deepEqual(await b.until(`document.querySelector('#stations optgroup[data-kind=stations] option') &&
      [...document.querySelectorAll('#stations optgroup')].map((g) => g.children[0].text)`),
    ['Brasília (DF, Brazil), population 2,207,718 — 83377 Brasília 1 km; 83379 Formosa 68 km; 83376 Pirenópolis 111 km',
      'Brasília (Brazil), WMO 83377 — 0.5 km']);
    await b.evaluate(`document.getElementById('share').focus(); document.getElementById('share').click()`);
    await b.until(`document.getElementById('live').textContent === 'The link was copied.'`);
    assert.equal(await b.evaluate('navigator.clipboard.readText()'), await b.evaluate('location.href'));
  } finally {
    await b.close();
  }
});

test('an update arrives: the second build\'s files are served after it, offline too', async () => {
  // Two builds of one site in turn: the second changes main.js and the catalogue, and its worker
  // names a new cache, as the build does.
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-phone-update-'));
  for (const f of fs.readdirSync(web)) fs.copyFileSync(path.join(web, f), path.join(folder, f));
  let updated = null;
  try {
    updated = await serve(root, folder);
    const b = phone;
    assert.equal(await b.open(updated.url), 'ready');
    await b.until(`navigator.serviceWorker.ready.then(() => !!navigator.serviceWorker.controller)`);
    fs.appendFileSync(path.join(folder, 'main.js'), '\ndocument.documentElement.dataset.build = "2";\n');
    const worker = fs.readFileSync(path.join(folder, 'sw.js'), 'utf8').replace(/const kCache = 'qav-([0-9a-f]+)'/, "const kCache = 'qav-$1-2'");
    fs.writeFileSync(path.join(folder, 'sw.js'), worker);
    await b.evaluate(`navigator.serviceWorker.getRegistration().then((r) => r.update())`);
    await b.until(`caches.keys().then((k) => k.some((n) => n.endsWith('-2')) && k.length === 1)`);
    assert.equal(await b.open(updated.url), 'ready');
    assert.equal(await b.evaluate('document.documentElement.dataset.build'), '2');
    updated.stop();
    updated = null;
    assert.equal(await b.open(new URL('#dataset=world&location=2', (await b.evaluate('location.href'))).href), 'ready');
    assert.equal(await b.evaluate('document.documentElement.dataset.build'), '2');
  } finally {
    updated?.stop();
    fs.rmSync(folder, { recursive: true, force: true });
  }
});
