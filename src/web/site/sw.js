// Keeps the site's files, so that after the first visit the page opens and works offline. A
// request is answered from the network when it can be (and the copy refreshed), else from the copy.
const CACHE = 'tova-site';
const FILES = ['./', 'index.html', 'tova.css', 'drawings.js', 'pointer.js', 'tova.js', 'tova-core.js', 'tova-core.wasm', 'Tova.ini',
               'Help.htm', 'Malvo.htm', 'tova.svg', 'manifest.webmanifest'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', event => { event.waitUntil(self.clients.claim()); });
self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== location.origin) return;
  event.respondWith(fetch(event.request).then(reply => {
    if (reply.ok) {
      const copy = reply.clone();
      caches.open(CACHE).then(cache => cache.put(event.request, copy));
    }
    return reply;
  }).catch(() => caches.match(event.request, {ignoreSearch: true})));
});
