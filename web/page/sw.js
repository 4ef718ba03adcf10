'use strict';
// Keeps the served page working without a network: on install it stores every file of the page
// and its engine under a name that carries a hash of those files, serves them from there first,
// and deletes the stores of other builds once it takes over. web/assemble writes the two lines
// below; a new build therefore makes a new sw.js, which the browser installs beside the old one.
const VERSION = 'unassembled';
const FILES = [];
const CACHE = `primzeilen-${VERSION}`;

self.addEventListener('install', (event) => {
  // Straight from the network: an older copy in the HTTP cache would mix two builds in one store.
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' })))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const names = await caches.keys();
    await Promise.all(names.filter((name) => name.startsWith('primzeilen-') && name !== CACHE).map((name) => caches.delete(name)));
    // The first visit's page computes with the stored files at once, not only after a reload.
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) return;
  // The folder's address is the page, whatever the server would answer for it; a link to a
  // computation carries its range in the query, and the page is the same file.
  const key = url.pathname.endsWith('/') ? new URL('index.html', url).href : request;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(key, { ignoreSearch: true }))
    .then((stored) => stored || fetch(request)));
});
