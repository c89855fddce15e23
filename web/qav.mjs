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

// A request as a list of names each followed by its values, in the order the inputs are given.
function requestArgs(request) {
  if (typeof request === 'string') request = JSON.parse(request);
  if (request === null || typeof request !== 'object' || Array.isArray(request))
    throw new TypeError('the request is not a JSON object');
  const args = [];
  const input = (r, slotOf) => {
    if (r.dataset !== undefined) {
      const slot = slotOf(r);
      args.push('dataset', String(r.dataset) + (slot !== undefined ? ':' + slot : ''));
    }
    if (r.station !== undefined) args.push('station', String(r.station));
    if (r.md !== undefined) args.push('md', String(r.path ?? ''), String(r.md));
    if (r.epw !== undefined) args.push('epw', String(r.path ?? ''), String(r.epw));
  };
  if (Array.isArray(request.inputs)) {
    // Each input takes its own slot, as `--dataset brazil:5` does.
    for (const r of request.inputs) input(r, (x) => x.location);
  }
  input(request, () => undefined);
  if (request.location !== undefined) args.push('location', String(request.location));
  if (request.all) args.push('all', '1');
  for (const key of ['hours', 'hour_range', 'months', 'warming', 'screen', 'sort', 'lang']) {
    if (request[key] !== undefined) args.push(key, String(request[key]));
  }
  if (request.warming_file !== undefined) args.push('warming_file', String(request.warming_path ?? ''), String(request.warming_file));
  return { args, stations: JSON.stringify(request).includes('"station"') };
}

function errorText(message) {
  return JSON.stringify({ error: { status: 2, message, kind: 'request' } });
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
  const core = await Promise.race([createQavCore(settings), refused]);
  const session = new core.QavSession();
  let fsModule = null;
  if (isNode) fsModule = await import('node:fs');

  const setStations = (text) => session.setStations(text);
  const ensureStations = () => {
    if (session.hasStations()) return;
    if (fsModule) {
      setStations(fsModule.readFileSync(here(catalogueFile), 'utf8'));
    } else {
      const xhr = new XMLHttpRequest();
      xhr.open('GET', here(catalogueFile).href, false);
      xhr.send();
      if (xhr.status !== 200) throw new Error('the station catalogue could not be loaded (' + xhr.status + ')');
      setStations(xhr.responseText);
    }
  };
  // A call whose arguments are given as they go to the module.
  const direct = (what, args, stations = false) => {
    let list;
    try {
      if (stations) ensureStations();
      list = new core.StringList();
      for (const a of args) list.push_back(a);
      return session.call(what, list);
    } catch (e) {
      return errorText(String(e && e.message ? e.message : e));
    } finally {
      if (list) list.delete();
    }
  };
  const call = (what, request) => {
    let parsed;
    try {
      parsed = requestArgs(request);
    } catch (e) {
      return errorText(String(e && e.message ? e.message : e));
    }
    return direct(what, parsed.args, parsed.stations);
  };
  return {
    analyze: (request) => call('analyze', request),
    chartSvg: (request) => call('chart', request),
    graphSvg: (request) => call('graph', request),
    compareSvg: (request) => call('compare', request),
    /// Stations by name, or nearest first to coordinates ("-23.55, -46.63"): a JSON list, or an
    /// error object for coordinates out of range, worded in `lang` (en or pt_BR).
    findStations(query, limit = 20, lang = 'en') {
      return direct('stations', ['query', String(query), 'limit', String(limit), 'lang', String(lang)], true);
    },
    /// The locations of a data set ({dataset}) or a Monthly Data file ({md, path}), without
    /// analysing them: a JSON list of {slot, name, country}. `lang` words a file's failure.
    locations(request) {
      const r = typeof request === 'string' ? JSON.parse(request) : request;
      return direct('locations', [...(r.md !== undefined ? ['md', String(r.path ?? ''), String(r.md)] : ['dataset', String(r.dataset)]),
        ...(r.lang !== undefined ? ['lang', String(r.lang)] : [])]);
    },
    /// Loads the station catalogue ahead of the first request that needs it (browsers: async).
    async loadStations(text) {
      if (text === undefined) {
        if (fsModule) text = fsModule.readFileSync(here(catalogueFile), 'utf8');
        else text = await (await fetch(here(catalogueFile))).text();
      }
      setStations(text);
    },
  };
}
