// The finder off the page's thread: the station catalogue (757 KB) and the place list (1.3 MB
// gzipped) are fetched and parsed here once per page, on the first search, and kept for the
// searches after it; the searches are the C++ of qav-cli's `stations` and `places` (finder.wasm).
import createFinderCore from './finder-core.mjs';

const here = (name) => new URL(name, import.meta.url);
const encoder = new TextEncoder();
const decoder = new TextDecoder();

let core = null;
let catalogue = null;  // the catalogue's text, once set in the module
let places = null;
// Each place's search text by geonames_id ("Campinas, BR"), to find a link's place again.
const byId = new Map();
// Each is a promise kept once it succeeds; a failure is forgotten, so the next search tries again.
const once = (slot, make) => {
  slot.value ??= make().catch((e) => { slot.value = null; throw e; });
  return slot.value;
};
const coreSlot = {};
const catalogueSlot = {};
const placesSlot = {};

const loadCore = () => once(coreSlot, async () => {
  core = await createFinderCore({ locateFile: (name) => (name.endsWith('.wasm') ? here('finder.wasm').href : name) });
  return core;
});

// A text handed to `use` as its address and length in the module's memory.
const withText = (text, use) => {
  const bytes = encoder.encode(text);
  const at = core._qav_finder_alloc(bytes.length);
  if (!at) throw new RangeError('out of memory');
  try {
    core.HEAPU8.set(bytes, at);
    return use(at, bytes.length);
  } finally {
    core._qav_finder_free(at);
  }
};

const fetched = async (name) => {
  const response = await fetch(here(name));
  // An error page is no catalogue: a failed answer rejects rather than being read as one.
  if (!response.ok) throw new Error(`${name}: HTTP status ${response.status}`);
  return response;
};

const loadCatalogue = () => once(catalogueSlot, async () => {
  const [text] = await Promise.all([fetched('stations-1991-2020.csv').then((r) => r.text()), loadCore()]);
  if (withText(text, (at, size) => core._qav_finder_set_stations(at, size)) < 0) throw new Error('unreadable catalogue');
  catalogue = text;
});

const loadPlaces = () => once(placesSlot, async () => {
  const response = await fetched('places.tsv.gz');
  // Served as it is stored, the gzip bytes themselves: decompressed here.
  const text = await new Response(response.body.pipeThrough(new DecompressionStream('gzip'))).text();
  await loadCore();
  if (withText(text, (at, size) => core._qav_finder_set_places(at, size)) < 0) throw new Error('unreadable places');
  for (const line of text.split('\n').slice(1)) {
    const [id, name, , country, division] = line.split('\t');
    if (id) byId.set(id, `${name}, ${country === 'BR' ? division : country}`);
  }
  places = true;
});

// The catalogue's header and the station's line: the analysis module reads the one station it
// analyses, and the page's thread never parses the whole catalogue.
const stationRow = (wmo) => {
  const lines = catalogue.split('\n');
  const line = lines.find((l) => l.startsWith(`${wmo},`));
  return line ? `${lines[0]}\n${line}\n` : null;
};

// {id, kind: 'search', query, limit, lang} → {id, answer} (the module's JSON) with placesFailed
// when only the place list could not be read; {id, kind: 'place', geonamesId, lang} → {id, place};
// {id, kind: 'row', wmo} → {id, row}; a catalogue that cannot be fetched → {id, failure: 'catalogue'}.
self.onmessage = async ({ data: { id, kind, query, limit, lang, wmo, geonamesId } }) => {
  try {
    await loadCatalogue();
  } catch {
    self.postMessage({ id, failure: 'catalogue' });
    return;
  }
  if (kind === 'row') {
    self.postMessage({ id, row: stationRow(wmo) });
    return;
  }
  let placesFailed = false;
  try {
    await loadPlaces();
  } catch {
    placesFailed = !places;
  }
  const find = (text, count) => withText(text, (at, size) => {
    const result = core._qav_finder_search(at, size, count, lang === 'pt_BR' ? 1 : 0);
    return decoder.decode(core.HEAPU8.subarray(result, result + core._qav_finder_answer_size()));
  });
  if (kind === 'place') {
    // Searched by its name and state or country, as a user would: the same answer as a search.
    const text = byId.get(geonamesId);
    const found = text ? JSON.parse(find(text, 1)).places ?? [] : [];
    self.postMessage({ id, place: found.find((p) => String(p.geonames_id) === geonamesId) ?? null });
    return;
  }
  self.postMessage({ id, answer: find(query, limit), placesFailed });
};
