// Random clicks, keys, typing and viewport sizes under a fixed seed, for two minutes
// (SORVEL_FUZZ_SECONDS sets how long, SORVEL_FUZZ_SEED the seed): no error, no dead page, and
// memory that does not keep growing.
import { test } from "node:test";
import assert from "node:assert/strict";
import { launch, openProgram, frontCaption, waitFor } from "./support.mjs";

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

// Memory of the page after a collection: the JavaScript heap and the WebAssembly memory.
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
  const browser = await launch();
  try {
    const { page, errors, dialogs } = await openProgram(browser);
    const cdp = await page.context().newCDPSession(page);
    await cdp.send("Performance.enable");
    const end = Date.now() + SECONDS * 1000;
    const log = [];
    let samples = [];
    let longest = [];
    let nextSample = Date.now() + 10000;
    let actions = 0;
    while (Date.now() < end) {
      if (await page.getByRole("status").isVisible()) {
        // END was pressed, or the last window closed: the page starts again, with a new memory.
        if (samples.length > longest.length) longest = samples;
        samples = [];
        await page.reload();
        await waitFor("the introduction", async () => (await frontCaption(page)) === "INTRODUCTION");
        continue;
      }
      const caption = await frontCaption(page);
      const layer = page.locator(`section.window[aria-label="${caption}"]`);
      const targets = await layer.locator("button, input, textarea").all();
      const visible = [];
      for (const t of targets) if (await t.isVisible()) visible.push(t);
      const roll = random();
      const target = pick(visible);
      let what;
      if (roll < 0.02) {
        const [w, h] = pick(VIEWPORTS);
        await page.setViewportSize({ width: w, height: h });
        what = `viewport ${w}x${h}`;
      } else if (!target) {
        continue;
      } else {
        const name = (await target.getAttribute("aria-label")) || (await target.textContent()) || "";
        // END ends the page; it comes now and then, as a user's would.
        if (/^(END|Close )/.test(name.trim()) && random() < 0.9) continue;
        const tag = await target.evaluate((e) => e.tagName + (e.type ? ":" + e.type : ""));
        if (roll < 0.7 || tag === "BUTTON") {
          // The square-root window's tick may bring it in front of the target meanwhile: then the
          // click goes nowhere, as a user's would have gone to the window in front.
          const clicked = await target.click({ timeout: 1000, force: tag === "INPUT:range" }).then(() => true, () => false);
          what = `${clicked ? "click" : "missed"} ${caption} / ${name}`;
        } else if (tag.startsWith("TEXTAREA") || tag === "INPUT:text") {
          await target.fill(String(Math.floor(random() * 1e6)));
          what = `type into ${caption} / ${name}`;
        } else {
          const key = pick(KEYS);
          await target.focus();
          await page.keyboard.press(key);
          what = `${key} on ${caption} / ${name}`;
        }
      }
      ++actions;
      log.push(what);
      if (log.length > 20) log.shift();
      assert.deepEqual(errors, [], `after ${actions} actions; the last: ${log.join(" | ")}`);
      if (Date.now() > nextSample) {
        samples.push(await memory(page, cdp));
        nextSample = Date.now() + 10000;
      }
    }
    if (samples.length > longest.length) longest = samples;
    console.log(`${actions} actions; messages shown: ${dialogs.length}; memory samples of the longest run:`,
      longest.map((s) => `${(s.heap / 1e6).toFixed(1)}/${(s.wasm / 1e6).toFixed(0)} MB`).join(" "));
    // Within one page's life, neither heap keeps growing: the last samples stay near the first.
    if (longest.length >= 4) {
      const third = Math.max(1, Math.floor(longest.length / 3));
      const early = longest.slice(0, third), late = longest.slice(-third);
      const max = (list, key) => Math.max(...list.map((s) => s[key]));
      assert.ok(max(late, "heap") <= max(early, "heap") * 1.5 + 4e6, "the JavaScript heap keeps growing");
      assert.ok(max(late, "wasm") <= max(early, "wasm") * 1.5, "the WebAssembly memory keeps growing");
    }
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
  }
});
