'use strict';
// Served over HTTP(S) the page registers its service worker (sw.js), which keeps it working
// without a network after the first visit. Opened as a file the page has none and needs none.
(function () {
  if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {
      // Without it the page works as before, only not offline; there is nothing to tell.
    });
  });
})();
