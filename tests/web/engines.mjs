// The three browser engines schools have, each Debian's own build driven by its own automation:
// Chromium through playwright-core (the DevTools protocol), Firefox over WebDriver BiDi, which it
// serves itself, and WebKitGTK through the W3C WebDriver that WebKitWebDriver serves, on an Xvfb
// display of its own. Each gives the same small set of operations; support.mjs builds the tests'
// helpers on them. Nothing here downloads a browser.
import { chromium } from "playwright-core";
import { spawn } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import path from "node:path";
import WebSocket from "ws";
import { waitFor } from "./wait.mjs";

// What an engine's automation cannot do, and so what a test skips there (with this reason).
export const LIMITS = {
  chromium: {},
  firefox: {
    pen: "Firefox's WebDriver BiDi has no pen input (pointerMove for pointerType pen is unimplemented)",
  },
  webkit: {
    // Seen with WebKitGTK 2.50: the press reaches the page, the moves after it do not.
    pen: "WebKitGTK's automation sends no moves of a pen that the page holds (pointer capture)",
    // GTK scales a window by whole numbers only (GDK_SCALE).
    fractionalScale: "WebKitGTK scales by whole numbers only",
    // WebKitGTK's automation sends every pointer as a mouse, and cannot make the page's pointer coarse.
    touch: "WebKitGTK's automation has no touch input",
  },
};

// Keys by the names the tests use, as W3C WebDriver codes.
const WEBDRIVER_KEYS = { Tab: "\uE004", Shift: "\uE008", Enter: "\uE007", Space: " ", PageUp: "\uE00E",
  PageDown: "\uE00F", End: "\uE010", Home: "\uE011", ArrowLeft: "\uE012", ArrowUp: "\uE013", ArrowRight: "\uE014",
  ArrowDown: "\uE015", Control: "\uE009", Backspace: "\uE003", Escape: "\uE00C", F1: "\uE031", F10: "\uE03A",
  F11: "\uE03B" };

// A W3C key sequence for "Shift+Tab", "PageDown" or a single character.
function keyActions(name) {
  const keys = name.length === 1 ? [name] : name.split("+").map((k) => {
    if (k.length === 1) return k;
    if (!(k in WEBDRIVER_KEYS)) throw new Error(`no WebDriver code for the key ${k}`);
    return WEBDRIVER_KEYS[k];
  });
  return [...keys.map((value) => ({ type: "keyDown", value })), ...keys.reverse().map((value) => ({ type: "keyUp", value }))];
}

// A press at the first point, moves through the others, a release at the last, as W3C actions.
function pointerActions(kind, points) {
  const at = ([x, y]) => ({ type: "pointerMove", x: Math.round(x), y: Math.round(y), origin: "viewport", duration: 0 });
  const actions = [at(points[0]), { type: "pointerDown", button: 0 }];
  for (const point of points.slice(1)) actions.push({ type: "pause", duration: 20 }, at(point));
  actions.push({ type: "pointerUp", button: 0 });
  return [{ type: "pointer", id: `${kind}1`, parameters: { pointerType: kind }, actions }];
}

// A free port on the loopback interface.
function freePort() {
  return new Promise((resolve, reject) => {
    const server = createServer();
    server.on("error", reject);
    server.listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

// Waits for a line of a child's output that matches, at most `seconds`.
function waitForOutput(child, stream, pattern, seconds, what) {
  return new Promise((resolve, reject) => {
    let text = "";
    const timer = setTimeout(() => reject(new Error(`${what} did not start: ${text.slice(-500)}`)), seconds * 1000);
    child.on("exit", (code) => { clearTimeout(timer); reject(new Error(`${what} exited with ${code}: ${text.slice(-500)}`)); });
    (typeof stream === "number" ? child.stdio[stream] : child[stream]).on("data", (chunk) => {
      text += chunk;
      const match = text.match(pattern);
      if (match) {
        clearTimeout(timer);
        resolve(match);
      }
    });
  });
}

function stop(child) {
  if (child && child.exitCode === null && child.signalCode === null) {
    const gone = new Promise((resolve) => child.once("exit", resolve));
    child.kill("SIGTERM");
    return Promise.race([gone, new Promise((resolve) => setTimeout(() => { child.kill("SIGKILL"); resolve(); }, 5000))]);
  }
  return Promise.resolve();
}

// ---- Chromium ----

// Chromium as root needs --no-sandbox; the rest keeps it from reaching for the network at start.
const CHROMIUM_FLAGS = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync", "--disable-default-apps",
  "--disable-extensions", "--font-render-hinting=none"];

// Debian's Chromium as playwright-core's browser, for what only it is asked (the benchmarks).
export function chromiumBrowser() {
  return chromium.launch({ executablePath: process.env.SORVEL_CHROMIUM || "/usr/bin/chromium", args: CHROMIUM_FLAGS,
    headless: true });
}

// Each page in a private context of its own; or, with `profile`, all in one profile kept on disk
// as a pupil's browser has, where Chromium lets a page be installed.
async function launchChromium({ scale, touch, profile }) {
  let browser, directory;
  if (profile) {
    directory = mkdtempSync(path.join(tmpdir(), "sorvel-chromium-"));
    browser = await chromium.launchPersistentContext(directory, { executablePath: process.env.SORVEL_CHROMIUM || "/usr/bin/chromium",
      args: CHROMIUM_FLAGS, headless: true, deviceScaleFactor: scale, hasTouch: touch });
  } else {
    browser = await chromiumBrowser();
  }
  return {
    async open({ width, height }) {
      const options = { viewport: { width, height }, deviceScaleFactor: scale, hasTouch: touch };
      const context = profile ? browser : await browser.newContext(options);
      const page = await context.newPage();
      if (profile) await page.setViewportSize(options.viewport);
      const cdp = await context.newCDPSession(page);
      const seen = { errors: [], dialogs: [], requests: [] };
      page.on("console", (message) => { if (message.type() === "error") seen.errors.push(message.text()); });
      page.on("pageerror", (error) => seen.errors.push(String(error)));
      page.on("dialog", async (dialog) => { seen.dialogs.push(dialog.message()); await dialog.accept(); });
      await cdp.send("Network.enable");
      cdp.on("Network.requestWillBeSent", (event) => seen.requests.push(event.request.url));
      return {
        seen,
        chromium: { page, cdp },
        goto: (url) => page.goto(url),
        reload: () => page.reload(),
        evaluate: (source) => page.evaluate(source),
        async key(name) {
          await page.keyboard.press(name);
        },
        async pointer(kind, points) {
          if (kind === "touch") {
            const touch = (type, [x, y]) => cdp.send("Input.dispatchTouchEvent", { type, touchPoints: type === "touchEnd" ? [] : [{ x, y }] });
            await touch("touchStart", points[0]);
            for (const point of points.slice(1)) await touch("touchMove", point);
            await touch("touchEnd", points[points.length - 1]);
            return;
          }
          const mouse = (type, [x, y], buttons) => cdp.send("Input.dispatchMouseEvent", { type, x, y, button: "left",
            buttons, clickCount: 1, pointerType: kind });
          await mouse("mouseMoved", points[0], 0);
          await mouse("mousePressed", points[0], 1);
          for (const point of points.slice(1)) await mouse("mouseMoved", point, 1);
          await mouse("mouseReleased", points[points.length - 1], 0);
        },
        setViewport: (w, h) => page.setViewportSize({ width: w, height: h }),
        screenshot: (file) => page.screenshot({ path: file }),
        close: () => (profile ? page.close() : context.close()),
      };
    },
    async close() {
      await browser.close();
      if (directory) rmSync(directory, { recursive: true, force: true });
    },
  };
}

// ---- Firefox, over WebDriver BiDi ----

// A WebDriver BiDi connection: commands answered by id, events handed to listeners.
class Bidi {
  constructor(socket) {
    this.socket = socket;
    this.next = 0;
    this.pending = new Map();
    this.listeners = [];
    socket.on("message", (data) => {
      const message = JSON.parse(data);
      if (message.id !== undefined && this.pending.has(message.id)) {
        const { resolve, reject, method } = this.pending.get(message.id);
        this.pending.delete(message.id);
        if (message.type === "error") reject(new Error(`${method}: ${message.error}: ${message.message}`));
        else resolve(message.result);
      } else if (message.type === "event") {
        for (const listener of this.listeners) listener(message.method, message.params);
      }
    });
  }
  send(method, params = {}) {
    return new Promise((resolve, reject) => {
      const id = ++this.next;
      this.pending.set(id, { resolve, reject, method });
      this.socket.send(JSON.stringify({ id, method, params }));
    });
  }
}

// Evaluation results come back as BiDi remote values; the tests' scripts return JSON text.
function fromRemote(value) {
  if (value.type === "exception") throw new Error(value.exceptionDetails.text);
  const result = value.result;
  return result.type === "string" ? result.value : undefined;
}

async function launchFirefox({ scale, touch }) {
  const profile = mkdtempSync(path.join(tmpdir(), "sorvel-firefox-"));
  // A finger as the only pointer: the page's (pointer: coarse) rules apply and taps become touches.
  const prefs = touch
    ? ['user_pref("ui.primaryPointerCapabilities", 1);', 'user_pref("ui.allPointerCapabilities", 1);',
      'user_pref("dom.w3c_touch_events.enabled", 1);']
    : [];
  writeFileSync(path.join(profile, "user.js"), [...prefs, 'user_pref("browser.shell.checkDefaultBrowser", false);',
    'user_pref("datareporting.policy.dataSubmissionEnabled", false);'].join("\n") + "\n");
  const child = spawn(process.env.SORVEL_FIREFOX || "/usr/bin/firefox-esr",
    ["--headless", "--no-remote", "--profile", profile, "--remote-debugging-port", "0", "about:blank"],
    { stdio: ["ignore", "ignore", "pipe"], env: { ...process.env, MOZ_CRASHREPORTER_DISABLE: "1" } });
  let bidi;
  try {
    const [, address] = await waitForOutput(child, "stderr", /WebDriver BiDi listening on (ws:\/\/\S+)/, 60, "Firefox");
    const socket = new WebSocket(`${address}/session`);
    await new Promise((resolve, reject) => { socket.once("open", resolve); socket.once("error", reject); });
    bidi = new Bidi(socket);
    await bidi.send("session.new", { capabilities: { alwaysMatch: { unhandledPromptBehavior: { default: "ignore" } } } });
  } catch (error) {
    await stop(child);
    rmSync(profile, { recursive: true, force: true });
    throw error;
  }
  return {
    async open({ width, height }) {
      const { context } = await bidi.send("browsingContext.create", { type: "tab" });
      const seen = { errors: [], dialogs: [], requests: [] };
      const listener = (method, params) => {
        if (params.context && params.context !== context && params.source?.context !== context) return;
        if (method === "log.entryAdded" && params.level === "error") seen.errors.push(params.text);
        if (method === "network.beforeRequestSent") seen.requests.push(params.request.url);
        if (method === "browsingContext.userPromptOpened") {
          seen.dialogs.push(params.message);
          bidi.send("browsingContext.handleUserPrompt", { context, accept: true }).catch(() => {});
        }
      };
      bidi.listeners.push(listener);
      await bidi.send("session.subscribe", { events: ["log.entryAdded", "network.beforeRequestSent",
        "browsingContext.userPromptOpened"], contexts: [context] });
      await bidi.send("browsingContext.setViewport", { context, viewport: { width, height }, devicePixelRatio: scale });
      const target = { context };
      return {
        seen,
        goto: (url) => bidi.send("browsingContext.navigate", { context, url, wait: "complete" }),
        reload: () => bidi.send("browsingContext.reload", { context, wait: "complete" }),
        async evaluate(source) {
          return fromRemote(await bidi.send("script.evaluate", { expression: source, target, awaitPromise: true,
            userActivation: true }));
        },
        async key(name) {
          await bidi.send("input.performActions", { context, actions: [{ type: "key", id: "keyboard", actions: keyActions(name) }] });
        },
        async pointer(kind, points) {
          await bidi.send("input.performActions", { context, actions: pointerActions(kind, points) });
          await bidi.send("input.releaseActions", { context });
        },
        setViewport: (w, h) => bidi.send("browsingContext.setViewport", { context, viewport: { width: w, height: h } }),
        async screenshot(file) {
          const { data } = await bidi.send("browsingContext.captureScreenshot", { context });
          writeFileSync(file, Buffer.from(data, "base64"));
        },
        async close() {
          bidi.listeners = bidi.listeners.filter((l) => l !== listener);
          await bidi.send("browsingContext.close", { context }).catch(() => {});
        },
      };
    },
    async close() {
      await bidi.send("session.end").catch(() => {});
      bidi.socket.close();
      await stop(child);
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// ---- WebKitGTK, over W3C WebDriver ----

const MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";

async function launchWebKit({ scale, touch }) {
  if (touch) throw new Error(LIMITS.webkit.touch);
  if (!Number.isInteger(scale)) throw new Error(LIMITS.webkit.fractionalScale);
  // An X display of its own: WebKitGTK's browser has no headless mode.
  const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "2600x2100x24", "-nolisten", "tcp"],
    { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  let driver;
  try {
    const [display] = await waitForOutput(xvfb, 3, /\d+\n/, 30, "Xvfb");
    const port = await freePort();
    driver = spawn(process.env.SORVEL_WEBKITWEBDRIVER || "WebKitWebDriver", [`--port=${port}`],
      { stdio: ["ignore", "ignore", "pipe"], env: { ...process.env, DISPLAY: `:${display.trim()}`, GDK_SCALE: String(scale),
        GDK_BACKEND: "x11" } });
    driver.stderr.on("data", () => {});
    const base = `http://127.0.0.1:${port}`;
    const dialogs = [];
    const command = async (method, where, body) => {
      for (;;) {
        const response = await fetch(base + where, { method, headers: { "content-type": "application/json" },
          body: body === undefined ? undefined : JSON.stringify(body) });
        const { value } = await response.json();
        if (response.ok) return value;
        // A message box the program showed: the driver has accepted it and says what it said.
        if (value.error === "unexpected alert open") {
          dialogs.push(value.data?.text ?? value.message);
          continue;
        }
        throw new Error(`${method} ${where}: ${value.error}: ${value.message}`);
      }
    };
    await waitFor("WebKitWebDriver to answer", async () => (await fetch(`${base}/status`)).ok, 30);
    const { sessionId } = await command("POST", "/session", { capabilities: { alwaysMatch: {
      unhandledPromptBehavior: "accept and notify",
      "webkitgtk:browserOptions": { binary: MINIBROWSER, args: ["--automation"] } } } });
    const session = `/session/${sessionId}`;
    const browser = {
      async open({ width, height }) {
        const seen = { errors: [], dialogs, requests: null };
        const page = {
          seen,
          goto: (url) => command("POST", `${session}/url`, { url }),
          reload: () => command("POST", `${session}/refresh`, {}),
          evaluate: (source) => command("POST", `${session}/execute/async`, {
            script: `const done = arguments[0]; Promise.resolve(${source}).then(done, (e) => done("!" + String(e)));`,
            args: [] }).then((value) => {
            if (typeof value === "string" && value.startsWith("!")) throw new Error(value.slice(1));
            return value;
          }),
          key: (name) => command("POST", `${session}/actions`, { actions: [{ type: "key", id: "keyboard", actions: keyActions(name) }] }),
          async pointer(kind, points) {
            await command("POST", `${session}/actions`, { actions: pointerActions(kind, points) });
            await command("DELETE", `${session}/actions`);
          },
          // The window's frame is outside the viewport: the window grows by what it takes.
          async setViewport(w, h) {
            await command("POST", `${session}/window/rect`, { x: 0, y: 0, width: w, height: h });
            const [inW, inH] = JSON.parse(await page.evaluate("JSON.stringify([innerWidth, innerHeight])"));
            if (inW !== w || inH !== h)
              await command("POST", `${session}/window/rect`, { width: 2 * w - inW, height: 2 * h - inH });
          },
          async screenshot(file) {
            writeFileSync(file, Buffer.from(await command("GET", `${session}/screenshot`), "base64"));
          },
          close: async () => {},
        };
        await page.goto("about:blank");
        await page.setViewport(width, height);
        return page;
      },
      async close() {
        await command("DELETE", session).catch(() => {});
      },
    };
    const close = browser.close;
    browser.close = async () => {
      await close();
      await stop(driver);
      await stop(xvfb);
    };
    return browser;
  } catch (error) {
    await stop(driver);
    await stop(xvfb);
    throw error;
  }
}

export const LAUNCHERS = { chromium: launchChromium, firefox: launchFirefox, webkit: launchWebKit };
