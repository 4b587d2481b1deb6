// The browser edition with the keyboard alone: Tab order by TabIndex in each window, the scroll
// bars' keys as on the desktop, Space on buttons and check boxes, arrows within option groups.
import { test } from "node:test";
import assert from "node:assert/strict";
import { withProgram, control, frontCaption, waitFor, expectRunning, expectStill } from "./support.mjs";

// The accessible name of the element that has the focus.
const focused = (page) => page.evaluate(() => {
  const element = document.activeElement;
  return element.getAttribute("aria-label") || element.textContent.trim();
});

async function tabs(page, count, key = "Tab") {
  const names = [];
  for (let i = 0; i < count; ++i) {
    names.push(await focused(page));
    await page.key(key);
  }
  return names;
}

test("Tab and Shift+Tab follow the tab order of every window; arrows select within an option group", async () => {
  await withProgram({}, async (page) => {
    // A group of option buttons is one stop, at its selected button; the close button comes last.
    await control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT").focus();
    assert.deepEqual(await tabs(page, 6),
      ["V AS SQUARE ROOT", "END", "START", "EXPLANATIONS", "Close INTRODUCTION", "V AS SQUARE ROOT"]);
    await control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT").focus();
    assert.deepEqual(await tabs(page, 3, "Shift+Tab"), ["V AS SQUARE ROOT", "Close INTRODUCTION", "EXPLANATIONS"]);

    // The arrow keys select the other option, and selecting opens its case.
    await control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT").focus();
    await page.key("ArrowUp");
    await waitFor("the linear case", async () => (await frontCaption(page)) === "SORVEL");
    await control(page, "SORVEL", "button", "SINGLE RAY").focus();
    await page.key("Space");
    await waitFor("the start-angle bar", () => control(page, "SORVEL", "slider", "start angle of the single ray").isVisible());
    await control(page, "SORVEL", "radio", "increase  upwards").focus();
    assert.deepEqual(await tabs(page, 12), ["increase  upwards", "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS",
      "time", "SHOW ONLY WAVE FRONTS", "BACK TO INTRODUTION", "END", "TIME", "STOP TIMER", "SINGLE RAY", "START AGAIN",
      "start angle of the single ray", "Close SORVEL"]);

    await control(page, "SORVEL", "button", "BACK TO INTRODUTION").focus();
    await page.key("Enter");
    await waitFor("the introduction", async () => (await frontCaption(page)) === "INTRODUCTION");
    await control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y").focus();
    await page.key("ArrowDown");
    await waitFor("the square-root case", async () => (await frontCaption(page)) === "CASE OF SQUARE ROOT");
    await control(page, "CASE OF SQUARE ROOT", "slider", "time").focus();
    assert.deepEqual(await tabs(page, 10), ["time", "BACK TO INTRODUCTION", "END", "WAVE FRONTS", "A", "value of A",
      "TIME ON", "TIME OFF", "start timer", "Close CASE OF SQUARE ROOT"]);
    assert.deepEqual(await page.errors(), []);
  });
});

// Each key moves the bar by its SmallChange or LargeChange, or to Min or Max, once.
async function checkBar(page, caption, name, keys) {
  const bar = control(page, caption, "slider", name);
  await bar.focus();
  for (const [key, value] of keys) {
    await page.key(key);
    assert.equal(await bar.value(), value, `${caption} ${name} after ${key}`);
  }
}

test("scroll bars move by their changes, and buttons and check boxes answer Space", async () => {
  await withProgram({}, async (page) => {
    await control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT").focus();
    await page.key("ArrowUp");
    await waitFor("the linear case", async () => (await frontCaption(page)) === "SORVEL");
    const picture = "rays and wavefronts of the linear medium";
    await control(page, "SORVEL", "button", "STOP TIMER").focus();
    await page.key("Space");
    await waitFor("the timer to stop", () => expectStill(page, "SORVEL", picture).then(() => true));
    await control(page, "SORVEL", "button", "TIME").focus();
    await page.key("Space");
    await expectRunning(page, "SORVEL", picture);
    const check = control(page, "SORVEL", "checkbox", "SHOW ONLY WAVE FRONTS");
    await check.focus();
    await page.key("Space");
    await waitFor("the box checked", () => check.isChecked());

    await checkBar(page, "SORVEL", "time",
      [["ArrowDown", 1], ["PageDown", 21], ["ArrowUp", 20], ["PageUp", 0], ["End", 1000], ["Home", 0]]);
    await control(page, "SORVEL", "button", "SINGLE RAY").focus();
    await page.key("Space");
    await checkBar(page, "SORVEL", "start angle of the single ray",
      [["ArrowDown", 1], ["PageDown", 51], ["Home", -900], ["End", 900]]);

    await control(page, "SORVEL", "button", "BACK TO INTRODUTION").focus();
    await page.key("Space");
    await waitFor("the introduction", async () => (await frontCaption(page)) === "INTRODUCTION");
    await control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y").focus();
    await page.key("ArrowDown");
    await waitFor("the square-root case", async () => (await frontCaption(page)) === "CASE OF SQUARE ROOT");
    await control(page, "CASE OF SQUARE ROOT", "button", "TIME OFF").focus();
    await page.key("Space");
    await waitFor("the timer to stop", () =>
      expectStill(page, "CASE OF SQUARE ROOT", "rays and wavefronts of the square-root medium").then(() => true));
    await checkBar(page, "CASE OF SQUARE ROOT", "time",
      [["ArrowDown", 10], ["PageDown", 60], ["ArrowUp", 50], ["End", 10000], ["Home", 0]]);
    await checkBar(page, "CASE OF SQUARE ROOT", "A",
      [["Home", 500], ["ArrowRight", 520], ["PageDown", 620], ["ArrowLeft", 600], ["PageUp", 500], ["End", 5000]]);
    // The A box shows the value the bar set last.
    assert.equal(await control(page, "CASE OF SQUARE ROOT", "textbox", "value of A").value(), " A = 5000");
    assert.deepEqual(await page.errors(), []);
  });
});
