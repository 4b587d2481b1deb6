// The browser edition on a slow machine: Debian's headless Chromium at 1366 × 768 with the
// DevTools protocol's CPU throttling standing in for a low-cost Chromebook. For each page given,
// the frames a second, the share of frames later than 20 ms and the median and 99th percentile
// of a frame's call into the program (the tick and the pixels put on the canvases) of both cases
// at 4×, 6× and 8× (the slowest school laptops), and the time from navigation to a visible
// INTRODUCTION at 1×, 4× and 6×, with where it goes, beside a plain page of two buttons (what
// any page costs the browser to open and show) and the ratio of each page to it. Pages given
// together are measured in turns, so that they share the machine's state. Each figure is the
// median of RUNS runs, with their range.
// Usage: node throttled.mjs [label=]page.html ...   (SORVEL_BENCH_RUNS, default 3;
// SORVEL_BENCH_ONLY=frames or startup measures that part alone)
import { mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { CASES, MEASURE_MS, SETTLE_MS, VIEWPORT, format, measureFrames, median, summary } from "./frames.mjs";
import { launch, waitFor, frontCaption, control } from "./raw_page.mjs";

const RUNS = Number(process.env.SORVEL_BENCH_RUNS || 3);
const ONLY = process.env.SORVEL_BENCH_ONLY || "";

const pages = process.argv.slice(2).map((arg) => {
  const [label, file] = arg.includes("=") ? arg.split("=") : [path.basename(arg), arg];
  return { label, url: pathToFileURL(path.resolve(file)).href };
});
if (pages.length === 0) throw new Error("usage: node throttled.mjs [label=]page.html ...");

// The plain page: two buttons in a window captioned INTRODUCTION, with an empty picture so that
// the same observer sees it shown. Its time is the floor of any page's start-up on this machine.
const PLAIN = "plain";
function plainPage() {
  const file = path.join(mkdtempSync(path.join(tmpdir(), "sorvel-plain-")), "plain.html");
  writeFileSync(file, `<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>INTRODUCTION</title></head>
<body><section class="window" aria-label="INTRODUCTION"><canvas width="1" height="1"></canvas>
<button type="button">CONTINUE</button> <button type="button">END</button></section></body></html>
`);
  return { label: PLAIN, url: pathToFileURL(file).href };
}

// The moments of start-up, in ms from the start of the navigation: the page script run, the
// loader script run, the WebAssembly's text decoded, its bytes inflated, compiled (and, where
// the page asks for both in one call, instantiated), the face ready, the runtime ready to run
// main, INTRODUCTION in the page, and the end of the first frame that shows it. Steps overlap
// (the face loads while the WebAssembly is decoded and compiled), so moments, not durations.
const MARKS = ["page script", "loader", "decoded", "inflated", "compiled", "face", "runtime", "shown", "painted"];

// A tab in a context of its own, throttled before it navigates, so that start-up is throttled
// too. load() navigates to the page and returns when INTRODUCTION shows, measured from the start
// of the navigation, and the marks of the steps before.
async function throttledTab(browser, page, rate) {
  const context = await browser.newContext({ viewport: VIEWPORT });
  const tab = await context.newPage();
  await tab.addInitScript(() => {
    window.startupMarks = {};
    const mark = (name) => { if (!(name in window.startupMarks)) window.startupMarks[name] = performance.now(); };
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
    // The browser's calls that the loader makes on the way, watched where they return or settle,
    // whichever way the page strings them together.
    const after = (owner, name, label, settles) => {
      const original = owner[name];
      if (typeof original !== "function") return;
      owner[name] = function (...args) {
        const result = original.apply(this, args);
        if (settles) Promise.resolve(result).then(() => mark(label), () => {});
        else mark(label);
        return result;
      };
    };
    after(Uint8Array, "fromBase64", "decoded", false);
    after(window, "atob", "decoded", false);
    after(Response.prototype, "arrayBuffer", "inflated", true);
    for (const name of ["compile", "instantiate", "compileStreaming", "instantiateStreaming"])
      after(WebAssembly, name, "compiled", true);
    // The face: the last of the page's loads of it to settle.
    const load = FontFaceSet.prototype.load;
    FontFaceSet.prototype.load = function (...args) {
      const result = load.apply(this, args);
      result.then(() => { window.startupMarks.face = performance.now(); }, () => {});
      return result;
    };
    new MutationObserver((_, observer) => {
      const intro = document.querySelector('section.window[aria-label="INTRODUCTION"]:not([hidden])');
      if (intro && intro.querySelector("canvas")) {
        mark("shown");
        observer.disconnect();
        // The frame that shows it: its callbacks run, then its style, layout and paint, then
        // the message posted from it.
        requestAnimationFrame(() => {
          const channel = new MessageChannel();
          channel.port1.onmessage = () => mark("painted");
          channel.port2.postMessage(0);
        });
      }
    }).observe(document, { subtree: true, childList: true, attributes: true });
  });
  const cdp = await context.newCDPSession(tab);
  const load = async () => {
    await cdp.send("Emulation.setCPUThrottlingRate", { rate });
    await cdp.send("Page.setWebLifecycleState", { state: "active" });
    await tab.goto(page.url);
    return waitFor("the introduction", () => tab.evaluate(() => window.startupMarks.painted && window.startupMarks), 60);
  };
  // A tab kept for loading again is frozen between its loads, and not throttled: a shown program
  // keeps drawing frames, and the throttling keeps a thread of its renderer busy, both of which
  // would take the machine from the page being measured.
  const rest = async () => {
    await cdp.send("Page.setWebLifecycleState", { state: "frozen" });
    await cdp.send("Emulation.setCPUThrottlingRate", { rate: 1 });
  };
  return { context, tab, load, rest };
}

async function caseRun(browser, page, rate, option, caption) {
  const { context, tab, load } = await throttledTab(browser, page, rate);
  try {
    await load();
    await control(tab, "INTRODUCTION", "radio", option).click();
    await waitFor(caption, async () => (await frontCaption(tab)) === caption, 60);
    return summary(await tab.evaluate(measureFrames, { settle: SETTLE_MS, measure: MEASURE_MS }));
  } finally {
    await context.close();
  }
}

const browser = await launch();
try {
  const results = new Map(pages.map((p) => [p.label, { cases: {}, steps: {} }]));
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
  // loaded again in a tab that showed it before, as a reload does. The plain page takes its turn
  // among the others.
  if (ONLY !== "frames") {
    const startupPages = [...pages, plainPage()];
    results.set(PLAIN, { cases: {}, steps: {} });
    const tabs = [];
    for (const rate of [1, 4, 6])
      for (const page of startupPages) {
        const tab = await throttledTab(browser, page, rate);
        await tab.load();
        await tab.rest();
        tabs.push({ rate, page, ...tab });
      }
    const record = (page, kind, rate, marks) => {
      const result = results.get(page.label);
      for (const [name, at] of Object.entries(marks))
        (((result.steps[kind] ||= {})[rate] ||= {})[name] ||= []).push(at);
    };
    for (let run = 0; run < 5 * RUNS; ++run)
      for (const { rate, page, load, rest } of tabs) {
        record(page, "again", rate, await load());
        await rest();
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
    `${"tick median (ms)".padEnd(22)} ${"tick p99 (ms)".padEnd(22)} pixels put, mean (ms)`);
  for (const [label, { cases }] of results)
    for (const [key, runs] of Object.entries(cases))
      console.log(`${label.padEnd(10)} ${key.padEnd(16)} ${format(runs.map((r) => r.fps), 1).padEnd(20)} ` +
        `${format(runs.map((r) => r.late), 1, " %").padEnd(20)} ${format(runs.map((r) => r.tickMedian), 2).padEnd(22)} ` +
        `${format(runs.map((r) => r.tickP99), 2).padEnd(22)} ${format(runs.map((r) => r.putMean), 2)}`);
}

function printStartup(results) {
  const rates = [1, 4, 6];
  const plain = results.get(PLAIN).steps;
  for (const kind of ["new tab", "again"]) {
    const how = kind === "again" ? "loaded again" : "in a new tab";
    for (const [mark, what] of [["shown", "in the page"], ["painted", "drawn (the end of its first frame)"]]) {
      console.log(`\nnavigation to INTRODUCTION ${what}, ${how}, median of ${5 * RUNS} (range), ms; ` +
        `ratio to the plain page's median`);
      console.log(`${"page".padEnd(12)} ${rates.map((rate) => `${rate}×`.padEnd(28)).join(" ")}`);
      for (const [label, { steps }] of results)
        console.log(`${label.padEnd(12)} ${rates.map((rate) => {
          const ms = steps[kind][rate][mark];
          const ratio = label === PLAIN ? "" : ` ×${(median(ms) / median(plain[kind][rate][mark])).toFixed(2)}`;
          return `${format(ms, 0)}${ratio}`.padEnd(28);
        }).join(" ")}`);
    }
    console.log(`where it goes, ${how}: median ms from the navigation to ${MARKS.join(", ")}`);
    for (const [label, { steps }] of results)
      for (const rate of rates)
        console.log(`${label.padEnd(12)} ${`${rate}×`.padEnd(4)} ` + MARKS.filter((name) => steps[kind][rate][name])
          .map((name) => `${name} ${median(steps[kind][rate][name]).toFixed(0)}`).join(", "));
  }
}
