// Keeps the site's files, so that after the first visit the page opens at once and works
// offline. The files are kept together under the version of the site they belong to (stamped by
// the build from their contents, with the list of the files). A newer site is fetched whole in the
// background and takes over once no page of the older one is open, so that a page is always given
// files of one version.
const VERSION = '@SITE_VERSION@';
const CACHE = `tova-site-${VERSION}`;
const FILES = ['./', @SITE_FILES@];

self.addEventListener('install', event => {
  const fresh = FILES.map(file => new Request(file, {cache: 'reload'}));
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(fresh)));
});
self.addEventListener('activate', event => {
  // The first version takes the pages that are open at once; they were loaded from the network.
  event.waitUntil(caches.keys()
    .then(names => names.filter(n => n.startsWith('tova-site') && n !== CACHE))
    .then(old => Promise.all(old.map(n => caches.delete(n))))
    .then(() => self.clients.claim()));
});
self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  // A page's address may carry a query (?drawing=...): it is the same page.
  event.respondWith(caches.match(request, {cacheName: CACHE, ignoreSearch: request.mode === 'navigate'})
    .then(kept => kept || fetch(request)));
});
