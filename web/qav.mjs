// QAV's analysis in JavaScript: createQav() loads the WebAssembly module and returns the API;
// createQav({ compiled }) takes a WebAssembly.Module (or its promise) compiled ahead instead.
// In Node it reads qav.wasm beside this file; in a browser the module fetches it from there. The
// station catalogue (stations-1991-2020.csv, beside this file) is read when a request first names
// a station: in Node from the file, in a browser by a synchronous request to the same folder,
// or ahead of time with `await qav.loadStations()`.
import createQavCore from './qav-core.mjs';

const isNode = typeof process !== 'undefined' && process.versions != null && process.versions.node != null;
const here = (name) => new URL(name, import.meta.url);
const catalogueFile = 'stations-1991-2020.csv';

// A request as its keys, each followed by the kind of its value and its text, in the object's
// order; an element of `inputs` is "inputs.N", its keys "inputs.N.KEY", and a place's members
// follow it as "place.KEY" ("inputs.N.place.KEY"). The module checks them all. Anything but a JSON object becomes one entry with an empty key, which it refuses.
const kindOf = (v) => (v === null ? 'null' : Array.isArray(v) ? 'list' : typeof v);
const textOf = (v) => (typeof v === 'string' ? v : v === null ? 'null' : typeof v === 'object' ? '' : String(v));
function requestEntries(request) {
  try {
    if (typeof request === 'string') request = JSON.parse(request);
  } catch {
    request = undefined;
  }
  if (kindOf(request) !== 'object') return ['', kindOf(request), ''];
  const entries = [];
  const add = (key, value, name = key) => {
    if (value === undefined) return;  // JSON has no undefined: such a key is absent
    entries.push(key, kindOf(value), textOf(value));
    if (name === 'place' && kindOf(value) === 'object') for (const [k, v] of Object.entries(value)) add(`${key}.${k}`, v, '');
    if (key === 'inputs' && Array.isArray(value)) {
      value.forEach((input, i) => {
        entries.push(`inputs.${i}`, kindOf(input), '');
        if (kindOf(input) === 'object') for (const [k, v] of Object.entries(input)) add(`inputs.${i}.${k}`, v, k);
      });
    }
  };
  for (const [key, value] of Object.entries(request)) add(key, value);
  return entries;
}

// Whether the request names a station (by number or as the nearest to a place), so that the catalogue is read first.
const namesStation = (entries) => entries.some((e, i) => i % 3 === 0 &&
  ['station', 'near', 'place'].some((k) => e === k || e.endsWith('.' + k)));

export default async function createQav(options = {}) {
  const { compiled, ...settings } = options;
  // A WebAssembly.Module, or a promise of one, compiled ahead by the caller: instantiated as is.
  // When it failed, the module is fetched and compiled here as without it.
  const module = await Promise.resolve(compiled).catch(() => undefined);
  // The glue's hook has no way to report a failed instantiation: it rejects this instead.
  let refuse;
  const refused = new Promise((resolve, reject) => { refuse = reject; });
  if (module instanceof WebAssembly.Module) {
    settings.instantiateWasm = (imports, receive) => {
      WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module), refuse);
      return {};
    };
  }
  if (settings.instantiateWasm) {
    // compiled ahead: nothing to fetch
  } else if (isNode && settings.wasmBinary === undefined) {
    const fs = await import('node:fs');
    settings.wasmBinary = fs.readFileSync(here('qav.wasm'));
  } else if (settings.locateFile === undefined) {
    settings.locateFile = (name) => (name.endsWith('.wasm') ? here('qav.wasm').href : name);
  }
  const core = await Promise.race([createQavCore(settings), refused]);
  let fsModule = null;
  if (isNode) fsModule = await import('node:fs');

  // Texts cross into the module as UTF-8 in its memory: a request is its command and its
  // entries, each a 4-byte little-endian length and its bytes; the answer is read back the same way.
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const withBytes = (texts, use) => {
    const parts = texts.map((text) => encoder.encode(text));
    const size = parts.reduce((sum, p) => sum + 4 + p.length, 0);
    const at = core._qav_alloc(size);
    if (!at) throw new RangeError('out of memory');
    try {
      const view = new DataView(core.HEAPU8.buffer, at, size);
      let offset = 0;
      for (const p of parts) {
        view.setUint32(offset, p.length, true);
        core.HEAPU8.set(p, at + offset + 4);
        offset += 4 + p.length;
      }
      return use(at, size);
    } finally {
      core._qav_free(at);
    }
  };
  const answer = (at, size) => decoder.decode(core.HEAPU8.subarray(at, at + size));
  const setStations = (text) => {
    const bytes = encoder.encode(text);
    const at = core._qav_alloc(bytes.length);
    if (!at) throw new RangeError('out of memory');
    try {
      core.HEAPU8.set(bytes, at);
      core._qav_set_stations(at, bytes.length);
    } finally {
      core._qav_free(at);
    }
  };
  const hasStations = () => core._qav_has_stations() !== 0;
  // A catalogue that cannot be read is left unset: the module then says so in its error object.
  const ensureStations = () => {
    if (hasStations()) return;
    try {
      if (fsModule) {
        setStations(fsModule.readFileSync(here(catalogueFile), 'utf8'));
      } else {
        const xhr = new XMLHttpRequest();
        xhr.open('GET', here(catalogueFile).href, false);
        xhr.send();
        if (xhr.status === 200) setStations(xhr.responseText);
      }
    } catch {
      // the module answers "the station catalogue was not loaded"
    }
  };
  // A call with the request's entries as they go to the module. Only a failure of the module
  // itself (out of memory while the entries are handed over) escapes as an exception; it becomes
  // the module's error object for memory.
  const kOutOfMemory = '{"error":{"status":1,"message":"out of memory","code":"out_of_memory","values":[],"kind":"input"}}';
  const direct = (what, entries) => {
    try {
      if (namesStation(entries)) ensureStations();
      return withBytes([what, ...entries], (at, size) => {
        const result = core._qav_call(at, size);
        return answer(result, core._qav_answer_size());
      });
    } catch {
      return kOutOfMemory;
    }
  };
  const call = (what, request) => direct(what, requestEntries(request));
  return {
    /// qav-cli's JSON for the request (`format: "csv"` or `"table"`: its other forms); with
    /// `warnings: true`, {"result": that, "warnings": [what qav-cli warns of]}.
    analyze: (request) => call('analyze', request),
    chartSvg: (request) => call('chart', request),
    graphSvg: (request) => call('graph', request),
    windRoseSvg: (request) => call('wind_rose', request),
    adaptiveChartSvg: (request) => call('adaptive_chart', request),
    /// The sun path and the hours' calendar, as qav-cli's --sun-chart and --calendar-chart.
    sunChartSvg: (request) => call('sun_chart', request),
    calendarSvg: (request) => call('calendar', request),
    compareSvg: (request) => call('compare', request),
    /// The PDF report's content for the request's first location: {title, blocks} (JSON).
    report: (request) => call('report', request),
    /// Stations by name, or nearest first to coordinates ("-23.55, -46.63"): a JSON list, or an
    /// error object for coordinates out of range, worded in `lang` (en or pt_BR).
    findStations(query, limit = 20, lang = 'en') {
      const entries = [];
      for (const [key, value] of [['query', query], ['limit', limit], ['lang', lang]]) entries.push(key, kindOf(value), textOf(value));
      if (kindOf(query) === 'string') ensureStations();
      return direct('stations', entries);
    },
    /// The locations of a data set ({dataset}) or a Monthly Data file ({md, path}), without
    /// analysing them: a JSON list of {slot, name, country}. `lang` words a file's failure.
    locations: (request) => call('locations', request),
    /// The strategies' and months' names in `lang` (en or pt_BR):
    /// {strategies: [10], months: [12], month_abbreviations: [12]}, or an error object.
    names: (lang = 'en') => call('names', { lang }),
    /// The module's memory: {in_use, heap} in bytes.
    memory: () => { const at = core._qav_memory(); return JSON.parse(answer(at, core._qav_answer_size())); },
    /// Loads the station catalogue ahead of the first request that needs it (browsers: async).
    async loadStations(text) {
      if (text === undefined) {
        if (fsModule) text = fsModule.readFileSync(here(catalogueFile), 'utf8');
        else {
          // An error page is no catalogue: a failed answer rejects rather than being read as one.
          const response = await fetch(here(catalogueFile));
          if (!response.ok) throw new Error(`${catalogueFile}: HTTP status ${response.status}`);
          text = await response.text();
        }
      }
      setStations(text);
    },
  };
}
