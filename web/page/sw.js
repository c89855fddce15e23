// Keeps the page working offline: the files of the page are cached at installation, and the
// station catalogue when first fetched. The build fills in the file list and a cache name that
// changes with their content, so a new build replaces the old cache.
const kCache = 'qav-@HASH@';
const kFiles = [/*@FILES@*/];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
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
    const response = await fetch(event.request);
    if (response.ok && url.pathname.endsWith('.csv')) cache.put(event.request, response.clone());
    return response;
  }));
});
