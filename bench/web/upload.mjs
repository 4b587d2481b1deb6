// How a picture's changed rows are best put on the page, in Debian's headless Chromium: a 2D
// canvas's putImageData of the rectangle, against a WebGL texture upload of the same rows drawn
// as a quad. Each way shows a 768 × 768 picture whose top 484 rows change on every display frame
// (what a square-root tick changes), for 4 s, unthrottled and at 4× CPU throttling; the table gives
// the main thread's time a frame and the frames a second.
// Usage: node upload.mjs
import { launch } from "./raw_page.mjs";

const SIZE = 768;
const ROWS = 484;
const SECONDS = 4;

function runIn(page, way) {
  return page.evaluate(({ way, size, rows, seconds }) => new Promise((resolve) => {
    const canvas = document.createElement("canvas");
    canvas.width = size;
    canvas.height = size;
    document.body.append(canvas);
    const store = new Uint8ClampedArray(size * size * 4).fill(255);
    let put;
    if (way === "putImageData") {
      const context = canvas.getContext("2d");
      put = (top, bottom, left, right) => {
        const bytes = new Uint8ClampedArray(store.buffer, top * size * 4, (bottom - top) * size * 4);
        context.putImageData(new ImageData(bytes, size, bottom - top), 0, top, left, 0, right - left, bottom - top);
      };
    } else {
      const gl = canvas.getContext("webgl2", { antialias: false, alpha: false });
      const shader = (type, text) => {
        const s = gl.createShader(type);
        gl.shaderSource(s, text);
        gl.compileShader(s);
        return s;
      };
      const program = gl.createProgram();
      gl.attachShader(program, shader(gl.VERTEX_SHADER, `#version 300 es
        out vec2 at;
        void main() { vec2 p = vec2((gl_VertexID << 1) & 2, gl_VertexID & 2); at = vec2(p.x, 1.0 - p.y) * 0.5;
                      gl_Position = vec4(p * 2.0 - 1.0, 0.0, 1.0); }`));
      gl.attachShader(program, shader(gl.FRAGMENT_SHADER, `#version 300 es
        precision mediump float; uniform sampler2D picture; in vec2 at; out vec4 colour;
        void main() { colour = texture(picture, at * 2.0); }`));
      gl.linkProgram(program);
      gl.useProgram(program);
      gl.bindTexture(gl.TEXTURE_2D, gl.createTexture());
      gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MIN_FILTER, gl.NEAREST);
      gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MAG_FILTER, gl.NEAREST);
      gl.texStorage2D(gl.TEXTURE_2D, 1, gl.RGBA8, size, size);
      gl.texSubImage2D(gl.TEXTURE_2D, 0, 0, 0, size, size, gl.RGBA, gl.UNSIGNED_BYTE, store);
      gl.pixelStorei(gl.UNPACK_ROW_LENGTH, size);
      put = (top, bottom, left, right) => {
        gl.texSubImage2D(gl.TEXTURE_2D, 0, left, top, right - left, bottom - top, gl.RGBA, gl.UNSIGNED_BYTE,
          new Uint8Array(store.buffer, (top * size + left) * 4));
        gl.drawArrays(gl.TRIANGLES, 0, 3);
      };
    }
    const times = [];
    const frames = [];
    const end = performance.now() + seconds * 1000;
    const frame = (now) => {
      for (let i = 0; i < store.length; i += 4099) store[i] = (store[i] + 7) & 255;
      const start = performance.now();
      put(0, rows, 0, size);
      times.push(performance.now() - start);
      frames.push(now);
      if (now < end) requestAnimationFrame(frame);
      else resolve({ times, frames });
    };
    requestAnimationFrame(frame);
  }), { way, size: SIZE, rows: ROWS, seconds: SECONDS });
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await launch();
try {
  console.log(`\nshowing ${SIZE} × ${ROWS} changed pixels a frame   main thread (ms)   frames/s`);
  for (const rate of [1, 4])
    for (const way of ["putImageData", "WebGL texture"]) {
      const page = await browser.newPage();
      const cdp = await page.context().newCDPSession(page);
      await cdp.send("Emulation.setCPUThrottlingRate", { rate });
      const { times, frames } = await runIn(page, way);
      const fps = (frames.length - 1) / ((frames[frames.length - 1] - frames[0]) / 1000);
      console.log(`${`${way} at ${rate}×`.padEnd(46)} ${median(times).toFixed(2).padStart(8)} ${fps.toFixed(1).padStart(15)}`);
      await page.close();
    }
} finally {
  await browser.close();
}
