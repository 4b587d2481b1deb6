// Where a throttled start-up's time goes, the browser's own work included: a DevTools trace from
// the navigation to the first frame that shows INTRODUCTION, in a new tab of Debian's headless
// Chromium at 1366 × 768. Prints the renderer main thread's tasks in order with what each spent
// its time on (parsing the page, compiling and running each script, decoding the face, the
// program's main, style, layout and paint), its self times summed by event, and the time of the
// renderer's other threads (the WebAssembly's compilers, the inflation), which the throttling
// does not slow.
// Usage: node startup_trace.mjs page.html [throttle, default 4]
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launch, waitFor } from "./raw_page.mjs";

const [file, rateArgument] = process.argv.slice(2);
const rate = Number(rateArgument || 4);
const CATEGORIES = (process.env.SORVEL_TRACE_CATEGORIES || ["devtools.timeline", "blink", "blink.user_timing",
  "loading", "v8", "v8.execute", "v8.wasm", "toplevel", "fonts"].join(",")).split(",");

const browser = await launch();
try {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const tab = await context.newPage();
  await tab.addInitScript(() => {
    let page;
    Object.defineProperty(window, "SorvelPage", { configurable: true, get: () => page,
      set: (value) => { performance.mark("page script"); page = value; } });
    new MutationObserver((_, observer) => {
      const intro = document.querySelector('section.window[aria-label="INTRODUCTION"]:not([hidden])');
      if (intro && intro.querySelector("canvas")) {
        performance.mark("shown");
        observer.disconnect();
        requestAnimationFrame(() => {
          const channel = new MessageChannel();
          channel.port1.onmessage = () => { performance.mark("painted"); window.startupPainted = true; };
          channel.port2.postMessage(0);
        });
      }
    }).observe(document, { subtree: true, childList: true, attributes: true });
  });
  const cdp = await context.newCDPSession(tab);
  await cdp.send("Emulation.setCPUThrottlingRate", { rate });
  const events = [];
  cdp.on("Tracing.dataCollected", ({ value }) => events.push(...value));
  const complete = new Promise((resolve) => cdp.once("Tracing.tracingComplete", resolve));
  await cdp.send("Tracing.start", { traceConfig: { includedCategories: CATEGORIES } });
  await tab.goto(pathToFileURL(path.resolve(file)).href);
  await waitFor("the introduction drawn", () => tab.evaluate(() => window.startupPainted === true), 60);
  await cdp.send("Tracing.end");
  await complete;
  report(events);
} finally {
  await browser.close();
}

// Complete spans of one thread, nested, with their self times.
function spansOf(events, pid, tid) {
  const spans = [];
  const open = [];
  for (const e of events) {
    if (e.pid !== pid || e.tid !== tid) continue;
    if (e.ph === "X" && e.dur !== undefined) spans.push({ e, name: e.name, start: e.ts, end: e.ts + e.dur });
    else if (e.ph === "B") open.push(e);
    else if (e.ph === "E") {
      const begin = open.pop();
      if (begin) spans.push({ e: begin, name: begin.name, start: begin.ts, end: e.ts });
    }
  }
  spans.sort((a, b) => a.start - b.start || b.end - a.end);
  const stack = [];
  for (const span of spans) {
    while (stack.length && stack[stack.length - 1].end <= span.start) stack.pop();
    span.self = span.end - span.start;
    span.parent = stack[stack.length - 1];
    span.children = [];
    if (span.parent) {
      span.parent.self -= span.end - span.start;
      span.parent.children.push(span);
    }
    stack.push(span);
  }
  return spans;
}

// A span's name with what tells it apart: the script's line, the source's line of a compile.
function label(span) {
  const data = span.e.args && (span.e.args.data || span.e.args);
  const line = data && (data.lineNumber ?? data.startLine);
  return line !== undefined && line !== null ? `${span.name}@${line}` : span.name;
}

function report(events) {
  const main = events.find((e) => e.ph === "M" && e.name === "thread_name" && e.args.name === "CrRendererMain"
    && events.some((x) => x.pid === e.pid && x.name === "ParseHTML"));
  if (!main) throw new Error("no renderer main thread that parsed the page in the trace");
  const at = (name) => events.find((e) => e.pid === main.pid && e.name === name);
  const origin = (at("navigationStart") || at("ParseHTML")).ts;
  const end = at("painted") ? at("painted").ts : Infinity;
  const ms = (us) => (us / 1000).toFixed(1);
  const spans = spansOf(events, main.pid, main.tid).filter((s) => s.end >= origin && s.start <= end);

  console.log(`\n${rate}× throttled start-up in a new tab; ms from the navigation`);
  for (const name of ["ParseHTML", "page script", "shown", "painted"]) {
    const e = at(name);
    if (e) console.log(`  ${name} at ${ms(e.ts - origin)}`);
  }
  // Each top-level task of 2 ms or more, with its five largest self times below it.
  console.log("\nthe main thread's tasks of 2 ms or more: start, length, and the largest self times inside");
  for (const task of spans.filter((s) => !s.parent && s.end - s.start >= 2000)) {
    const inside = new Map();
    const walk = (span) => {
      inside.set(label(span), (inside.get(label(span)) || 0) + span.self);
      span.children.forEach(walk);
    };
    walk(task);
    const top = [...inside].sort((a, b) => b[1] - a[1]).slice(0, 5).filter(([, us]) => us >= 500)
      .map(([name, us]) => `${name} ${ms(us)}`).join(", ");
    console.log(`  ${ms(task.start - origin).padStart(7)} ${ms(task.end - task.start).padStart(7)}  ${top}`);
  }
  const self = new Map();
  for (const span of spans) self.set(label(span), (self.get(label(span)) || 0) + span.self);
  console.log("\nthe main thread's self time by event, ms:");
  for (const [name, us] of [...self].sort((a, b) => b[1] - a[1]).slice(0, 25))
    console.log(`  ${ms(us).padStart(7)}  ${name}`);
  // The renderer's other threads: what they did before the end.
  console.log("\nthe renderer's other threads, ms busy (their largest self times):");
  const threads = events.filter((e) => e.ph === "M" && e.name === "thread_name" && e.pid === main.pid && e.tid !== main.tid);
  for (const thread of threads) {
    const busy = spansOf(events, main.pid, thread.tid).filter((s) => s.start <= end && s.end >= origin);
    if (busy.length === 0) continue;
    const totals = new Map();
    for (const span of busy) totals.set(span.name, (totals.get(span.name) || 0) + span.self);
    const sum = [...totals.values()].reduce((a, b) => a + b, 0);
    if (sum < 1000) continue;
    console.log(`  ${thread.args.name}: ${ms(sum)} (${[...totals].sort((a, b) => b[1] - a[1]).slice(0, 4)
      .map(([name, us]) => `${name} ${ms(us)}`).join(", ")})`);
  }
}
