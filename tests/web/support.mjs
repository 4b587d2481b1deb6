// Drives the browser edition in the engine SORVEL_ENGINE names (chromium, firefox or webkit):
// opening the page, finding windows and controls by their accessible names, acting on them with
// real pointer and key input, reading pictures, and one bounded polling helper. The same tests run
// in every engine; engines.mjs speaks to each.
import { execFileSync } from "node:child_process";
import { fileURLToPath, pathToFileURL } from "node:url";
import path from "node:path";
import { LAUNCHERS, LIMITS } from "./engines.mjs";

const here = path.dirname(fileURLToPath(import.meta.url));
export const PAGE = process.env.SORVEL_PAGE || path.join(here, "../../dist/web/sorvel.html");
export const PAGE_URL = pathToFileURL(PAGE).href;
export const ENGINE = process.env.SORVEL_ENGINE || "chromium";
if (!(ENGINE in LAUNCHERS)) throw new Error(`unknown engine ${ENGINE}`);

// Why this engine cannot run a test that needs `what` (a fractional scale, touch), or undefined.
export function unsupported(what) {
  return LIMITS[ENGINE][what];
}
// The options of node:test that skip a test where the engine cannot do what it needs.
export function needs(...what) {
  const reason = what.map(unsupported).find(Boolean);
  return reason ? { skip: `${ENGINE}: ${reason}` } : {};
}
export function scaleNeeds(scale) {
  return Number.isInteger(scale) ? {} : needs("fractionalScale");
}

// A browser of this engine at a device scale factor, with a finger for a pointer if `touch`, and
// with `profile`, a profile on disk rather than a private window (where only Chromium differs).
export async function launch({ scale = 1, touch = false, profile = false } = {}) {
  return LAUNCHERS[ENGINE]({ scale, touch, profile });
}

import { waitFor } from "./wait.mjs";
export { waitFor };

// Helpers defined in the page around every script the tests run there: the window in front, and
// a control of a window by its role and accessible name, as a screen reader finds it.
const PRELUDE = `
  const windowOf = (caption) => Array.from(document.querySelectorAll("section.window"))
    .find((layer) => layer.getAttribute("aria-label") === caption) || null;
  const roleOf = (e) => e.getAttribute("role") || (e.tagName === "BUTTON" ? "button" : e.tagName === "TEXTAREA" ? "textbox"
    : e.tagName === "INPUT" ? ({ radio: "radio", checkbox: "checkbox", text: "textbox" })[e.type] : null);
  const nameOf = (e) => (e.getAttribute("aria-label") || e.textContent || "").trim() === "" ? "" :
    (e.getAttribute("aria-label") || e.textContent.trim());
  const find = (caption, role, name) => {
    const layer = windowOf(caption);
    if (!layer) return null;
    return Array.from(layer.querySelectorAll("button, input, textarea, [role]"))
      .find((e) => roleOf(e) === role && nameOf(e) === name) || null;
  };
  const shown = (e) => !!e && e.getClientRects().length > 0 && getComputedStyle(e).visibility !== "hidden";
  const frontCaption = () => {
    let best = null;
    for (const layer of document.querySelectorAll("section.window:not([hidden])"))
      if (!best || Number(layer.style.zIndex) > Number(best.style.zIndex)) best = layer;
    return best ? best.getAttribute("aria-label") : "";
  };
`;

// Errors the page meets, kept in the page itself: what an uncaught exception, a rejected promise or
// console.error says. The only way to see them in WebKitGTK, whose automation gives no console log;
// installed as soon as the page has loaded, so an error before that shows as an introduction that
// never comes, which every test waits for.
const ERROR_HOOKS = `(() => {
  if (window.__sorvelErrors) return;
  const errors = window.__sorvelErrors = [];
  addEventListener("error", (event) => errors.push(String(event.message || event.error)));
  addEventListener("unhandledrejection", (event) => errors.push("unhandled rejection: " + String(event.reason)));
  const consoleError = console.error.bind(console);
  console.error = (...args) => { errors.push(args.map(String).join(" ")); consoleError(...args); };
  window.__sorvelRefused = [];
  document.addEventListener("securitypolicyviolation", (event) => window.__sorvelRefused.push(event.violatedDirective));
})()`;

class Control {
  constructor(program, caption, role, name) {
    Object.assign(this, { program, caption, role, name });
  }
  // Runs fn(element, ...args) in the page on the control, which must exist.
  run(fn, ...args) {
    return this.program.evaluate(`(caption, role, name, args) => {
      const element = find(caption, role, name);
      if (!element) throw new Error("no " + role + " " + JSON.stringify(name) + " in " + caption);
      return (${fn})(element, ...args);
    }`, this.caption, this.role, this.name, args);
  }
  isVisible() {
    return this.program.evaluate("(c, r, n) => shown(find(c, r, n))", this.caption, this.role, this.name);
  }
  // The control's box in CSS pixels of the viewport, the page scrolled first to bring it into
  // view, as a user scrolls a short screen to reach it.
  box() {
    return this.run((e) => {
      e.scrollIntoView({ block: "nearest", inline: "nearest" });
      const r = e.getBoundingClientRect();
      return { x: r.left, y: r.top, width: r.width, height: r.height };
    });
  }
  // A press and release by this pointer (mouse, touch or pen) at this point of the box, its middle by default.
  async click({ position, pointer = "mouse" } = {}) {
    await waitFor(`${this.name} in ${this.caption} to show`, () => this.isVisible(), 5);
    const box = await this.box();
    const { x, y } = position || { x: box.width / 2, y: box.height / 2 };
    await this.program.pointer(pointer, [[box.x + x, box.y + y]]);
  }
  tap(options = {}) {
    return this.click({ ...options, pointer: "touch" });
  }
  // Presses at `from` within the box and moves to `to`, both relative to its top-left corner.
  async drag(from, to, pointer = "mouse") {
    const box = await this.box();
    const steps = [0, 0.25, 0.5, 0.75, 1].map((f) => [box.x + from.x + (to.x - from.x) * f, box.y + from.y + (to.y - from.y) * f]);
    await this.program.pointer(pointer, steps);
  }
  focus() {
    return this.run((e) => e.focus());
  }
  async press(key) {
    await this.focus();
    await this.program.key(key);
  }
  // Types over the whole text, key by key.
  async type(text) {
    await this.run((e) => { e.focus(); e.select(); });
    for (const character of text) await this.program.key(character);
  }
  value() {
    return this.run((e) => (e.getAttribute("role") === "slider" ? Number(e.getAttribute("aria-valuenow")) : e.value));
  }
  isChecked() {
    return this.run((e) => e.checked);
  }
  text() {
    return this.run((e) => e.textContent);
  }
}

// One page of the program in a browser: what the tests see and do there.
class Program {
  constructor(browser, page) {
    this.browser = browser;
    this.page = page;
    // The engine's own hold on the page, where a test needs what only that engine gives (Chromium's
    // accessibility tree and heap sizes).
    this.chromium = page.chromium;
  }
  // Runs `fn` (a function, or its source) in the page with JSON arguments; returns its JSON result.
  async evaluate(fn, ...args) {
    const text = await this.page.evaluate(`(async () => { ${PRELUDE}
      return JSON.stringify(await (${fn})(...${JSON.stringify(args)})); })()`);
    return text === undefined ? undefined : JSON.parse(text);
  }
  control(caption, role, name) {
    return new Control(this, caption, role, name);
  }
  frontCaption() {
    return this.evaluate("() => frontCaption()");
  }
  key(name) {
    return this.page.key(name);
  }
  pointer(kind, points) {
    return this.page.pointer(kind, points);
  }
  // What went wrong in the page: the engine's own log where it has one, and the page's hooks.
  async errors() {
    const kept = (await this.evaluate("() => window.__sorvelErrors || []").catch(() => [])) ?? [];
    return [...new Set([...this.page.seen.errors, ...kept])];
  }
  get dialogs() {
    return this.page.seen.dialogs;
  }
  // What the page asked of the network, or null where the engine cannot tell (WebKitGTK).
  // Fonts given as data: URLs are no request.
  get requests() {
    const requests = this.page.seen.requests;
    return requests && requests.filter((url) => !url.startsWith("data:"));
  }
  // A link with a moment opens another window than the introduction.
  async goto(url) {
    await this.page.goto(url);
    await this.page.evaluate(ERROR_HOOKS);
    if (new URL(url).hash) await waitFor("the link's window", async () => (await this.frontCaption()) !== "");
    else await waitFor("the introduction", async () => (await this.frontCaption()) === "INTRODUCTION");
  }
  async reload() {
    await this.page.reload();
    await this.page.evaluate(ERROR_HOOKS);
    await waitFor("the introduction again", async () => (await this.frontCaption()) === "INTRODUCTION");
  }
  setViewport(width, height) {
    return this.page.setViewport(width, height);
  }
  screenshot(file) {
    return this.page.screenshot(file);
  }
  close() {
    return this.page.close();
  }
}

// The program opened from `url` in a page of the given size, its introduction in front.
export async function openProgram(browser, { width = 1024, height = 768, url = PAGE_URL } = {}) {
  const program = new Program(browser, await browser.open({ width, height }));
  await program.goto(url);
  return program;
}

// Each of these runs with a fresh browser of the engine, closed whatever happens.
export async function withProgram(options, body) {
  const browser = await launch(options);
  try {
    const program = await openProgram(browser, options);
    await body(program);
  } finally {
    await browser.close();
  }
}

export function control(program, caption, role, name) {
  return program.control(caption, role, name);
}

export function frontCaption(program) {
  return program.frontCaption();
}

export async function clickAndWaitFront(program, target, caption) {
  await target.click();
  await waitFor(`${caption} in front`, async () => (await program.frontCaption()) === caption);
}

// The device pixels a window's picture holds now, as RGBA bytes, with its size. They cross from the
// page as runs of equal pixels: a picture is mostly background, and some engines' automation
// carries a long text slowly.
export async function picture(program, caption, name) {
  const data = await program.evaluate((caption, name) => {
    const canvas = find(caption, "img", name);
    const bytes = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    const words = new Uint32Array(bytes.buffer, bytes.byteOffset, bytes.length / 4);
    const runs = [];
    for (let i = 0; i < words.length;) {
      let j = i + 1;
      while (j < words.length && words[j] === words[i]) ++j;
      runs.push(words[i], j - i);
      i = j;
    }
    const packed = new Uint8Array(new Uint32Array(runs).buffer);
    let text = "";
    for (let i = 0; i < packed.length; i += 32768) text += String.fromCharCode.apply(null, packed.subarray(i, i + 32768));
    return { width: canvas.width, height: canvas.height, runs: btoa(text) };
  }, caption, name);
  const packed = Buffer.from(data.runs, "base64");
  const runs = new Uint32Array(packed.buffer.slice(packed.byteOffset, packed.byteOffset + packed.length));
  const pixels = new Uint32Array(data.width * data.height);
  for (let k = 0, at = 0; k < runs.length; k += 2) {
    pixels.fill(runs[k], at, at + runs[k + 1]);
    at += runs[k + 1];
  }
  return { width: data.width, height: data.height, rgba: Buffer.from(pixels.buffer) };
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
export function pictureDigest(program, caption, name) {
  return program.evaluate((caption, name) => {
    const canvas = find(caption, "img", name);
    const bytes = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    let h = 2166136261;
    for (let i = 0; i < bytes.length; i += 4) h = Math.imul(h ^ (bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16), 16777619);
    return h >>> 0;
  }, caption, name);
}

// The picture moves: it changes, as a running timer changes it on its next ticks.
export async function expectRunning(program, caption, name) {
  const before = await pictureDigest(program, caption, name);
  await waitFor(`${caption}'s picture to move`, async () => (await pictureDigest(program, caption, name)) !== before);
}

// Lets this many display frames of the page pass.
export function frames(program, count) {
  return program.evaluate((n) => new Promise((resolve) => {
    let left = n;
    const next = () => (--left <= 0 ? resolve() : requestAnimationFrame(next));
    requestAnimationFrame(next);
  }), count);
}

// The picture stands still over a known number of display frames: a running timer ticks on every
// frame at 60 Hz, and at least on every other one at any rate up to 120 Hz, so sixty frames
// without a change are thirty ticks that did not come.
export async function expectStill(program, caption, name, count = 60) {
  const before = await pictureDigest(program, caption, name);
  await frames(program, count);
  const after = await pictureDigest(program, caption, name);
  if (after !== before) throw new Error(`${caption}'s picture moved while it should stand still`);
}
