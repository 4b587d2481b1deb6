// Where a throttled square-root frame's time goes: the DevTools protocol's sampling profiler over
// the page's main thread, in Debian's headless Chromium at 1366 × 768, for 6 s of the running
// animation. Prints the functions by self time, and the share of the frame loop's calls. Build
// the page with function names in its WebAssembly (emscripten's --profiling-funcs) to see them.
// Usage: node profile.mjs page.html [throttle, default 4]
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launch, waitFor, frontCaption, control } from "./raw_page.mjs";

const [file, rateArgument] = process.argv.slice(2);
const rate = Number(rateArgument || 4);
const browser = await launch();
try {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await page.goto(pathToFileURL(path.resolve(file)).href);
  await waitFor("the introduction", async () => (await frontCaption(page)) === "INTRODUCTION");
  await control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT").click();
  await waitFor("the square-root case", async () => (await frontCaption(page)) === "CASE OF SQUARE ROOT");
  await cdp.send("Emulation.setCPUThrottlingRate", { rate });
  await page.waitForTimeout(2000);  // a measurement's settling time, not a test's wait
  await cdp.send("Profiler.enable");
  await cdp.send("Profiler.setSamplingInterval", { interval: 100 });
  await cdp.send("Profiler.start");
  await page.waitForTimeout(6000);
  const { profile } = await cdp.send("Profiler.stop");

  // Self time by function, from the samples and the time between them.
  const nodes = new Map(profile.nodes.map((node) => [node.id, node]));
  const parents = new Map();
  for (const node of profile.nodes) for (const child of node.children || []) parents.set(child, node.id);
  const self = new Map();
  const within = new Map();  // time under each named frame, counted once a sample
  let total = 0;
  profile.samples.forEach((id, i) => {
    const dt = (profile.timeDeltas[i + 1] ?? 0) / 1000;
    total += dt;
    const name = (node) => node.callFrame.functionName || `(anonymous ${node.callFrame.url.split("/").pop()})`;
    const leaf = nodes.get(id);
    self.set(name(leaf), (self.get(name(leaf)) || 0) + dt);
    const seen = new Set();
    for (let at = id; at !== undefined; at = parents.get(at)) {
      const n = name(nodes.get(at));
      if (!seen.has(n)) within.set(n, (within.get(n) || 0) + dt);
      seen.add(n);
    }
  });
  const busy = total - (self.get("(idle)") || 0);
  console.log(`\n${rate}× throttled square-root animation, ${(total / 1000).toFixed(1)} s sampled, main thread busy ` +
    `${((100 * busy) / total).toFixed(1)} %`);
  console.log("self time (share of the busy time):");
  for (const [name, ms] of [...self].filter(([n]) => n !== "(idle)").sort((a, b) => b[1] - a[1]).slice(0, 25))
    console.log(`  ${((100 * ms) / busy).toFixed(1).padStart(5)} %  ${name}`);
  console.log("time within (share of the busy time):");
  for (const name of ["frame", "web_frame", "pixels", "putImageData", "(program)", "(garbage collector)"])
    if (within.has(name)) console.log(`  ${((100 * within.get(name)) / busy).toFixed(1).padStart(5)} %  ${name}`);
} finally {
  await browser.close();
}
