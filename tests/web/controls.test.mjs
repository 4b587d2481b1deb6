// Every control of every window clicked in the browser, at device scale factors 1, 1.5 and 2, on a
// tablet held upright and on a projector (where the program grows its windows by a scale of its
// own), with
// the pictures checked on both halves against integrated rays; each step waits for what it causes.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  launch, openProgram, control, windowOf, clickAndWaitFront, waitFor, frontCaption, picture, anyNear, toDevice,
  isRed, isFront, isBlack, oracle, expectRunning, expectStill,
} from "./support.mjs";

const LINEAR = "rays and wavefronts of the linear medium";
const SQUARE = "rays and wavefronts of the square-root medium";

// Where the linear rays of these start angles cross these abscissae, for both signs of k.
const RAY_ANGLES = [30, 45, 60, 75];
const RAY_XS = [80, 95];
const rayHeights = {};
for (const k of [-8, 8]) {
  const answers = oracle(RAY_ANGLES.flatMap((F) => RAY_XS.map((x) => ["height", "linear", k, F, x])));
  rayHeights[k] = RAY_ANGLES.flatMap((F, i) => RAY_XS.map((x, j) => ({ F, x, y: answers[i * RAY_XS.length + j][0] })));
}

// What is missing of the red fan of k in the picture, on either half; empty when all is there.
function missingRays(image, k, scale) {
  const near = Math.ceil(2 * scale);
  const missing = [];
  for (const { F, x, y } of rayHeights[k]) {
    if (!Number.isFinite(y) || Math.abs(y) > 95) continue;
    for (const side of [x, -x])
      if (!anyNear(image, ...toDevice(image, side, y), near, isRed)) missing.push(`F ${F} at (${side}, ${y.toFixed(2)})`);
  }
  return missing;
}

// What is missing of the square-root field of A: black dots at times 1 and 1.5 along four rays,
// and red between them, on both halves.
function missingField(image, A, scale) {
  const near = Math.ceil(2 * scale);
  const angles = [30, 45, 60, 120];
  const times = [1, 1.5];
  const answers = oracle(angles.flatMap((d) => times.flatMap((t) => [["travel", "sqrt", A, d, t], ["travel", "sqrt", A, d, t + 0.125]])));
  const missing = [];
  let i = 0;
  for (const d of angles)
    for (const t of times) {
      const [dot, between] = [answers[i++], answers[i++]];
      if (Math.abs(dot[0]) > 95 || Math.abs(dot[1]) > 95) continue;
      for (const sign of [1, -1]) {
        if (!anyNear(image, ...toDevice(image, sign * dot[0], dot[1]), near, isBlack)) missing.push(`dot ${d}° ${t} side ${sign}`);
        if (!anyNear(image, ...toDevice(image, sign * between[0], between[1]), Math.floor(near / 2) + 1, isRed))
          missing.push(`red ${d}° ${t} side ${sign}`);
      }
    }
  return missing;
}

// Waits until the picture passes the check (an empty list of what is missing).
async function waitForPicture(page, caption, name, what, check) {
  let missing = [];
  try {
    await waitFor(what, async () => {
      missing = check(await picture(page, caption, name));
      return missing.length === 0;
    });
  } catch (error) {
    throw new Error(`${error.message}; missing ${missing.slice(0, 6).join(", ")}`);
  }
}

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

async function press(page, locator, key) {
  await locator.focus();
  await page.keyboard.press(key);
}

// Device pixels to each logical pixel of the windows: the page's ratio times the program's scale.
async function pictureRatio(page, deviceScale) {
  return deviceScale * Number(await page.evaluate(() => getComputedStyle(document.documentElement).getPropertyValue("--s")));
}

for (const [width, height, deviceScale] of [[1024, 768, 1], [1024, 768, 1.5], [1024, 768, 2], [768, 1024, 2], [1920, 1080, 1]]) {
  const screen = `${width} x ${height} at scale ${deviceScale}`;
  test(`introduction, theory and the linear case, ${screen}`, async () => {
    const browser = await launch();
    try {
      const { page, errors } = await openProgram(browser, { width, height, scale: deviceScale });
      const scale = await pictureRatio(page, deviceScale);
      const intro = (role, name) => control(page, "INTRODUCTION", role, name);
      // The formula images take clicks without effect.
      await windowOf(page, "INTRODUCTION").getByRole("img", { name: "formula of the speed linear in y" }).click();
      assert.equal(await frontCaption(page), "INTRODUCTION");

      await clickAndWaitFront(page, intro("button", "EXPLANATIONS"), "THEORY");
      const text = control(page, "THEORY", "textbox", "theory");
      assert.match(await text.inputValue(), /^In the case of gradual change.*constant depth {2}or seismic/);
      await text.fill("edited by a student");
      await clickAndWaitFront(page, control(page, "THEORY", "button", "Close THEORY"), "INTRODUCTION");
      await clickAndWaitFront(page, intro("button", "EXPLANATIONS"), "THEORY");
      assert.equal((await control(page, "THEORY", "textbox", "theory").inputValue()).length, 1196);
      await clickAndWaitFront(page, control(page, "THEORY", "button", "Close THEORY"), "INTRODUCTION");

      const sorvel = (role, name) => control(page, "SORVEL", role, name);
      await clickAndWaitFront(page, intro("radio", "V LINEAR WITH Y"), "SORVEL");
      assert.deepEqual(missingRays(await picture(page, "SORVEL", LINEAR), -8, scale), []);
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
        (await windowOf(page, "SORVEL").locator(".label").textContent()) === "STARTING ANGLE =5.0");
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
      await waitFor("the ended page", () => page.getByRole("status").isVisible());
      assert.deepEqual(errors, []);
    } finally {
      await browser.close();
    }
  });

  test(`the square-root case, ${screen}`, async () => {
    const browser = await launch();
    try {
      const { page, errors } = await openProgram(browser, { width, height, scale: deviceScale });
      const scale = await pictureRatio(page, deviceScale);
      const square = (role, name) => control(page, "CASE OF SQUARE ROOT", role, name);
      await clickAndWaitFront(page, control(page, "INTRODUCTION", "button", "START"), "CASE OF SQUARE ROOT");
      assert.deepEqual(missingField(await picture(page, "CASE OF SQUARE ROOT", SQUARE), 1000, scale), []);
      await expectRunning(page, "CASE OF SQUARE ROOT", SQUARE);
      await square("button", "TIME OFF").click();
      await waitFor("the timer to stop", () => expectStill(page, "CASE OF SQUARE ROOT", SQUARE).then(() => true));
      await square("button", "TIME ON").click();  // neither option selected: the train goes on
      await expectRunning(page, "CASE OF SQUARE ROOT", SQUARE);
      await square("button", "TIME OFF").click();
      await waitFor("the timer to stop", () => expectStill(page, "CASE OF SQUARE ROOT", SQUARE).then(() => true));

      // One step right on the A bar: the field of A = 1020, and the box says so.
      await press(page, square("slider", "A"), "ArrowRight");
      await waitFor("A = 1020 in its box", async () => (await square("textbox", "value of A").inputValue()) === " A = 1020");
      await waitForPicture(page, "CASE OF SQUARE ROOT", SQUARE, "the field of A = 1020",
        (image) => missingField(image, 1020, scale));
      // A click in the trough beside the thumb moves by LargeChange, and back.
      const aBar = square("slider", "A");
      await aBar.click({ position: { x: (await aBar.boundingBox()).width - 4, y: 8 } });
      await waitFor("A = 1120", async () => (await square("textbox", "value of A").inputValue()) === " A = 1120");
      await aBar.click({ position: { x: 4, y: 8 } });
      await waitFor("A = 1020 again", async () => (await square("textbox", "value of A").inputValue()) === " A = 1020");

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
      await waitFor("the ended page", () => page.getByRole("status").isVisible());
      assert.deepEqual(errors, []);
    } finally {
      await browser.close();
    }
  });
}
