// The browser side of the web back end: makes the DOM elements the C++ peers ask for, forwards
// what the user does to the C++ controls, and puts their pixels on the canvases. No rule of the
// program is kept here.
"use strict";
var SorvelPage = (function () {
  var elements = new Map();  // id to element of a window or a control
  var ended = false;
  var screen = document.getElementById("screen");
  var scale = 1;             // CSS pixels to each logical pixel of the windows, as the program chose
  var fontPixels = 0;        // the size of the program's face, in its logical pixels
  var FACE = '"Sorvel Sans"';
  // Where a picture's pixels are kept. Chromium's canvas in the graphics card takes a frame's
  // changed pixels fastest; WebKit's costs 4 ms a frame for what a canvas kept in memory takes in
  // 0.3 ms, and Firefox takes both alike, so outside Chromium the canvas is kept in memory.
  var PICTURE_CONTEXT = /\bChrome\//.test(navigator.userAgent) ? {} : { willReadFrequently: true };

  function call(name) {
    if (ended) return 0;
    var args = Array.prototype.slice.call(arguments, 1);
    return Module["_" + name].apply(null, args);
  }
  function callWithText(name, id, text) {
    if (ended) return 0;
    return Module.ccall(name, "number", ["number", "string"], [id, text]);
  }

  // The program's id of the element that has the focus, or 0 where it is none of its controls.
  function focusedId() {
    var element = document.activeElement;
    return element && element.sorvelId ? element.sorvelId : 0;
  }

  // Each rectangle comes in the windows' logical pixels and is shown at the program's scale.
  function place(element, left, top, width, height) {
    element.rect = [left, top, width, height];
    element.style.left = left * scale + "px";
    element.style.top = top * scale + "px";
    element.style.width = width * scale + "px";
    element.style.height = height * scale + "px";
  }

  // The hidden notes that describe elements, outside every window.
  function notes() {
    var box = document.getElementById("sorvel-notes");
    if (!box) {
      box = document.createElement("div");
      box.id = "sorvel-notes";
      box.hidden = true;
      document.body.append(box);
    }
    return box;
  }

  function placeGroup(group) {
    var first = group.members[0];
    if (first && first.parentNode) first.before(group);
  }

  // A scroll bar of plain elements, a trough and a thumb, so that it looks and acts the same in
  // every engine. The program says where the thumb stands; the page forwards presses, drags and
  // keys, for mouse, finger and pen alike, and the program decides between paging and dragging.
  function scrollBar(id, vertical, min, max, value) {
    var bar = document.createElement("div");
    bar.className = "scrollbar" + (vertical ? " vertical" : "");
    bar.tabIndex = 0;
    bar.setAttribute("role", "slider");
    bar.setAttribute("aria-orientation", vertical ? "vertical" : "horizontal");
    bar.setAttribute("aria-valuemin", String(min));
    bar.setAttribute("aria-valuemax", String(max));
    bar.setAttribute("aria-valuenow", String(value));
    var thumb = document.createElement("div");
    thumb.className = "thumb";
    bar.append(thumb);
    bar.thumb = thumb;
    bar.vertical = vertical;

    // How far along the bar the pointer is, in the program's pixels.
    function along(event) {
      var box = bar.getBoundingClientRect();
      var length = bar.barLength || 0;
      return vertical ? (event.clientY - box.top) / box.height * length : (event.clientX - box.left) / box.width * length;
    }
    var held = null;  // the pointer that holds the thumb
    bar.addEventListener("pointerdown", function (event) {
      if (held !== null || (event.pointerType === "mouse" && event.button !== 0)) return;
      event.preventDefault();
      bar.focus();
      if (call("web_press", id, along(event), event.pointerType === "touch" ? 1 : 0)) {
        held = event.pointerId;
        bar.setPointerCapture(event.pointerId);
      }
    });
    bar.addEventListener("pointermove", function (event) {
      if (event.pointerId === held) call("web_drag", id, along(event));
    });
    function release(event) {
      if (event.pointerId === held) held = null;
    }
    bar.addEventListener("pointerup", release);
    bar.addEventListener("pointercancel", release);
    bar.addEventListener("lostpointercapture", release);
    bar.addEventListener("keydown", function (event) {
      if (callWithText("web_key", id, event.key)) event.preventDefault();
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
    input.sorvelId = id;
    label.input = input;
    label.text = text;
    return label;
  }

  // Every key goes to the program first by its name ("F11", "Ctrl+C", "Shift+F10", "?"): it
  // decides which are its own. The Command key is Apple's Ctrl for copying.
  function keyName(event) {
    var key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    if (event.key.length === 1 && !(event.ctrlKey || event.metaKey)) return event.key;
    return (event.ctrlKey || event.metaKey ? "Ctrl+" : "") + (event.altKey ? "Alt+" : "") +
      (event.shiftKey && event.key.length > 1 ? "Shift+" : "") + key;
  }
  document.addEventListener("keydown", function (event) {
    if (event.repeat || event.isComposing || !event.key) return;
    if (callWithText("web_program_key", 0, keyName(event))) {
      event.preventDefault();
      event.stopPropagation();
    }
  }, true);

  // The picture's menu: a list of buttons over the picture, which closes when one is chosen, on
  // Escape, or when the pointer or the focus goes elsewhere.
  var menu = null;
  function closeMenu(giveBack) {
    if (!menu) return;
    var open = menu;
    menu = null;
    open.remove();
    if (giveBack && open.opener && open.opener.focus) open.opener.focus({ preventScroll: true });
  }
  document.addEventListener("pointerdown", function (event) {
    if (menu && !menu.contains(event.target)) closeMenu(false);
  }, true);

  // Where a wake lock is wanted and held: the browser lets it go when the page is hidden; the
  // page asks again when it shows, as long as the program still wants it.
  var awake = { wanted: false, lock: null, asking: false };
  function askAwake() {
    if (!awake.wanted || awake.lock || awake.asking || !navigator.wakeLock || document.hidden) return;
    awake.asking = true;
    navigator.wakeLock.request("screen").then(function (lock) {
      awake.asking = false;
      awake.lock = lock;
      lock.addEventListener("release", function () { if (awake.lock === lock) awake.lock = null; });
      if (!awake.wanted) letAwakeGo();
    }, function () { awake.asking = false; });
  }
  function letAwakeGo() {
    var lock = awake.lock;
    awake.lock = null;
    if (lock) lock.release().catch(function () {});
  }
  document.addEventListener("visibilitychange", function () {
    if (document.hidden) letAwakeGo();
    else askAwake();
  });

  var fullScreenApi = !!(document.fullscreenEnabled || document.webkitFullscreenEnabled);
  function fullScreenElement() { return document.fullscreenElement || document.webkitFullscreenElement || null; }
  function onFullScreenChange() { if (!fullScreenElement()) call("web_full_screen_ended"); }
  document.addEventListener("fullscreenchange", onFullScreenChange);
  document.addEventListener("webkitfullscreenchange", onFullScreenChange);

  // Hands a file to the user as a download, from the page's own memory: no request is made.
  function download(blob, name) {
    var link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
  }

  // Tab and Shift+Tab: the program moves the focus within the window in front.
  document.addEventListener("keydown", function (event) {
    // WebKitGTK names Shift+Tab "Unidentified" when it is synthesised; its code is still Tab.
    if (event.key !== "Tab" && event.code !== "Tab") return;
    if (call("web_tab", focusedId(), event.shiftKey ? 1 : 0)) event.preventDefault();
  });

  // The face is asked for as soon as this script runs, so that it loads while the rest of the page
  // is read: in a new tab of a slow machine, asked for after the program's text, it came after the
  // WebAssembly and held up the first window. The size only names the face to load.
  var faceLoaded = Promise.all([document.fonts.load("1em " + FACE), document.fonts.load("bold 1em " + FACE)])
    .then(function () {}, function () {});

  return {
    screenWidth: function () { return document.documentElement.clientWidth; },
    screenHeight: function () { return document.documentElement.clientHeight; },
    devicePixelRatio: function () { return window.devicePixelRatio || 1; },

    appearance: function (newScale, height, caption, font, focusWidth, focusColour, touch) {
      scale = newScale;
      fontPixels = font;
      var style = document.documentElement.style;
      style.setProperty("--s", String(scale));
      style.setProperty("--caption", String(caption));
      style.setProperty("--font", String(font));
      style.setProperty("--touch", String(touch));
      style.setProperty("--focus-width", String(focusWidth));
      style.setProperty("--focus-colour", "#" + (focusColour | 0x1000000).toString(16).slice(1));
      // A screen taller than the viewport scrolls, as pages do.
      screen.style.height = height * scale + "px";
      elements.forEach(function (element) { if (element.rect) place.apply(null, [element].concat(element.rect)); });
    },
    decimalSeparator: function () { return (1.5).toLocaleString().charAt(1); },
    // Settles when the page's face is loaded (or has failed to load, when another face stands in).
    fontReady: function () { return faceLoaded; },

    makeWindow: function (id, caption) {
      var layer = document.createElement("section");
      layer.className = "window";
      layer.hidden = true;
      // A window of its own beside the others, as on the desktop: a dialog that is not modal.
      layer.setAttribute("role", "dialog");
      layer.setAttribute("aria-modal", "false");
      layer.setAttribute("aria-label", caption);
      layer.groups = [];
      var bar = document.createElement("div");
      bar.className = "caption";
      var title = document.createElement("span");
      title.textContent = caption;
      var close = document.createElement("button");
      close.textContent = "\u00d7";
      close.setAttribute("aria-label", "Close " + caption);
      close.addEventListener("click", function () { call("web_close", id); });
      bar.append(title);
      // Where the page can fill the screen (not on an iPhone), a button beside the close button;
      // out of the Tab order, which stays the window's own: from the keyboard, F11 does the same.
      if (fullScreenApi) {
        var full = document.createElement("button");
        full.className = "full-screen";
        full.textContent = "\u25a1";
        full.tabIndex = -1;
        full.setAttribute("aria-label", "Full screen");
        full.addEventListener("click", function () { call("web_full_screen", id); });
        bar.append(full);
      }
      bar.append(close);
      var client = document.createElement("div");
      client.className = "client";
      // The caption bar shows on top but comes after the controls, so that Tab visits the
      // controls first, in their order, and the window's close button last.
      layer.append(client, bar);
      layer.client = client;
      layer.close = close;
      layer.windowLayer = true;
      screen.append(layer);
      elements.set(id, layer);
    },
    windowGeometry: function (id, left, top, width, height) {
      place(elements.get(id), left, top, width, height);
    },
    // The shown windows, back to front, and which of them take input; the others are hidden.
    stack: function (ids, takesInput) {
      elements.forEach(function (element, id) {
        if (!element.windowLayer) return;
        var at = ids.indexOf(id);
        element.hidden = at < 0;
        element.style.zIndex = String(at + 1);
        element.inert = at < 0 || !takesInput[at];
      });
    },
    removeWindow: function (id) {
      elements.get(id).remove();
      elements.delete(id);
    },
    // Tab and Shift+Tab follow the order of the elements in the window.
    tabOrder: function (windowId, ids) {
      var layer = elements.get(windowId);
      ids.forEach(function (id) { layer.client.append(elements.get(id)); });
      layer.groups.forEach(placeGroup);
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
        // A label element, so that the control it names can be tied to it.
        element = document.createElement("label");
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
        // The right button, or a long press of a finger: the picture's menu, where the pointer is.
        element.addEventListener("contextmenu", function (event) {
          event.preventDefault();
          var box = element.getBoundingClientRect();
          element.menuAt = [event.clientX - box.left, event.clientY - box.top];
          call("web_picture_menu", id);
        });
      }
      // Controls made later lie over those made earlier, as on the desktop: where two boxes overlap
      // (an option beside a formula image), a press goes to the one on top, whatever Tab's order.
      var layer = elements.get(windowId);
      layer.made = (layer.made || 0) + 1;
      element.style.zIndex = String(layer.made);
      element.sorvelId = id;
      layer.client.append(element);
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
    value: function (id, value) { elements.get(id).setAttribute("aria-valuenow", String(value)); },
    // The thumb's place and length along its bar, of barLength, in the program's pixels.
    thumb: function (id, start, length, barLength) {
      var bar = elements.get(id);
      bar.barLength = barLength;
      var at = barLength > 0 ? start / barLength * 100 + "%" : "0";
      var size = barLength > 0 ? length / barLength * 100 + "%" : "0";
      if (bar.vertical) {
        bar.thumb.style.top = at;
        bar.thumb.style.height = size;
      } else {
        bar.thumb.style.left = at;
        bar.thumb.style.width = size;
      }
    },
    text: function (id, text) { elements.get(id).value = text; },
    fontSize: function (id, points) { elements.get(id).style.fontSize = "calc(" + points + "pt * var(--s))"; },
    bordered: function (id) { elements.get(id).classList.add("bordered"); },
    remove: function (id) {
      var element = elements.get(id);
      if (element) element.remove();
      if (element && element.note) element.note.remove();
      elements.delete(id);
    },

    // What a screen reader adds after the name: a hidden note the element is described by.
    description: function (id, text) {
      var element = elements.get(id);
      if (!element.note) {
        element.note = document.createElement("div");
        element.note.id = "sorvel-note-" + id;
        element.note.hidden = true;
        notes().append(element.note);
        (element.input || element).setAttribute("aria-describedby", element.note.id);
      }
      element.note.textContent = text;
    },
    valueText: function (id, text) {
      var element = elements.get(id);
      (element.input || element).setAttribute("aria-valuetext", text);
    },
    // The label names the control on the screen; a click on it puts the focus there. The
    // control keeps its own accessible name, which says what it sets.
    labelFor: function (labelId, id) {
      var element = elements.get(id), target = element.input || element;
      target.id = target.id || "sorvel-control-" + id;
      var label = elements.get(labelId);
      if (target.labels) label.htmlFor = target.id;
      else target.setAttribute("aria-describedby", label.id = label.id || "sorvel-label-" + labelId);
    },
    // Option buttons that belong together, named: the group stands where its first member does.
    group: function (windowId, name, ids) {
      var group = document.createElement("div");
      group.className = "group";
      group.setAttribute("role", "radiogroup");
      group.setAttribute("aria-label", name);
      group.members = ids.map(function (id) { return elements.get(id); });
      group.setAttribute("aria-owns", ids.map(function (id) {
        var radio = elements.get(id).input;
        radio.id = radio.id || "sorvel-control-" + id;
        return radio.id;
      }).join(" "));
      elements.get(windowId).groups.push(group);
      placeGroup(group);
    },
    focus: function (id) {
      var element = elements.get(id);
      if (element) (element.input || element).focus({ preventScroll: true });
    },
    focusClose: function (windowId) {
      var layer = elements.get(windowId);
      if (layer) layer.close.focus({ preventScroll: true });
    },
    // One polite live region for the whole program: it says each sentence once, after whatever
    // is being said. The same sentence twice in a row differs by an invisible blank, so that it
    // is said again.
    announce: function (sentence) {
      var region = document.getElementById("sorvel-status");
      if (!region) {
        region = document.createElement("div");
        region.id = "sorvel-status";
        region.className = "spoken-only";
        region.setAttribute("role", "status");
        region.setAttribute("aria-live", "polite");
        region.setAttribute("aria-atomic", "true");
        document.body.append(region);
      }
      region.textContent = region.textContent === sentence ? sentence + "\u00a0" : sentence;
    },

    // rgba: width by height pixels, four bytes each, at this place of the WebAssembly memory; only
    // those of [left, right) by [top, bottom) changed, unless the canvas takes a new size.
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
      canvas.context = canvas.context || canvas.getContext("2d", PICTURE_CONTEXT);
      canvas.context.putImageData(new ImageData(bytes, width, bottom - top), 0, top, left, 0, right - left,
        bottom - top);
    },

    // Draws text aliased into a picture's pixel store (words of the canvas's bytes), its top-left corner at
    // (x, y) logical pixels, in the page's font scaled by the ratio of device pixels.
    drawText: function (store, storeWidth, storeHeight, ratio, x, y, text, pixel) {
      var font = fontPixels * ratio + "px " + FACE + ", sans-serif";
      var scratch = SorvelPage.scratch || (SorvelPage.scratch = document.createElement("canvas"));
      var context = scratch.getContext("2d", { willReadFrequently: true });
      context.font = font;
      var metrics = context.measureText(text);
      var width = Math.ceil(metrics.width) + 2;
      var ascent = Math.ceil(metrics.fontBoundingBoxAscent || fontPixels * ratio);
      var height = ascent + Math.ceil(metrics.fontBoundingBoxDescent || fontPixels * ratio * 3 / 10);
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

    focusedId: focusedId,
    // The items over the picture, at the pointer that asked for them, else at its middle.
    showMenu: function (id, items) {
      closeMenu(false);
      var canvas = elements.get(id);
      var layer = canvas.closest("section.window");
      var box = canvas.getBoundingClientRect(), client = layer.client.getBoundingClientRect();
      var at = canvas.menuAt || [box.width / 2, box.height / 2];
      canvas.menuAt = null;
      menu = document.createElement("div");
      menu.className = "picture-menu";
      menu.setAttribute("role", "menu");
      menu.setAttribute("aria-label", canvas.getAttribute("aria-label") || "");
      menu.opener = document.activeElement;
      items.forEach(function (text, index) {
        var item = document.createElement("button");
        item.setAttribute("role", "menuitem");
        item.textContent = text;
        item.addEventListener("click", function () {
          closeMenu(true);
          call("web_menu_choose", index);
        });
        menu.append(item);
      });
      menu.addEventListener("keydown", function (event) {
        var buttons = Array.from(menu.children), at = buttons.indexOf(document.activeElement);
        if (event.key === "Escape" || event.key === "Tab") closeMenu(true);
        else if (event.key === "ArrowDown") buttons[(at + 1) % buttons.length].focus();
        else if (event.key === "ArrowUp") buttons[(at + buttons.length - 1) % buttons.length].focus();
        else return;
        event.preventDefault();
        event.stopPropagation();
      });
      menu.style.left = box.left - client.left + at[0] + "px";
      menu.style.top = box.top - client.top + at[1] + "px";
      layer.client.append(menu);
      menu.firstChild.focus({ preventScroll: true });
    },
    // The browser's asynchronous clipboard where it takes an image, else a download.
    copyPng: function (bytes, name) {
      var blob = new Blob([bytes], { type: "image/png" });
      if (navigator.clipboard && navigator.clipboard.write && window.ClipboardItem) {
        navigator.clipboard.write([new ClipboardItem({ "image/png": blob })]).catch(function () { download(blob, name); });
      } else {
        download(blob, name);
      }
    },
    savePng: function (bytes, name) { download(new Blob([bytes], { type: "image/png" }), name); },
    // The page's own address with the moment's words as its fragment.
    copyLink: function (words) {
      var link = window.location.href.replace(/#.*$/, "") + (words ? "#" + words : "");
      function byHand() {
        var field = document.createElement("textarea");
        field.value = link;
        document.body.append(field);
        field.select();
        try { document.execCommand("copy"); } catch (error) { /* nothing more to try */ }
        field.remove();
      }
      if (navigator.clipboard && navigator.clipboard.writeText) navigator.clipboard.writeText(link).catch(byHand);
      else byHand();
    },
    keepAwake: function (on) {
      awake.wanted = on;
      if (on) askAwake();
      else letAwakeGo();
    },
    isFullScreen: function () { return fullScreenElement() !== null; },
    fullScreen: function (on) {
      var root = document.documentElement;
      if (on && !fullScreenElement()) {
        var ask = root.requestFullscreen || root.webkitRequestFullscreen;
        if (!ask) { call("web_full_screen_ended"); return; }
        var asked = ask.call(root);
        // Refused (no user's gesture, a policy): the window is framed as before.
        if (asked && asked.catch) asked.catch(function () { call("web_full_screen_ended"); });
      } else if (!on && fullScreenElement()) {
        var leave = document.exitFullscreen || document.webkitExitFullscreen;
        var left = leave.call(document);
        if (left && left.catch) left.catch(function () {});
      }
    },
    // The words of a prepared moment, which the program reads.
    linkFragment: function () { return window.location.hash.replace(/^#/, ""); },

    // END: every window goes, and the page says how to start again.
    end: function () {
      ended = true;
      screen.replaceChildren();
      // The note below is the one thing left to say.
      ["sorvel-status", "sorvel-notes"].forEach(function (id) {
        var element = document.getElementById(id);
        if (element) element.remove();
      });
      elements.clear();
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
      // The viewport changed size: a resize, a zoom, a turn of a tablet, or a scroll bar that came or
      // went with the page's height.
      // Its first call comes at once and lays out again what the program laid out before the page
      // knew whether it scrolls (a scroll bar takes width where it is not drawn over the page).
      var last = "";
      new ResizeObserver(function () {
        var size = SorvelPage.screenWidth() + "x" + SorvelPage.screenHeight();
        if (size !== last) {
          last = size;
          // Laid out again before the next frame, not inside the observer: a layout that changes
          // what is observed there is one the browser reports as a loop it could not finish.
          requestAnimationFrame(function () { if (!ended) call("web_resize"); });
        }
      }).observe(document.documentElement);
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
