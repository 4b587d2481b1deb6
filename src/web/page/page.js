// The browser side of the web back end: makes the DOM elements the C++ peers ask for, forwards
// what the user does to the C++ controls, and puts their pixels on the canvases. No rule of the
// program is kept here.
"use strict";
var SorvelPage = (function () {
  var elements = new Map();  // id → element of a window or a control
  var layers = [];           // window ids, back to front among the shown ones
  var ended = false;
  var screen = document.getElementById("screen");

  function call(name) {
    if (ended) return 0;
    var args = Array.prototype.slice.call(arguments, 1);
    return Module["_" + name].apply(null, args);
  }

  function restack() {
    layers.forEach(function (id, i) {
      var layer = elements.get(id);
      layer.style.zIndex = String(i + 1);
      // Only the window in front takes the keyboard and the screen reader's attention, as a
      // window behind another does on the desktop.
      layer.inert = i !== layers.length - 1;
    });
  }

  function place(element, left, top, width, height) {
    element.style.left = left + "px";
    element.style.top = top + "px";
    element.style.width = width + "px";
    element.style.height = height + "px";
  }

  // The keys a scroll bar takes, in the order of the C++ ScrollKey.
  var SCROLL_KEYS = ["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", "PageUp", "PageDown", "Home", "End"];
  var THUMB = 16;  // the thumb's length in logical pixels, as page.css draws it

  function scrollBar(id, vertical, min, max, value) {
    var bar = document.createElement("input");
    bar.type = "range";
    bar.min = String(min);
    bar.max = String(max);
    bar.step = "1";
    bar.value = String(value);
    if (vertical) bar.className = "vertical";
    bar.addEventListener("input", function () { call("web_scroll", id, Number(bar.value)); });
    bar.addEventListener("keydown", function (event) {
      var key = SCROLL_KEYS.indexOf(event.key);
      if (key >= 0 && call("web_key", id, key)) event.preventDefault();
    });
    // A press in the trough beside the thumb pages toward it, as on the desktop; on the thumb it drags.
    bar.addEventListener("pointerdown", function (event) {
      var box = bar.getBoundingClientRect();
      var length = vertical ? box.height : box.width;
      var at = vertical ? event.clientY - box.top : event.clientX - box.left;
      var span = Number(bar.max) - Number(bar.min);
      var thumb = THUMB / 2 + (span > 0 ? (Number(bar.value) - Number(bar.min)) / span : 0) * (length - THUMB);
      if (Math.abs(at - thumb) <= THUMB / 2) return;
      event.preventDefault();
      bar.focus();
      call("web_key", id, SCROLL_KEYS.indexOf(at < thumb ? "PageUp" : "PageDown"));
    });
    return bar;
  }

  function toggle(id, type, group) {
    var label = document.createElement("label");
    label.className = "toggle";
    var input = document.createElement("input");
    input.type = type;
    if (group >= 0) input.name = "group" + group;
    var text = document.createElement("span");
    label.append(input, text);
    // A click selects or toggles the box natively; the control takes its own value from it.
    input.addEventListener("click", function () { call("web_click", id); });
    label.input = input;
    label.text = text;
    return label;
  }

  // What Tab stops at in a window, in order: one radio button a group, the selected one if any.
  function tabStops(layer) {
    var stops = [];
    layer.querySelectorAll("button, input, textarea").forEach(function (element) {
      if (element.disabled || element.getClientRects().length === 0) return;
      if (element.type === "radio") {
        var group = layer.querySelectorAll('input[name="' + element.name + '"]');
        var chosen = Array.prototype.find.call(group, function (radio) { return radio.checked; }) || group[0];
        if (element !== chosen) return;
      }
      stops.push(element);
    });
    return stops;
  }

  // Tab and Shift+Tab go round within the window in front, as within a window on the desktop.
  document.addEventListener("keydown", function (event) {
    if (event.key !== "Tab" || layers.length === 0) return;
    var stops = tabStops(elements.get(layers[layers.length - 1]));
    if (stops.length === 0) return;
    var first = stops[0], last = stops[stops.length - 1];
    var inside = stops.indexOf(document.activeElement) >= 0;
    if (!inside || (!event.shiftKey && document.activeElement === last) || (event.shiftKey && document.activeElement === first)) {
      event.preventDefault();
      (event.shiftKey ? last : first).focus();
    }
  });

  return {
    screenWidth: function () { return document.documentElement.clientWidth; },
    screenHeight: function () { return document.documentElement.clientHeight; },
    devicePixelRatio: function () { return window.devicePixelRatio || 1; },
    decimalSeparator: function () { return (1.5).toLocaleString().charAt(1); },

    makeWindow: function (id, caption) {
      var layer = document.createElement("section");
      layer.className = "window";
      layer.hidden = true;
      layer.setAttribute("aria-label", caption);
      var bar = document.createElement("div");
      bar.className = "caption";
      var title = document.createElement("span");
      title.textContent = caption;
      var close = document.createElement("button");
      close.textContent = "\u2715";
      close.setAttribute("aria-label", "Close " + caption);
      close.addEventListener("click", function () { call("web_close", id); });
      bar.append(title, close);
      var client = document.createElement("div");
      client.className = "client";
      // The caption bar shows on top but comes after the controls, so that Tab visits the
      // controls first, in their order, and the window's close button last.
      layer.append(client, bar);
      layer.client = client;
      screen.append(layer);
      elements.set(id, layer);
    },
    windowGeometry: function (id, left, top, width, height) {
      place(elements.get(id), left, top, width, height);
    },
    showWindow: function (id, toFront) {
      var layer = elements.get(id);
      var at = layers.indexOf(id);
      // Shown again where it is (the square-root window does so on every tick): nothing changes.
      if (at >= 0 && (!toFront || at === layers.length - 1)) return;
      layer.hidden = false;
      if (at >= 0) layers.splice(at, 1);
      toFront ? layers.push(id) : layers.unshift(id);
      restack();
    },
    hideWindow: function (id) {
      elements.get(id).hidden = true;
      var at = layers.indexOf(id);
      if (at >= 0) layers.splice(at, 1);
      restack();
    },
    removeWindow: function (id) {
      SorvelPage.hideWindow(id);
      elements.get(id).remove();
      elements.delete(id);
    },
    // Tab and Shift+Tab follow the order of the elements in the window.
    tabOrder: function (windowId, ids) {
      var client = elements.get(windowId).client;
      ids.forEach(function (id) { client.append(elements.get(id)); });
    },

    makeControl: function (id, windowId, kind, a, b, c, d) {
      var element;
      if (kind === "button") {
        element = document.createElement("button");
        element.addEventListener("click", function () { call("web_click", id); });
      } else if (kind === "option" || kind === "check") {
        element = toggle(id, kind === "option" ? "radio" : "checkbox", kind === "option" ? a : -1);
      } else if (kind === "scroll") {
        element = scrollBar(id, a === 1, b, c, d);
      } else if (kind === "label") {
        element = document.createElement("div");
        element.className = "label";
      } else if (kind === "text") {
        element = document.createElement(a ? "textarea" : "input");
        if (!a) element.type = "text";
        element.spellcheck = false;
        element.addEventListener("input", function () { Module.ccall("web_edit", null, ["number", "string"], [id, element.value]); });
      } else {
        element = document.createElement("canvas");
        element.setAttribute("role", "img");
        element.width = 1;
        element.height = 1;
      }
      elements.get(windowId).client.append(element);
      elements.set(id, element);
    },
    geometry: function (id, left, top, width, height) { place(elements.get(id), left, top, width, height); },
    visible: function (id, shown) { elements.get(id).style.display = shown ? "" : "none"; },
    name: function (id, text) {
      var element = elements.get(id);
      (element.input || element).setAttribute("aria-label", text);
    },
    caption: function (id, text) {
      var element = elements.get(id);
      (element.text || element).textContent = text;
    },
    checked: function (id, on) { elements.get(id).input.checked = on; },
    value: function (id, value) { elements.get(id).value = String(value); },
    text: function (id, text) { elements.get(id).value = text; },
    fontSize: function (id, points) { elements.get(id).style.fontSize = points + "pt"; },
    bordered: function (id) { elements.get(id).classList.add("bordered"); },
    remove: function (id) {
      var element = elements.get(id);
      if (element) element.remove();
      elements.delete(id);
    },

    // rgba: width × height pixels, four bytes each, at this place of the WebAssembly memory; only
    // those of [left, right) × [top, bottom) changed, unless the canvas takes a new size.
    pixels: function (id, rgba, width, height, left, top, right, bottom) {
      var canvas = elements.get(id);
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
        left = 0;
        top = 0;
        right = width;
        bottom = height;
      }
      // The rows of the changed part, as they lie in the memory; the canvas takes its columns.
      var bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba + top * width * 4, (bottom - top) * width * 4);
      canvas.context = canvas.context || canvas.getContext("2d");
      canvas.context.putImageData(new ImageData(bytes, width, bottom - top), 0, top, left, 0, right - left,
        bottom - top);
    },

    // Draws text aliased into a picture's pixel store (words of the canvas's bytes), its top-left corner at
    // (x, y) logical pixels, in the page's font scaled by the ratio of device pixels.
    drawText: function (store, storeWidth, storeHeight, ratio, x, y, text, pixel) {
      var font = 10 * ratio + 'px "Liberation Sans", Arimo, Arial, sans-serif';
      var scratch = SorvelPage.scratch || (SorvelPage.scratch = document.createElement("canvas"));
      var context = scratch.getContext("2d", { willReadFrequently: true });
      context.font = font;
      var metrics = context.measureText(text);
      var width = Math.ceil(metrics.width) + 2;
      var ascent = Math.ceil(metrics.fontBoundingBoxAscent || 10 * ratio);
      var height = ascent + Math.ceil(metrics.fontBoundingBoxDescent || 3 * ratio);
      if (width <= 0 || height <= 0) return;
      scratch.width = width;
      scratch.height = height;
      context.font = font;
      context.fillStyle = "#000";
      context.fillText(text, 0, ascent);
      var alpha = context.getImageData(0, 0, width, height).data;
      var left = Math.round(x * ratio), top = Math.round(y * ratio);
      var words = HEAPU32;
      for (var row = 0; row < height; ++row) {
        var sy = top + row;
        if (sy < 0 || sy >= storeHeight) continue;
        for (var column = 0; column < width; ++column) {
          var sx = left + column;
          if (sx < 0 || sx >= storeWidth) continue;
          if (alpha[(row * width + column) * 4 + 3] >= 128) words[(store >> 2) + sy * storeWidth + sx] = pixel;
        }
      }
    },

    alert: function (text) { window.alert(text); },

    // END: every window goes, and the page says how to start again.
    end: function () {
      ended = true;
      screen.replaceChildren();
      elements.clear();
      layers = [];
      var note = document.createElement("p");
      note.className = "ended";
      note.setAttribute("role", "status");
      note.textContent = "The program has ended. Reload the page to start it again.";
      screen.append(note);
    },

    start: function () {
      function frame(now) {
        if (ended) return;
        call("web_frame", now);
        requestAnimationFrame(frame);
      }
      requestAnimationFrame(frame);
      window.addEventListener("resize", function () { call("web_resize"); });
      // Moved to a screen of another density, or zoomed: the pictures follow the new ratio.
      (function watchRatio() {
        var query = window.matchMedia("(resolution: " + (window.devicePixelRatio || 1) + "dppx)");
        query.addEventListener("change", function () {
          call("web_resize");
          watchRatio();
        }, { once: true });
      })();
    },
  };
})();
