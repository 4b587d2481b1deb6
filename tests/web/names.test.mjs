// The browser's own accessibility tree names every control of every window, with the names the
// desktop gives them, and the pictures as images (read from Chromium's tree; the other engines'
// automation does not expose theirs); and in every engine, every caption and text shows whole in
// the page's own face.
import { test } from "node:test";
import assert from "node:assert/strict";
import { withProgram, control, clickAndWaitFront, ENGINE, scaleNeeds } from "./support.mjs";

// Role and name of every node the browser exposes now (behind windows are inert and left out).
// The browser folds runs of blanks in a name into one, as the accessible-name rules ask, so
// "increase  upwards" is heard as on the desktop but read back with one blank.
async function accessibleNodes(program) {
  const { page } = program.chromium;
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send("Accessibility.getFullAXTree");
  await cdp.detach();
  return nodes.filter((node) => !node.ignored).map((node) => `${node.role?.value}: ${node.name?.value ?? ""}`);
}

function folded(name) {
  return name.replace(/ {2,}/g, " ");
}

const WINDOWS = {
  INTRODUCTION: ["radio: V LINEAR WITH Y", "radio: V AS SQUARE ROOT", "button: END", "button: START",
    "button: EXPLANATIONS", "image: formula of the speed linear in y",
    "image: formula of the speed as the square root of a linear function of y", "button: Close INTRODUCTION"],
  THEORY: ["textbox: theory", "image: formula of the speed linear in y",
    "image: formula of the speed as the square root of a linear function of y"],
  SORVEL: ["image: rays and wavefronts of the linear medium", "radio: increase  upwards", "radio: decrease upwards",
    "checkbox: ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS", "slider: time", "checkbox: SHOW ONLY WAVE FRONTS",
    "button: BACK TO INTRODUTION", "button: END", "button: TIME", "button: STOP TIMER", "button: SINGLE RAY",
    "button: START AGAIN"],
  "CASE OF SQUARE ROOT": ["image: rays and wavefronts of the square-root medium", "slider: time",
    "button: BACK TO INTRODUCTION", "button: END", "button: WAVE FRONTS", "slider: A",
    "image: formula of the speed as the square root of a linear function of y", "textbox: value of A",
    "button: TIME ON", "button: TIME OFF", "radio: start timer", "radio: CONTINUE"],
};

test("every control of every window has its name in the accessibility tree",
  ENGINE === "chromium" ? {} : { skip: `${ENGINE}: its automation gives no accessibility tree` }, async () => {
  await withProgram({}, async (page) => {
    const check = async (caption) => {
      const nodes = await accessibleNodes(page);
      for (const expected of WINDOWS[caption].map(folded))
        assert.ok(nodes.includes(expected), `${caption}: no ${expected} among ${JSON.stringify(nodes)}`);
      // The window itself is a named region, and nothing of the windows behind it is exposed.
      for (const [other, names] of Object.entries(WINDOWS))
        if (other !== caption) assert.ok(!nodes.some((n) => n === `button: Close ${other}`), `${other} behind ${caption}`);
      return nodes;
    };
    await check("INTRODUCTION");
    await clickAndWaitFront(page, control(page, "INTRODUCTION", "button", "EXPLANATIONS"), "THEORY");
    await check("THEORY");
    await clickAndWaitFront(page, control(page, "THEORY", "button", "Close THEORY"), "INTRODUCTION");
    await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y"), "SORVEL");
    const linear = await check("SORVEL");
    assert.ok(!linear.includes("slider: start angle of the single ray"), "the hidden start-angle bar");
    await control(page, "SORVEL", "button", "SINGLE RAY").click();
    const single = await accessibleNodes(page);
    assert.ok(single.includes("slider: start angle of the single ray"), JSON.stringify(single));
    await clickAndWaitFront(page, control(page, "SORVEL", "button", "BACK TO INTRODUTION"), "INTRODUCTION");
    await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
    await check("CASE OF SQUARE ROOT");
    assert.deepEqual(await page.errors(), []);
  });
});

// What of each control's text is not shown: beyond its box, or under a control in front of it.
function cutTexts(page, caption) {
  return page.evaluate((caption) => {
    const client = windowOf(caption).querySelector(".client");
    const cut = [];
    const controls = Array.from(client.children).filter((e) => e.getClientRects().length > 0);
    const inside = (r, box) => r.left >= box.left - 0.5 && r.right <= box.right + 0.5 && r.top >= box.top - 0.5 &&
      r.bottom <= box.bottom + 0.5;
    const overlaps = (r, box) => r.left < box.right - 0.5 && r.right > box.left + 0.5 && r.top < box.bottom - 0.5 &&
      r.bottom > box.top + 0.5;
    controls.forEach((element, i) => {
      if (element.getAttribute("role") === "slider") return;  // a slider has no text
      if (element.tagName === "INPUT" || element.tagName === "TEXTAREA") {
        if (element.scrollWidth > element.clientWidth || element.scrollHeight > element.clientHeight)
          cut.push(`"${element.value}" does not fit its box`);
        return;
      }
      const box = element.getBoundingClientRect();
      const range = document.createRange();
      range.selectNodeContents(element);
      for (const r of range.getClientRects()) {
        if (r.width === 0) continue;
        if (!inside(r, box)) cut.push(`"${element.textContent}" does not fit its box`);
        // Siblings later in the page paint over it.
        for (const over of controls.slice(i + 1))
          if (over.tagName === "CANVAS" && overlaps(r, over.getBoundingClientRect()))
            cut.push(`"${element.textContent}" is covered`);
      }
    });
    return [...new Set(cut)];
  }, caption);
}

for (const [width, height, scale] of [[1024, 768, 1], [1280, 800, 1], [1920, 1080, 1], [1024, 768, 1.5], [1024, 768, 2]])
  test(`every caption and text shows whole at ${width} x ${height}, scale ${scale}`, scaleNeeds(scale), async () => {
    await withProgram({ width, height, scale }, async (page) => {
      assert.deepEqual(await cutTexts(page, "INTRODUCTION"), []);
      await clickAndWaitFront(page, control(page, "INTRODUCTION", "button", "EXPLANATIONS"), "THEORY");
      assert.deepEqual(await cutTexts(page, "THEORY"), []);
      await clickAndWaitFront(page, control(page, "THEORY", "button", "Close THEORY"), "INTRODUCTION");
      await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y"), "SORVEL");
      await control(page, "SORVEL", "button", "SINGLE RAY").click();
      const angle = control(page, "SORVEL", "slider", "start angle of the single ray");
      await angle.press("Home");  // "STARTING ANGLE =-90.0"
      assert.deepEqual(await cutTexts(page, "SORVEL"), []);
      await clickAndWaitFront(page, control(page, "SORVEL", "button", "BACK TO INTRODUTION"), "INTRODUCTION");
      await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
      await control(page, "CASE OF SQUARE ROOT", "button", "TIME OFF").click();
      const A = control(page, "CASE OF SQUARE ROOT", "slider", "A");
      for (const key of ["Home", "End"]) {
        await A.press(key);
        assert.deepEqual(await cutTexts(page, "CASE OF SQUARE ROOT"), [], key);
      }
      // The page's face is the one in use, not a stand-in.
      assert.equal(await page.evaluate(() => document.fonts.check('10px "Sorvel Sans"')), true);
      assert.deepEqual(await page.errors(), []);
    });
  });
