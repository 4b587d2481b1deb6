// What the frame benchmarks measure in the page and how they sum it up, the same for every engine
// and throttle: the display's frame times, each frame's call into the program, and the part of
// that call spent putting changed pixels on the canvases (the engine's own work, not the program's).
export const SETTLE_MS = 2000;   // after the case opened, as a user would look at it
export const MEASURE_MS = 8000;  // frames counted over this long
export const LATE_MS = 20;       // a frame later than this shows a stutter at 60 Hz
export const VIEWPORT = { width: 1366, height: 768 };
export const CASES = [["linear", "V LINEAR WITH Y", "SORVEL"], ["square root", "V AS SQUARE ROOT", "CASE OF SQUARE ROOT"]];

// Runs in the page: resolves with the frame times over `measure` ms after `settle` ms, each
// frame's call into the program and the time of its pixel puts within it.
export const measureFrames = ({ settle, measure }) => new Promise((resolve) => {
  const frames = [];
  const ticks = [];
  const puts = [];
  const frame = Module._web_frame;
  const pixels = SorvelPage.pixels;
  let counting = false;
  let put = 0;
  SorvelPage.pixels = function () {
    const start = performance.now();
    pixels.apply(this, arguments);
    put += performance.now() - start;
  };
  Module._web_frame = (now) => {
    put = 0;
    const start = performance.now();
    frame(now);
    if (counting) {
      ticks.push(performance.now() - start);
      puts.push(put);
    }
  };
  setTimeout(() => {
    counting = true;
    const end = performance.now() + measure;
    const next = (now) => {
      frames.push(now);
      if (now < end) requestAnimationFrame(next);
      else {
        Module._web_frame = frame;
        SorvelPage.pixels = pixels;
        resolve({ frames, ticks, puts });
      }
    };
    requestAnimationFrame(next);
  }, settle);
});

const sorted = (values) => [...values].sort((a, b) => a - b);
export const quantile = (values, q) => sorted(values)[Math.min(values.length - 1, Math.floor(values.length * q))];
export const median = (values) => quantile(values, 0.5);
const mean = (values) => values.reduce((a, b) => a + b, 0) / values.length;

// One run's figures from what measureFrames resolved with.
export function summary({ frames, ticks, puts }) {
  const gaps = frames.slice(1).map((t, i) => t - frames[i]);
  return {
    fps: (frames.length - 1) / ((frames[frames.length - 1] - frames[0]) / 1000),
    late: (100 * gaps.filter((g) => g > LATE_MS).length) / gaps.length,
    tickMedian: median(ticks),
    tickP99: quantile(ticks, 0.99),
    tickMean: mean(ticks),
    putMean: mean(puts),
  };
}

// The median of several runs' figure, with their range.
export const format = (values, digits, unit = "") =>
  `${median(values).toFixed(digits)}${unit} (${Math.min(...values).toFixed(digits)}–${Math.max(...values).toFixed(digits)})`;
