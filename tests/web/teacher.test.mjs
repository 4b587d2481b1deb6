// The teacher's toolkit on the page: links with good and bad words, the picture's menu and the
// PNG it hands on (the canvas's pixels, bit for bit), KEYS by the keyboard with the focus coming
// back, the full-screen button and F11, and the wake lock held only while an animation runs.
import { test } from "node:test";
import assert from "node:assert/strict";
import { inflateSync } from "node:zlib";
import { withProgram, control, frontCaption, picture, waitFor, PAGE_URL } from "./support.mjs";

// The test's own PNG reader (8-bit RGB or RGBA, not interlaced), on Node's zlib: not the
// program's encoder read back by itself.
function decodePng(bytes) {
  const data = Buffer.from(bytes);
  assert.equal(data.subarray(0, 8).toString("hex"), "89504e470d0a1a0a", "a PNG signature");
  let width = 0, height = 0, channels = 0;
  const idat = [];
  for (let at = 8; at < data.length;) {
    const length = data.readUInt32BE(at), type = data.toString("latin1", at + 4, at + 8);
    const body = data.subarray(at + 8, at + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      assert.equal(body[8], 8, "8 bits a sample");
      channels = { 2: 3, 6: 4 }[body[9]];
      assert.equal(body[12], 0, "not interlaced");
    } else if (type === "IDAT") idat.push(body);
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(idat));
  const stride = width * channels, out = Buffer.alloc(width * height * 4);
  let previous = Buffer.alloc(stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)], row = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? row[i - channels] : 0, b = previous[i], c = i >= channels ? previous[i - channels] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predictor = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      row[i] = (row[i] + predictor) & 255;
    }
    for (let x = 0; x < width; ++x) {
      const o = (y * width + x) * 4;
      row.copy(out, o, x * channels, x * channels + 3);
      out[o + 3] = channels === 4 ? row[x * channels + 3] : 255;
    }
    previous = row;
  }
  return { width, height, rgba: out };
}

function samePixels(png, shown) {
  const decoded = decodePng(png);
  assert.equal(decoded.width, shown.width);
  assert.equal(decoded.height, shown.height);
  let differing = 0;
  for (let i = 0; i < decoded.rgba.length; i += 4)
    differing += decoded.rgba[i] !== shown.rgba[i] || decoded.rgba[i + 1] !== shown.rgba[i + 1] ||
      decoded.rgba[i + 2] !== shown.rgba[i + 2] || decoded.rgba[i + 3] !== 255;
  assert.equal(differing, 0, "pixels differ from the canvas");
}

// What the page hands to the clipboard and as downloads, kept in the page instead of leaving it.
const CATCH_HANDED = () => {
  const handed = window.__handed = { images: [], downloads: [], texts: [] };
  const keep = (blob, into, name) => blob.arrayBuffer().then((b) => into.push({ name, bytes: Array.from(new Uint8Array(b)) }));
  if (navigator.clipboard && window.ClipboardItem) {
    navigator.clipboard.write = async (items) => keep(await items[0].getType("image/png"), handed.images);
  }
  if (navigator.clipboard) navigator.clipboard.writeText = async (text) => { handed.texts.push(text); };
  const blobs = new Map(), createObjectURL = URL.createObjectURL.bind(URL);
  URL.createObjectURL = (blob) => { const url = createObjectURL(blob); blobs.set(url, blob); return url; };
  HTMLAnchorElement.prototype.click = function () { if (this.download) keep(blobs.get(this.href), handed.downloads, this.download); };
  return true;
};
const handed = (page) => page.evaluate(() => window.__handed);
const spoken = (page) => page.evaluate(() => document.getElementById("sorvel-status")?.textContent.trim() ?? "");

// Links as a lesson's notes give them, good and bad: the window each opens, where its bars
// stand, and what the page says it left out.
const LINKS = [
  { link: "square-root&A=2000&T=4&stopped", front: "CASE OF SQUARE ROOT", bars: { A: 2000, time: 4000 } },
  { link: "linear&k=down&t=0.5&zoom=3", front: "SORVEL", bars: { time: 500 },
    said: 'Left out of the link: "zoom=3" (not a word of the linear case).' },
  { link: "square-root%26A%3D6000&T=x", front: "CASE OF SQUARE ROOT", bars: { A: 1000, time: 0 },
    said: 'Left out of the link: "A=6000" (not in 500 to 5000), "T=x" (not a number).' },
  { link: "nonsense&t=9", front: "INTRODUCTION",
    said: 'Left out of the link: "nonsense" (unknown word), "t=9" (unknown word).' },
  { link: "theory", front: "THEORY" },
];

test("a link opens its moment, and says once what it left out", async () => {
  await withProgram({}, async (page) => {
    for (const row of LINKS) {
      await page.page.goto("about:blank");
      await page.goto(`${PAGE_URL}#${row.link}`);
      assert.equal(await frontCaption(page), row.front, row.link);
      for (const [name, value] of Object.entries(row.bars ?? {}))
        assert.equal(await control(page, row.front, "slider", name).value(), value, `${row.link}: ${name}`);
      const said = await spoken(page);
      if (row.said) assert.equal(said, row.said);
      else assert.ok(!said.startsWith("Left out"), `${row.link} said ${said}`);
    }
    assert.deepEqual(await page.errors(), []);
  });
});

test("Ctrl+C and the picture's menu hand on the canvas's own pixels, named for what they show", async () => {
  await withProgram({ url: `${PAGE_URL}#square-root&A=2000&T=4&stopped` }, async (page) => {
    const caption = "CASE OF SQUARE ROOT", name = "rays and wavefronts of the square-root medium";
    await page.evaluate(CATCH_HANDED);
    const shown = await picture(page, caption, name);
    await control(page, caption, "button", "WAVE FRONTS").focus();
    await page.key("Control+c");
    // Where the browser takes no image on its clipboard (Firefox ESR), the picture is a download.
    await waitFor("the copied picture", async () => {
      const h = await handed(page);
      return h.images.length + h.downloads.length === 1;
    });
    let h = await handed(page);
    samePixels((h.images[0] ?? h.downloads[0]).bytes, shown);

    // Shift+F10 opens the menu on the picture, its first item focused; the arrows and Enter choose.
    await page.key("Shift+F10");
    const items = () => page.evaluate(() => Array.from(document.querySelectorAll("[role=menuitem]"), (e) => e.textContent));
    await waitFor("the picture's menu", async () => (await items()).length === 3);
    assert.deepEqual(await items(), ["Copy picture", "Save picture\u2026", "Copy link to this moment"]);
    await page.key("ArrowDown");
    await page.key("Enter");
    await waitFor("the saved picture", async () => (await handed(page)).downloads.length === (h.images.length ? 1 : 2));
    h = await handed(page);
    const saved = h.downloads[h.downloads.length - 1];
    assert.equal(saved.name, "square-root-A2000-T4.000.png");
    samePixels(saved.bytes, shown);
    assert.deepEqual(await items(), [], "the menu closes once an item is chosen");

    await page.key("Shift+F10");
    await waitFor("the menu again", async () => (await items()).length === 3);
    await page.key("ArrowUp");
    await page.key("Enter");
    await waitFor("the copied link", async () => (await handed(page)).texts.length === 1);
    assert.equal((await handed(page)).texts[0], `${PAGE_URL}#square-root&A=2000&stopped&T=4`);
    assert.deepEqual(await page.errors(), []);
  });
});

test("F1 and ? open KEYS as a dialog; Escape and its close button give the focus back", async () => {
  await withProgram({ url: `${PAGE_URL}#linear` }, async (page) => {
    const focused = () => page.evaluate(() => document.activeElement.getAttribute("aria-label") || document.activeElement.textContent.trim());
    await control(page, "SORVEL", "button", "STOP TIMER").focus();
    await page.key("F1");
    await waitFor("KEYS", async () => (await frontCaption(page)) === "KEYS");
    assert.equal(await page.evaluate(() => windowOf("KEYS").getAttribute("role")), "dialog");
    const lines = await page.evaluate(() => Array.from(windowOf("KEYS").querySelectorAll("label"), (e) => e.textContent));
    assert.ok(lines.includes("Space: STOP TIMER"), lines.join("\n"));
    assert.ok(lines.includes("F1, ?: these keys"), lines.join("\n"));
    assert.equal(await focused(), "CLOSE");
    await page.key("Escape");
    await waitFor("SORVEL again", async () => (await frontCaption(page)) === "SORVEL");
    assert.equal(await focused(), "STOP TIMER");

    await control(page, "SORVEL", "slider", "time").focus();
    await page.key("?");
    await waitFor("KEYS by ?", async () => (await frontCaption(page)) === "KEYS");
    await page.key("Enter");  // on its close button
    await waitFor("SORVEL once more", async () => (await frontCaption(page)) === "SORVEL");
    assert.equal(await focused(), "time");
    assert.deepEqual(await page.errors(), []);
  });
});

test("the caption bar's button and F11 fill the screen with the page, where it can", async () => {
  await withProgram({ url: `${PAGE_URL}#square-root&A=2000&stopped` }, async (page) => {
    const able = await page.evaluate(() => !!(document.fullscreenEnabled || document.webkitFullscreenEnabled));
    const button = () => page.evaluate(() => windowOf("CASE OF SQUARE ROOT").querySelector("button.full-screen") !== null);
    assert.equal(await button(), able);
    if (!able) return;
    const full = () => page.evaluate(() => !!(document.fullscreenElement || document.webkitFullscreenElement));
    const viewport = () => page.evaluate(() => `${innerWidth}x${innerHeight}`);
    const framed = await viewport();
    await control(page, "CASE OF SQUARE ROOT", "button", "Full screen").click();
    await waitFor("full screen", full);
    await control(page, "CASE OF SQUARE ROOT", "button", "TIME ON").focus();
    await page.key("F11");
    await waitFor("framed again", async () => !(await full()));
    await page.key("F11");
    await waitFor("full screen by F11", full);
    // The browser's own way out (Escape): the program hears of it, and F11 asks again.
    await page.evaluate(() => (document.exitFullscreen || document.webkitExitFullscreen).call(document));
    // Once the window is back at its size: WebKit refuses a new request while it is leaving.
    await waitFor("left by the browser", async () => !(await full()) && (await viewport()) === framed);
    await page.key("F11");
    await waitFor("full screen again", full);
    assert.equal(await control(page, "CASE OF SQUARE ROOT", "slider", "A").value(), 2000);
    assert.deepEqual(await page.errors(), []);
  });
});

test("the wake lock is held while an animation runs in front, and let go when it stops or hides", async () => {
  await withProgram({}, async (page) => {
    await page.evaluate(() => {
      const log = window.__wake = [];
      Object.defineProperty(navigator, "wakeLock", { configurable: true, value: { request: async () => {
        log.push("request");
        const lock = new EventTarget();
        lock.release = async () => { log.push("release"); };
        return lock;
      } } });
      return true;
    });
    const log = () => page.evaluate(() => window.__wake);
    const until = (what, wanted) => waitFor(what, async () => JSON.stringify(await log()) === JSON.stringify(wanted));
    await control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y").click();
    await until("the lock", ["request"]);
    await control(page, "SORVEL", "button", "STOP TIMER").click();
    await until("let go", ["request", "release"]);
    await control(page, "SORVEL", "button", "TIME").click();
    await until("held again", ["request", "release", "request"]);
    await page.evaluate(() => {
      Object.defineProperty(document, "hidden", { configurable: true, get: () => true });
      document.dispatchEvent(new Event("visibilitychange"));
      return true;
    });
    await until("let go while hidden", ["request", "release", "request", "release"]);
    await page.evaluate(() => {
      Object.defineProperty(document, "hidden", { configurable: true, get: () => false });
      document.dispatchEvent(new Event("visibilitychange"));
      return true;
    });
    await until("held once shown", ["request", "release", "request", "release", "request"]);
    await control(page, "SORVEL", "button", "END").click();
    await until("let go at END", ["request", "release", "request", "release", "request", "release"]);
    assert.deepEqual(await page.errors(), []);
  });
});
