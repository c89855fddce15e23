// QAV's page: the inputs, the URL fragment that holds them, and the analysis drawn from the
// WebAssembly module's answers (the same JSON and SVG as qav-cli's).
import createQav from './qav.mjs';
import { readDecimal } from './numbers.js';
import { fillReport } from './report_view.js';
import { viewSvg } from './svg_view.js';
import { bindViews, readViewKeys, setViewFields, showViews, viewKeys, viewPictures } from './views.js';
import { currentLanguage, decimal, languageOf, setLanguage, t } from './texts.js';

const $ = (id) => document.getElementById(id);
const kLetters = 'ABCDEFGHIJ';
const kDataSets = ['brazil', 'south-america', 'world'];

const loading = createQav({ compiled: self.qavCompiled });
let qav = null;
// This script runs as soon as it and the module are loaded, which can be before the page is parsed.
if (document.readyState === 'loading') await new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve));
// A search asked for before the module is ready waits for it, instead of the form reloading the page.
let pageReady;
const ready = new Promise((resolve) => { pageReady = resolve; });
$('station-form').addEventListener('submit', (e) => {
  e.preventDefault();
  ready.then(() => findStations());
});
// The file reader's worker, started with the first file: a page opened on a link needs none.
let reader = null;
const pendingFiles = new Map();  // the reader's requests by id, each waiting for its reply
let files = 0;

// What is analysed: the source (a data set's slot, a station or a file's text) and the options.
const state = { source: { kind: 'dataset', dataset: 'brazil', location: null }, hours: 'typical',
  hour_range: '', months: '', warming: '', facade: '', shade_above: '', comfort: '' };
let lastJson = '';
let lastRequest = null;  // the analysis shown: the downloads and the copied table ask for its other forms
let lastSvg = '';
// The strategies' and months' names in the page's language, as the module words them.
let names = null;
const lists = new Map();  // the location names of each data set or file, read once
// The data set whose locations the list holds while a station is shown, and the last file read:
// both stay in the data-set list, so the way back to either is one choice.
let lastDataset = 'brazil';
let lastFile = null;
const narrow = () => matchMedia('(max-width: 899px)').matches;

const setState = (value, message = '', detail = '') => {
  // The first analysis shown, for timing from navigation (performance.getEntriesByName).
  if (value === 'ready' && !performance.getEntriesByName('qav-ready').length) performance.mark('qav-ready');
  document.documentElement.dataset.state = value;
  $('message').hidden = !message;
  $('message').textContent = message;
  $('message-detail').hidden = !detail;
  $('message-detail').textContent = detail;
  // Nothing shown yet: the results' heading says why rather than staying empty.
  if (value === 'error' && !$('place').textContent) $('place').textContent = t('No analysis');
  // On a phone the inputs come first: a message below them is brought into view.
  if (message) $('message').scrollIntoView({ block: 'nearest' });
};

// ---- The URL fragment: #dataset=brazil&location=5, #station=83377, #epw=URL, and the options.
function readFragment() {
  const p = new URLSearchParams(location.hash.slice(1));
  // No source: the program's start-up location (Brasília), as qav-cli without options.
  const s = { source: { kind: 'dataset', dataset: 'brazil', location: null, startup: true }, hours: 'typical',
    hour_range: p.get('hour_range') ?? '', months: p.get('months') ?? '', warming: p.get('warming') ?? '', ...readViewKeys(p) };
  // An old link's "2,5" reads as 2.5; what is no number goes to the module, which says why.
  s.warming = readDecimal(s.warming) ?? s.warming;
  if (p.get('hours') === 'recorded') s.hours = 'recorded';
  if (p.has('station')) s.source = { kind: 'station', wmo: p.get('station'), placeId: p.get('place') ?? undefined };
  else if (p.has('epw')) s.source = { kind: 'file', format: 'epw', url: p.get('epw'), name: fileNameOf(p.get('epw')) };
  else if (p.has('dataset') || p.has('location')) {
    s.source = { kind: 'dataset', dataset: p.get('dataset') ?? 'brazil', location: p.get('location') };
  }
  return { state: s, lang: p.get('lang') };
}

// Each analysis is an entry of the history, so Back and Forward go between analyses; one that
// only restates the entry shown (the start, a language) replaces it.
function writeFragment({ push = false } = {}) {
  const p = new URLSearchParams();
  const src = state.source;
  if (src.kind === 'dataset') {
    p.set('dataset', src.dataset);
    if (src.location !== null) p.set('location', src.location);
  } else if (src.kind === 'station') {
    p.set('station', src.wmo);
    if (src.placeId) p.set('place', src.placeId);  // the station named for this place
  }
  else if (src.url) p.set('epw', src.url);
  if (currentLanguage() !== languageOf(navigator.language)) p.set('lang', currentLanguage());
  for (const key of ['hour_range', 'months', 'warming', ...viewKeys]) if (state[key]) p.set(key, state[key]);
  if (state.hours === 'recorded') p.set('hours', 'recorded');
  const fragment = '#' + p.toString();
  startedFragment = fragment;
  if (fragment === location.hash) return;
  if (push && location.hash) history.pushState(null, '', fragment);
  else history.replaceState(null, '', fragment);
}

// ---- Requests to the module.
function sourceRequest(src, slot) {
  if (src.startup) return {};
  if (src.kind === 'dataset') return { dataset: src.dataset, ...(slot != null ? { location: slot } : {}) };
  // A place the finder chose is handed over whole: the module names every output for it.
  if (src.kind === 'station') return src.request ? { place: src.request } : { station: src.wmo };
  return { [src.format]: src.text, path: src.name, ...(slot != null ? { location: slot } : {}) };
}

function options(request) {
  if (state.hour_range) request.hour_range = state.hour_range;
  if (state.months) request.months = state.months;
  if (state.warming && Number(state.warming) !== 0) request.warming = state.warming;
  for (const key of viewKeys) if (state[key]) request[key] = state[key];
  request.lang = moduleLanguage();
  return request;
}

// The module words a file's failure in the language it is given.
const moduleLanguage = () => (currentLanguage() === 'pt-BR' ? 'pt_BR' : 'en');
const namesNow = () => {
  if (names?.lang !== moduleLanguage()) names = { lang: moduleLanguage(), ...JSON.parse(qav.names(moduleLanguage())) };
  return names;
};
// A country as the data store it (in English), in the page's language: the module's table of
// the stored names; a user's own name as written.
const countryName = (stored) => namesNow().countries[stored] ?? stored;

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

// A refusal or failure in people's words, from its code and values: what qav-cli says names
// its options, which the page has none of. The module's sentence goes with it, in small print,
// for a bug report.
class Failure extends Error {
  constructor(message, detail = '') { super(message); this.detail = detail; }
}

const setName = (value) => {
  const set = /^--dataset (.*)$/.exec(value)?.[1];
  return set === undefined ? value : t({ brazil: 'Brazil', 'south-america': 'South America', world: 'World' }[set] ?? set);
};

function refusalText({ code, values: v }, src = null) {
  const field = { '--months': t('Months'), '--hour-range': t('Clock hours'), '--warming': t('What if'),
    '--shade-above': t('Shade above') }[v[0]];
  switch (code) {
    case 'location_outside': return t('There is no location %1 in %2: it holds %3 locations.', v[1], setName(v[3]), v[2]);
    case 'not_data_set': return t('"%1" is not a data set (brazil, south-america, world).', v[1]);
    case 'not_catalogue_station': return t('There is no station %1 in the catalogue.', v[1]);
    case 'not_first_last': if (field) return t('%1: "%2" is not a range such as 12-2.', field, v[1]); break;
    case 'not_hour_range': return t('%1: "%2" is not a range of clock hours from 1 to 24.', t('Clock hours'), v[1]);
    case 'outside':
      if (v[0] === '--location' && src) return t('There is no location %1 in %2.', v[1], src.kind === 'file' ? src.name : setName(`--dataset ${src.dataset}`));
      if (field) return t('%1: %2 is outside %3.', field, decimal(v[1]), v[2].replace('..', ' – ').replace(/-/g, '−')); break;
    default: break;
  }
  return null;
}

function errorMessage(error, src) {
  if (error.file !== undefined) {
    // The heading names the file: the reader's line need not name it again, nor its error number.
    let line = error.message.startsWith(error.file + ': ') ? error.message.slice(error.file.length + 2) : error.message;
    line = line.replace(/ Err code \d+$/, '');
    return new Failure(t('%1 could not be read:', src.name ?? error.file) + '\n' + line, error.message);
  }
  const words = refusalText(error, src);
  return new Failure(t('The analysis could not be made:') + '\n' + (words ?? error.message), words ? error.message : '');
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
    if (error) throw errorMessage(error, src);
    lists.set(key, JSON.parse(text));
  }
  return lists.get(key) ?? [];
}

const fold = (s) => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase();

// The source whose locations the list holds: a station's list is the data set last shown.
const listSource = () => (state.source.kind === 'station' ? { kind: 'dataset', dataset: lastDataset } : state.source);

// A station as the window and the report name it, by the service whose normals it gives:
// "INMET 83781", "WMO 83377" ("OMM" in Portuguese).
const stationName = (agency, wmo) => (agency === 'INMET' ? `INMET ${wmo}` : t('WMO %1', wmo));

// The data-set list: the three sets, the last file read as a set of its own, and the station
// shown, so that the set shown is the one selected and choosing another one is a change.
function fillDataSets() {
  const select = $('dataset');
  for (const o of [...select.options]) if (!kDataSets.includes(o.value)) o.remove();
  if (lastFile) select.append(new Option(t('File: %1', lastFile.name), 'file'));
  const src = state.source;
  if (src.kind === 'station') select.append(new Option(t('Station %1', stationName(src.agency, src.wmo)), 'station'));
  const shown = src.kind === 'dataset' ? src.dataset : src.kind;
  if ([...select.options].some((o) => o.value === shown)) select.value = shown;
}

function fillLocations(selectedSlot) {
  const select = $('location');
  const filter = fold($('filter').value.trim());
  select.replaceChildren();
  for (const loc of locationNames(listSource())) {
    if (filter && !fold(loc.name).includes(filter) && !fold(loc.country).includes(filter)) continue;
    const option = new Option(`${loc.name} (${countryName(loc.country)})`, String(loc.slot));
    option.selected = state.source.kind !== 'station' && loc.slot === selectedSlot;
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
  if (error) throw errorMessage(error, src);
  const answer = JSON.parse(text);
  showWarnings(answer.warnings);
  lastRequest = request;
  lastJson = JSON.stringify(answer.result);
  const r = answer.result;
  // What if: the shares without the warming beside those with it.
  r.before = null;
  if (request.warming) {
    const { warming, ...without } = request;
    const base = qav.analyze(without);
    if (!failed(base)) r.before = JSON.parse(base);
  }
  if (src.kind !== 'station') src.location = String(r.slot);
  else src.agency = r.source.startsWith('INMET ') ? 'INMET' : 'WMO';  // "INMET 83781 1991-2020"
  src.startup = false;
  const picture = { ...request, ...(state.hours === 'recorded' && r.recorded_shares ? { hours: 'recorded' } : {}) };
  lastSvg = qav.chartSvg(picture);
  $('chart').innerHTML = viewSvg(lastSvg);
  // Nothing to download until a first analysis is shown; one shown stays until the next.
  for (const button of document.querySelectorAll('.actions button')) button.disabled = false;
  // The picture's text: the shares it shows, largest first.
  const shares = (state.hours === 'recorded' && r.recorded_shares) || r.shares;
  const ranked = shares.map((v, i) => [v, i]).filter(([v]) => v > 0).sort((a, b) => b[0] - a[0])
    .map(([v, i]) => `${kLetters[i]} ${namesNow().strategies[i]} ${decimal(v.toFixed(1))} %`);
  $('chart').setAttribute('aria-label', `${t('Bioclimatic chart of %1', r.name)}: ${ranked.join(', ')}`);
  $('place').textContent = src.place ?? `${r.name}, ${countryName(r.country)}`;
  $('caption').textContent = [
    t('Latitude %1, longitude %2, elevation %3 m', decimal(r.latitude), decimal(r.longitude), decimal(r.elevation)),
    t('pressure %1 kPa', decimal(Math.round(r.pressure_kpa * 100) / 100)),
    src.kind === 'file' ? src.name : src.kind === 'station' ? t('Station %1', stationName(src.agency, src.wmo)) : '',
    src.far ?? '',
  ].filter(Boolean).join(' · ');
  fillResults(r);
  document.title = `QAV · ${src.place ?? r.name}`;
  return { r, request };
}

// What lies below the chart and the results: the graph, the month table and compare.
function showBelow({ r, request }) {
  $('graph').innerHTML = viewSvg(qav.graphSvg(request));
  // The graph's text: each month's mean minimum and maximum temperature and humidity.
  const months = r.monthly.map((m, i) => t('%1 %2 to %3 °C, %4 %', namesNow().month_abbreviations[i],
    decimal(m.dbt_min), decimal(m.dbt_max), decimal(m.rh_avg)));
  $('graph').setAttribute('aria-label', `${t('Monthly climate graph of %1', r.name)}: ${months.join('; ')}`);
  fillMonths(r);
  if ($('compare-details').open) showCompare();
  showViews(qav, r, { ...request, ...(state.hours === 'recorded' && r.recorded_shares ? { hours: 'recorded' } : {}) }, state, namesNow());
}

function fillResults(r) {
  const recorded = Array.isArray(r.recorded_shares);
  const shown = recorded && state.hours === 'recorded' ? r.recorded_shares : r.shares;
  // The top three: fewer when fewer strategies have hours (0 fills the list).
  const top = (recorded && state.hours === 'recorded' ? r.recorded_top : r.top).filter((s) => s > 0);
  $('recorded-head').hidden = !recorded;
  $('before-head').hidden = !r.before;
  $('typical-head').textContent = r.before
    ? t('With a warming of %1 °C', `${Number(lastRequest.warming) > 0 ? '+' : ''}${decimal(lastRequest.warming)}`) : t('Typical days');
  const body = $('results').tBodies[0];
  body.replaceChildren();
  r.shares.forEach((share, i) => {
    const row = body.insertRow();
    row.dataset.letter = kLetters[i];
    row.dataset.share = String(shown[i]);
    row.className = top.includes(i + 1) ? 'top' : '';
    row.insertCell().textContent = kLetters[i];
    // The name opens what the strategy asks of a building, in the report's words.
    const explained = document.createElement('details');
    const summary = document.createElement('summary');
    summary.textContent = namesNow().strategies[i];
    const advice = document.createElement('p');
    advice.textContent = namesNow().advice[i];
    explained.append(summary, advice);
    row.insertCell().append(explained);
    // One decimal, as the window's results panel shows a share ("28,0 %", not "28 %").
    const cell = (v) => { const c = row.insertCell(); c.className = 'n'; c.textContent = decimal(v.toFixed(1)) + ' %'; };
    if (r.before) cell(r.before.shares[i]);
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
  $('compare-list').replaceChildren();
  if (error) {
    $('compare').textContent = errorMessage(error, src).message;
    $('compare').setAttribute('aria-label', t('Yearly share of each strategy by location'));
    return;
  }
  $('compare').innerHTML = viewSvg(svg);
  // The same shares as one bar per location, readable on a phone, and as the picture's text:
  // each location with its largest share.
  const rows = JSON.parse(qav.analyze(options({ ...request })));
  const ranking = [];
  for (const row of Array.isArray(rows) ? rows : [rows]) {
    const top = row.top[0];
    const best = top ? `${kLetters[top - 1]} ${namesNow().strategies[top - 1]} ${decimal(row.shares[top - 1].toFixed(1))} %` : '';
    ranking.push(`${row.name}: ${best}`);
    const item = document.createElement('li');
    const name = document.createElement('span');
    name.className = 'name';
    name.textContent = `${row.name} — ${best}`;
    const bar = document.createElement('span');
    bar.className = 'bar';
    bar.setAttribute('aria-hidden', 'true');
    row.shares.forEach((share, i) => {
      if (!(share > 0)) return;
      const part = document.createElement('span');
      part.style.width = `${share}%`;  // shares merge strategies, so they may sum past 100: the bar clips
      part.style.background = namesNow().colours[i];
      part.title = `${kLetters[i]} ${decimal(share.toFixed(1))} %`;
      bar.append(part);
    });
    item.append(name, bar);
    $('compare-list').append(item);
  }
  $('compare').setAttribute('aria-label', `${t('Yearly share of each strategy by location')}: ${ranking.join('; ')}`);
}

// Runs an analysis for the current state; any failure shows its message and the error state.
// The chart and the results are painted first; the rest follows in the next task, unless a newer
// analysis has taken their place by then. The state is "ready" once all of it is shown.
let analyses = 0;
// On a narrow screen the results lie below the inputs: a new analysis brings their heading into
// view and the focus to it, so that a pick is seen to do something.
function reveal() {
  const heading = $('results-heading');
  heading.focus({ preventScroll: true });
  const still = matchMedia('(prefers-reduced-motion: reduce)').matches;
  heading.scrollIntoView({ block: 'start', behavior: still ? 'auto' : 'smooth' });
}

// focusResults: the focus goes to the results (Enter in a list); reveal: on a narrow screen they
// are also scrolled into view (any new analysis the user asked for); push: a new history entry.
async function analyse({ focusResults = false, reveal: revealResults = false, push = false } = {}) {
  const number = ++analyses;
  document.documentElement.dataset.state = 'busy';
  try {
    const shown = show();
    if (state.source.kind === 'dataset') lastDataset = state.source.dataset;
    fillDataSets();
    fillLocations(state.source.location === null ? null : Number(state.source.location));
    writeFragment({ push });
    showHoursNote(shown.r);
    if (revealResults && narrow()) reveal();
    else if (focusResults) $('results-heading').focus();  // the results are on the page already
    await afterPaint();
    // The first analysis on the screen, for timing from navigation (performance.getEntriesByName).
    if (!performance.getEntriesByName('qav-shown').length) performance.mark('qav-shown');
    if (number !== analyses) return;
    showBelow(shown);
    setState('ready');
  } catch (e) {
    if (number === analyses) {
      setState('error', e.message, e.detail ?? '');
      if (!$('chart').hasAttribute('aria-label')) $('chart').setAttribute('aria-label', t('No analysis'));
      if (!$('graph').hasAttribute('aria-label')) $('graph').setAttribute('aria-label', t('No analysis'));
    }
    // A bad link still leaves its data set's locations to pick from.
    if (!$('location').options.length) try { fillLocations(null); } catch { /* the message above says why */ }
  }
}

// Recorded hours come only with a weather file: asked of another input, the page says so next to
// the field instead of showing the typical days under that name.
function showHoursNote(r) {
  const refused = state.hours === 'recorded' && !Array.isArray(r.recorded_shares);
  $('hours-error').hidden = !refused;
  $('hours-error').textContent = refused
    ? t('Recorded hours come only from a weather file (EPW): the typical days are shown.') : '';
  $('hours').setAttribute('aria-invalid', String(refused));
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

async function openText({ name, format, text, url }, { push = true } = {}) {
  const previous = state.source;
  const previousFile = lastFile;
  state.source = { kind: 'file', format, name, text, url, location: null };
  lastFile = state.source;
  lists.delete('file:' + name);
  $('filter').value = '';
  await analyse({ reveal: push, push });
  if (document.documentElement.dataset.state === 'error') {
    state.source = previous;
    lastFile = previousFile;
    fillDataSets();
  }
}

// The last part of a link's path, decoded, as the file's name.
function fileNameOf(url) {
  const last = String(url).split(/[?#]/)[0].split('/').pop() || String(url);
  try { return decodeURIComponent(last); } catch { return last; }
}

// The weather-file reader's limit (bytes), as the file input's.
const kMaxEpwBytes = 64 << 20;

// Reads the body of `response`, or null as soon as it passes `limit` bytes (it is not read further).
async function readAtMost(response, limit) {
  const length = Number(response.headers.get('Content-Length'));
  if (length > limit) { response.body?.cancel(); return null; }
  const parts = [];
  let size = 0;
  for (const reader = response.body.getReader(); ;) {
    const { done, value } = await reader.read();
    if (done) break;
    size += value.length;
    if (size > limit) { reader.cancel(); return null; }
    parts.push(value);
  }
  const bytes = new Uint8Array(size);
  let at = 0;
  for (const part of parts) { bytes.set(part, at); at += part.length; }
  return bytes;
}

async function openUrl(url) {
  const name = fileNameOf(url);
  const refused = (reason) => setState('error', t('%1 could not be read:', name) + '\n' + reason);
  // Only web addresses: not data:, blob:, file: or javascript: links, which a shared link could
  // use to feed the page a file its reader did not choose.
  let address;
  try { address = new URL(url, location.href); } catch { address = null; }
  if (!address || !['http:', 'https:'].includes(address.protocol)) {
    return setState('error', t('%1 could not be read:', url) + '\n' + t('Only http and https addresses are read.'));
  }
  let bytes;
  try {
    const response = await fetch(address, { credentials: 'omit' });
    if (!response.ok) return refused(t('The address answered with HTTP status %1.', response.status));
    bytes = await readAtMost(response, kMaxEpwBytes);
    if (!bytes) return refused(t('The file is larger than %1: it is not a weather file (EPW).', '64 MiB'));
  } catch {
    // The browser tells a page no more than this: offline, no such host, or refused by the site.
    return refused(t('The address could not be reached: the network is down, or the site does not allow it.'));
  }
  let text;
  try { text = new TextDecoder('utf-8', { fatal: true }).decode(bytes); } catch { text = new TextDecoder('windows-1252').decode(bytes); }
  await openText({ name, format: /\.epw$/i.test(name) ? 'epw' : 'md', text, url }, { push: false });
}

// ---- Downloads and the copied table.
function save(name, blob) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(blob);
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(a.href), 1000);
}

// A download's name: the place and the options it was analysed with, and what it holds
// ("Brasília - +2 °C - shares.csv"), without the signs file systems refuse.
function downloadName(what, extension) {
  const r = JSON.parse(lastJson || '{}');
  // A place by its label in the page's language ("Campinas (SP, Brasil)"), without its station.
  const parts = [(r.place && state.source.label) || r.name || 'QAV'];
  if (lastRequest?.warming) parts.push(`${Number(lastRequest.warming) > 0 ? '+' : ''}${decimal(lastRequest.warming)} °C`);
  if (lastRequest?.months) parts.push(t('months %1', lastRequest.months));
  if (lastRequest?.hour_range) parts.push(t('hours %1', lastRequest.hour_range));
  if (state.hours === 'recorded' && r.recorded_shares) parts.push(t('recorded hours'));
  parts.push(what);
  return parts.join(' - ').replace(/[\\/:*?"<>|\u0000-\u001f]+/g, '_') + extension;
}

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
  canvas.toBlob((blob) => save(downloadName(t('chart'), '.png'), blob), 'image/png');
}

// qav-cli's other forms of the analysis shown: its CSV for programs, its table (in the page's
// language) for the clipboard.
function otherForm(format) {
  const text = qav.analyze({ ...lastRequest, format });
  const error = failed(text);
  if (error) throw errorMessage(error, state.source);
  return text;
}

// ---- The finder: places and stations, searched in its worker (finder.js), which fetches and
// reads the catalogue and the place list once per page, on the first search.
// Loaded with the first search: the first analysis does not wait for it.
const finderModule = () => import('./finder.js');
let searches = 0;
async function findStations(query = $('station-query').value.trim()) {
  const number = ++searches;
  const select = $('stations');
  const status = $('stations-status');
  select.replaceChildren();
  $('stations-found').hidden = true;
  status.classList.remove('failed');
  status.textContent = t('Searching…');
  $('station-form').setAttribute('aria-busy', 'true');
  // A search's failure shows beside the finder, and the next search clears it.
  const fail = (text) => { status.textContent = text; status.classList.add('failed'); };
  try {
    const finder = await finderModule();
    const reply = await finder.search(query, 30, moduleLanguage());
    if (number !== searches) return undefined;
    if (reply.failure) return fail(t('The station catalogue could not be loaded: the network is down or the site did not answer.'));
    const answer = JSON.parse(reply.answer);
    if (answer.error) return fail(refusalText(answer.error) ?? answer.error.message);
    const found = finder.fill(select, answer, moduleLanguage(), (s) => {
      const where = s.distance_km !== undefined ? ` — ${decimal(s.distance_km)} km${s.far ? ' ⚠' : ''}` : '';
      return `${s.name} (${countryName(s.country)}), ${stationName(s.source, s.wmo)}${where}`;
    });
    const any = found.places + found.stations;
    $('stations-found').hidden = !any;
    status.textContent = !any ? t('No place or station matches "%1".', query)
      : found.places ? t('Places: %1, stations: %2', found.places, found.stations)
        : found.stations === 1 ? t('1 station found') : t('%1 stations found', found.stations);
    if (reply.placesFailed) status.textContent += ` ${t('The place list could not be loaded: only stations are listed.')}`;
    if (any) select.focus();
    return undefined;
  } finally {
    if (number === searches) $('station-form').removeAttribute('aria-busy');
  }
}

// The analysis module reads only the stations analysed so far, from the finder's catalogue: the
// page's searches go to the finder, never to the module's own station search.
const stationRows = new Map();
const loadStation = async (wmo) => {
  if (stationRows.has(wmo)) return;
  const row = await (await finderModule()).stationRow(wmo);
  if (!row) return;
  const [header, line] = row.split('\n');
  stationRows.set(wmo, line);
  await qav.loadStations(`${header}\n${[...stationRows.values()].join('\n')}\n`);
};

// ---- The report to print: the PDF report's content, laid out by report_view.js. Its module is
// loaded with the first report: the button is busy meanwhile, and a load that fails (offline
// before the page was cached) says so in the page's language; the next click tries again.
let reportOpening = false;
async function openReport() {
  if (reportOpening) return;
  reportOpening = true;
  const before = document.documentElement.dataset.state;
  document.documentElement.dataset.state = 'busy';
  $('report').setAttribute('aria-busy', 'true');
  let text, request;
  try {
    // An analysis picked while the module loaded is the one reported.
    do text = await qav.report(request = lastRequest); while (request !== lastRequest);
  } catch {
    throw new Error(t('The report could not be loaded. Check the connection and try again.'));
  } finally {
    reportOpening = false;
    $('report').removeAttribute('aria-busy');
    document.documentElement.dataset.state = before;
  }
  const error = failed(text);
  if (error) throw errorMessage(error, state.source);
  const adaptive = { svg: viewSvg(qav.adaptiveChartSvg(lastRequest)), label: $('graph').getAttribute('aria-label') };
  fillReport($('report-body'), JSON.parse(text), {
    chart: $('chart').innerHTML, chartLabel: $('chart').getAttribute('aria-label'),
    graph: $('graph').innerHTML, graphLabel: $('graph').getAttribute('aria-label'), ...viewPictures(), adaptive,
  });
  document.documentElement.classList.add('report');
  $('report-view').hidden = false;
  scrollTo(0, 0);
  $('report-title').focus();
}

function closeReport() {
  document.documentElement.classList.remove('report');
  $('report-view').hidden = true;
  $('report').focus();
}

// Stations near where the browser says it is: asked on a click only.
function nearMe() {
  const status = $('stations-status');
  status.classList.remove('failed');
  if (!navigator.geolocation) {
    status.textContent = t('This browser cannot tell where it is.');
    status.classList.add('failed');
    return;
  }
  status.textContent = t('Asking the browser where it is…');
  navigator.geolocation.getCurrentPosition((p) => {
    const query = `${p.coords.latitude.toFixed(4)}, ${p.coords.longitude.toFixed(4)}`;
    $('station-query').value = currentLanguage() === 'pt-BR' ? query.replace(/\./g, ',').replace(', ', ' ') : query;
    findStations(query);
  }, (e) => {
    status.textContent = e.code === e.PERMISSION_DENIED ? t('The browser was not allowed to tell where it is.')
      : t('The browser could not tell where it is.');
    status.classList.add('failed');
  }, { timeout: 20000, maximumAge: 600000 });
}

// ---- Wiring.
function bind() {
  $('dataset').addEventListener('change', () => {
    const chosen = $('dataset').value;
    if (chosen === 'station') return;  // the station shown: nothing new to analyse
    state.source = chosen === 'file' ? { ...lastFile, location: null } : { kind: 'dataset', dataset: chosen, location: '1' };
    if (chosen !== 'file') lists.delete(chosen);  // the set chosen is read afresh
    $('filter').value = '';
    analyse({ reveal: true, push: true });
  });
  $('filter').addEventListener('input', () => fillLocations(Number(state.source.location)));
  $('filter').addEventListener('keydown', (e) => {
    if (e.key === 'ArrowDown' || e.key === 'Enter') {
      e.preventDefault();
      const first = $('location').options[0];
      if (!first) return;
      if (e.key === 'Enter') { pickLocation(first.value); analyse({ focusResults: true, push: true }); } else $('location').focus();
    }
  });
  // A location of the list: the list's set becomes the source again after a station.
  const pickLocation = (slot) => {
    if (state.source.kind === 'station') state.source = { ...listSource() };
    state.source.location = slot;
  };
  $('location').addEventListener('change', () => {
    if (!$('location').value) return;
    pickLocation($('location').value);
    analyse({ reveal: true, push: true });
  });
  // The arrow keys have analysed the location already: Enter goes on to its results.
  $('location').addEventListener('keydown', (e) => {
    if (e.key !== 'Enter' || !$('location').value) return;
    e.preventDefault();
    pickLocation($('location').value);
    analyse({ focusResults: true, push: true });
  });
  // The skip link moves the focus without touching the fragment, which holds the analysis.
  document.querySelector('.skip').addEventListener('click', (e) => {
    e.preventDefault();
    $('results-heading').focus();
  });
  // A place is analysed as its nearest station, named for it; beyond 300 km it is not analysed.
  const pickStation = async () => {
    const value = $('stations').value;
    if (!value) return;
    const place = (await finderModule()).placeOf(value);
    if (place && !place.station) {
      $('stations-status').textContent = place.no_station;
      $('stations-status').classList.add('failed');
      return;
    }
    // The list may cut a place's line: its stations are told in full below it.
    if (place) { $('stations-status').classList.remove('failed'); $('stations-status').textContent = place.text; }
    state.source = place ? { kind: 'station', wmo: String(place.station), placeId: String(place.geonames_id),
      place: place.location_name, far: place.far, label: place.label, request: place.request }
      : { kind: 'station', wmo: value };
    await loadStation(state.source.wmo);
    analyse({ reveal: true, push: true });
  };
  $('stations').addEventListener('change', pickStation);
  $('stations').addEventListener('keydown', (e) => { if (e.key === 'Enter') pickStation(); });
  // The input is emptied once its file is taken, so that choosing the same file again (edited
  // since) is a change and is read again.
  $('file').addEventListener('change', () => {
    const file = $('file').files[0];
    $('file').value = '';
    if (file) openFile(file);
  });
  const drop = $('drop');
  document.addEventListener('dragover', (e) => { e.preventDefault(); drop.classList.add('over'); });
  document.addEventListener('dragleave', () => drop.classList.remove('over'));
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    drop.classList.remove('over');
    if (e.dataTransfer.files[0]) openFile(e.dataTransfer.files[0]);
  });
  $('hours').addEventListener('change', () => { state.hours = $('hours').value; analyse({ reveal: true, push: true }); });
  for (const [id, key] of [['hour-range', 'hour_range'], ['months', 'months']]) {
    $(id).addEventListener('change', () => { state[key] = $(id).value.trim(); analyse({ reveal: true, push: true }); });
  }
  // The warming is read by the page, with a comma or a point whatever the languages: what it
  // cannot read is refused beside the field and the analysis shown stays.
  $('warming').addEventListener('change', () => {
    const value = readDecimal($('warming').value);
    $('warming-error').hidden = value !== null;
    $('warming-error').textContent = value === null ? t('"%1" is not a number of degrees, such as 2.5 or -1.', $('warming').value.trim()) : '';
    $('warming').setAttribute('aria-invalid', String(value === null));
    if (value === null) return;
    state.warming = value;
    analyse({ reveal: true, push: true });
  });
  $('to-inputs').addEventListener('click', () => {
    $('inputs-heading').focus({ preventScroll: true });
    $('inputs').scrollIntoView({ block: 'start' });
  });
  $('lang').addEventListener('change', async () => {
    await setLanguage($('lang').value);
    if (state.source.placeId) await namePlace(state.source);  // its heading in the new language
    analyse();
  });
  bindViews(state, () => analyse({ push: true }));
  $('compare-details').addEventListener('toggle', () => { if ($('compare-details').open) showCompare(); });
  $('svg').addEventListener('click', () => save(downloadName(t('chart'), '.svg'), new Blob([lastSvg], { type: 'image/svg+xml' })));
  $('png').addEventListener('click', () => savePng().catch((e) => setState('error', e.message)));
  const download = (what, extension, format, type) => {
    try {
      save(downloadName(what, extension), new Blob([otherForm(format)], { type }));
    } catch (e) {
      setState('error', e.message, e.detail ?? '');
    }
  };
  $('json').addEventListener('click', () => download(t('analysis'), '.json', 'json', 'application/json'));
  $('csv').addEventListener('click', () => download(t('shares'), '.csv', 'csv', 'text/csv'));
  $('report').addEventListener('click', () => {
    openReport().catch((e) => setState('error', e.message, e.detail ?? ''));
  });
  $('close-report').addEventListener('click', closeReport);
  $('print').addEventListener('click', () => print());
  document.addEventListener('keydown', (e) => { if (e.key === 'Escape' && !$('report-view').hidden) closeReport(); });
  $('share').addEventListener('click', async () => {
    try {
      await navigator.clipboard.writeText(location.href);
      $('live').textContent = t('The link was copied.');
    } catch {
      $('live').textContent = t('The link could not be copied: it is the address of this page.');
    }
  });
  $('my-location').addEventListener('click', nearMe);
  $('copy').addEventListener('click', async () => {
    try {
      await navigator.clipboard.writeText(otherForm('table'));
      $('live').textContent = t('The table was copied.');
    } catch (e) {
      setState('error', e.message);
    }
  });
  // A fragment typed or followed, and Back and Forward between analyses: the entry's analysis.
  // Browsers send both events for some of these; the fragment the page shows is not redone.
  const navigated = () => { if (location.hash !== startedFragment) start(); };
  window.addEventListener('hashchange', navigated);
  window.addEventListener('popstate', navigated);
}

// A place's names in the page's language, as the finder gives them, for a link or a new language:
// only while its nearest station is still the one linked.
async function namePlace(src) {
  const place = await (await finderModule()).placeById(src.placeId, moduleLanguage());
  if (place?.station === Number(src.wmo)) Object.assign(src, { place: place.location_name, far: place.far, label: place.label, request: place.request });
}

// Shows the state the URL names.
let startedFragment = null;
async function start() {
  startedFragment = location.hash;
  const { state: s, lang } = readFragment();
  Object.assign(state, s);
  const language = await setLanguage(lang ?? navigator.language);
  $('lang').value = language;
  $('hours').value = state.hours;
  $('hour-range').value = state.hour_range;
  $('months').value = state.months;
  $('warming').value = decimal(state.warming);
  $('warming-error').hidden = true;
  $('warming').setAttribute('aria-invalid', 'false');
  setViewFields(state);
  const src = state.source;
  // A data set the module does not know is refused by it, in qav-cli's words.
  if (src.kind === 'dataset' && kDataSets.includes(src.dataset)) $('dataset').value = src.dataset;
  if (src.kind === 'station') {
    await loadStation(src.wmo);  // a station the catalogue lacks is reported by the analysis
    if (src.placeId && !src.place) await namePlace(src);
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
  pageReady();
  // A link opened on a narrow screen shows its results first; the bar at the top leads back to
  // the inputs.
  if (location.hash.length > 1) document.documentElement.dataset.first = 'results';
  await start();
}
if ('serviceWorker' in navigator && window.isSecureContext) navigator.serviceWorker.register('sw.js').catch(() => {});
