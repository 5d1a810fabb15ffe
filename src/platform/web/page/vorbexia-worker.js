// The page's worker: it keeps the page and the game (kFiles) so that they
// start and play with no network. tools/build-web writes each build's mark
// below, made from its files' hash: a new build's worker differs from the
// old one, so the browser installs it at the next visit; it keeps the new
// build's files in a cache of its own and drops the old build's.
'use strict';
const kVersion = 'dev';
const kCache = 'vorbexia-' + kVersion;
const kFiles = ['./', 'vorbexia-page.js', 'vorbexia.js', 'vorbexia.wasm', 'vorbexia.data',
                'vorbexia.webmanifest', 'vorbexia-48.png', 'vorbexia-192.png', 'vorbexia-512.png'];
const kKept = kFiles.map(file => new URL(file, location).href);

// Fresh from the server, not from the browser's HTTP cache: one build's
// files, all of them, or none (the old cache stays).
self.addEventListener('install', event => {
  event.waitUntil(caches.open(kCache)
      .then(cache => cache.addAll(kKept.map(url => new Request(url, {cache: 'reload'}))))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
      .then(names => Promise.all(names.filter(name => name.startsWith('vorbexia-') && name !== kCache)
                                      .map(name => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// The network first: online, a page always gets the files of one build,
// the newest, and they are kept; the kept copy only when the network fails.
// The page is kept once, whatever its query (?seed=7, ?record).
self.addEventListener('fetch', event => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== location.origin) return;
  const key = event.request.mode === 'navigate' || url.pathname.endsWith('/index.html')
                  ? new URL('./', location).href : url.origin + url.pathname;
  if (!kKept.includes(key)) return;
  event.respondWith(fetch(event.request).then(response => {
    if (response.ok && response.type === 'basic') {
      const copy = response.clone();
      event.waitUntil(caches.open(kCache).then(cache => cache.put(key, copy)));
    }
    return response;
  }, failure => caches.open(kCache).then(cache => cache.match(key)).then(kept => {
    if (kept) return kept;
    throw failure;
  })));
});
