// The folder the wasm build writes: the files that the page, the package and the benchmarks load
// by name, and a service worker that caches the page's files under a name taken from their bytes.
//
//   QAV_WEB=build/web node --test tests/web/build.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const web = path.resolve(root, process.env.QAV_WEB ?? 'build/web');
// In byte order, the order of the worker's list and of its hash.
const page = ['compile.js', 'dejavu-sans-bold.woff2', 'dejavu-sans.woff2', 'finder-core.mjs', 'finder.js', 'finder.wasm',
  'finder.worker.js', 'index.html', 'main.js', 'manifest.webmanifest', 'numbers.js', 'page.css', 'places.tsv.gz', 'qav-core.mjs', 'qav-report.mjs', 'qav-report.wasm', 'qav.mjs', 'qav.svg', 'qav.wasm',
  'reader.worker.js', 'report_view.js',
  'stations-1991-2020.csv', 'svg_view.js', 'texts-pt_BR.json', 'texts.js', 'views.js'];

test('the folder holds the module, its package, the catalogue and the page, nothing else', () => {
  assert.deepEqual(fs.readdirSync(web).sort(), [...page, 'package.json', 'sw.js'].sort());
});

test('the service worker caches every file of the page, the catalogue too, in a cache named after their content', () => {
  const worker = fs.readFileSync(path.join(web, 'sw.js'), 'utf8');
  const listed = worker.match(/^const kFiles = \[(.*)\];$/m)[1].split(', ').map((name) => name.slice(1, -1));
  assert.deepEqual(listed, ['./', ...page]);
  const hash = crypto.createHash('sha256');
  for (const name of page) hash.update(fs.readFileSync(path.join(web, name)));
  assert.equal(worker.match(/^const kCache = '(.*)';$/m)[1], `qav-${hash.digest('hex').slice(0, 16)}`);
});

test('the module a first visit loads fits its budget of 450 KB (the report\'s module apart)', () => {
  const size = (name) => fs.statSync(path.join(web, name)).size;
  assert.ok(size('qav.mjs') + size('qav-core.mjs') + size('qav.wasm') <= 450 * 1024);
});
