// The browser page in headless Chromium: time from navigation to the first analysis shown (a
// first visit in a new browser, then visits with the service worker's cache, in a new page process as a link opened
// from elsewhere gets, and reloads in the page's running process), the same for an empty page (what
// the browser itself takes before any script), the module's time per further analysis in the page,
// the time from picking a location to its new chart painted, and the size of the page's files.
// A visit comes a second after the browser's last navigation, as a person's does: the browser has
// started a spare page process by then. Navigating at once after another leaves it to start one on
// the way, before any of the page's work; those visits are timed apart.
//   node bench/web_page_bench.mjs [build/web]
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launch, serve } from '../tests/web/chromium.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const web = path.resolve(process.argv[2] ?? path.join(root, 'build/web'));
const server = await serve(root, web);
let browser = await launch();
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
// Milliseconds from navigation to the first analysis painted (the chart and the results) and to
// the whole page ready (the graph and the month table drawn after that first paint).
const marks = `['qav-shown', 'qav-ready'].map((n) => performance.getEntriesByName(n)[0].startTime)`;
const idle = () => new Promise((resolve) => setTimeout(resolve, 1000));
const visit = async (url, { atOnce = false } = {}) => {
  await browser.page('Page.navigate', { url: 'about:blank' });
  if (!atOnce) await idle();
  await browser.page('Page.navigate', { url });
};
const firstShown = async (how) => {
  await visit(server.url + '#dataset=brazil&location=5', how);
  await browser.settle();
  return browser.evaluate(marks);
};
const reloaded = async () => {
  await browser.page('Page.reload', {});
  await browser.until(`performance.getEntriesByName('qav-ready').length`);
  return browser.evaluate(marks);
};
const report = (what, visits) => {
  const column = (i) => visits.map((v) => v[i]);
  console.log(`${what}: first analysis shown ${median(column(0)).toFixed(0)} ms after navigation ` +
    `(slowest ${Math.max(...column(0)).toFixed(0)}), page ready ${median(column(1)).toFixed(0)} ms (median of ${visits.length})`);
};
// First visits: each in a new browser, with nothing cached.
const firsts = [];
for (let i = 0; i < 5; ++i) {
  await browser.close();
  browser = await launch();
  firsts.push(await firstShown());
}
report('first visits', firsts);
const visits = [];
for (let i = 0; i < 10; ++i) visits.push(await firstShown());
report('later visits', visits);
const hurried = [];
for (let i = 0; i < 10; ++i) hurried.push(await firstShown({ atOnce: true }));
report('later visits at once after another navigation', hurried);
const reloads = [];
for (let i = 0; i < 10; ++i) reloads.push(await reloaded());
report('reloads', reloads);

// The floor: an empty page's first script, in a new page process, as the page's visits above.
const empty = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-bench-empty-'));
fs.writeFileSync(path.join(empty, 'index.html'), '<!doctype html><title>-</title><script>performance.mark("run")</script>');
const emptyServer = await serve(root, empty);
for (const atOnce of [false, true]) {
  const floors = [];
  for (let i = 0; i < 10; ++i) {
    await visit(emptyServer.url, { atOnce });
    floors.push(await browser.until(`performance.getEntriesByName('run')[0]?.startTime`));
  }
  console.log(`an empty page${atOnce ? ' at once after another navigation' : ''}: first script ` +
    `${median(floors).toFixed(0)} ms after navigation (median of 10)`);
}
emptyServer.stop();
fs.rmSync(empty, { recursive: true, force: true });
await browser.open(server.url + '#dataset=brazil&location=5');

// Every location of the data set in turn: the module's share, and the change to the next paint.
const times = await browser.evaluate(`(async () => {
  const select = document.getElementById('location');
  const module = [], painted = [];
  for (let round = 0; round < 3; ++round) {
    for (const option of [...select.options].map((o) => o.value)) {
      performance.clearMeasures('qav-analyze');
      const start = performance.now();
      select.value = option;
      select.dispatchEvent(new Event('change'));
      await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
      painted.push(performance.now() - start);
      module.push(performance.getEntriesByName('qav-analyze')[0].duration);
    }
  }
  return { module, painted };
})()`);
console.log(`further analysis in the module: median ${median(times.module).toFixed(2)} ms, slowest ${Math.max(...times.module).toFixed(2)} ms`);
console.log(`location picked to new chart painted: median ${median(times.painted).toFixed(1)} ms, slowest ${Math.max(...times.painted).toFixed(1)} ms (${times.painted.length} picks)`);
await browser.close();
server.stop();

let total = 0;
for (const f of fs.readdirSync(web)) if (!f.endsWith('.csv')) total += fs.statSync(path.join(web, f)).size;
console.log(`build/web without the station catalogue: ${(total / 1024).toFixed(1)} KB`);
