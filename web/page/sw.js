// Keeps the page working offline: the files of the page, the station catalogue included, are
// cached at installation. The build fills in the file list and a cache name that changes with
// their content, so a new build replaces the old cache.
const kCache = 'qav-@HASH@';
const kFiles = [/*@FILES@*/];

self.addEventListener('install', (event) => {
  // 'reload': from the server, never from the browser's HTTP cache, which may still hold a file of
  // the build before and would make a cache of two builds mixed.
  event.waitUntil(caches.open(kCache)
    .then((cache) => cache.addAll(kFiles.map((name) => new Request(name, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
  // The page's own files come straight from the cache, without starting this worker: otherwise a
  // visit in a new page process waits for the worker to start before its first file (about a
  // fifth of a second here). Anything else, the station catalogue included, goes to the fetch
  // handler below. Browsers without static routes use that handler for everything.
  if (!event.addRoutes) return;
  const file = (name) => {
    const url = new URL(name, self.location);
    return { urlPattern: new URLPattern({ protocol: url.protocol.slice(0, -1), hostname: url.hostname,
      port: url.port, pathname: url.pathname }), requestMethod: 'GET' };
  };
  event.waitUntil(event.addRoutes({ condition: { or: kFiles.map(file) }, source: { cacheName: kCache } })
    .catch(() => {}));  // the fetch handler still serves the files
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('qav-') && n !== kCache).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// Cache first for this site's files; anything else (an EPW on another site) goes to the network.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) return;
  event.respondWith(caches.open(kCache).then(async (cache) => {
    const hit = await cache.match(event.request, { ignoreSearch: true });
    if (hit) return hit;
    return fetch(event.request);
  }));
});
