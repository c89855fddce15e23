// The report laid out as a page to print: the blocks of the PDF report's content (the module's
// report answer) in order, with the chart and graph the page shows. Kinds this page does not
// know yet (a later section of the report) are shown as their text, so nothing is left out.
const element = (tag, text = '', className = '') => {
  const e = document.createElement(tag);
  if (text) e.textContent = text;
  if (className) e.className = className;
  return e;
};

function table(block, facts) {
  const t = element('table', '', facts ? 'facts' : '');
  if (block.columns.length) {
    const head = t.createTHead().insertRow();
    for (const c of block.columns) { const th = element('th', c); th.scope = 'col'; head.append(th); }
  }
  const body = t.createTBody();
  block.rows.forEach((cells, i) => {
    const row = body.insertRow();
    if (block.bold[i]) row.className = 'top';
    cells.forEach((cell, j) => {
      // A fact's label, and a table's first column, head their row.
      const c = j === 0 ? element('th', cell) : element('td', cell);
      if (j === 0) c.scope = 'row';
      row.append(c);
    });
  });
  return t;
}

function picture(svg, caption, label) {
  const figure = element('figure');
  const box = element('div', '', 'picture');
  box.setAttribute('role', 'img');
  box.setAttribute('aria-label', label);
  box.innerHTML = svg;  // the module's own SVG, as the page shows it
  figure.append(box, element('figcaption', caption));
  return figure;
}

/// Fills `container` with `report` ({title, blocks}); pictures: {chart, graph, chartLabel,
/// graphLabel}, the SVG and text alternative of each, and the sun path's, the calendar's, the
/// wind rose's and the adaptive graph's as {svg, label} under 'sun-chart', 'calendar',
/// 'wind-rose' and 'adaptive' (a block whose picture is not given is shown as its caption).
export function fillReport(container, report, pictures) {
  const parts = [element('h1', report.title)];
  parts[0].id = 'report-title';
  parts[0].tabIndex = -1;
  for (const b of report.blocks) {
    switch (b.kind) {
      case 'section': parts.push(element('h2', b.text)); break;
      case 'note': parts.push(element('p', b.text, 'note')); break;
      case 'facts': parts.push(table(b, true)); break;
      case 'table': parts.push(table(b, false)); break;
      case 'chart': parts.push(picture(pictures.chart, b.text, pictures.chartLabel)); break;
      case 'graph': parts.push(picture(pictures.graph, b.text, pictures.graphLabel)); break;
      case 'sun_path': case 'calendar': case 'wind_rose': case 'adaptive_graph': {
        const shown = pictures[{ sun_path: 'sun-chart', calendar: 'calendar', wind_rose: 'wind-rose', adaptive_graph: 'adaptive' }[b.kind]];
        if (shown?.svg) parts.push(picture(shown.svg, b.text, shown.label || b.text));
        else if (b.text) parts.push(element('p', b.text));
        break;
      }
      case 'guidance': {
        const advice = element('article', '', 'advice');
        advice.append(element('h3', b.heading), element('p', b.share, 'share'));
        for (const text of [b.asks, b.measures, b.pitfalls, b.site]) if (text) advice.append(element('p', text));
        parts.push(advice);
        break;
      }
      default: if (b.text) parts.push(element('p', b.text));
    }
  }
  container.replaceChildren(...parts);
}
