// Drives the browser edition in Debian's headless Chromium: opening the page, finding windows and
// controls by their accessible names, reading pictures, and one bounded polling helper.
import { chromium } from "playwright-core";
import { execFileSync } from "node:child_process";
import { fileURLToPath, pathToFileURL } from "node:url";
import path from "node:path";

const here = path.dirname(fileURLToPath(import.meta.url));
export const PAGE = process.env.SORVEL_PAGE || path.join(here, "../../dist/web/sorvel.html");
export const PAGE_URL = pathToFileURL(PAGE).href;

// Chromium as root needs --no-sandbox; the rest keeps it from reaching for the network at start.
const FLAGS = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
  "--disable-component-update", "--disable-sync", "--disable-default-apps", "--disable-extensions",
  "--font-render-hinting=none"];

export async function launch() {
  return chromium.launch({ executablePath: process.env.SORVEL_CHROMIUM || "/usr/bin/chromium", args: FLAGS,
    headless: true });
}

// Polls `condition` until it returns a truthy value, at most `seconds`; returns that value, or
// throws with `what` once the time is up. Every wait of the tests goes through here.
export async function waitFor(what, condition, seconds = 15) {
  const end = Date.now() + seconds * 1000;
  let last;
  for (;;) {
    try {
      const value = await condition();
      if (value) return value;
    } catch (error) {
      last = error;
    }
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}${last ? `: ${last.message}` : ""}`);
    await new Promise((resolve) => setTimeout(resolve, 25));
  }
}

// A page of the given logical size and device scale, with every console error and page error kept;
// `init`, a function, runs in the page before the page's own scripts.
export async function openProgram(browser, { width = 1024, height = 768, scale = 1, init } = {}) {
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: scale });
  const page = await context.newPage();
  if (init) await page.addInitScript(init);
  const errors = [];
  page.on("console", (message) => { if (message.type() === "error") errors.push(message.text()); });
  page.on("pageerror", (error) => errors.push(String(error)));
  const dialogs = [];
  page.on("dialog", async (dialog) => { dialogs.push(dialog.message()); await dialog.accept(); });
  await page.goto(PAGE_URL);
  await waitFor("the introduction", () => frontCaption(page).then((c) => c === "INTRODUCTION"));
  return { context, page, errors, dialogs };
}

// The caption of the window in front, "" if none.
export function frontCaption(page) {
  return page.evaluate(() => {
    let best = null;
    for (const layer of document.querySelectorAll("section.window:not([hidden])"))
      if (!best || Number(layer.style.zIndex) > Number(best.style.zIndex)) best = layer;
    return best ? best.getAttribute("aria-label") : "";
  });
}

export function windowOf(page, caption) {
  return page.locator(`section.window[aria-label="${caption}"]`);
}

// A control of a window by its role and accessible name, as a screen reader finds it.
export function control(page, caption, role, name) {
  return windowOf(page, caption).getByRole(role, { name, exact: true });
}

export async function clickAndWaitFront(page, locator, caption) {
  await locator.click();
  await waitFor(`${caption} in front`, async () => (await frontCaption(page)) === caption);
}

// The device pixels a window's picture holds now, as RGBA bytes, with its size.
export async function picture(page, caption, name) {
  const data = await windowOf(page, caption).getByRole("img", { name, exact: true }).evaluate((canvas) => {
    const image = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height);
    let text = "";
    const bytes = image.data;
    for (let i = 0; i < bytes.length; i += 32768) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 32768));
    return { width: canvas.width, height: canvas.height, base64: btoa(text) };
  });
  return { width: data.width, height: data.height, rgba: Buffer.from(data.base64, "base64") };
}

export function pixelAt(image, x, y) {
  const i = (y * image.width + x) * 4;
  return [image.rgba[i], image.rgba[i + 1], image.rgba[i + 2]];
}

// Whether some pixel within `radius` of (x, y) is wanted.
export function anyNear(image, x, y, radius, wanted) {
  for (let dy = -radius; dy <= radius; ++dy)
    for (let dx = -radius; dx <= radius; ++dx) {
      const px = Math.floor(x) + dx, py = Math.floor(y) + dy;
      if (px >= 0 && py >= 0 && px < image.width && py < image.height && wanted(pixelAt(image, px, py))) return true;
    }
  return false;
}

export const isRed = ([r, g, b]) => r === 255 && g === 0 && b === 0;
export const isFront = ([r, g, b]) => r === 5 && g === 5 && b === 5;
export const isBlack = ([r, g, b]) => r < 8 && g < 8 && b < 8;

// Where a picture point (user units, ±100, y up) lands in the picture's device pixels.
export function toDevice(image, x, y) {
  return [(x + 100) / 200 * image.width, (100 - y) / 200 * image.height];
}

// Points of the integrated rays, from the project's RK4 oracle (a native program).
export function oracle(queries) {
  const tool = process.env.SORVEL_ORACLE || path.join(here, "../../build-test/tests/oracle_points");
  const out = execFileSync(tool, { input: queries.map((q) => q.join(" ")).join("\n") + "\n" }).toString();
  return out.trim().split("\n").map((line) => line.split(" ").map(Number));
}

// A short digest of what a picture's canvas shows now, computed in the page.
export function pictureDigest(page, caption, name) {
  return windowOf(page, caption).getByRole("img", { name, exact: true }).evaluate((canvas) => {
    const bytes = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    let h = 2166136261;
    for (let i = 0; i < bytes.length; i += 4) h = Math.imul(h ^ (bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16), 16777619);
    return h >>> 0;
  });
}

// The picture moves: it changes, as a running timer changes it on its next ticks.
export async function expectRunning(page, caption, name) {
  const before = await pictureDigest(page, caption, name);
  await waitFor(`${caption}'s picture to move`, async () => (await pictureDigest(page, caption, name)) !== before);
}

// The picture stands still over a known number of display frames: a running timer ticks on every
// frame at 60 Hz, and at least on every other one at any rate up to 120 Hz, so sixty frames
// without a change are thirty ticks that did not come.
export async function expectStill(page, caption, name, frames = 60) {
  const before = await pictureDigest(page, caption, name);
  await page.evaluate((n) => new Promise((resolve) => {
    let left = n;
    const next = () => (--left <= 0 ? resolve() : requestAnimationFrame(next));
    requestAnimationFrame(next);
  }), frames);
  const after = await pictureDigest(page, caption, name);
  if (after !== before) throw new Error(`${caption}'s picture moved while it should stand still`);
}
