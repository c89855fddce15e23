// The views below the results: the sun and shade of the site (the sun path with a façade's
// shading mask, the eight façades' cut-off angles, the hours' calendar), the comfort model's
// monthly band, and the wind rose of a weather file. Their options live in the link as the
// others do: facade, shade_above and comfort, the module's request keys.
import { readDecimal } from './numbers.js';
import { decimal, t } from './texts.js';
import { viewSvg } from './svg_view.js';

const $ = (id) => document.getElementById(id);

/// The request keys these views add to the state, the link and every request.
export const viewKeys = ['facade', 'shade_above', 'comfort'];

const kFacades = ['N', 'NE', 'E', 'SE', 'S', 'SW', 'W', 'NW'];
const kSeasons = [/* text */ 'December-February', /* text */ 'March-May', /* text */ 'June-August',
  /* text */ 'September-November'];
const kFacadeNames = ['North', 'Northeast', 'East', 'Southeast', 'South', 'Southwest', 'West', 'Northwest'];
// The shading line's range (°C), as qav-cli's --shade-above takes it.
const kShadeLowest = 10;
const kShadeHighest = 35;

/// A link's option as the state holds it: what no link may hold (an unknown façade or model) is
/// dropped, a threshold is read as the field reads it (the module refuses one out of range).
export function readViewKeys(params) {
  const facade = (params.get('facade') ?? '').toUpperCase();
  const comfort = params.get('comfort') ?? '';
  const shade = params.get('shade_above') ?? '';
  return {
    facade: kFacades.includes(facade) ? facade : '',
    comfort: ['ashrae55', 'en16798'].includes(comfort) ? comfort : '',
    shade_above: readDecimal(shade) ?? shade,
  };
}

const cell = (row, text, numeric = true) => {
  const c = row.insertCell();
  if (numeric) c.className = 'n';
  c.textContent = text;
  return c;
};
const head = (table, columns) => {
  const row = table.tHead.insertRow();
  for (const text of columns) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = text;
    row.append(th);
  }
};
const orDash = (v, text = (x) => decimal(String(x))) => (v === null || v === undefined ? '–' : text(v));
const picture = (id, svg, label) => {
  // A picture's role comes with the picture: an empty box (no analysis yet) is no image, nor is
  // the error object of a picture the module could not draw.
  if (svg.startsWith('{"error"')) {
    $(id).replaceChildren();
    $(id).removeAttribute('role');
    return;
  }
  $(id).innerHTML = viewSvg(svg);
  $(id).setAttribute('role', 'img');
  $(id).setAttribute('aria-label', label);
};

/// The façade the sun path shows: the one chosen, else the side facing the equator (north
/// south of it, south on and north of it), as the module draws by default.
export const shownFacade = (state, latitude) => state.facade || (latitude < 0 ? 'N' : 'S');

// The façade's cut-offs in words, as the report puts them.
function facadeSentence(f, name) {
  if (f.overhang_vsa === null) return t('%1: no overheated sun-hour reaches this façade; it needs no shading.', name);
  const hours = String(f.overheated_hours);
  let s;
  if (f.overhang_depth === null) {
    s = t('%1: the %2 overheated sun-hours come so low that no overhang alone shades 90 % of them; use fins, movable shutters or shaded glazing.', name, hours);
  } else if (f.overhang_keeps !== null) {
    s = t('%1: an overhang with a %2° cut-off (vertical shadow angle α) shades 90 % of the %3 overheated sun-hours and keeps %4 % of the winter sun; depth %5 × the window height.',
      name, f.overhang_vsa, hours, decimal(f.overhang_keeps.toFixed(0)), decimal(f.overhang_depth.toFixed(2)));
  } else {
    s = t('%1: an overhang with a %2° cut-off (vertical shadow angle α) shades 90 % of the %3 overheated sun-hours; depth %4 × the window height; no winter sun reaches this façade.',
      name, f.overhang_vsa, hours, decimal(f.overhang_depth.toFixed(2)));
  }
  if (f.fins_hsa === 0) return `${s} ${t('Fins alone cannot shade them.')}`;
  if (f.fins_keeps !== null) return `${s} ${t('Fins with a %1° cut-off (horizontal shadow angle β) keep %2 % of it.', f.fins_hsa, decimal(f.fins_keeps.toFixed(0)))}`;
  return `${s} ${t('Fins would need a %1° cut-off (horizontal shadow angle β).', f.fins_hsa)}`;
}

function showSun(qav, r, request, state, names) {
  const facade = shownFacade(state, r.latitude);
  const name = t(kFacadeNames[kFacades.indexOf(facade)]);
  $('facade').value = facade;
  const sentences = r.sun.facades.map((f, i) => facadeSentence(f, t(kFacadeNames[i])));
  picture('sun-chart', qav.sunChartSvg({ ...request, facade }),
    `${t('Sun path and the shading mask of the %1 façade', name)}: ${sentences[kFacades.indexOf(facade)]}`);
  $('facade-summary').textContent = sentences[kFacades.indexOf(facade)];
  const table = $('facade-table');
  table.tHead.replaceChildren();
  table.tBodies[0].replaceChildren();
  head(table, [t('Façade'), t('Overheated h'), t('Underheated h'), t('Overhang α'), t('Sun kept'), t('Depth'), t('Fins β'), t('Sun kept')]);
  r.sun.facades.forEach((f, i) => {
    const row = table.tBodies[0].insertRow();
    row.dataset.facade = kFacades[i];
    if (kFacades[i] === facade) row.className = 'top';
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = t(kFacadeNames[i]);
    row.append(th);
    cell(row, String(f.overheated_hours));
    cell(row, String(f.underheated_hours));
    cell(row, orDash(f.overhang_vsa, (v) => `${v}°`));
    cell(row, orDash(f.overhang_keeps, (v) => `${decimal(v.toFixed(1))} %`));
    cell(row, orDash(f.overhang_depth, (v) => decimal(v.toFixed(2))));
    cell(row, orDash(f.fins_hsa, (v) => `${v}°`));
    cell(row, orDash(f.fins_keeps, (v) => `${decimal(v.toFixed(1))} %`));
  });
  // The calendar's text: each month's typical hours as runs of one strategy ("Jan 1-6 A, 7-10 B").
  const runs = r.hour_letters.map((letters, m) => {
    const parts = [];
    for (let h = 0; h < 24;) {
      let end = h;
      while (end + 1 < 24 && letters[end + 1] === letters[h]) ++end;
      parts.push(`${end > h ? `${h + 1}–${end + 1}` : h + 1} ${letters[h]}`);
      h = end + 1;
    }
    return `${names.month_abbreviations[m]} ${parts.join(', ')}`;
  });
  picture('calendar', qav.calendarSvg(request),
    `${t('When: the hours\' strategies')} (${t('hours of the typical days')}): ${runs.join('; ')}`);
}

// One month of the adaptive band: its limits and the hours within, above and below them.
function adaptiveRow(body, m, monthName, en) {
  const row = body.insertRow();
  const th = document.createElement('th');
  th.scope = 'row';
  th.textContent = monthName;
  row.append(th);
  const c = (v) => decimal(v.toFixed(2));
  cell(row, c(en ? m.t_rm : m.t_pma));
  cell(row, c(m.t_comf));
  if (en) {
    cell(row, `${c(m.lower_ii)} – ${c(m.upper_ii)}`);
  } else {
    cell(row, `${c(m.lower80)} – ${c(m.upper80)}`);
  }
  if (!m.in_range) {
    row.className = 'outside';
    const out = cell(row, t('out of range'), false);
    out.colSpan = en ? 3 : 6;
    return;
  }
  if (en) {
    for (const k of ['i', 'ii', 'iii']) cell(row, String(m[`hours_within_${k}`]));
    return;
  }
  // Ceiling fans at 0.9 m/s raise only the upper limit: the hours below stay below.
  const fan = m.hours_within80_fan[1];
  for (const v of [m.hours_within80, m.hours_above80, m.hours_below80, m.hours_within90, fan, m.hours_within80 + m.hours_above80 - fan]) {
    cell(row, String(v));
  }
}

function showComfort(r, state, names) {
  const model = state.comfort || 'givoni';
  $('comfort').value = model;
  $('adaptive').hidden = model === 'givoni';
  if (model === 'givoni') return;
  const en = model === 'en16798';
  const recorded = state.hours === 'recorded' && r.recorded_adaptive;
  const months = (recorded ? r.recorded_adaptive : r.adaptive)[model];
  const table = $('adaptive-table');
  table.tHead.replaceChildren();
  table.tBodies[0].replaceChildren();
  $('adaptive-caption').textContent = `${en ? 'EN 16798-1' : 'ASHRAE 55'}: ${recorded ? t('recorded hours') : t('hours of the typical days')}`;
  head(table, en
    ? [t('Month'), t('Mean'), t('Comfort'), t('Band II (°C)'), t('In %1', 'I'), t('In %1', 'II'), t('In %1', 'III')]
    : [t('Month'), t('Mean'), t('Comfort'), t('80 % band'), t('In 80 %'), t('Above'), t('Below'), t('In 90 %'),
      t('In 80 % with fans (0.9 m/s)'), t('Above with fans (0.9 m/s)')]);
  months.forEach((m, i) => adaptiveRow(table.tBodies[0], m, names.months[i], en));
}

// The share of a rose's hours (calm included, missing excluded) in percent with one decimal.
const roseHours = (rose) => rose.calm + rose.hours.reduce((sum, classes) => sum + classes.reduce((a, b) => a + b, 0), 0);

function showWind(qav, r, request, names) {
  // The JSON names its sectors in English; the page writes them as the pictures do.
  const point = (sector) => names.compass?.[r.wind.sectors.indexOf(sector)] ?? sector;
  $('wind-section').hidden = !r.wind;
  // Without recorded hours there is no wind: no rose of an earlier file stays for the report.
  if (!r.wind) { $('wind-rose').replaceChildren(); $('wind-rose').removeAttribute('role'); return; }
  const line = (label, rose) => {
    const total = roseHours(rose);
    const calm = total ? decimal((100 * rose.calm / total).toFixed(1)) : '0';
    const wind = rose.prevailing === null ? t('no hours with wind')
      : t('prevailing winds: %1, %2 %', point(rose.prevailing), decimal(rose.prevailing_share.toFixed(1)));
    return `${label}: ${wind}; ${t('calm %1 %', calm)}`;
  };
  const lines = [line(t('All hours'), r.wind.all), line(t('Ventilation hours (F)'), r.wind.ventilation),
    ...kSeasons.map((s, i) => line(t(s), r.wind.seasons[i]))];
  $('wind-summary').replaceChildren(...lines.map((text) => { const li = document.createElement('li'); li.textContent = text; return li; }));
  picture('wind-rose', qav.windRoseSvg(request), `${t('Wind rose')}: ${lines.slice(0, 2).join('. ')}`);
}

/// Draws the three views of the analysis `r` asked with `request`.
export function showViews(qav, r, request, state, names) {
  showSun(qav, r, request, state, names);
  showComfort(r, state, names);
  showWind(qav, r, request, names);
}

/// The fields as the state holds them (a link opened, Back or Forward).
export function setViewFields(state) {
  $('shade-above').value = decimal(state.shade_above);
  $('shade-above-error').hidden = true;
  $('shade-above').setAttribute('aria-invalid', 'false');
  $('comfort').value = state.comfort || 'givoni';
}

/// The fields' events: a change goes into the state and `changed()` analyses it again. A
/// threshold the page cannot read, or outside 10 to 35 °C, is refused beside its field.
export function bindViews(state, changed) {
  $('facade').addEventListener('change', () => { state.facade = $('facade').value; changed(); });
  $('comfort').addEventListener('change', () => {
    state.comfort = $('comfort').value === 'givoni' ? '' : $('comfort').value;
    changed();
  });
  $('shade-above').addEventListener('change', () => {
    const text = $('shade-above').value.trim();
    const value = readDecimal(text);
    const refused = value === null || (value !== '' && !(Number(value) >= kShadeLowest && Number(value) <= kShadeHighest));
    $('shade-above-error').hidden = !refused;
    $('shade-above-error').textContent = refused ? t('"%1" is not a temperature from 10 to 35 °C, such as 26 or 24.5.', text) : '';
    $('shade-above').setAttribute('aria-invalid', String(refused));
    if (refused) return;
    state.shade_above = value;
    changed();
  });
}

/// The pictures of the report to print, with their text alternatives, as the page shows them.
export const viewPictures = () => Object.fromEntries(['sun-chart', 'calendar', 'wind-rose'].map((id) => [id, {
  svg: $(id).innerHTML, label: $(id).getAttribute('aria-label') ?? '' }]));
