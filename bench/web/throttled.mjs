// The browser edition on a slow machine: Debian's headless Chromium at 1366 × 768 with the
// DevTools protocol's CPU throttling standing in for a low-cost Chromebook. For each page given,
// the frames a second, the share of frames later than 20 ms and the median and 99th percentile
// of a frame's call into the program (the tick and the pixels put on the canvases) of both cases
// at 4×, 6× and 8× (the slowest school laptops), and the time from navigation to a visible
// INTRODUCTION at 1×, 4× and 6×, with where it goes. Pages given together are measured in turns, so that they share the
// machine's state. Each figure is the median of RUNS runs, with their range.
// Usage: node throttled.mjs [label=]page.html ...   (SORVEL_BENCH_RUNS, default 3;
// SORVEL_BENCH_ONLY=frames or startup measures that part alone)
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launch, waitFor, frontCaption, control } from "./raw_page.mjs";

const RUNS = Number(process.env.SORVEL_BENCH_RUNS || 3);
const ONLY = process.env.SORVEL_BENCH_ONLY || "";
const SETTLE_MS = 2000;   // after the case opened, as a user would look at it
const MEASURE_MS = 8000;  // frames counted over this long
const LATE_MS = 20;       // a frame later than this shows a stutter at 60 Hz
const VIEWPORT = { width: 1366, height: 768 };
const CASES = [["linear", "V LINEAR WITH Y", "SORVEL"], ["square root", "V AS SQUARE ROOT", "CASE OF SQUARE ROOT"]];

const pages = process.argv.slice(2).map((arg) => {
  const [label, file] = arg.includes("=") ? arg.split("=") : [path.basename(arg), arg];
  return { label, url: pathToFileURL(path.resolve(file)).href };
});
if (pages.length === 0) throw new Error("usage: node throttled.mjs [label=]page.html ...");

const sorted = (values) => [...values].sort((a, b) => a - b);
const quantile = (values, q) => sorted(values)[Math.min(values.length - 1, Math.floor(values.length * q))];
const median = (values) => quantile(values, 0.5);

// A tab in a context of its own, throttled before it navigates, so that start-up is throttled
// too. load() navigates to the page and returns when INTRODUCTION shows, measured from the start
// of the navigation, and the marks of the steps before.
async function throttledTab(browser, page, rate) {
  const context = await browser.newContext({ viewport: VIEWPORT });
  const tab = await context.newPage();
  await tab.addInitScript(() => {
    // The steps: the page script run, the loader script run, the program's glue run and its
    // WebAssembly decoded, inflated, compiled and instantiated (the runtime ready to run main),
    // and main until INTRODUCTION shows.
    window.startupMarks = {};
    const mark = (name) => { window.startupMarks[name] = performance.now(); };
    let page, module;
    Object.defineProperty(window, "SorvelPage", { configurable: true, get: () => page,
      set: (value) => { mark("page script"); page = value; } });
    Object.defineProperty(window, "Module", { configurable: true, get: () => module,
      set: (value) => {
        if (!module) {
          mark("loader");
          value.onRuntimeInitialized = () => mark("runtime");
        }
        module = value;
      } });
    new MutationObserver((_, observer) => {
      const intro = document.querySelector('section.window[aria-label="INTRODUCTION"]:not([hidden])');
      if (intro && intro.querySelector("canvas")) {
        mark("shown");
        observer.disconnect();
      }
    }).observe(document, { subtree: true, childList: true, attributes: true });
  });
  const cdp = await context.newCDPSession(tab);
  await cdp.send("Emulation.setCPUThrottlingRate", { rate });
  const load = async () => {
    await tab.goto(page.url);
    return waitFor("the introduction", () => tab.evaluate(() => window.startupMarks.shown && window.startupMarks), 60);
  };
  return { context, tab, load };
}

// Frames of the open case: the display's frame times, and how long each call into the program took.
function measureFrames(tab) {
  return tab.evaluate(({ settle, measure }) => new Promise((resolve) => {
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
  }), { settle: SETTLE_MS, measure: MEASURE_MS });
}

async function caseRun(browser, page, rate, option, caption) {
  const { context, tab, load } = await throttledTab(browser, page, rate);
  try {
    await load();
    await control(tab, "INTRODUCTION", "radio", option).click();
    await waitFor(caption, async () => (await frontCaption(tab)) === caption, 60);
    const { frames, ticks } = await measureFrames(tab);
    const gaps = frames.slice(1).map((t, i) => t - frames[i]);
    return {
      fps: (frames.length - 1) / ((frames[frames.length - 1] - frames[0]) / 1000),
      late: (100 * gaps.filter((g) => g > LATE_MS).length) / gaps.length,
      tickMedian: median(ticks),
      tickP99: quantile(ticks, 0.99),
    };
  } finally {
    await context.close();
  }
}

const format = (values, digits, unit = "") =>
  `${median(values).toFixed(digits)}${unit} (${Math.min(...values).toFixed(digits)}–${Math.max(...values).toFixed(digits)})`;

const browser = await launch();
try {
  const results = new Map(pages.map((p) => [p.label, { cases: {}, startup: {}, steps: {} }]));
  for (let run = 0; run < (ONLY === "startup" ? 0 : RUNS); ++run)
    for (const rate of [4, 6, 8])
      for (const [name, option, caption] of CASES)
        for (const page of pages) {
          const r = await caseRun(browser, page, rate, option, caption);
          const key = `${rate}× ${name}`;
          const all = (results.get(page.label).cases[key] ||= []);
          all.push(r);
        }
  // Start-up: opened in a new tab (a new renderer: the locale and the caches are cold), and
  // loaded again in a tab that showed it before, as a reload does.
  if (ONLY !== "frames") {
    const tabs = [];
    for (const rate of [1, 4, 6])
      for (const page of pages) {
        const tab = await throttledTab(browser, page, rate);
        await tab.load();
        tabs.push({ rate, page, ...tab });
      }
    const record = (page, kind, rate, marks) => {
      const result = results.get(page.label);
      ((result.startup[kind] ||= {})[rate] ||= []).push(marks.shown);
      // Each step's time: from the mark before it (the navigation for the first).
      const steps = [["page script", marks["page script"]], ["loader", marks.loader],
        ["WebAssembly", marks.runtime], ["main", marks.shown]];
      steps.forEach(([step, at], i) => {
        const spent = at - (i === 0 ? 0 : steps[i - 1][1]);
        (((result.steps[kind] ||= {})[rate] ||= {})[step] ||= []).push(spent);
      });
    };
    for (let run = 0; run < 5 * RUNS; ++run)
      for (const { rate, page, load } of tabs) {
        record(page, "again", rate, await load());
        const fresh = await throttledTab(browser, page, rate);
        record(page, "new tab", rate, await fresh.load());
        await fresh.context.close();
      }
    for (const { context } of tabs) await context.close();
  }

  if (ONLY !== "startup") printFrames(results);
  if (ONLY !== "frames") printStartup(results);
} finally {
  await browser.close();
}

function printFrames(results) {
  console.log(`\nChromium at ${VIEWPORT.width} × ${VIEWPORT.height}, CPU throttled; median of ${RUNS} runs of ` +
    `${MEASURE_MS / 1000} s (range)`);
  console.log(`${"page".padEnd(10)} ${"case".padEnd(16)} ${"frames/s".padEnd(20)} ${"late > 20 ms".padEnd(20)} ` +
    `${"tick median (ms)".padEnd(22)} tick p99 (ms)`);
  for (const [label, { cases }] of results)
    for (const [key, runs] of Object.entries(cases))
      console.log(`${label.padEnd(10)} ${key.padEnd(16)} ${format(runs.map((r) => r.fps), 1).padEnd(20)} ` +
        `${format(runs.map((r) => r.late), 1, " %").padEnd(20)} ${format(runs.map((r) => r.tickMedian), 2).padEnd(22)} ` +
        `${format(runs.map((r) => r.tickP99), 2)}`);
}

function printStartup(results) {
  for (const kind of ["new tab", "again"]) {
    console.log(`\nnavigation to a visible INTRODUCTION (${kind === "again" ? "loaded again" : "in a new tab"}), ` +
      `median of ${5 * RUNS} (range), ms`);
    console.log(`${"page".padEnd(10)} ${"1×".padEnd(20)} ${"4×".padEnd(20)} 6×`);
    for (const [label, { startup }] of results)
      console.log(`${label.padEnd(10)} ${[1, 4, 6].map((rate) => format(startup[kind][rate], 0).padEnd(20)).join(" ")}`);
    console.log("where it goes, median ms: navigation to the page script's end, the loader script, the program's " +
      "glue and its WebAssembly (decoded, compiled, instantiated), main until INTRODUCTION shows");
    for (const [label, { steps }] of results)
      for (const rate of [1, 4, 6])
        console.log(`${label.padEnd(10)} ${`${rate}×`.padEnd(4)} ` +
          Object.entries(steps[kind][rate]).map(([step, ms]) => `${step} ${median(ms).toFixed(0)}`).join(", "));
  }
}
