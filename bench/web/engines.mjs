// The page at full speed in each engine schools have, Debian's Chromium, Firefox ESR and WebKitGTK,
// driven as the browser tests drive them: for each case, the frames a second, the share of frames
// later than 20 ms, the median, mean and 99th percentile of a frame's call into the program, and
// the mean of the part of it the engine spends putting the changed pixels on the canvases.
// Firefox and WebKit give the page's clock in whole milliseconds, so there the mean of many frames
// is the figure to read; the median and p99 are whole milliseconds. The
// engines take turns within each run, so that they share the machine's state. Each figure is the
// median of RUNS runs, with their range. Pages given together take turns too.
// Usage: node engines.mjs [label=]page.html ...   (SORVEL_BENCH_RUNS, default 3; SORVEL_BENCH_ENGINES, default
// "chromium firefox webkit")
import path from "node:path";
import { pathToFileURL } from "node:url";
import { LAUNCHERS } from "../../tests/web/engines.mjs";
import { openProgram, control, frontCaption, waitFor } from "../../tests/web/support.mjs";
import { CASES, MEASURE_MS, SETTLE_MS, VIEWPORT, format, measureFrames, summary } from "./frames.mjs";

const RUNS = Number(process.env.SORVEL_BENCH_RUNS || 3);
const ENGINES = (process.env.SORVEL_BENCH_ENGINES || "chromium firefox webkit").split(/\s+/).filter(Boolean);

const pages = process.argv.slice(2).map((arg) => {
  const [label, file] = arg.includes("=") ? arg.split("=") : [path.basename(arg), arg];
  return { label, url: pathToFileURL(path.resolve(file)).href };
});
if (pages.length === 0) throw new Error("usage: node engines.mjs [label=]page.html ...");

async function caseRun(browser, url, option, caption) {
  const program = await openProgram(browser, { ...VIEWPORT, url });
  try {
    await control(program, "INTRODUCTION", "radio", option).click();
    await waitFor(caption, async () => (await frontCaption(program)) === caption, 60);
    return summary(await program.evaluate(measureFrames.toString(), { settle: SETTLE_MS, measure: MEASURE_MS }));
  } finally {
    await program.close();
  }
}

const results = new Map();
const browsers = new Map();
try {
  for (const engine of ENGINES) browsers.set(engine, await LAUNCHERS[engine]({ scale: 1, touch: false }));
  for (let run = 0; run < RUNS; ++run)
    for (const [name, option, caption] of CASES)
      for (const engine of ENGINES)
        for (const page of pages) {
          const key = `${page.label}\t${engine}\t${name}`;
          if (!results.has(key)) results.set(key, []);
          results.get(key).push(await caseRun(browsers.get(engine), page.url, option, caption));
        }
} finally {
  for (const browser of browsers.values()) await browser.close();
}

console.log(`\nevery engine at ${VIEWPORT.width} × ${VIEWPORT.height}, full speed; median of ${RUNS} runs of ` +
  `${MEASURE_MS / 1000} s (range)`);
console.log(`${"page".padEnd(10)} ${"engine".padEnd(10)} ${"case".padEnd(12)} ${"frames/s".padEnd(20)} ${"late > 20 ms".padEnd(20)} ` +
  `${"tick median (ms)".padEnd(22)} ${"tick mean (ms)".padEnd(22)} ${"tick p99 (ms)".padEnd(22)} pixels put, mean (ms)`);
for (const [key, runs] of results) {
  const [label, engine, name] = key.split("\t");
  console.log(`${label.padEnd(10)} ${engine.padEnd(10)} ${name.padEnd(12)} ${format(runs.map((r) => r.fps), 1).padEnd(20)} ` +
    `${format(runs.map((r) => r.late), 1, " %").padEnd(20)} ${format(runs.map((r) => r.tickMedian), 2).padEnd(22)} ` +
    `${format(runs.map((r) => r.tickMean), 2).padEnd(22)} ${format(runs.map((r) => r.tickP99), 2).padEnd(22)} ` +
    `${format(runs.map((r) => r.putMean), 2)}`);
}
