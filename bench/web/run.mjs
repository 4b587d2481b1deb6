// The browser rows of scripts/bench, in Debian's headless Chromium: the WebAssembly ticks beside
// the native ones of the same run, and a whole frame of the real page (tick and showing the
// pixels); throttled.mjs measures the start-up.
// Usage: node run.mjs <web_tick_bench.js> <native results.json> <sorvel.html>
import { readFileSync, writeFileSync, mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launch, waitFor, frontCaption, control } from "./raw_page.mjs";

const [benchJs, nativeJson, page] = process.argv.slice(2);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const native = {};
for (const b of JSON.parse(readFileSync(nativeJson, "utf8")).benchmarks)
  if (b.aggregate_name === "median") native[b.run_name.replace(/ raster$/, "")] = b.real_time;

const browser = await launch();
try {
  // The ticks, compiled to WebAssembly, in a page of their own.
  const dir = mkdtempSync(path.join(tmpdir(), "sorvel-bench-"));
  const html = path.join(dir, "bench.html");
  writeFileSync(html, `<!DOCTYPE html><meta charset="utf-8"><script>${readFileSync(benchJs, "utf8")}</script>`);
  const benchPage = await browser.newPage();
  const rows = [];
  benchPage.on("console", (message) => {
    try { rows.push(JSON.parse(message.text())); } catch { /* not a row */ }
  });
  await benchPage.goto(pathToFileURL(html).href);
  await waitFor("the browser ticks", () => rows.some((r) => r.done), 600);
  console.log(`\n${"tick (768 px, raster)".padEnd(26)} ${"native (ms)".padStart(12)} ${"wasm (ms)".padStart(10)} ${"wasm/native".padStart(12)}`);
  for (const { row, ms } of rows.filter((r) => r.row)) {
    const n = native[row];
    console.log(`${row.padEnd(26)} ${(n ?? NaN).toFixed(3).padStart(12)} ${ms.toFixed(3).padStart(10)} ${(ms / n).toFixed(2).padStart(12)}`);
  }

  // A whole frame of the real page at 768 px: the timer's tick and the pixels put on the canvas.
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  const real = await context.newPage();
  for (const [option, caption] of [["V LINEAR WITH Y", "SORVEL"], ["V AS SQUARE ROOT", "CASE OF SQUARE ROOT"]]) {
    await real.goto(pathToFileURL(page).href);
    await waitFor("the introduction", async () => (await frontCaption(real)) === "INTRODUCTION");
    await control(real, "INTRODUCTION", "radio", option).click();
    await waitFor(caption, async () => (await frontCaption(real)) === caption);
    const frames = await real.evaluate(() => new Promise((resolve) => {
      const times = [];
      const frame = Module._web_frame;
      Module._web_frame = (now) => {
        const start = performance.now();
        frame(now);
        times.push(performance.now() - start);
        if (times.length === 300) {
          Module._web_frame = frame;
          resolve(times);
        }
      };
    }));
    const settled = frames.slice(60);
    console.log(`${caption}: a whole frame at 768 px, median ${median(settled).toFixed(2)} ms, 90th percentile ` +
      `${[...settled].sort((a, b) => a - b)[Math.floor(settled.length * 0.9)].toFixed(2)} ms`);
  }
} finally {
  await browser.close();
}
