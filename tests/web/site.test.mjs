// The web app, for devices that cannot open a file: its folder carries the one file's page and
// program; served from 127.0.0.1 it opens again with the server gone, the introduction and both
// pictures' rays there; a new build replaces the kept one after one visit that reaches the network;
// Chromium finds it installable; and nothing is asked beyond the folder.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { createHash } from "node:crypto";
import { cpSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { PAGE, ENGINE, launch, openProgram, control, clickAndWaitFront, waitFor } from "./support.mjs";
import { LINEAR, SQUARE, missingRays, missingField, waitForPicture, pictureRatio } from "./rays.mjs";

const SITE = path.join(path.dirname(PAGE), "site");
const SOURCES = path.join(path.dirname(fileURLToPath(import.meta.url)), "../../src/web/page");
const TYPES = { ".html": "text/html; charset=utf-8", ".webmanifest": "application/manifest+json",
  ".png": "image/png", ".js": "text/javascript" };

// A static host on the loopback interface serving `root` (which a test may point elsewhere), the
// folder's address answered by its index.html, as school servers do, with these caching headers.
// It keeps every path asked.
async function host(root, caching) {
  const served = { root, asked: [] };
  const server = createServer((request, response) => {
    const name = new URL(request.url, "http://host").pathname.slice(1) || "index.html";
    served.asked.push(request.url);
    const known = readdirSync(served.root).includes(name);
    response.writeHead(known ? 200 : 404, { "Content-Type": TYPES[path.extname(name)] || "text/plain",
      "Cache-Control": caching });
    response.end(known ? readFileSync(path.join(served.root, name)) : "");
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  served.origin = `http://127.0.0.1:${server.address().port}`;
  served.url = `${served.origin}/`;
  // Gone, kept-alive connections too: the next visit finds no server at all.
  served.stop = () => new Promise((resolve) => { server.close(resolve); server.closeAllConnections(); });
  return served;
}

const controlled = (program) => waitFor("the worker to control the page", () =>
  program.evaluate(() => navigator.serviceWorker.controller !== null), 30);

// The introduction in front, and the closed-form rays of both cases in their pictures.
async function expectTheProgram(program) {
  assert.equal(await program.frontCaption(), "INTRODUCTION");
  const scale = await pictureRatio(program, 1);
  await clickAndWaitFront(program, control(program, "INTRODUCTION", "radio", "V LINEAR WITH Y"), "SORVEL");
  await waitForPicture(program, "SORVEL", LINEAR, "the fan of k = -8", (image) => missingRays(image, -8, scale));
  await clickAndWaitFront(program, control(program, "SORVEL", "button", "BACK TO INTRODUTION"), "INTRODUCTION");
  await clickAndWaitFront(program, control(program, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
  await waitForPicture(program, "CASE OF SQUARE ROOT", SQUARE, "the field of A = 1000", (image) => missingField(image, 1000, scale));
}

// What the page itself asked, where the engine tells, all of the folder; what the host was asked,
// all of it too; and nothing the page's policy had to refuse (what WebKitGTK's automation leaves).
async function expectOnlyTheFolder(program, served) {
  if (program.requests) assert.deepEqual(program.requests.filter((url) => !url.startsWith(served.url)), []);
  assert.deepEqual(await program.evaluate(() => window.__sorvelRefused), []);
  const files = new Set(readdirSync(served.root).map((file) => `/${file}`));
  assert.deepEqual(served.asked.filter((url) => url !== "/" && !files.has(url)), []);
}

// Where SORVEL_SHOTS names a folder, what the offline page shows is kept there to be looked at.
async function shoot(program, what) {
  if (!process.env.SORVEL_SHOTS) return;
  mkdirSync(process.env.SORVEL_SHOTS, { recursive: true });
  await program.screenshot(path.join(process.env.SORVEL_SHOTS, `offline-${ENGINE}-${what}.png`));
}

const digest = (text) => createHash("sha256").update(text).digest("base64");
// The digests of a page's inline scripts and style, in their order.
const inlined = (html) => [...html.matchAll(/<(script|style)>([\s\S]*?)<\/\1>/g)].map((m) => digest(m[2]));
const policyOf = (html) => html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];

test("the folder: the one file's page, icons where the page and manifest say, a worker that keeps it all", () => {
  const files = readdirSync(SITE).sort();
  const [index, theFile] = [path.join(SITE, "index.html"), PAGE].map((file) => readFileSync(file, "utf8"));
  // The same program as the one file, built with it, and the worker's registration besides; the
  // one file's policy, which forbids every request, opened for that script and for the folder's
  // own manifest, worker and icons alone.
  const registration = readFileSync(path.join(SOURCES, "register_worker.js"), "utf8");
  assert.deepEqual(inlined(index), [digest(registration), ...inlined(theFile)]);
  assert.equal(policyOf(index), policyOf(theFile).replace(" 'wasm-unsafe-eval'", ` 'sha256-${digest(registration)}' 'wasm-unsafe-eval'`)
    .replace("img-src data:", "img-src 'self' data:; manifest-src 'self'; worker-src 'self'"));
  assert.doesNotMatch(index.replace(/http-equiv/g, ""), /https?:\/\/|wss?:\/\//);

  // Each icon is a PNG of the size it claims (its IHDR's width and height), one of them maskable.
  const manifest = JSON.parse(readFileSync(path.join(SITE, "manifest.webmanifest"), "utf8"));
  for (const icon of manifest.icons) {
    const png = readFileSync(path.join(SITE, icon.src));
    assert.equal(`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`, icon.sizes, icon.src);
  }
  assert.ok(manifest.icons.some((icon) => icon.purpose === "maskable"));
  for (const [, file] of index.matchAll(/<link rel="(?:manifest|apple-touch-icon)" href="([^"]*)">/g))
    assert.ok(files.includes(file), file);

  const kept = JSON.parse(readFileSync(path.join(SITE, "sw.js"), "utf8").match(/const FILES = (.*);/)[1]);
  assert.deepEqual(kept, files.filter((file) => file !== "sw.js"));
});

test("served from 127.0.0.1, it opens again with the server gone, and asks nothing beyond its folder", async (t) => {
  // Nothing kept by the browser's HTTP cache: with the server gone only the worker can answer.
  const served = await host(SITE, "no-store");
  const browser = await launch({ profile: true });
  try {
    const program = await openProgram(browser, { url: served.url });
    await controlled(program);
    if (program.chromium) {
      const check = await program.chromium.cdp.send("Page.getInstallabilityErrors");
      t.diagnostic(`installability: ${JSON.stringify(check)}`);
      assert.deepEqual(check.installabilityErrors, []);
    }
    await served.stop();
    await program.goto(served.url);
    await shoot(program, "introduction");
    await expectTheProgram(program);
    await shoot(program, "square-root");
    assert.deepEqual(await program.errors(), []);
    await expectOnlyTheFolder(program, served);
  } finally {
    await browser.close();
    await served.stop();
  }
});

test("a new build replaces the kept one after one visit that reaches the network", async () => {
  // The next build: the page changed where it shows nothing, and the worker written again for it
  // by the build's own step.
  const next = mkdtempSync(path.join(tmpdir(), "sorvel-site-"));
  cpSync(SITE, next, { recursive: true });
  const DESCRIBED = "The next build";
  const index = path.join(next, "index.html");
  writeFileSync(index, readFileSync(index, "utf8").replace(/(<meta name="description" content=")[^"]*/, `$1${DESCRIBED}`));
  execFileSync(process.execPath, [path.join(SOURCES, "worker.mjs"), path.join(SOURCES, "sw.js"), next]);
  const version = readFileSync(path.join(next, "sw.js"), "utf8").match(/const CACHE = PREFIX \+ "(\w+)"/)[1];

  // Kept an hour by the browser, as many hosts are set up to: the new build must arrive all the same.
  const served = await host(SITE, "max-age=3600");
  const browser = await launch();
  try {
    const program = await openProgram(browser, { url: served.url });
    await controlled(program);
    served.root = next;
    await program.goto(served.url);
    await waitFor("the new build's cache, alone", async () => {
      const names = await program.evaluate(() => caches.keys());
      return names.length === 1 && names[0].endsWith(` ${version}`);
    }, 30);
    await served.stop();
    await program.goto(served.url);
    assert.equal(await program.evaluate(() => document.querySelector('meta[name="description"]').content), DESCRIBED);
    await expectTheProgram(program);
    assert.deepEqual(await program.errors(), []);
  } finally {
    await browser.close();
    await served.stop();
    rmSync(next, { recursive: true, force: true });
  }
});
