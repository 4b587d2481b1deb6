// The one way the browser tests wait: for what they expect, polled, within a bounded time.
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
