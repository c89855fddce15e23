// QAV's page: the inputs, the URL fragment that holds them, and the analysis drawn from the
// WebAssembly module's answers (the same JSON and SVG as qav-cli's).
import createQav from './qav.mjs';
import { viewSvg } from './svg_view.js';
import { currentLanguage, decimal, languageOf, setLanguage, t } from './texts.js';

const $ = (id) => document.getElementById(id);
const kLetters = 'ABCDEFGHIJ';
const kDataSets = ['brazil', 'south-america', 'world'];

const loading = createQav({ compiled: self.qavCompiled });
let qav = null;
// This script runs as soon as it and the module are loaded, which can be before the page is parsed.
if (document.readyState === 'loading') await new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve));
// The file reader's worker, started with the first file: a page opened on a link needs none.
let reader = null;
const pendingFiles = new Map();  // the reader's requests by id, each waiting for its reply
let files = 0;

// What is analysed: the source (a data set's slot, a station or a file's text) and the options.
const state = { source: { kind: 'dataset', dataset: 'brazil', location: null }, hours: 'typical',
  hour_range: '', months: '', warming: '' };
let lastJson = '';
let lastRequest = null;  // the analysis shown: the downloads and the copied table ask for its other forms
let lastSvg = '';
// The strategies' and months' names in the page's language, as the module words them.
let names = null;
const lists = new Map();  // the location names of each data set or file, read once

const setState = (value, message = '') => {
  // The first analysis shown, for timing from navigation (performance.getEntriesByName).
  if (value === 'ready' && !performance.getEntriesByName('qav-ready').length) performance.mark('qav-ready');
  document.documentElement.dataset.state = value;
  $('message').hidden = !message;
  $('message').textContent = message;
  // On a phone the inputs come first: a message below them is brought into view.
  if (message) $('message').scrollIntoView({ block: 'nearest' });
};

// ---- The URL fragment: #dataset=brazil&location=5, #station=83377, #epw=URL, and the options.
function readFragment() {
  const p = new URLSearchParams(location.hash.slice(1));
  // No source: the program's start-up location (Brasília), as qav-cli without options.
  const s = { source: { kind: 'dataset', dataset: 'brazil', location: null, startup: true }, hours: 'typical',
    hour_range: p.get('hour_range') ?? '', months: p.get('months') ?? '', warming: p.get('warming') ?? '' };
  if (p.get('hours') === 'recorded') s.hours = 'recorded';
  if (p.has('station')) s.source = { kind: 'station', wmo: p.get('station') };
  else if (p.has('epw')) s.source = { kind: 'file', format: 'epw', url: p.get('epw'), name: p.get('epw').split('/').pop() };
  else if (p.has('dataset') || p.has('location')) {
    s.source = { kind: 'dataset', dataset: p.get('dataset') ?? 'brazil', location: p.get('location') };
  }
  return { state: s, lang: p.get('lang') };
}

function writeFragment() {
  const p = new URLSearchParams();
  const src = state.source;
  if (src.kind === 'dataset') {
    p.set('dataset', src.dataset);
    if (src.location !== null) p.set('location', src.location);
  } else if (src.kind === 'station') p.set('station', src.wmo);
  else if (src.url) p.set('epw', src.url);
  if (currentLanguage() !== languageOf(navigator.language)) p.set('lang', currentLanguage());
  for (const key of ['hour_range', 'months', 'warming']) if (state[key]) p.set(key, state[key]);
  if (state.hours === 'recorded') p.set('hours', 'recorded');
  history.replaceState(null, '', '#' + p.toString());
}

// ---- Requests to the module.
function sourceRequest(src, slot) {
  if (src.startup) return {};
  if (src.kind === 'dataset') return { dataset: src.dataset, ...(slot != null ? { location: slot } : {}) };
  if (src.kind === 'station') return { station: src.wmo };
  return { [src.format]: src.text, path: src.name, ...(slot != null ? { location: slot } : {}) };
}

function options(request) {
  if (state.hour_range) request.hour_range = state.hour_range;
  if (state.months) request.months = state.months;
  if (state.warming && Number(state.warming.replace(',', '.')) !== 0) request.warming = state.warming.replace(',', '.');
  request.lang = moduleLanguage();
  return request;
}

// The module words a file's failure in the language it is given.
const moduleLanguage = () => (currentLanguage() === 'pt-BR' ? 'pt_BR' : 'en');
const namesNow = () => {
  if (names?.lang !== moduleLanguage()) names = { lang: moduleLanguage(), ...JSON.parse(qav.names(moduleLanguage())) };
  return names;
};

// The module's warnings are qav-cli's English sentences ("PATH: Location 3 (Athens) ends at ...");
// the page words them in its own language from their figures.
function warningText(warning) {
  let m = warning.match(/^(.*): Location (\d+)(?: \((.*)\))? ends at line (\d+) after (\d+) of its 54 fields; it was left out\.$/s);
  if (m) {
    const where = m[3] !== undefined ? t('%1 (%2)', m[2], m[3]) : m[2];
    return `${m[1]}: ${t('Location %1 ends at line %2 after %3 of its 54 fields; it was left out.', where, m[4], m[5])}`;
  }
  m = warning.match(/^(.*): Only (\d+) locations are read; left out from line (\d+) on: (?:(\d+) more locations?)?(?: and )?(?:(\d+) fields?)?\.$/s);
  if (!m) return warning;
  const locations = m[4] === undefined ? '' : m[4] === '1' ? t('1 more location') : t('%1 more locations', m[4]);
  const fields = m[5] === undefined ? '' : m[5] === '1' ? t('1 field') : t('%1 fields', m[5]);
  const what = locations && fields ? t('%1 and %2', locations, fields) : locations || fields;
  return `${m[1]}: ${t('Only %1 locations are read; left out from line %2 on: %3.', m[2], m[3], what)}`;
}

function showWarnings(warnings) {
  const list = $('warnings');
  list.replaceChildren(...warnings.map((w) => { const li = document.createElement('li'); li.textContent = warningText(w); return li; }));
  list.hidden = !warnings.length;
}

const failed = (text) => text.startsWith('{"error"') ? JSON.parse(text).error : null;

function errorMessage(error, src) {
  if (error.file !== undefined) {
    // The heading names the file: the reader's line need not name it again.
    const line = error.message.startsWith(error.file + ': ') ? error.message.slice(error.file.length + 2) : error.message;
    return t('%1 could not be read:', src.name ?? error.file) + '\n' + line;
  }
  return t('The analysis could not be made:') + '\n' + error.message;
}

// ---- The location list of a data set or a Monthly Data file, with type-ahead.
function locationNames(src) {
  if (src.startup) src = { kind: 'dataset', dataset: 'brazil' };
  const key = src.kind === 'dataset' ? src.dataset : 'file:' + src.name;
  if (src.kind === 'file' && src.format === 'epw') {
    // One location: the one shown.
    const r = JSON.parse(lastJson);
    return [{ slot: 1, name: r.name, country: r.country }];
  }
  if (src.kind !== 'station' && !lists.has(key)) {
    const text = qav.locations({ ...sourceRequest(src), lang: moduleLanguage() });
    const error = failed(text);
    if (error) throw new Error(errorMessage(error, src));
    lists.set(key, JSON.parse(text));
  }
  return lists.get(key) ?? [];
}

const fold = (s) => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase();

function fillLocations(selectedSlot) {
  const select = $('location');
  const filter = fold($('filter').value.trim());
  select.replaceChildren();
  if (state.source.kind === 'station') return;
  for (const loc of locationNames(state.source)) {
    if (filter && !fold(loc.name).includes(filter) && !fold(loc.country).includes(filter)) continue;
    const option = new Option(`${loc.name} (${loc.country})`, String(loc.slot));
    option.selected = loc.slot === selectedSlot;
    select.append(option);
  }
}

// ---- The analysis.
// Runs after the browser has painted what is on the page now.
const afterPaint = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));

// The chart and the results of the current state; returns what the parts below them need.
function show() {
  const src = state.source;
  const request = options(sourceRequest(src, src.location));
  const started = performance.now();
  const text = qav.analyze({ ...request, warnings: true });
  performance.measure('qav-analyze', { start: started });
  const error = failed(text);
  if (error) throw new Error(errorMessage(error, src));
  const answer = JSON.parse(text);
  showWarnings(answer.warnings);
  lastRequest = request;
  lastJson = JSON.stringify(answer.result);
  const r = answer.result;
  if (src.kind !== 'station') src.location = String(r.slot);
  src.startup = false;
  const picture = { ...request, ...(state.hours === 'recorded' && r.recorded_shares ? { hours: 'recorded' } : {}) };
  lastSvg = qav.chartSvg(picture);
  $('chart').innerHTML = viewSvg(lastSvg);
  // Nothing to download until a first analysis is shown; one shown stays until the next.
  for (const button of document.querySelectorAll('.actions button')) button.disabled = false;
  $('chart').setAttribute('aria-label', t('Bioclimatic chart of %1', r.name));
  $('place').textContent = `${r.name}, ${r.country}`;
  $('caption').textContent = [
    t('Latitude %1, longitude %2, elevation %3 m', decimal(r.latitude), decimal(r.longitude), decimal(r.elevation)),
    t('pressure %1 kPa', decimal(Math.round(r.pressure_kpa * 100) / 100)),
    src.kind === 'file' ? src.name : src.kind === 'station' ? t('Station WMO %1', src.wmo) : '',
  ].filter(Boolean).join(' · ');
  fillResults(r);
  document.title = `QAV · ${r.name}`;
  return { r, request };
}

// What lies below the chart and the results: the graph, the month table and compare.
function showBelow({ r, request }) {
  $('graph').innerHTML = viewSvg(qav.graphSvg(request));
  $('graph').setAttribute('aria-label', t('Monthly climate graph of %1', r.name));
  fillMonths(r);
  if ($('compare-details').open) showCompare();
}

function fillResults(r) {
  const recorded = Array.isArray(r.recorded_shares);
  const shown = recorded && state.hours === 'recorded' ? r.recorded_shares : r.shares;
  // The top three: fewer when fewer strategies have hours (0 fills the list).
  const top = (recorded && state.hours === 'recorded' ? r.recorded_top : r.top).filter((s) => s > 0);
  $('recorded-head').hidden = !recorded;
  const body = $('results').tBodies[0];
  body.replaceChildren();
  r.shares.forEach((share, i) => {
    const row = body.insertRow();
    row.dataset.letter = kLetters[i];
    row.dataset.share = String(shown[i]);
    row.className = top.includes(i + 1) ? 'top' : '';
    row.insertCell().textContent = kLetters[i];
    row.insertCell().textContent = namesNow().strategies[i];
    // One decimal, as the window's results panel shows a share ("28,0 %", not "28 %").
    const cell = (v) => { const c = row.insertCell(); c.className = 'n'; c.textContent = decimal(v.toFixed(1)) + ' %'; };
    cell(share);
    if (recorded) cell(r.recorded_shares[i]);
  });
  const topNames = top.map((s) => `${kLetters[s - 1]} ${namesNow().strategies[s - 1]} (${decimal(shown[s - 1].toFixed(1))} %)`);
  $('top').textContent = t('Top three: %1', topNames.join(', '));
  $('disagreement').textContent = recorded
    ? t('Typical days and recorded hours differ on %1 % of the year.', decimal(r.disagreement)) : '';
  $('live').textContent = `${r.name}: ${$('top').textContent}`;
}

function fillMonths(r) {
  const hours = Array.isArray(r.recorded_month_hours) && state.hours === 'recorded' ? r.recorded_month_hours : r.month_hours;
  const table = $('month-table');
  const head = table.tHead;
  head.replaceChildren();
  const hr = head.insertRow();
  const th = (row, text, scope) => { const c = document.createElement('th'); c.scope = scope; c.textContent = text; row.append(c); return c; };
  th(hr, t('Strategy'), 'col');
  namesNow().months.forEach((m, i) => { th(hr, namesNow().month_abbreviations[i], 'col').title = m; });
  const body = table.tBodies[0];
  body.replaceChildren();
  hours.forEach((row, i) => {
    if (row.every((h) => h === 0)) return;
    const tr = body.insertRow();
    th(tr, `${kLetters[i]} ${namesNow().strategies[i]}`, 'row');
    for (const h of row) { const c = tr.insertCell(); c.className = 'n'; c.textContent = h; }
  });
}

function showCompare() {
  const src = state.source;
  const request = src.kind === 'dataset' ? { dataset: src.dataset, all: true }
    : src.kind === 'station' ? { inputs: [{ dataset: $('dataset').value }, { station: src.wmo }], all: true }
    : { ...sourceRequest(src), all: true };
  const svg = qav.compareSvg(options(request));
  const error = failed(svg);
  $('compare').textContent = '';
  if (error) $('compare').textContent = error.message;
  else $('compare').innerHTML = viewSvg(svg);
  $('compare').setAttribute('aria-label', t('Yearly share of each strategy by location'));
}

// Runs an analysis for the current state; any failure shows its message and the error state.
// The chart and the results are painted first; the rest follows in the next task, unless a newer
// analysis has taken their place by then. The state is "ready" once all of it is shown.
let analyses = 0;
async function analyse({ focusResults = false } = {}) {
  const number = ++analyses;
  document.documentElement.dataset.state = 'busy';
  try {
    const shown = show();
    fillLocations(state.source.location === null ? null : Number(state.source.location));
    writeFragment();
    if (focusResults) $('results-heading').focus();  // the results are on the page already
    await afterPaint();
    // The first analysis on the screen, for timing from navigation (performance.getEntriesByName).
    if (!performance.getEntriesByName('qav-shown').length) performance.mark('qav-shown');
    if (number !== analyses) return;
    showBelow(shown);
    setState('ready');
  } catch (e) {
    if (number === analyses) setState('error', e.message);
    // A bad link still leaves its data set's locations to pick from.
    if (!$('location').options.length) try { fillLocations(null); } catch { /* the message above says why */ }
  }
}

// ---- Files: picked, dropped or named by #epw=URL.
// One message per file, with an id that its reply carries back: files picked or dropped quickly
// each get their own reply, and only the last one asked for is opened.
function readFile(file) {
  if (!reader) {
    reader = new Worker(new URL('reader.worker.js', import.meta.url));
    reader.onmessage = ({ data }) => {
      pendingFiles.get(data.id)?.(data);
      pendingFiles.delete(data.id);
    };
  }
  const id = ++files;
  return new Promise((resolve) => {
    pendingFiles.set(id, resolve);
    reader.postMessage({ id, file });
  });
}

async function openFile(file) {
  setState('busy');
  const got = await readFile(file);
  if (got.id !== files) return;  // a file dropped after this one is shown instead
  if (got.tooLarge) {
    const what = got.format === 'epw' ? /* text */ 'The file is larger than %1: it is not a weather file (EPW).'
      : /* text */ 'The file is larger than %1: it is not a Monthly Data file.';
    return setState('error', t('%1 could not be read:', got.name) + '\n' + t(what, `${got.tooLarge} MiB`));
  }
  if (got.failure) {
    return setState('error', t('%1 could not be read:', got.name) + '\n' + t('The browser could not read the file: %1', got.failure));
  }
  return openText(got);
}

async function openText({ name, format, text, url }) {
  const previous = state.source;
  state.source = { kind: 'file', format, name, text, url, location: null };
  lists.delete('file:' + name);
  $('filter').value = '';
  await analyse();
  if (document.documentElement.dataset.state === 'error') state.source = previous;
}

async function openUrl(url) {
  const name = url.split('/').pop() || url;
  const refused = (reason) => setState('error', t('%1 could not be read:', name) + '\n' + reason);
  let bytes;
  try {
    const response = await fetch(url);
    if (!response.ok) return refused(t('The address answered with HTTP status %1.', response.status));
    bytes = await response.arrayBuffer();
  } catch {
    // The browser tells a page no more than this: offline, no such host, or refused by the site.
    return refused(t('The address could not be reached: the network is down, or the site does not allow it.'));
  }
  let text;
  try { text = new TextDecoder('utf-8', { fatal: true }).decode(bytes); } catch { text = new TextDecoder('windows-1252').decode(bytes); }
  await openText({ name, format: /\.epw$/i.test(url) ? 'epw' : 'md', text, url });
}

// ---- Downloads and the copied table.
function save(name, blob) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(blob);
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(a.href), 1000);
}

const baseName = () => 'qav-' + fold($('place').textContent.split(',')[0] || 'analysis').replace(/[^a-z0-9]+/g, '-');

let embeddedFonts = null;
// An SVG drawn as an image sees no page fonts: the PNG's SVG carries the font as data URLs.
async function fontStyle() {
  if (!embeddedFonts) {
    const url = async (file) => {
      const blob = await (await fetch(file)).blob();
      return new Promise((resolve) => { const r = new FileReader(); r.onload = () => resolve(r.result); r.readAsDataURL(blob); });
    };
    embeddedFonts = `<style>@font-face{font-family:"DejaVu Sans";src:url(${await url('dejavu-sans.woff2')})}` +
      `@font-face{font-family:"DejaVu Sans";font-weight:bold;src:url(${await url('dejavu-sans-bold.woff2')})}</style>`;
  }
  return embeddedFonts;
}

async function savePng() {
  const svg = lastSvg.replace(/(<svg[^>]*>)/, `$1${await fontStyle()}`);
  const image = new Image();
  image.src = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  await image.decode();
  const canvas = document.createElement('canvas');
  canvas.width = image.naturalWidth * 2;
  canvas.height = image.naturalHeight * 2;
  const g = canvas.getContext('2d');
  g.fillStyle = '#fff';
  g.fillRect(0, 0, canvas.width, canvas.height);
  g.drawImage(image, 0, 0, canvas.width, canvas.height);
  URL.revokeObjectURL(image.src);
  canvas.toBlob((blob) => save(baseName() + '-chart.png', blob), 'image/png');
}

// qav-cli's other forms of the analysis shown: its CSV for programs, its table (in the page's
// language) for the clipboard.
function otherForm(format) {
  const text = qav.analyze({ ...lastRequest, format });
  const error = failed(text);
  if (error) throw new Error(errorMessage(error, state.source));
  return text;
}

// ---- Wiring.
function bind() {
  $('dataset').addEventListener('change', () => {
    state.source = { kind: 'dataset', dataset: $('dataset').value, location: '1' };
    $('filter').value = '';
    analyse();
  });
  $('filter').addEventListener('input', () => fillLocations(Number(state.source.location)));
  $('filter').addEventListener('keydown', (e) => {
    if (e.key === 'ArrowDown' || e.key === 'Enter') {
      e.preventDefault();
      const first = $('location').options[0];
      if (!first) return;
      if (e.key === 'Enter') { state.source.location = first.value; analyse({ focusResults: true }); } else $('location').focus();
    }
  });
  $('location').addEventListener('change', () => {
    if (!$('location').value) return;
    state.source.location = $('location').value;
    analyse();
  });
  // The arrow keys have analysed the location already: Enter goes on to its results.
  $('location').addEventListener('keydown', (e) => {
    if (e.key !== 'Enter' || !$('location').value) return;
    e.preventDefault();
    state.source.location = $('location').value;
    analyse({ focusResults: true });
  });
  // The skip link moves the focus without touching the fragment, which holds the analysis.
  document.querySelector('.skip').addEventListener('click', (e) => {
    e.preventDefault();
    $('results-heading').focus();
  });
  $('station-form').addEventListener('submit', async (e) => {
    e.preventDefault();
    const select = $('stations');
    select.replaceChildren();
    try {
      await qav.loadStations().catch(() => {});
      const text = qav.findStations($('station-query').value.trim(), 30, moduleLanguage());
      const error = failed(text);
      if (error) throw new Error(error.message);
      const found = JSON.parse(text);
      for (const s of found) {
        const where = s.distance_km !== undefined ? ` — ${decimal(s.distance_km)} km${s.far ? ' ⚠' : ''}` : '';
        select.append(new Option(`${s.name} (${s.country}), WMO ${s.wmo}${where}`, String(s.wmo)));
      }
      $('stations-found').hidden = !found.length;
      $('live').textContent = t('%1 stations found', found.length);
      if (found.length) select.focus();
    } catch (err) {
      setState('error', err.message);
    }
  });
  const pickStation = () => {
    if (!$('stations').value) return;
    state.source = { kind: 'station', wmo: $('stations').value };
    analyse();
  };
  $('stations').addEventListener('change', pickStation);
  $('stations').addEventListener('keydown', (e) => { if (e.key === 'Enter') pickStation(); });
  $('file').addEventListener('change', () => { if ($('file').files[0]) openFile($('file').files[0]); });
  const drop = $('drop');
  document.addEventListener('dragover', (e) => { e.preventDefault(); drop.classList.add('over'); });
  document.addEventListener('dragleave', () => drop.classList.remove('over'));
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    drop.classList.remove('over');
    if (e.dataTransfer.files[0]) openFile(e.dataTransfer.files[0]);
  });
  $('hours').addEventListener('change', () => { state.hours = $('hours').value; analyse(); });
  for (const [id, key] of [['hour-range', 'hour_range'], ['months', 'months'], ['warming', 'warming']]) {
    $(id).addEventListener('change', () => { state[key] = $(id).value.trim(); analyse(); });
  }
  $('lang').addEventListener('change', async () => { await setLanguage($('lang').value); analyse(); });
  $('compare-details').addEventListener('toggle', () => { if ($('compare-details').open) showCompare(); });
  $('svg').addEventListener('click', () => save(baseName() + '-chart.svg', new Blob([lastSvg], { type: 'image/svg+xml' })));
  $('png').addEventListener('click', () => savePng().catch((e) => setState('error', e.message)));
  const download = (extension, format, type) => {
    try {
      save(baseName() + extension, new Blob([otherForm(format)], { type }));
    } catch (e) {
      setState('error', e.message);
    }
  };
  $('json').addEventListener('click', () => download('.json', 'json', 'application/json'));
  $('csv').addEventListener('click', () => download('.csv', 'csv', 'text/csv'));
  $('copy').addEventListener('click', async () => {
    try {
      await navigator.clipboard.writeText(otherForm('table'));
      $('live').textContent = t('The table was copied.');
    } catch (e) {
      setState('error', e.message);
    }
  });
  window.addEventListener('hashchange', start);
}

// Shows the state the URL names.
async function start() {
  const { state: s, lang } = readFragment();
  Object.assign(state, s);
  const language = await setLanguage(lang ?? navigator.language);
  $('lang').value = language;
  $('hours').value = state.hours;
  $('hour-range').value = state.hour_range;
  $('months').value = state.months;
  $('warming').value = state.warming;
  const src = state.source;
  // A data set the module does not know is refused by it, in qav-cli's words.
  if (src.kind === 'dataset' && kDataSets.includes(src.dataset)) $('dataset').value = src.dataset;
  if (src.kind === 'station') {
    try { await qav.loadStations(); } catch { /* the analysis reports the catalogue's absence */ }
  }
  if (src.kind === 'file') return openUrl(src.url);
  return analyse();
}

try {
  qav = await loading;
} catch (e) {
  // Without its module the page can show nothing but why.
  await setLanguage(readFragment().lang ?? navigator.language);
  setState('error', t('The analysis could not be made:') + '\n' + (e?.message ?? String(e)));
}
if (qav) {
  bind();
  await start();
}
if ('serviceWorker' in navigator && window.isSecureContext) navigator.serviceWorker.register('sw.js').catch(() => {});
