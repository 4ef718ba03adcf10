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
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // A link to a computation carries its range in the query; the page is the same file.
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((stored) => stored || fetch(request)));
});
