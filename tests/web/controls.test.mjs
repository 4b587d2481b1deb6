// Every control of every window clicked in the browser, at device scale factors 1, 1.5 and 2, on a
// tablet held upright and on a projector, with
// the pictures checked on both halves against integrated rays; each step waits for what it causes.
// Scroll bars tell the truth for mouse, pen and finger; a press lands only on what is drawn there.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  withProgram, control, clickAndWaitFront, waitFor, frontCaption, picture, anyNear, toDevice,
  isRed, isFront, oracle, expectRunning, expectStill, frames, scaleNeeds, needs,
} from "./support.mjs";
import { LINEAR, SQUARE, missingRays, missingField, waitForPicture, pictureRatio } from "./rays.mjs";

function blackOnTheAxis(image) {
  let n = 0;
  const [x0, y] = toDevice(image, -99, 0);
  const [x1] = toDevice(image, -60, 0);
  for (let x = Math.floor(x0); x < x1; ++x)
    for (const dy of [-1, 0, 1]) {
      const i = ((Math.floor(y) + dy) * image.width + x) * 4;
      n += image.rgba[i] === 0 && image.rgba[i + 1] === 0 && image.rgba[i + 2] === 0;
    }
  return n;
}

async function press(page, target, key) {
  await target.press(key);
}

const statusShown = (page) => page.evaluate(() => {
  const status = document.querySelector("[role=status]");
  return status ? status.textContent : null;
});

// A monitor at three device scale factors, a tablet held upright and a projector (where the program
// grows its windows by a scale of its own).
for (const [width, height, deviceScale] of [[1024, 768, 1], [1024, 768, 1.5], [1024, 768, 2], [768, 1024, 2],
  [1920, 1080, 1]]) {
  const screen = `${width} x ${height} at scale ${deviceScale}`;
  test(`introduction, theory and the linear case, ${screen}`, scaleNeeds(deviceScale), async () => {
    await withProgram({ width, height, scale: deviceScale }, async (page) => {
      const scale = await pictureRatio(page, deviceScale);
      const intro = (role, name) => control(page, "INTRODUCTION", role, name);
      // The formula images take clicks without effect.
      await control(page, "INTRODUCTION", "img", "formula of the speed linear in y").click();
      assert.equal(await frontCaption(page), "INTRODUCTION");

      await clickAndWaitFront(page, intro("button", "EXPLANATIONS"), "THEORY");
      const text = control(page, "THEORY", "textbox", "theory");
      assert.match(await text.value(), /^In the case of gradual change.*constant depth {2}or seismic/);
      await text.type("edited");
      await clickAndWaitFront(page, control(page, "THEORY", "button", "Close THEORY"), "INTRODUCTION");
      await clickAndWaitFront(page, intro("button", "EXPLANATIONS"), "THEORY");
      assert.equal((await control(page, "THEORY", "textbox", "theory").value()).length, 1196);
      await clickAndWaitFront(page, control(page, "THEORY", "button", "Close THEORY"), "INTRODUCTION");

      const sorvel = (role, name) => control(page, "SORVEL", role, name);
      await clickAndWaitFront(page, intro("radio", "V LINEAR WITH Y"), "SORVEL");
      await waitForPicture(page, "SORVEL", LINEAR, "the fan of k = -8", (image) => missingRays(image, -8, scale));
      await expectRunning(page, "SORVEL", LINEAR);
      await sorvel("button", "STOP TIMER").click();
      await waitFor("the timer to stop", () => expectStill(page, "SORVEL", LINEAR).then(() => true));

      await sorvel("radio", "decrease upwards").click();
      await waitForPicture(page, "SORVEL", LINEAR, "the fan of k = +8", (image) => missingRays(image, 8, scale));
      await expectStill(page, "SORVEL", LINEAR);  // the timer stays stopped

      // The time bar one page down: the front of 0.021 s, right and left.
      const [[fx, fy]] = oracle([["travel", "linear", 8, 90, 0.021]]);
      await press(page, sorvel("slider", "time"), "PageDown");
      await waitForPicture(page, "SORVEL", LINEAR, "the front of 0.021 s", (image) =>
        [fx, -fx].filter((x) => !anyNear(image, ...toDevice(image, x, fy), Math.ceil(3 * scale), isFront)).map(String));

      await sorvel("button", "TIME").click();
      await expectRunning(page, "SORVEL", LINEAR);
      await sorvel("button", "START AGAIN").click();
      await waitForPicture(page, "SORVEL", LINEAR, "the cleared picture", (image) => (blackOnTheAxis(image) ? ["axis"] : []));

      const angle = sorvel("slider", "start angle of the single ray");
      assert.equal(await angle.isVisible(), false);
      await sorvel("button", "SINGLE RAY").click();
      await waitFor("the start-angle bar", () => angle.isVisible());
      await press(page, angle, "PageDown");
      await waitFor("the angle's caption", async () =>
        (await page.evaluate(() => windowOf("SORVEL").querySelector(".label").textContent)) === "STARTING ANGLE =5.0");
      const heights = oracle([50, 90].map((x) => ["height", "linear", 8, 85, x]));
      await waitForPicture(page, "SORVEL", LINEAR, "the single ray of 5°", (image) =>
        [50, 90].flatMap((x, i) => [x, -x].filter((side) => !anyNear(image, ...toDevice(image, side, heights[i][0]),
          Math.ceil(2 * scale), isRed)).map((side) => `x ${side}`)));
      await expectStill(page, "SORVEL", LINEAR);  // moving the angle stops the timer

      await clickAndWaitFront(page, sorvel("checkbox", "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS"), "INTRODUCTION");
      await clickAndWaitFront(page, intro("button", "START"), "SORVEL");
      const fronts = oracle([30, 120, 150].map((d) => ["travel", "linear", 8, d, 0.24]));
      await waitForPicture(page, "SORVEL", LINEAR, "the fronts of 0.24 s over the rays", (image) =>
        fronts.flatMap(([x, y]) => (Math.abs(x) < 95 && Math.abs(y) < 95 ? [x, -x] : [])
          .filter((side) => !anyNear(image, ...toDevice(image, side, y), Math.ceil(3 * scale), isFront)).map(String)));

      await sorvel("checkbox", "SHOW ONLY WAVE FRONTS").click();
      await waitForPicture(page, "SORVEL", LINEAR, "fronts without axes", (image) => (blackOnTheAxis(image) > 4 ? ["axis"] : []));
      await sorvel("radio", "increase  upwards").click();
      await waitForPicture(page, "SORVEL", LINEAR, "the fan of k = -8", (image) => missingRays(image, -8, scale));

      await clickAndWaitFront(page, sorvel("button", "BACK TO INTRODUTION"), "INTRODUCTION");
      await clickAndWaitFront(page, intro("button", "START"), "SORVEL");
      await sorvel("button", "END").click();
      await waitFor("the ended page", () => statusShown(page));
      assert.deepEqual(await page.errors(), []);
    });
  });

  test(`the square-root case, ${screen}`, scaleNeeds(deviceScale), async () => {
    await withProgram({ width, height, scale: deviceScale }, async (page) => {
      const scale = await pictureRatio(page, deviceScale);
      const square = (role, name) => control(page, "CASE OF SQUARE ROOT", role, name);
      await clickAndWaitFront(page, control(page, "INTRODUCTION", "button", "START"), "CASE OF SQUARE ROOT");
      await waitForPicture(page, "CASE OF SQUARE ROOT", SQUARE, "the field of A = 1000", (image) => missingField(image, 1000, scale));
      await expectRunning(page, "CASE OF SQUARE ROOT", SQUARE);
      await square("button", "TIME OFF").click();
      await waitFor("the timer to stop", () => expectStill(page, "CASE OF SQUARE ROOT", SQUARE).then(() => true));
      await square("button", "TIME ON").click();  // neither option selected: the train goes on
      await expectRunning(page, "CASE OF SQUARE ROOT", SQUARE);
      await square("button", "TIME OFF").click();
      await waitFor("the timer to stop", () => expectStill(page, "CASE OF SQUARE ROOT", SQUARE).then(() => true));

      // One step right on the A bar: the field of A = 1020, and the box says so.
      await press(page, square("slider", "A"), "ArrowRight");
      await waitFor("A = 1020 in its box", async () => (await square("textbox", "value of A").value()) === " A = 1020");
      await waitForPicture(page, "CASE OF SQUARE ROOT", SQUARE, "the field of A = 1020",
        (image) => missingField(image, 1020, scale));
      // A click in the trough beside the thumb moves by LargeChange, and back.
      const aBar = square("slider", "A");
      await aBar.click({ position: { x: (await aBar.box()).width - 4, y: 8 } });
      await waitFor("A = 1120", async () => (await square("textbox", "value of A").value()) === " A = 1120");
      await aBar.click({ position: { x: 4, y: 8 } });
      await waitFor("A = 1020 again", async () => (await square("textbox", "value of A").value()) === " A = 1020");

      // "WAVE FRONTS": the front of T = 2 passes the 47° ray, right and left.
      const [[x47, y47]] = oracle([["travel", "sqrt", 1020, 47, 2.0]]);
      await square("button", "WAVE FRONTS").click();
      await waitForPicture(page, "CASE OF SQUARE ROOT", SQUARE, "the front of T = 2", (image) =>
        [x47, -x47].filter((x) => !anyNear(image, ...toDevice(image, x, y47), Math.ceil(3 * scale), isFront)).map(String));

      const before = await picture(page, "CASE OF SQUARE ROOT", SQUARE);
      await press(page, square("slider", "time"), "PageDown");
      await waitFor("the time bar's fronts", async () =>
        !(await picture(page, "CASE OF SQUARE ROOT", SQUARE)).rgba.equals(before.rgba));

      // "start timer" and "TIME ON": a cleared picture and a train from the start.
      await square("radio", "start timer").click();
      await square("button", "TIME ON").click();
      await waitForPicture(page, "CASE OF SQUARE ROOT", SQUARE, "the cleared picture", (image) =>
        [x47, -x47].filter((x) => anyNear(image, ...toDevice(image, x, y47), Math.ceil(3 * scale), isFront)).map(String));
      await square("radio", "CONTINUE").click();
      await expectRunning(page, "CASE OF SQUARE ROOT", SQUARE);

      // While the timer runs, its next tick brings the window back over the introduction.
      await square("button", "BACK TO INTRODUCTION").click();
      await waitFor("the window back in front", async () => (await frontCaption(page)) === "CASE OF SQUARE ROOT");
      await square("button", "TIME OFF").click();
      await clickAndWaitFront(page, square("button", "BACK TO INTRODUCTION"), "INTRODUCTION");
      await expectStill(page, "CASE OF SQUARE ROOT", SQUARE);
      assert.equal(await frontCaption(page), "INTRODUCTION");
      await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
      await square("button", "END").click();
      await waitFor("the ended page", () => statusShown(page));
      assert.deepEqual(await page.errors(), []);
    });
  });
}

// Where a bar's thumb is drawn, along the bar: its start and length as fractions of the bar.
function thumbAlong(page, caption, name) {
  return page.evaluate((caption, name) => {
    const bar = find(caption, "slider", name);
    const vertical = bar.getAttribute("aria-orientation") === "vertical";
    const b = bar.getBoundingClientRect(), t = bar.querySelector(".thumb").getBoundingClientRect();
    return vertical ? { start: (t.top - b.top) / b.height, length: t.height / b.height }
      : { start: (t.left - b.left) / b.width, length: t.width / b.width };
  }, caption, name);
}

// The thumb stands where the value is: its start over the bar's free length is the value's place
// in the range, within a pixel.
async function checkThumb(page, caption, name, min, max) {
  const bar = control(page, caption, "slider", name);
  const value = await bar.value();
  const { start, length } = await thumbAlong(page, caption, name);
  const box = await bar.box();
  const pixels = Math.max(box.width, box.height);
  assert.ok(Math.abs(start / (1 - length) - (value - min) / (max - min)) * pixels * (1 - length) <= 1.01,
    `${name} at ${value}: thumb at ${(start * pixels).toFixed(1)} of ${pixels} px`);
  return { value, start, length, box };
}

for (const pointer of ["mouse", "pen"])
  test(`scroll bars tell the truth to a ${pointer}: the thumb shows the value, drags it, and the trough pages once`,
    needs(pointer), async () => {
    await withProgram({}, async (page) => {
      const caption = "CASE OF SQUARE ROOT";
      await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), caption);
      await control(page, caption, "button", "TIME OFF").click({ pointer });
      const A = control(page, caption, "slider", "A");
      const box = control(page, caption, "textbox", "value of A");
      let { start, length, box: bar } = await checkThumb(page, caption, "A", 500, 5000);
      // Three quarters along the trough: one page toward the press, not a jump there.
      await A.click({ pointer, position: { x: bar.width * 0.75, y: bar.height / 2 } });
      await waitFor("A = 1100", async () => (await box.value()) === " A = 1100");
      ({ start, length } = await checkThumb(page, caption, "A", 500, 5000));
      // The thumb held at its middle and carried to the far end: the largest A, and the box says so.
      const middle = { x: (start + length / 2) * bar.width, y: bar.height / 2 };
      await A.drag(middle, { x: bar.width + 30, y: bar.height / 2 }, pointer);
      await waitFor("A = 5000", async () => (await box.value()) === " A = 5000");
      await checkThumb(page, caption, "A", 500, 5000);

      // The vertical time bar, 0..10000: its thumb at the top, a press below it pages down by 50.
      const time = control(page, caption, "slider", "time");
      ({ start, length, box: bar } = await checkThumb(page, caption, "time", 0, 10000));
      await time.click({ pointer, position: { x: bar.width / 2, y: bar.height * 0.8 } });
      await waitFor("the time at 50", async () => (await time.value()) === 50);
      ({ start, length } = await checkThumb(page, caption, "time", 0, 10000));
      // Carried halfway down its free length: half of the range, to a pixel's worth.
      const grip = (start + length / 2) * bar.height;
      await time.drag({ x: bar.width / 2, y: grip }, { x: bar.width / 2, y: grip + (1 - length) * bar.height / 2 }, pointer);
      await waitFor("the time near 5050", async () => Math.abs((await time.value()) - 5050) <= 10000 / ((1 - length) * bar.height));
      await checkThumb(page, caption, "time", 0, 10000);
      assert.deepEqual(await page.errors(), []);
    });
  });

test("a press lands only on what is drawn there: the formula image beside an option takes it, not the option", async () => {
  await withProgram({}, async (page) => {
    // The square-root option's box reaches over the formula image beside it, which lies on top,
    // as on the desktop: a press there does not select the option and open its case.
    const option = await control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y").run((e) => {
      const r = e.closest("label").getBoundingClientRect();
      return { right: r.right, top: r.top, bottom: r.bottom };
    });
    const image = await control(page, "INTRODUCTION", "img", "formula of the speed as the square root of a linear function of y").box();
    const label = await control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT").run((e) => {
      const r = e.closest("label").getBoundingClientRect();
      return { left: r.left, right: r.right, top: r.top, bottom: r.bottom };
    });
    assert.ok(label.right > image.x + 20 && option.right > 0, "the option's box reaches over the image");
    const y = Math.max(label.top, image.y) + 3;
    await page.pointer("mouse", [[(image.x + label.right) / 2, y]]);
    await expectStill(page, "INTRODUCTION", "formula of the speed as the square root of a linear function of y", 10);
    assert.equal(await frontCaption(page), "INTRODUCTION");
    // Within the option's own box, left of the image, it is the option.
    await page.pointer("mouse", [[(label.left + image.x) / 2, y]]);
    await waitFor("the square-root case", async () => (await frontCaption(page)) === "CASE OF SQUARE ROOT");
  });
});

// Controls whose hit area, on a touch screen, leaves a finger less than 24 x 24 CSS px around
// their middle: a point of that square (probed 11 px out, since hit tests round to whole pixels)
// that does not reach the control.
function smallTargets(page, caption) {
  return page.evaluate((caption) => {
    const layer = windowOf(caption);
    const small = [];
    for (const element of layer.querySelectorAll("button, input, textarea, [role=slider]")) {
      if (!shown(element)) continue;
      const target = element.closest("label") || element;
      const r = target.getBoundingClientRect();
      const cx = r.left + r.width / 2, cy = r.top + r.height / 2;
      for (const [dx, dy] of [[-11, -11], [11, -11], [-11, 11], [11, 11], [0, -11], [0, 11], [-11, 0], [11, 0]]) {
        const hit = document.elementFromPoint(cx + dx, cy + dy);
        if (!hit || !(target.contains(hit) || hit === target)) {
          small.push(`${nameOf(element)} (${r.width.toFixed(0)}x${r.height.toFixed(0)}) at ${dx},${dy}: ${hit ? hit.tagName : "nothing"}`);
          break;
        }
      }
    }
    return small;
  }, caption);
}

test("a finger does what a mouse does: 24 px targets, a tap pages once, a drag moves the thumb, the page stays", needs("touch"),
  async () => {
    await withProgram({ touch: true, width: 768, height: 1024 }, async (page) => {  // a tablet held upright
      assert.equal(await page.evaluate(() => matchMedia("(pointer: coarse)").matches), true);
      assert.deepEqual(await smallTargets(page, "INTRODUCTION"), []);
      await control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y").tap();
      await waitFor("the linear case", async () => (await frontCaption(page)) === "SORVEL");
      await control(page, "SORVEL", "button", "SINGLE RAY").tap();
      await waitFor("the start-angle bar", () => control(page, "SORVEL", "slider", "start angle of the single ray").isVisible());
      assert.deepEqual(await smallTargets(page, "SORVEL"), []);
      await control(page, "SORVEL", "button", "BACK TO INTRODUTION").tap();
      await waitFor("the introduction", async () => (await frontCaption(page)) === "INTRODUCTION");
      await control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT").tap();
      const caption = "CASE OF SQUARE ROOT";
      await waitFor("the square-root case", async () => (await frontCaption(page)) === caption);
      await control(page, caption, "button", "TIME OFF").tap();
      assert.deepEqual(await smallTargets(page, caption), []);

      // A tap three quarters along the A bar's trough: one page, as a click.
      const A = control(page, caption, "slider", "A");
      const box = control(page, caption, "textbox", "value of A");
      const bar = await A.box();
      await A.tap({ position: { x: bar.width * 0.75, y: bar.height / 2 } });
      await waitFor("A = 1100", async () => (await box.value()) === " A = 1100");
      await frames(page, 10);
      assert.equal(await box.value(), " A = 1100");
      // A finger drags the thumb to the start, and the page under it does not move.
      const { start, length } = await thumbAlong(page, caption, "A");
      await A.drag({ x: (start + length / 2) * bar.width, y: bar.height / 2 }, { x: -40, y: bar.height / 2 + 30 }, "touch");
      await waitFor("A = 500", async () => (await box.value()) === " A = 500");
      assert.deepEqual(await page.evaluate(() => [scrollX, scrollY, visualViewport.scale]), [0, 0, 1]);
      // No control waits for a second tap: none leaves the browser free to zoom on it.
      assert.deepEqual(await page.evaluate(() => Array.from(document.querySelectorAll("button, label, [role=slider]"))
        .filter((e) => shown(e) && !["manipulation", "none"].includes(getComputedStyle(e).touchAction)).map(nameOf)), []);
      assert.deepEqual(await page.errors(), []);
    });
  });
