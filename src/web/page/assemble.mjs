// Writes the browser edition as one file: the page, its style and script, the program's glue and
// its WebAssembly inlined, and a Content-Security-Policy that forbids every request and allows
// only these inline scripts and this style, by their hashes.
// Usage: node assemble.mjs template.html page.css page.js program.js program.wasm out.html
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";

const [template, style, page, program, wasm, out] = process.argv.slice(2);
const read = (file) => readFileSync(file, "utf8");
const hash = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;

// The program's loader would fetch its WebAssembly; handed over here it never asks for it.
const loader = `var Module = { wasmBinary: Uint8Array.from(atob("${readFileSync(wasm).toString("base64")}"), (c) => c.charCodeAt(0)) };`;
const parts = { STYLE: read(style), PAGE: read(page), LOADER: loader, PROGRAM: read(program) };
for (const [name, text] of Object.entries(parts))
  if (text.includes("</script") || text.includes("</style")) throw new Error(`${name} would end its element early`);

const policy = [
  "default-src 'none'",
  `script-src ${hash(parts.PAGE)} ${hash(parts.LOADER)} ${hash(parts.PROGRAM)} 'wasm-unsafe-eval'`,
  `style-src ${hash(parts.STYLE)}`,
  "base-uri 'none'",
  "form-action 'none'",
].join("; ");

let html = read(template).replace("@POLICY@", policy);
// Replaced by function, so that "$" in the inlined text stays as it is.
for (const [name, text] of Object.entries(parts)) html = html.replace(`@${name}@`, () => text);
writeFileSync(out, html);
