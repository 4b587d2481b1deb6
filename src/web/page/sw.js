// The web app's worker: it keeps the files of its own folder and answers the page's requests for
// them from that copy first, so that the installed app opens with no network. A new build is a
// new worker (its cache name changes with the files), which the browser fetches on the next visit
// that reaches the network; it takes over at once and the copy of the build before goes.
"use strict";
// Named by where the app lives as well as by its build: two copies of the app on one school host
// (two teachers' folders) keep each their own and delete only their own old ones.
const PREFIX = `sorvel ${registration.scope} `;
const CACHE = PREFIX + "@VERSION@";
const FILES = @FILES@;

self.addEventListener("install", (event) => {
  // Past any HTTP cache: a host's caching headers must not put the last build's page under this
  // build's name.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: "reload" }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET") return;
  // Every address of the folder that opens a page (./, index.html, with a query) opens the page:
  // it is kept as index.html, since not every host answers for a folder.
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true })
      .then((kept) => kept || (request.mode === "navigate" ? cache.match("index.html") : undefined)))
    .then((kept) => kept || fetch(request)));
});
