// Writes the web app's worker into its folder: the worker's template with the folder's files to
// keep and a cache name made from their bytes, so that any change to any of them is a new worker.
// Usage: node worker.mjs sw.js site-folder
import { createHash } from "node:crypto";
import { readdirSync, readFileSync, writeFileSync } from "node:fs";
import path from "node:path";

const [template, site] = process.argv.slice(2);
const files = readdirSync(site).filter((file) => file !== "sw.js").sort();
const digest = createHash("sha256");
for (const file of files) digest.update(`${file}\0`).update(readFileSync(path.join(site, file)));
const worker = readFileSync(template, "utf8")
  // Sixteen hex digits: no two builds a school keeps will meet.
  .replace("@VERSION@", digest.digest("hex").slice(0, 16))
  .replace("@FILES@", () => JSON.stringify(files));
writeFileSync(path.join(site, "sw.js"), worker);
