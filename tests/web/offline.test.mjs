// The browser edition is one file that works with no network: from file:// and from a static web
// server it asks for nothing beyond itself, its policy forbids every request but its inlined font,
// it keeps nothing, and it reports no error. What the page asked of the network is seen by the
// server in every engine, and by the engine's own automation where it tells (Chromium, Firefox);
// WebKitGTK's does not, and there the page's own record of refused requests stands in.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readdirSync, readFileSync, statSync } from "node:fs";
import { createServer } from "node:http";
import path from "node:path";
import { PAGE, PAGE_URL, launch, openProgram, withProgram, control, clickAndWaitFront, waitFor } from "./support.mjs";

test("one file of at most 1 MiB, with a policy that forbids every request", () => {
  // Beside it only the web app's folder, which is the same page for a web server.
  assert.deepEqual(readdirSync(path.dirname(PAGE)).sort(), ["site", "sorvel.html"]);
  assert.ok(statSync(PAGE).size <= 1024 * 1024, `${statSync(PAGE).size} bytes`);
  const html = readFileSync(PAGE, "utf8");
  const policy = html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
  assert.match(policy, /^default-src 'none';/);
  // Fonts and images may come as data, which is how the page carries its face and icon; nothing else may.
  assert.match(policy, /; font-src data:; img-src data:;/);
  assert.doesNotMatch(policy.replace("font-src data:; img-src data:;", ""), /'unsafe-inline'|'unsafe-eval'|https?:|data:|blob:/);
  // Nothing in the page names a place on the network.
  assert.doesNotMatch(html.replace(/http-equiv/g, ""), /https?:\/\/|wss?:\/\//);
});

// Opens the page from this address, uses both cases for a moment, and returns what was asked of
// the network, what the policy refused and what the page left behind.
async function visit(browser, url) {
  const page = await openProgram(browser, { url });
  await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y"), "SORVEL");
  await clickAndWaitFront(page, control(page, "SORVEL", "button", "BACK TO INTRODUTION"), "INTRODUCTION");
  await clickAndWaitFront(page, control(page, "INTRODUCTION", "button", "EXPLANATIONS"), "THEORY");
  await clickAndWaitFront(page, control(page, "THEORY", "button", "Close THEORY"), "INTRODUCTION");
  await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
  const left = await page.evaluate(async () => ({
    refused: window.__sorvelRefused,
    cookies: document.cookie,
    local: localStorage.length,
    session: sessionStorage.length,
    databases: indexedDB.databases ? (await indexedDB.databases()).length : 0,
    font: document.fonts.check('10px "Sorvel Sans"') && document.fonts.check('bold 12px "Sorvel Sans"'),
  }));
  const { requests } = page;
  const errors = await page.errors();
  await page.close();
  return { requests, errors, left };
}

test("from file:// and from a web server it asks for nothing but itself and keeps nothing", async () => {
  const server = createServer((request, response) => {
    response.writeHead(request.url === "/sorvel.html" ? 200 : 404, { "Content-Type": "text/html; charset=utf-8" });
    response.end(request.url === "/sorvel.html" ? readFileSync(PAGE) : "");
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const served = `http://127.0.0.1:${server.address().port}/sorvel.html`;
  const asked = [];
  server.on("request", (request) => asked.push(request.url));
  const browser = await launch();
  try {
    for (const url of [PAGE_URL, served]) {
      const { requests, errors, left } = await visit(browser, url);
      // Firefox reports no request for a file it reads from the disk.
      if (requests) assert.ok(requests.every((r) => r === url), `${url}: ${requests}`);
      assert.deepEqual(errors, [], url);
      assert.deepEqual(left, { refused: [], cookies: "", local: 0, session: 0, databases: 0, font: true }, url);
    }
    assert.deepEqual(asked, ["/sorvel.html"]);
  } finally {
    await browser.close();
    server.close();
  }
});

test("END ends at once: the windows go and the page says how to start again", async () => {
  await withProgram({}, async (page) => {
    await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
    await control(page, "CASE OF SQUARE ROOT", "button", "END").click();
    const status = () => page.evaluate(() => document.querySelector("[role=status]")?.textContent ?? null);
    await waitFor("the ended page", status);
    assert.equal(await status(), "The program has ended. Reload the page to start it again.");
    assert.equal(await page.evaluate(() => document.querySelectorAll("section.window").length), 0);
    assert.deepEqual(await page.errors(), []);
    await page.reload();
  });
});
