// The web app's page hands itself to its worker, which keeps the folder for visits without the
// network. Where no worker can run (a plain http host, a private window) the page works as before,
// online only, so a refusal is said but is no error.
if ("serviceWorker" in navigator)
  navigator.serviceWorker.register("sw.js").catch(function (error) {
    console.warn("This page will need the network on every visit: " + error);
  });
