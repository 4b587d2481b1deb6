// The benchmarks' hold on the page: Debian's Chromium as playwright-core drives it, without the
// tests' engine table, since the DevTools protocol (throttling, profiles) is Chromium's alone.
export { chromiumBrowser as launch } from "../../tests/web/engines.mjs";
export { waitFor } from "../../tests/web/support.mjs";

// The caption of the window in front, "" if none.
export const frontCaption = (page) => page.evaluate(() => {
  let best = null;
  for (const layer of document.querySelectorAll("section.window:not([hidden])"))
    if (!best || Number(layer.style.zIndex) > Number(best.style.zIndex)) best = layer;
  return best ? best.getAttribute("aria-label") : "";
});

// A control of a window by its role and accessible name.
export const control = (page, caption, role, name) =>
  page.locator(`section.window[aria-label="${caption}"]`).getByRole(role, { name, exact: true });
