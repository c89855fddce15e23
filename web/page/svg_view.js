// The module's SVG as the page shows it. Each hour dot is a <use> of a small square, and Chromium
// gives every <use> an instance tree of its own: a recorded year's 9,571 dots took seconds of
// style, layout and paint, a typical year's 873 about a fifth of the first analysis. The page
// draws the same squares as plain rects (the same pixels; a translucent dot's blend may differ by
// a rounding step); downloads and copies keep the module's SVG.
export function viewSvg(svg) {
  const sizes = new Map();
  for (const [, id, width, height] of svg.matchAll(/<rect id="(d\d+)" width="([\d.]+)" height="([\d.]+)"\/>/g)) {
    sizes.set(id, `width="${width}" height="${height}"`);
  }
  return svg.replace(/<use xlink:href="#(d\d+)" x="(-?[\d.]+)" y="(-?[\d.]+)"\/>/g,
    (use, id, x, y) => (sizes.has(id) ? `<rect x="${x}" y="${y}" ${sizes.get(id)}/>` : use));
}
