// What the pictures must hold, checked against the project's RK4 oracle rather than the closed
// forms the program draws: the red fans of the linear medium, the square-root field's dots and
// rays, each on both halves; and the wait for a picture to pass such a check.
import { anyNear, toDevice, isRed, isBlack, oracle, picture, waitFor } from "./support.mjs";

export const LINEAR = "rays and wavefronts of the linear medium";
export const SQUARE = "rays and wavefronts of the square-root medium";

// Where the linear rays of these start angles cross these abscissae, for both signs of k.
const RAY_ANGLES = [30, 45, 60, 75];
const RAY_XS = [80, 95];
const rayHeights = {};
for (const k of [-8, 8]) {
  const answers = oracle(RAY_ANGLES.flatMap((F) => RAY_XS.map((x) => ["height", "linear", k, F, x])));
  rayHeights[k] = RAY_ANGLES.flatMap((F, i) => RAY_XS.map((x, j) => ({ F, x, y: answers[i * RAY_XS.length + j][0] })));
}

// What is missing of the red fan of k in the picture, on either half; empty when all is there.
export function missingRays(image, k, scale) {
  const near = Math.ceil(2 * scale);
  const missing = [];
  for (const { F, x, y } of rayHeights[k]) {
    if (!Number.isFinite(y) || Math.abs(y) > 95) continue;
    for (const side of [x, -x])
      if (!anyNear(image, ...toDevice(image, side, y), near, isRed)) missing.push(`F ${F} at (${side}, ${y.toFixed(2)})`);
  }
  return missing;
}

// What is missing of the square-root field of A: black dots at times 1 and 1.5 along four rays,
// and red between them, on both halves.
export function missingField(image, A, scale) {
  const near = Math.ceil(2 * scale);
  const angles = [30, 45, 60, 120];
  const times = [1, 1.5];
  const answers = oracle(angles.flatMap((d) => times.flatMap((t) => [["travel", "sqrt", A, d, t], ["travel", "sqrt", A, d, t + 0.125]])));
  const missing = [];
  let i = 0;
  for (const d of angles)
    for (const t of times) {
      const [dot, between] = [answers[i++], answers[i++]];
      if (Math.abs(dot[0]) > 95 || Math.abs(dot[1]) > 95) continue;
      for (const sign of [1, -1]) {
        if (!anyNear(image, ...toDevice(image, sign * dot[0], dot[1]), near, isBlack)) missing.push(`dot ${d}° ${t} side ${sign}`);
        if (!anyNear(image, ...toDevice(image, sign * between[0], between[1]), Math.floor(near / 2) + 1, isRed))
          missing.push(`red ${d}° ${t} side ${sign}`);
      }
    }
  return missing;
}

// Waits until the picture passes the check (an empty list of what is missing).
export async function waitForPicture(page, caption, name, what, check) {
  let missing = [];
  try {
    await waitFor(what, async () => {
      missing = check(await picture(page, caption, name));
      return missing.length === 0;
    });
  } catch (error) {
    throw new Error(`${error.message}; missing ${missing.slice(0, 6).join(", ")}`);
  }
}

// Device pixels to each logical pixel of the windows: the page's ratio times the program's scale.
export async function pictureRatio(page, deviceScale) {
  return deviceScale * Number(await page.evaluate(() => getComputedStyle(document.documentElement).getPropertyValue("--s")));
}

