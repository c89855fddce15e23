// The browser page as a phone and a returning user meet it, in headless Chromium: a first visit
// with the processor slowed four times (Chromium's CPU throttling; the network is this machine's),
// from navigation to the first analysis shown, and the station finder's first search (the
// catalogue fetched and read) and the searches after it.
//   node bench/web_phone_bench.mjs [build/web]
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launch, serve } from '../tests/web/chromium.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const web = path.resolve(process.argv[2] ?? path.join(root, 'build/web'));
const server = await serve(root, web);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

// First visits of a phone: each in a new browser with nothing cached, the processor slowed 4x
// before the page is asked for.
const throttled = [];
for (let i = 0; i < 5; ++i) {
  const b = await launch({ width: 390, height: 844 });
  await b.page('Emulation.setCPUThrottlingRate', { rate: 4 });
  await b.page('Page.navigate', { url: server.url + '#dataset=brazil&location=5' });
  await b.settle(['ready'], 30000);
  throttled.push(await b.evaluate(`performance.getEntriesByName('qav-shown')[0].startTime`));
  await b.close();
}
console.log(`phone-class first visit (4x CPU throttling): first analysis shown ${median(throttled).toFixed(0)} ms ` +
  `after navigation (slowest ${Math.max(...throttled).toFixed(0)}, median of ${throttled.length})`);

// The station finder: a search is timed from the form's submission to its list filled.
const b = await launch();
await b.open(server.url);
const search = (query) => b.evaluate(`(async () => {
  const status = document.getElementById('stations-status');
  status.textContent = '';
  const start = performance.now();
  document.getElementById('station-query').value = ${JSON.stringify(query)};
  document.getElementById('station-form').requestSubmit();
  // Done when the finder says how many it found (or why none).
  while (!status.textContent || document.getElementById('station-form').hasAttribute('aria-busy')) await new Promise((r) => setTimeout(r, 0));
  return performance.now() - start;
})()`);
const first = await search('brasilia');
const later = [];
for (const query of ['sao paulo', 'lisboa', '-23.55, -46.63', 'tokyo', 'manaus', '51.5 -0.1', 'recife', 'oslo', 'lima', 'cairo']) later.push(await search(query));
console.log(`station search: first ${first.toFixed(0)} ms (the catalogue fetched and read), then median ` +
  `${median(later).toFixed(1)} ms, slowest ${Math.max(...later).toFixed(1)} ms (10 searches)`);
await b.close();
server.stop();
