// After the same user actions the browser shows the same pixels as the desktop's raster, lines
// and dots alike, at device scale factors 1, 1.5 and 2; only where text was printed may the
// fonts differ. A link's moment on the page is the desktop's moment reached by hand.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { withProgram, control, picture, waitFor, scaleNeeds, PAGE_URL } from "./support.mjs";

const here = path.dirname(fileURLToPath(import.meta.url));
const SCENARIOS = path.join(here, "identity_scenarios.txt");
const REFERENCE = process.env.SORVEL_REFERENCE || path.join(here, "../../build-test/tests/web_reference");

// The scenarios: each a list of steps and the picture it ends with.
function scenarios() {
  const all = {};
  let current;
  for (const raw of readFileSync(SCENARIOS, "utf8").split("\n")) {
    const line = raw.trim();
    if (!line || line.startsWith("#")) continue;
    if (line.startsWith("scenario ")) all[line.slice(9)] = current = { steps: [] };
    else if (line.startsWith("link ")) current.link = line.slice(5);
    else if (line.startsWith("picture ")) current.picture = line.slice(8).split("|").map((s) => s.trim());
    else current.steps.push(line.split("|").map((s) => s.trim()));
  }
  return all;
}

function reference(name, width, height, scale) {
  const out = path.join(mkdtempSync(path.join(tmpdir(), "sorvel-")), "picture.rgba");
  const info = JSON.parse(execFileSync(REFERENCE, [SCENARIOS, name, width, height, scale, out].map(String)).toString());
  return { ...info, rgba: readFileSync(out) };
}

// Device pixels where a printed label may show glyphs of another font: a generous box from the
// label's top-left corner.
function textMask(info, scale) {
  const mask = new Uint8Array(info.width * info.height);
  for (const [x, y, characters] of info.text) {
    const left = Math.floor((x - 2) * scale), top = Math.floor((y - 2) * scale);
    const right = Math.ceil((x + 10 * characters + 4) * scale), bottom = Math.ceil((y + 20) * scale);
    for (let row = Math.max(0, top); row < Math.min(info.height, bottom); ++row)
      mask.fill(1, row * info.width + Math.max(0, left), row * info.width + Math.min(info.width, right));
  }
  return mask;
}

function differences(shown, expected, mask) {
  if (shown.width !== expected.width || shown.height !== expected.height)
    return { count: Infinity, first: `size ${shown.width}x${shown.height}, expected ${expected.width}x${expected.height}` };
  let count = 0, first = "";
  for (let i = 0; i < expected.width * expected.height; ++i) {
    if (mask[i]) continue;
    const a = i * 4;
    if (shown.rgba[a] !== expected.rgba[a] || shown.rgba[a + 1] !== expected.rgba[a + 1] || shown.rgba[a + 2] !== expected.rgba[a + 2]) {
      if (!count) first = `at (${i % expected.width}, ${Math.floor(i / expected.width)})`;
      ++count;
    }
  }
  return { count, first };
}

const KEYS = new Set(["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", "PageUp", "PageDown", "Home", "End"]);

for (const scale of [1, 1.5, 2])
  for (const [name, scenario] of Object.entries(scenarios()))
    test(`${name} at scale ${scale}: the desktop raster's pixels`, scaleNeeds(scale), async () => {
      const expected = reference(name, 1024, 768, scale);
      const mask = textMask(expected, scale);
      const url = scenario.link ? `${PAGE_URL}#${scenario.link}` : PAGE_URL;
      await withProgram({ width: 1024, height: 768, scale, url }, async (page) => {
        for (const [caption, controlName, action] of scenario.link ? [] : scenario.steps) {
          const role = await waitFor(`${controlName} in ${caption}`, () => page.evaluate((caption, name) => {
            const element = Array.from(windowOf(caption)?.querySelectorAll("button, input, textarea, [role]") ?? [])
              .find((e) => nameOf(e) === name && shown(e));
            return element ? roleOf(element) : null;
          }, caption, controlName));
          const target = control(page, caption, role, controlName);
          if (KEYS.has(action)) await target.press(action);
          else await target.click();
        }
        const [caption, pictureName] = scenario.picture;
        let last = {};
        await waitFor(`the ${name} picture to be the desktop's`, async () => {
          last = differences(await picture(page, caption, pictureName), expected, mask);
          return last.count === 0;
        }).catch((error) => assert.fail(`${error.message}: ${last.count} pixels differ, the first ${last.first}`));
        assert.deepEqual(await page.errors(), []);
      });
    });
