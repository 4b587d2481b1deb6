// Writes the browser edition as one file: the page, its style and script, its font, the program's
// glue and its WebAssembly inlined, and a Content-Security-Policy that forbids every request and
// allows only these inline scripts and this style, by their hashes, and fonts given as data.
// Usage: node assemble.mjs template.html page.css page.js program.js program.wasm out.html
//        regular.woff bold.woff icon.svg
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { gzipSync } from "node:zlib";

const [template, style, page, program, wasm, out, regular, bold, icon] = process.argv.slice(2);
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
// The program starts once the face is ready, so that the first text it prints into a picture is in it;
// the face is asked for first, so that it loads while the WebAssembly is decoded and compiled.
const packed = gzipSync(readFileSync(wasm), { level: 9 }).toString("base64");
const loader = `var sorvelFace = SorvelPage.fontReady();
var Module = {
  instantiateWasm: function (imports, receiveInstance) {
    var text = "${packed}";
    var bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(text) : (function () {
      var chars = atob(text), binary = new Uint8Array(chars.length);
      for (var i = 0; i < chars.length; ++i) binary[i] = chars.charCodeAt(i);
      return binary;
    })();
    new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"))).arrayBuffer()
      .then(function (binary) { return WebAssembly.instantiate(binary, imports); })
      .then(function (result) { receiveInstance(result.instance, result.module); })
      .catch(function (error) { console.error("The program could not start: " + error); });
    return {};
  },
  preRun: [function () { addRunDependency("font"); sorvelFace.then(function () { removeRunDependency("font"); }); }],
};`;
const parts = { STYLE: fonts + read(style), PAGE: read(page), LOADER: loader, PROGRAM: read(program) };
for (const [name, text] of Object.entries(parts))
  if (text.includes("</script") || text.includes("</style")) throw new Error(`${name} would end its element early`);

const policy = [
  "default-src 'none'",
  `script-src ${hash(parts.PAGE)} ${hash(parts.LOADER)} ${hash(parts.PROGRAM)} 'wasm-unsafe-eval'`,
  `style-src ${hash(parts.STYLE)}`,
  "font-src data:",
  // The program's icon, given so that no browser asks the server for one it would guess at.
  "img-src data:",
  "base-uri 'none'",
  "form-action 'none'",
].join("; ");

let html = read(template).replace("@POLICY@", policy)
  .replace("@ICON@", `data:image/svg+xml;base64,${readFileSync(icon).toString("base64")}`);
// Replaced by function, so that "$" in the inlined text stays as it is.
for (const [name, text] of Object.entries(parts)) html = html.replace(`@${name}@`, () => text);
writeFileSync(out, html);
