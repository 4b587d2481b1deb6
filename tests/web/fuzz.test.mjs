// Random clicks, keys, typing and viewport sizes under a fixed seed, for two minutes
// (SORVEL_FUZZ_SECONDS sets how long, SORVEL_FUZZ_SEED the seed): no error, no dead page, and
// memory that does not keep growing.
import { test } from "node:test";
import assert from "node:assert/strict";
import { withProgram, frontCaption, control } from "./support.mjs";

const SECONDS = Number(process.env.SORVEL_FUZZ_SECONDS || 120);
const SEED = Number(process.env.SORVEL_FUZZ_SEED || 20261209);

// A small seeded generator (mulberry32), so that a failure can be replayed.
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const KEYS = ["Space", "Enter", "Tab", "Shift+Tab", "ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", "PageUp",
  "PageDown", "Home", "End"];
const VIEWPORTS = [[1024, 768], [1280, 800], [800, 600], [1920, 1080], [768, 1024]];

// Memory of the page after a collection: the JavaScript heap and the WebAssembly memory (from
// Chromium's DevTools protocol, where this test runs).
async function memory(page, cdp) {
  await cdp.send("HeapProfiler.collectGarbage");
  const { metrics } = await cdp.send("Performance.getMetrics");
  const heap = metrics.find((m) => m.name === "JSHeapUsedSize").value;
  const wasm = await page.evaluate(() => (typeof HEAPU8 === "undefined" ? 0 : HEAPU8.length));
  return { heap, wasm };
}

test(`${SECONDS} s of random actions under seed ${SEED}`, { timeout: (SECONDS + 120) * 1000 }, async () => {
  const random = generator(SEED);
  const pick = (list) => list[Math.floor(random() * list.length)];
  await withProgram({}, async (page) => {
    const { cdp } = page.chromium;
    await cdp.send("Performance.enable");
    const end = Date.now() + SECONDS * 1000;
    const log = [];
    let samples = [];
    let longest = [];
    let nextSample = Date.now() + 10000;
    let actions = 0;
    while (Date.now() < end) {
      if (await page.evaluate(() => !!document.querySelector("[role=status]"))) {
        // END was pressed, or the last window closed: the page starts again, with a new memory.
        if (samples.length > longest.length) longest = samples;
        samples = [];
        await page.reload();
        continue;
      }
      const caption = await frontCaption(page);
      // What the window in front offers: role, name and kind of each shown control.
      const visible = await page.evaluate((caption) => Array.from(windowOf(caption)?.querySelectorAll(
        "button, input, textarea, [role=slider]") ?? []).filter(shown)
        .map((e) => ({ role: roleOf(e), name: nameOf(e), tag: e.tagName + (e.type ? ":" + e.type : "") })), caption);
      const roll = random();
      const picked = pick(visible);
      let what;
      if (roll < 0.02) {
        const [w, h] = pick(VIEWPORTS);
        await page.setViewport(w, h);
        what = `viewport ${w}x${h}`;
      } else if (!picked) {
        continue;
      } else {
        const { role, name, tag } = picked;
        const target = control(page, caption, role, name);
        // END ends the page; it comes now and then, as a user's would.
        if (/^(END|Close )/.test(name.trim()) && random() < 0.9) continue;
        if (roll < 0.7 || tag === "BUTTON") {
          // The square-root window's tick may bring it in front of the target meanwhile, or the
          // target may be gone: then the press goes to whatever is there, as a user's would.
          const clicked = await target.click().then(() => true, () => false);
          what = `${clicked ? "click" : "missed"} ${caption} / ${name}`;
        } else if (tag.startsWith("TEXTAREA") || tag === "INPUT:text") {
          await target.type(String(Math.floor(random() * 1e6))).catch(() => {});
          what = `type into ${caption} / ${name}`;
        } else {
          const key = pick(KEYS);
          await target.press(key).catch(() => {});
          what = `${key} on ${caption} / ${name}`;
        }
      }
      ++actions;
      log.push(what);
      if (log.length > 20) log.shift();
      assert.deepEqual(await page.errors(), [], `after ${actions} actions; the last: ${log.join(" | ")}`);
      if (Date.now() > nextSample) {
        samples.push(await memory(page, cdp));
        nextSample = Date.now() + 10000;
      }
    }
    if (samples.length > longest.length) longest = samples;
    console.log(`${actions} actions; messages shown: ${page.dialogs.length}; memory samples of the longest run:`,
      longest.map((s) => `${(s.heap / 1e6).toFixed(1)}/${(s.wasm / 1e6).toFixed(0)} MB`).join(" "));
    // Within one page's life, neither heap keeps growing: the last samples stay near the first.
    if (longest.length >= 4) {
      const third = Math.max(1, Math.floor(longest.length / 3));
      const early = longest.slice(0, third), late = longest.slice(-third);
      const max = (list, key) => Math.max(...list.map((s) => s[key]));
      assert.ok(max(late, "heap") <= max(early, "heap") * 1.5 + 4e6, "the JavaScript heap keeps growing");
      assert.ok(max(late, "wasm") <= max(early, "wasm") * 1.5, "the WebAssembly memory keeps growing");
    }
    assert.deepEqual(await page.errors(), []);
  });
});
