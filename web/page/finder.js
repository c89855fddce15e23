// The finder's side on the page's thread: searches go to finder.worker.js, which keeps the
// station catalogue and the place list; this side lists the answer, places first, then stations.
import { decimal, t } from './texts.js';

let worker = null;
const pending = new Map();  // the worker's requests by id, each waiting for its reply
let requests = 0;
const shown = new Map();  // the places of the list shown, by their option's value

// The worker starts with the first search: a page that never searches fetches nothing for it.
function ask(message) {
  if (!worker) {
    worker = new Worker(new URL('finder.worker.js', import.meta.url), { type: 'module' });
    worker.onmessage = ({ data }) => {
      pending.get(data.id)?.resolve(data);
      pending.delete(data.id);
    };
    // A worker whose module could not be loaded (offline before its first visit): every request
    // waiting fails, and the next search starts a new one.
    worker.onerror = (e) => {
      e.preventDefault();
      for (const p of pending.values()) p.resolve({ failure: 'catalogue' });
      pending.clear();
      worker.terminate();
      worker = null;
    };
  }
  const id = ++requests;
  return new Promise((resolve) => {
    pending.set(id, { resolve });
    worker.postMessage({ ...message, id });
  });
}

/// {failure: 'catalogue'}, or the worker's {answer, placesFailed}.
export const search = (query, limit, lang) => ask({ kind: 'search', query, limit, lang });

/// The catalogue's header and the station's line, for the analysis module; null when it has none.
export const stationRow = async (wmo) => (await ask({ kind: 'row', wmo })).row ?? null;

/// A place by its geonames_id, as a search gives it, or null when the page's list lacks it.
export const placeById = async (id, lang) => (await ask({ kind: 'place', geonamesId: String(id), lang })).place ?? null;

/// The place of an option's value ("place:3467865"), as the search gave it.
export const placeOf = (value) => shown.get(value) ?? null;

const population = (n, lang) => n.toLocaleString(lang === 'pt_BR' ? 'pt-BR' : 'en');

/// Fills the list with the places, then the stations, each group under its heading; returns
/// how many of each. `stationText` words a station's option as the finder always has.
export function fill(select, { places, stations }, lang, stationText) {
  shown.clear();
  select.replaceChildren();
  const group = (label, kind) => {
    const g = document.createElement('optgroup');
    g.label = label;
    g.dataset.kind = kind;
    select.append(g);
    return g;
  };
  if (places.length) {
    const g = group(t('Places'), 'places');
    for (const p of places) {
      const near = p.stations.map((s) => `${s.wmo} ${s.name} ${decimal(Math.round(s.distance_km))} km`).join('; ');
      const people = p.population ? t('population %1', population(p.population, lang)) : '';
      const far = p.station ? '' : t(', no station within 300 km');
      const value = `place:${p.geonames_id}`;
      shown.set(value, p);
      const option = new Option(`${p.label}${people ? `, ${people}` : ''}${far} — ${near}`, value);
      option.title = option.text;  // a narrow list cuts the line: the whole of it on hover
      p.text = option.text;
      g.append(option);
    }
  }
  if (stations.length) {
    const g = places.length ? group(t('Stations'), 'stations') : select;
    for (const s of stations) g.append(new Option(stationText(s), String(s.wmo)));
  }
  return { places: places.length, stations: stations.length };
}
