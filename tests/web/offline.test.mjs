// The browser edition is one file that works with no network: from file:// and from a static web
// server it asks for nothing beyond itself, its policy forbids every request, it keeps nothing,
// and it reports no error.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readdirSync, readFileSync, statSync } from "node:fs";
import { createServer } from "node:http";
import path from "node:path";
import { PAGE, PAGE_URL, launch, openProgram, control, clickAndWaitFront, waitFor, frontCaption } from "./support.mjs";

test("one file of at most 1 MiB, alone in its folder, with a policy that forbids every request", () => {
  assert.deepEqual(readdirSync(path.dirname(PAGE)), ["sorvel.html"]);
  assert.ok(statSync(PAGE).size <= 1024 * 1024, `${statSync(PAGE).size} bytes`);
  const html = readFileSync(PAGE, "utf8");
  const policy = html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
  assert.match(policy, /^default-src 'none';/);
  assert.doesNotMatch(policy, /'unsafe-inline'|'unsafe-eval'|https?:|data:|blob:/);
  // Nothing in the page names a place on the network.
  assert.doesNotMatch(html.replace(/http-equiv/g, ""), /https?:\/\/|wss?:\/\//);
});

// Opens the page from this address, uses both cases for a moment, and returns what was asked of
// the network, what the policy refused and what the page left behind.
async function visit(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  const requests = [];
  const errors = [];
  const cdp = await context.newCDPSession(page);
  await cdp.send("Network.enable");
  cdp.on("Network.requestWillBeSent", (event) => requests.push(event.request.url));
  page.on("console", (message) => { if (message.type() === "error") errors.push(message.text()); });
  page.on("pageerror", (error) => errors.push(String(error)));
  await page.addInitScript(() => {
    window.refused = [];
    document.addEventListener("securitypolicyviolation", (e) => window.refused.push(e.violatedDirective));
  });
  await page.goto(url);
  await waitFor("the introduction", async () => (await frontCaption(page)) === "INTRODUCTION");
  await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V LINEAR WITH Y"), "SORVEL");
  await clickAndWaitFront(page, control(page, "SORVEL", "button", "BACK TO INTRODUTION"), "INTRODUCTION");
  await clickAndWaitFront(page, control(page, "INTRODUCTION", "button", "EXPLANATIONS"), "THEORY");
  await clickAndWaitFront(page, control(page, "THEORY", "button", "Close THEORY"), "INTRODUCTION");
  await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
  const left = await page.evaluate(async () => ({
    refused: window.refused,
    cookies: document.cookie,
    local: localStorage.length,
    session: sessionStorage.length,
    databases: indexedDB.databases ? (await indexedDB.databases()).length : 0,
  }));
  await context.close();
  return { requests, errors, left };
}

test("from file:// and from a web server it asks for nothing but itself and keeps nothing", async () => {
  const server = createServer((request, response) => {
    response.writeHead(request.url === "/sorvel.html" ? 200 : 404, { "Content-Type": "text/html; charset=utf-8" });
    response.end(request.url === "/sorvel.html" ? readFileSync(PAGE) : "");
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const served = `http://127.0.0.1:${server.address().port}/sorvel.html`;
  const browser = await launch();
  try {
    for (const url of [PAGE_URL, served]) {
      const { requests, errors, left } = await visit(browser, url);
      assert.deepEqual(requests, [url], url);
      assert.deepEqual(errors, [], url);
      assert.deepEqual(left, { refused: [], cookies: "", local: 0, session: 0, databases: 0 }, url);
    }
  } finally {
    await browser.close();
    server.close();
  }
});

test("END ends at once: the windows go and the page says how to start again", async () => {
  const browser = await launch();
  try {
    const { page, errors } = await openProgram(browser);
    await clickAndWaitFront(page, control(page, "INTRODUCTION", "radio", "V AS SQUARE ROOT"), "CASE OF SQUARE ROOT");
    await control(page, "CASE OF SQUARE ROOT", "button", "END").click();
    await waitFor("the ended page", () => page.getByRole("status").isVisible());
    assert.equal(await page.getByRole("status").textContent(),
      "The program has ended. Reload the page to start it again.");
    assert.equal(await page.locator("section.window").count(), 0);
    assert.deepEqual(errors, []);
    await page.reload();
    await waitFor("the introduction again", async () => (await frontCaption(page)) === "INTRODUCTION");
  } finally {
    await browser.close();
  }
});
