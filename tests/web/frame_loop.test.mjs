// The page's frame loop keeps the animation's pace: sixty ticks a second whatever the display's
// rate, one tick and no backlog after frames stopped coming (a hidden tab), and nothing at all
// once END has ended the program. The display's frames are driven by hand, at chosen times.
import { test } from "node:test";
import assert from "node:assert/strict";
import { withProgram, control, clickAndWaitFront, waitFor } from "./support.mjs";

const LINEAR = "rays and wavefronts of the linear medium";
const SQUARE = "rays and wavefronts of the square-root medium";

// Runs in the page before its scripts: frames come only when the test runs them.
function handDrivenFrames() {
  const queue = [];
  window.requestAnimationFrame = (callback) => queue.push(callback);
  window.handDrivenFrames = {
    // Runs the callbacks waiting for a frame at this display time; returns how many ran.
    run(now) {
      const due = queue.splice(0);
      for (const callback of due) callback(now);
      return due.length;
    },
  };
}

// Runs frames at these times (ms) and returns, for each, whether the picture changed on it: a
// running timer changes its picture on every tick.
function changesAt(program, caption, name, times) {
  return program.evaluate((caption, name, times) => {
    const canvas = document.querySelector(`section.window[aria-label="${caption}"] canvas[aria-label="${name}"]`);
    const digest = () => {
      const bytes = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
      let h = 2166136261;
      for (let i = 0; i < bytes.length; i += 4) h = Math.imul(h ^ (bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16), 16777619);
      return h >>> 0;
    };
    let before = digest();
    return times.map((now) => {
      window.handDrivenFrames.run(now);
      const after = digest();
      const changed = after !== before;
      before = after;
      return changed;
    });
  }, caption, name, times);
}

// Frame times of a display of `hertz` from `start` for `ms`, each off by up to `jitter` ms.
function frames(hertz, start, ms, jitter = 0) {
  const times = [];
  for (let i = 0; i * 1000 / hertz < ms; ++i)
    times.push(start + i * 1000 / hertz + jitter * Math.sin(i * 2.3));
  return times;
}

const count = (flags) => flags.filter(Boolean).length;

// The program with its display's frames driven by hand: the page loaded again with the hook in
// before its own scripts (Chromium's automation runs it there).
async function handDriven(program) {
  await program.chromium.page.addInitScript(handDrivenFrames);
  await program.reload();
}

async function openLinearCase(program) {
  await handDriven(program);
  await clickAndWaitFront(program, control(program, "INTRODUCTION", "radio", "V LINEAR WITH Y"), "SORVEL");
}

test("sixty ticks a second on displays of 60 Hz with jitter, 75, 120 and 144 Hz", async () => {
  for (const [hertz, jitter] of [[60, 0.8], [75, 0], [120, 0], [144, 0]])
    await withProgram({}, async (program) => {
      await openLinearCase(program);
      // The first frame ticks at once; the second ticks a sixtieth of a second later.
      const ticks = count(await changesAt(program, "SORVEL", LINEAR, frames(hertz, 1000, 1000, jitter)));
      assert.ok(ticks >= 59 && ticks <= 61, `${ticks} ticks in a second of frames at ${hertz} Hz`);
      assert.deepEqual(await program.errors(), []);
    });
});

test("after frames stopped for two seconds, half a second of frames brings thirty ticks, not a backlog", async () => {
  await withProgram({}, async (program) => {
    await openLinearCase(program);
    await changesAt(program, "SORVEL", LINEAR, frames(144, 1000, 500));
    // The tab was hidden from 1.5 s to 3.5 s: no frame came.
    const ticks = count(await changesAt(program, "SORVEL", LINEAR, frames(144, 3500, 500)));
    assert.ok(ticks >= 29 && ticks <= 31, `${ticks} ticks in half a second after the pause`);
    assert.deepEqual(await program.errors(), []);
  });
});

test("END with the square-root timer running leaves no frame loop calling into the program", async () => {
  await withProgram({}, async (program) => {
    await handDriven(program);
    await clickAndWaitFront(program, control(program, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
    assert.ok(count(await changesAt(program, "CASE OF SQUARE ROOT", SQUARE, frames(60, 1000, 200))) >= 10);
    await control(program, "CASE OF SQUARE ROOT", "button", "END").click();
    await waitFor("the ended page", () => program.evaluate(() => !!document.querySelector("p.ended")));
    const after = await program.evaluate(() => {
      const calls = {};
      for (const name of Object.keys(Module).filter((key) => key.startsWith("_web_"))) {
        const call = Module[name];
        Module[name] = (...args) => {
          calls[name] = (calls[name] || 0) + 1;
          return call(...args);
        };
      }
      // The frame asked for before END runs once; after it, none is asked for.
      let callbacks = 0;
      for (let i = 0; i < 60; ++i) callbacks += window.handDrivenFrames.run(2000 + i * 1000 / 60);
      return { calls, callbacks };
    });
    assert.deepEqual(after.calls, {}, "calls into the program after END");
    assert.ok(after.callbacks <= 1, `${after.callbacks} frame callbacks ran after END`);
    assert.deepEqual(await program.errors(), []);
  });
});
