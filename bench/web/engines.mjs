// The page at full speed in each engine schools have, Debian's Chromium, Firefox ESR and WebKitGTK,
// driven as the browser tests drive them: for each case, the frames a second, the share of frames
// later than 20 ms, and the median, mean and 99th percentile of a frame's call into the program.
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

const RUNS = Number(process.env.SORVEL_BENCH_RUNS || 3);
const ENGINES = (process.env.SORVEL_BENCH_ENGINES || "chromium firefox webkit").split(/\s+/).filter(Boolean);
// The same frame as the throttled rows, so that the engines' rows and Chromium's compare.
const SETTLE_MS = 2000;
const MEASURE_MS = 8000;
const LATE_MS = 20;
const VIEWPORT = { width: 1366, height: 768 };
const CASES = [["linear", "V LINEAR WITH Y", "SORVEL"], ["square root", "V AS SQUARE ROOT", "CASE OF SQUARE ROOT"]];

const pages = process.argv.slice(2).map((arg) => {
  const [label, file] = arg.includes("=") ? arg.split("=") : [path.basename(arg), arg];
  return { label, url: pathToFileURL(path.resolve(file)).href };
});
if (pages.length === 0) throw new Error("usage: node engines.mjs [label=]page.html ...");

const sorted = (values) => [...values].sort((a, b) => a - b);
const quantile = (values, q) => sorted(values)[Math.min(values.length - 1, Math.floor(values.length * q))];
const median = (values) => quantile(values, 0.5);
const format = (values, digits, unit = "") =>
  `${median(values).toFixed(digits)}${unit} (${Math.min(...values).toFixed(digits)}–${Math.max(...values).toFixed(digits)})`;

// The display's frame times over MEASURE_MS, and how long each call into the program took.
const measureFrames = ({ settle, measure }) => new Promise((resolve) => {
  const frames = [];
  const ticks = [];
  const frame = Module._web_frame;
  let counting = false;
  Module._web_frame = (now) => {
    const start = performance.now();
    frame(now);
    if (counting) ticks.push(performance.now() - start);
  };
  setTimeout(() => {
    counting = true;
    const end = performance.now() + measure;
    const next = (now) => {
      frames.push(now);
      if (now < end) requestAnimationFrame(next);
      else {
        Module._web_frame = frame;
        resolve({ frames, ticks });
      }
    };
    requestAnimationFrame(next);
  }, settle);
});

async function caseRun(browser, url, option, caption) {
  const program = await openProgram(browser, { ...VIEWPORT, url });
  try {
    await control(program, "INTRODUCTION", "radio", option).click();
    await waitFor(caption, async () => (await frontCaption(program)) === caption, 60);
    const { frames, ticks } = await program.evaluate(measureFrames.toString(),
      { settle: SETTLE_MS, measure: MEASURE_MS });
    const gaps = frames.slice(1).map((t, i) => t - frames[i]);
    return {
      fps: (frames.length - 1) / ((frames[frames.length - 1] - frames[0]) / 1000),
      late: (100 * gaps.filter((g) => g > LATE_MS).length) / gaps.length,
      tickMedian: median(ticks),
      tickP99: quantile(ticks, 0.99),
      tickMean: ticks.reduce((a, b) => a + b, 0) / ticks.length,
    };
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
  `${"tick median (ms)".padEnd(22)} ${"tick mean (ms)".padEnd(22)} tick p99 (ms)`);
for (const [key, runs] of results) {
  const [label, engine, name] = key.split("\t");
  console.log(`${label.padEnd(10)} ${engine.padEnd(10)} ${name.padEnd(12)} ${format(runs.map((r) => r.fps), 1).padEnd(20)} ` +
    `${format(runs.map((r) => r.late), 1, " %").padEnd(20)} ${format(runs.map((r) => r.tickMedian), 2).padEnd(22)} ` +
    `${format(runs.map((r) => r.tickMean), 2).padEnd(22)} ${format(runs.map((r) => r.tickP99), 2)}`);
}
