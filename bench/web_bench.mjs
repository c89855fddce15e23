// Time per analysis of the WebAssembly module in Node, and the module's size.
//   node bench/web_bench.mjs [build/web]
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const web = path.resolve(process.argv[2] ?? 'build/web');
const { default: createQav } = await import(pathToFileURL(path.join(web, 'qav.mjs')).href);
const qav = await createQav();
// Node compiles WebAssembly quickly first and optimises hot functions later, in the background:
// a second of calls before timing measures the optimised code a page or a server would run.
const time = (label, request, runs, perRequest = 1) => {
  for (const end = Date.now() + 1000; Date.now() < end;) qav.analyze(request);
  const start = process.hrtime.bigint();
  for (let i = 0; i < runs; ++i) qav.analyze(request);
  const ms = Number(process.hrtime.bigint() - start) / 1e6 / runs / perRequest;
  console.log(`${label}: ${ms.toFixed(3)} ms`);
};
time('Brasília (brazil, slot 5), per request', JSON.stringify({ dataset: 'brazil', location: 5 }), 2000);
time('the 90 built-in locations in one request, per location', JSON.stringify({ dataset: 'all', all: true }), 20, 90);
const size = (name) => fs.statSync(path.join(web, name)).size;
const total = size('qav.wasm') + size('qav-core.mjs') + size('qav.mjs');
console.log(`qav.wasm ${size('qav.wasm')} B + qav-core.mjs ${size('qav-core.mjs')} B + qav.mjs ${size('qav.mjs')} B = ${(total / 1024).toFixed(1)} KB`);
