// Keeps the site's files, so that after the first visit the page opens at once and works
// offline. The files are kept together under the version of the site they belong to (stamped by
// the build from their contents), so that a page is always given files of one version: a newer
// site is fetched whole in the background and serves the next visit.
const VERSION = '@SITE_VERSION@';
const CACHE = `tova-site-${VERSION}`;
const FILES = ['./', 'index.html', 'tova.css', 'drawings.js', 'pointer.js', 'tova.js', 'tova-core.js', 'tova-core.wasm',
               'Tova.ini', 'Help.htm', 'Malvo.htm', 'tova.svg', 'manifest.webmanifest'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(CACHE)
    .then(cache => cache.addAll(FILES.map(file => new Request(file, {cache: 'reload'}))))
    .then(() => self.skipWaiting()));
});
self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(n => n.startsWith('tova-site') && n !== CACHE).map(n => caches.delete(n))))
    .then(() => self.clients.claim()));
});
self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  // A page's address may carry a query (?drawing=...): it is the same page.
  event.respondWith(caches.open(CACHE)
    .then(cache => cache.match(request, {ignoreSearch: request.mode === 'navigate'}))
    .then(kept => kept || fetch(request)));
});
