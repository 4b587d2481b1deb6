// Writes the browser edition as one file: the page, its style and script, its font, the program's
// glue and its WebAssembly inlined, and a Content-Security-Policy that forbids every request and
// allows only these inline scripts and this style, by their hashes, and fonts given as data.
// Given a folder as well, writes the web app's page there too: the same page and program, with
// its manifest, the tags iPads read and the worker's registration, and a policy that also lets
// the page's own origin give the manifest, the worker and the icons.
// Usage: node assemble.mjs template.html page.css page.js program.js program.wasm out.html
//        regular.woff bold.woff icon.svg [register_worker.js site-folder]
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import path from "node:path";
import { gzipSync } from "node:zlib";

const [template, style, page, program, wasm, out, regular, bold, icon, register, site] = process.argv.slice(2);
const read = (file) => readFileSync(file, "utf8");
const hash = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;

// The page's own face, in which every text is measured and drawn alike on every device: a subset
// of Liberation Sans (SIL Open Font License 1.1; copyright and licence in its name table).
const face = (file, weight) => `@font-face { font-family: "Sorvel Sans"; font-weight: ${weight}; font-display: block;
  src: url(data:font/woff;base64,${readFileSync(file).toString("base64")}) format("woff"); }\n`;
const fonts = face(regular, "normal") + face(bold, "bold");
// The program's loader would fetch its WebAssembly; handed over here it never asks for it. On
// the way to the first window the page's text is read, hashed against the policy and tokenised,
// so the WebAssembly goes in compressed (a third of its size), decoded from its text by the
// browser's own decoder where there is one (a plain loop elsewhere; a call a byte, as
// Uint8Array.from makes, costs half a second on a slow machine) and inflated by the browser.
// Its compilation starts here, before the program's glue is read and run, and takes the bytes as
// they are inflated: the browser compiles on threads of its own while this one goes on with the
// glue and the face, and no inflated copy is kept whole. The bytes are read as a response's body,
// not as a Blob's stream, which the browser's own process would hold and hand back piece by piece.
// (Inflating all first, then compiling, took a fifth longer to the first window on a throttled
// machine; the WebAssembly's text uncompressed, three times as long, costs about as much in
// reading the page as it saves here.)
// The program starts once the face is ready, so that the first text it prints into a picture is in it;
// the page script asked for the face as it ran, so that it loads while the WebAssembly is decoded
// and compiled.
const packed = gzipSync(readFileSync(wasm), { level: 9 }).toString("base64");
const loader = `var sorvelFace = SorvelPage.fontReady();
var sorvelProgram = (function () {
  var text = "${packed}";
  var bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(text) : (function () {
    var chars = atob(text), binary = new Uint8Array(chars.length);
    for (var i = 0; i < chars.length; ++i) binary[i] = chars.charCodeAt(i);
    return binary;
  })();
  var inflated = new Response(bytes).body.pipeThrough(new DecompressionStream("gzip"));
  return WebAssembly.compileStreaming(new Response(inflated, { headers: { "Content-Type": "application/wasm" } }));
})();
var Module = {
  instantiateWasm: function (imports, receiveInstance) {
    sorvelProgram
      .then(function (module) {
        return WebAssembly.instantiate(module, imports).then(function (instance) { receiveInstance(instance, module); });
      })
      .catch(function (error) { console.error("The program could not start: " + error); });
    return {};
  },
  preRun: [function () { addRunDependency("font"); sorvelFace.then(function () { removeRunDependency("font"); }); }],
};`;
const parts = { STYLE: fonts + read(style), PAGE: read(page), LOADER: loader, PROGRAM: read(program) };
// Every character ASCII: a page with one character beyond Latin-1 (an arrow in a comment is
// enough) is decoded and parsed by Chromium as two-byte text from there on, which cost a throttled
// machine about a tenth of its start-up in a new tab.
const beyondAscii = (text) => /[^\x00-\x7f]/.exec(text);
for (const [name, text] of Object.entries({ ...parts, TEMPLATE: read(template) })) {
  if (name !== "TEMPLATE" && (text.includes("</script") || text.includes("</style")))
    throw new Error(`${name} would end its element early`);
  const found = beyondAscii(text);
  if (found) throw new Error(`${name} holds "${found[0]}" at ${found.index}: the page is kept to ASCII`);
}

const policy = (extra = {}) => [
  "default-src 'none'",
  `script-src ${[hash(parts.PAGE), hash(parts.LOADER), hash(parts.PROGRAM), ...(extra.scripts || [])].join(" ")} 'wasm-unsafe-eval'`,
  `style-src ${hash(parts.STYLE)}`,
  "font-src data:",
  // The program's icon, given so that no browser asks the server for one it would guess at; the
  // web app's icons, for its manifest and home screen, come from its own folder.
  `img-src ${extra.self ? "'self' " : ""}data:`,
  ...(extra.self ? ["manifest-src 'self'", "worker-src 'self'"] : []),
  "base-uri 'none'",
  "form-action 'none'",
].join("; ");

function write(file, rules, app) {
  let html = read(template).replace("@POLICY@", rules).replace("@APP@", app)
    .replace("@ICON@", `data:image/svg+xml;base64,${readFileSync(icon).toString("base64")}`);
  // Replaced by function, so that "$" in the inlined text stays as it is.
  for (const [name, text] of Object.entries(parts)) html = html.replace(`@${name}@`, () => text);
  writeFileSync(file, html);
}
write(out, policy(), "");

if (site) {
  const registration = read(register);
  if (registration.includes("</script")) throw new Error("the registration would end its element early");
  if (beyondAscii(registration)) throw new Error("the registration is not ASCII: the page is kept to ASCII");
  // The caption bar's blue and the windows' grey of page.css: the installed app's frame and the
  // splash screen it opens on look like the program's windows.
  const theme = "#3c5a82", background = "#efefef";
  const name = "Sorvel";
  const description = read(template).match(/<meta name="description" content="([^"]*)">/)[1];
  const app = [
    '<link rel="manifest" href="manifest.webmanifest">',
    // iPads take the home screen's icon and title from these, not from the manifest.
    '<link rel="apple-touch-icon" href="apple-touch-icon.png">',
    `<meta name="apple-mobile-web-app-title" content="${name}">`,
    '<meta name="apple-mobile-web-app-capable" content="yes">',
    '<meta name="mobile-web-app-capable" content="yes">',
    '<meta name="apple-mobile-web-app-status-bar-style" content="black">',
    `<meta name="theme-color" content="${theme}">`,
    `<script>${registration}</script>`,
  ].map((line) => "\n" + line).join("");
  write(path.join(site, "index.html"), policy({ self: true, scripts: [hash(registration)] }), app);
  const manifest = {
    name, short_name: name, description, lang: "en",
    start_url: "./", scope: "./",
    // A lesson on a projector or a tablet wants the whole screen; where a platform has no full
    // screen for apps it gives a window of the app's own.
    display: "fullscreen", display_override: ["fullscreen", "standalone"],
    background_color: background, theme_color: theme,
    icons: [
      { src: "icon-192.png", sizes: "192x192", type: "image/png", purpose: "any" },
      { src: "icon-512.png", sizes: "512x512", type: "image/png", purpose: "any" },
      { src: "icon-maskable-512.png", sizes: "512x512", type: "image/png", purpose: "maskable" },
    ],
  };
  writeFileSync(path.join(site, "manifest.webmanifest"), JSON.stringify(manifest, null, 2) + "\n");
}
