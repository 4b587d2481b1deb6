// Where a throttled frame's time goes on the renderer's main thread, the browser's own work
// included: a DevTools trace of the running animation in Debian's headless Chromium at 1366 × 768,
// its events' self times summed by name and given per frame. Says whether a frame recalculates
// style or lays the page out again, which the sampling profile (profile.mjs) cannot see.
// Usage: node trace.mjs page.html [throttle, default 6] [case: "square root" (default) or "linear"]
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launch, waitFor, frontCaption, control } from "./raw_page.mjs";

const [file, rateArgument, caseArgument] = process.argv.slice(2);
const rate = Number(rateArgument || 6);
const [option, caption] = caseArgument === "linear" ? ["V LINEAR WITH Y", "SORVEL"]
  : ["V AS SQUARE ROOT", "CASE OF SQUARE ROOT"];
const TRACE_MS = 5000;
const CATEGORIES = ["devtools.timeline", "disabled-by-default-devtools.timeline", "blink", "v8.execute"].join(",");

const browser = await launch();
try {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await page.goto(pathToFileURL(path.resolve(file)).href);
  await waitFor("the introduction", async () => (await frontCaption(page)) === "INTRODUCTION");
  await control(page, "INTRODUCTION", "radio", option).click();
  await waitFor(caption, async () => (await frontCaption(page)) === caption);
  await cdp.send("Emulation.setCPUThrottlingRate", { rate });
  await page.waitForTimeout(2000);  // a measurement's settling time, not a test's wait
  const events = [];
  cdp.on("Tracing.dataCollected", ({ value }) => events.push(...value));
  const complete = new Promise((resolve) => cdp.once("Tracing.tracingComplete", resolve));
  await cdp.send("Tracing.start", { traceConfig: { includedCategories: CATEGORIES.split(",") } });
  await page.waitForTimeout(TRACE_MS);
  await cdp.send("Tracing.end");
  await complete;
  report(events);
} finally {
  await browser.close();
}

function report(events) {
  const main = events.find((e) => e.ph === "M" && e.name === "thread_name" && e.args.name === "CrRendererMain");
  if (!main) throw new Error("no renderer main thread in the trace");
  // Complete events of the main thread, and begin/end pairs made complete, ordered for nesting.
  const spans = [];
  const open = [];
  for (const e of events) {
    if (e.pid !== main.pid || e.tid !== main.tid) continue;
    if (e.ph === "X" && e.dur !== undefined) spans.push({ name: e.name, start: e.ts, end: e.ts + e.dur });
    else if (e.ph === "B") open.push(e);
    else if (e.ph === "E") {
      const begin = open.pop();
      if (begin) spans.push({ name: begin.name, start: begin.ts, end: e.ts });
    }
  }
  spans.sort((a, b) => a.start - b.start || b.end - a.end);
  // Self time: a span's time less that of the spans nested in it.
  const self = new Map();
  const stack = [];
  const close = (span) => self.set(span.name, (self.get(span.name) || 0) + span.self);
  for (const span of spans) {
    while (stack.length && stack[stack.length - 1].end <= span.start) close(stack.pop());
    span.self = span.end - span.start;
    if (stack.length) stack[stack.length - 1].self -= span.end - span.start;
    stack.push(span);
  }
  while (stack.length) close(stack.pop());
  const first = Math.min(...spans.map((s) => s.start));
  const last = Math.max(...spans.map((s) => s.end));
  const wall = (last - first) / 1000;
  const frames = spans.filter((s) => s.name === "FireAnimationFrame").length;
  const busy = [...self.values()].reduce((a, b) => a + b, 0) / 1000;
  const count = (name) => spans.filter((s) => s.name === name).length;
  console.log(`\n${rate}× throttled ${caseArgument || "square root"} animation: ${wall.toFixed(0)} ms traced, ` +
    `${frames} animation frames, main thread busy ${((100 * busy) / wall).toFixed(1)} %, ` +
    `${(busy / Math.max(1, frames)).toFixed(2)} ms a frame`);
  console.log(`style recalculations ${count("UpdateLayoutTree")}, layouts ${count("Layout")}, ` +
    `paints ${count("Paint")}, in ${frames} frames`);
  console.log("self time by event, ms a frame (share of the busy time):");
  for (const [name, us] of [...self].sort((a, b) => b[1] - a[1]).slice(0, 18))
    console.log(`  ${(us / 1000 / Math.max(1, frames)).toFixed(3).padStart(7)}  ${((100 * us) / 1000 / busy).toFixed(1)
      .padStart(5)} %  ${name}`);
}
