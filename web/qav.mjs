// QAV's analysis in JavaScript: createQav() loads the WebAssembly module and returns the API;
// createQav({ compiled }) takes a WebAssembly.Module (or its promise) compiled ahead instead.
// In Node it reads qav.wasm beside this file; in a browser the module fetches it from there. The
// station catalogue (stations-1991-2020.csv, beside this file) is read when a request first names
// a station: in Node from the file, in a browser by a synchronous request to the same folder,
// or ahead of time with `await qav.loadStations()`. The report's content comes from a module of
// its own, qav-report.mjs and qav-report.wasm beside this file, loaded with the first report.
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

// The calls of a module (web/*_module.cpp). Texts cross as UTF-8 in its memory: a request is its
// command and its entries, each a 4-byte little-endian length and its bytes. A failure of the
// module itself (out of memory while the entries are handed over) gives its error for memory.
const encoder = new TextEncoder();
const decoder = new TextDecoder();
const kOutOfMemory = '{"error":{"status":1,"message":"out of memory","code":"out_of_memory","values":[],"kind":"input"}}';
function connect(core) {
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
  const answer = (at) => decoder.decode(core.HEAPU8.subarray(at, at + core._qav_answer_size()));
  return {
    call(what, entries) {
      try {
        return withBytes([what, ...entries], (at, size) => answer(core._qav_call(at, size)));
      } catch {
        return kOutOfMemory;
      }
    },
    // The catalogue's text after its length, as one entry.
    setStations: (text) => withBytes([text], (at, size) => core._qav_set_stations(at + 4, size - 4)),
    hasStations: () => core._qav_has_stations() !== 0,
    memory: () => JSON.parse(answer(core._qav_memory())),
  };
}

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
  const core = connect(await Promise.race([createQavCore(settings), refused]));
  const fsModule = isNode ? await import('node:fs') : null;

  // The station catalogue as last given to the analysis module, for the report's module too.
  let catalogue;
  const setStations = (text) => {
    core.setStations(text);
    catalogue = text;
  };
  // A catalogue that cannot be read is left unset: the module then says so in its error object.
  const ensureStations = () => {
    if (core.hasStations()) return;
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
  const direct = (what, entries) => {
    if (namesStation(entries)) ensureStations();
    return core.call(what, entries);
  };
  const call = (what, request) => direct(what, requestEntries(request));

  // The report's module, loaded with the first report; a failed load is tried again with the next.
  let reportModule = null;
  let reportCatalogue;
  const loadReportModule = async () => {
    const { default: createQavReport } = await import('./qav-report.mjs');
    const own = fsModule
      ? { wasmBinary: fsModule.readFileSync(here('qav-report.wasm')) }
      : { locateFile: (name) => (name.endsWith('.wasm') ? here('qav-report.wasm').href : name) };
    return connect(await createQavReport(own));
  };
  const report = async (request) => {
    reportModule ??= loadReportModule().catch((e) => {
      reportModule = null;
      throw e;
    });
    const module = await reportModule;
    const entries = requestEntries(request);
    if (namesStation(entries)) ensureStations();
    if (catalogue !== undefined && reportCatalogue !== catalogue) {
      module.setStations(catalogue);
      reportCatalogue = catalogue;
    }
    return module.call('report', entries);
  };

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
    /// The PDF report's content for the request's first location: {title, blocks} (JSON), as a
    /// promise, rejected when the report's module cannot be loaded.
    report,
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
    memory: () => core.memory(),
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
