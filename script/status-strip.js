// Glintwick status strip 1.1: shows the page's status-bar text (window.status) in a strip
// along the bottom of the window, for browsers that no longer show it themselves, with a
// button that pauses the messages. Include it once per page, beside any Glintwick script.
// What it reads of a Glintwick script's state object is written down in docs/page-contract.md.
(function () {
  "use strict";
  // Once per page. The mark's name is no JavaScript identifier, so no script's state object
  // can take it; it holds the few calls the program's preview page makes.
  var MARK = "glintwick status strip";
  if (window[MARK]) return;

  var HOLD_MS = 1000;
  var LIVE_KEEP = 8;
  var STRIP_ID = "glintwick-status-strip";
  var TEXT_ID = "glintwick-status-text";
  var PAUSE_ID = "glintwick-status-pause";
  var LIVE_ID = "glintwick-status-live";
  var SPACER_ID = "glintwick-status-spacer";
  var PAUSED_KEY = "glintwick-status-paused";
  var PAUSE_NAME = "Pause messages";
  var PLAY_NAME = "Play messages";
  var self = document.currentScript;
  // "full" mirrors every frame even when the visitor asks for less motion, "reduce" plays as
  // such a visitor sees it; the program's preview page switches between the two.
  var motion = self && self.getAttribute("data-motion") === "full" ? "full" : "visitor";
  var reducedMotion = window.matchMedia ? window.matchMedia("(prefers-reduced-motion: reduce)") : null;

  var strip = null;
  var textBox = null;
  var pauseButton = null;
  var live = null;
  var spacer = null;
  var frameQueued = false;

  // What the page writes: the latest window.status, and whether a Glintwick script wrote it.
  var status = "";
  var fromScript = false;
  // A text written by anything else is shown with less motion once it stayed for a second.
  var foreignSettled = "";
  var foreignTimer = 0;
  // The Glintwick scripts found on the page, by script name, and the one that wrote last.
  var scripts = {};
  var lastScript = null;
  var lastScan = -Infinity;
  var paused = readPaused();

  function now() {
    return window.performance ? window.performance.now() : Date.now();
  }

  function readPaused() {
    try {
      return window.localStorage.getItem(PAUSED_KEY) === "1";
    } catch (e) {
      return false;
    }
  }

  function rememberPaused() {
    try {
      window.localStorage.setItem(PAUSED_KEY, paused ? "1" : "0");
    } catch (e) {
      // Storage may be switched off; the choice then lasts for this page.
    }
  }

  function stillWanted() {
    if (motion === "full") return false;
    if (motion === "reduce") return true;
    return reducedMotion !== null && reducedMotion.matches;
  }

  // ---------------------------------------------------------------- the strip's elements

  // Every rule is !important behind an id, and starts from "all: initial", so that the page's
  // own style sheets neither hide, recolour nor resize the strip.
  var RESET = "all:initial!important;box-sizing:border-box!important;";
  var HEIGHT = "30px";
  var CSS =
    "#" + STRIP_ID + "{" + RESET + "display:flex!important;align-items:center!important;" +
    "position:fixed!important;left:0!important;right:0!important;bottom:0!important;" +
    "z-index:2147483647!important;height:" + HEIGHT + "!important;margin:0!important;" +
    "padding:0 4px 0 8px!important;background:#ececec!important;color:#000!important;" +
    "border-top:1px solid #767676!important;font:13px/18px system-ui,sans-serif!important;" +
    "pointer-events:none!important;text-align:left!important;direction:ltr!important;" +
    "contain:strict!important}" +
    "#" + STRIP_ID + "[hidden]{display:none!important}" +
    "#" + TEXT_ID + "{" + RESET + "display:block!important;flex:1 1 auto!important;" +
    "min-width:0!important;white-space:pre!important;overflow:hidden!important;" +
    "font:inherit!important;color:inherit!important;pointer-events:none!important}" +
    "#" + PAUSE_ID + "{" + RESET + "display:flex!important;align-items:center!important;" +
    "justify-content:center!important;gap:4px!important;flex:none!important;" +
    "width:28px!important;height:26px!important;margin-left:8px!important;" +
    "border:1px solid #595959!important;border-radius:4px!important;background:#fff!important;" +
    "cursor:pointer!important;pointer-events:auto!important}" +
    "#" + PAUSE_ID + ":hover{background:#dcdcdc!important}" +
    "#" + PAUSE_ID + ":focus-visible{outline:2px solid #0b57d0!important;" +
    "outline-offset:0!important}" +
    // The picture on the button: two bars while it pauses, a triangle while it plays.
    "#" + PAUSE_ID + " span{" + RESET + "display:block!important;width:4px!important;" +
    "height:12px!important;background:#000!important}" +
    "#" + PAUSE_ID + "[data-state=play] span{width:0!important;height:0!important;" +
    "background:none!important;border-style:solid!important;border-color:transparent!important;" +
    "border-width:7px 0 7px 12px!important;border-left-color:#000!important}" +
    "#" + PAUSE_ID + "[data-state=play] span+span{display:none!important}" +
    "#" + SPACER_ID + "{" + RESET + "display:block!important;height:" + HEIGHT + "!important}" +
    "#" + LIVE_ID + "{" + RESET + "position:absolute!important;width:1px!important;" +
    "height:1px!important;overflow:hidden!important;clip:rect(0 0 0 0)!important;" +
    "clip-path:inset(50%)!important;white-space:nowrap!important}" +
    "@media print{#" + STRIP_ID + ",#" + SPACER_ID + "{display:none!important}}";

  // The spacer, as tall as the strip, lets the end of the page scroll clear of it; it goes
  // after everything the page holds once the page has loaded.
  function placeAtEnd() {
    if (!strip) return;
    scan();
    document.body.appendChild(spacer);
    document.body.appendChild(strip);
    document.body.appendChild(live);
  }

  function element(tag, id) {
    var e = document.createElement(tag);
    if (id) e.id = id;
    return e;
  }

  function build() {
    if (strip || !document.body) return !!strip;
    var style = element("style");
    style.textContent = CSS;
    (document.head || document.body).appendChild(style);
    spacer = element("div", SPACER_ID);
    spacer.setAttribute("aria-hidden", "true");
    strip = element("div", STRIP_ID);
    strip.hidden = true;
    // Screen readers hear each message once from the live log, so the moving copy is hidden.
    textBox = element("span", TEXT_ID);
    textBox.setAttribute("aria-hidden", "true");
    pauseButton = element("button", PAUSE_ID);
    pauseButton.type = "button";
    pauseButton.appendChild(element("span"));
    pauseButton.appendChild(element("span"));
    pauseButton.addEventListener("click", function () {
      setPaused(!paused);
      rememberPaused();
    });
    strip.appendChild(textBox);
    strip.appendChild(pauseButton);
    live = element("div", LIVE_ID);
    live.setAttribute("role", "log");
    live.setAttribute("aria-live", "polite");
    live.setAttribute("aria-label", "Status messages");
    placeAtEnd();
    return true;
  }

  // ---------------------------------------------------------------- what to show

  function shownText() {
    if (fromScript && lastScript && (paused || stillWanted())) return lastScript.message;
    if (!fromScript && status !== "" && (paused || stillWanted())) return foreignSettled;
    return status;
  }

  // The strip is drawn at most once per animation frame, and only after something changed.
  function redraw() {
    frameQueued = false;
    if (!build()) return;
    var text = shownText();
    if (textBox.textContent !== text) textBox.textContent = text;
    strip.hidden = text === "";
    var name = paused ? PLAY_NAME : PAUSE_NAME;
    if (pauseButton.getAttribute("aria-label") !== name) {
      pauseButton.setAttribute("aria-label", name);
      pauseButton.title = name;
      pauseButton.setAttribute("data-state", paused ? "play" : "pause");
    }
  }

  function queueRedraw() {
    if (frameQueued) return;
    frameQueued = true;
    window.requestAnimationFrame(redraw);
  }

  // Each message is a line of its own in the log, so a screen reader reads every one in order.
  function announce(text) {
    if (text === "" || !build()) return;
    var line = element("p");
    line.textContent = text;
    live.appendChild(line);
    while (live.childNodes.length > LIVE_KEEP) live.removeChild(live.firstChild);
  }

  // ---------------------------------------------------------------- Glintwick scripts

  function isState(value) {
    return value !== null && typeof value === "object" && Object.prototype.toString.call(value.stea) ===
      "[object Array]" && typeof value.stec === "number" && typeof value.stel === "number" &&
      typeof value.stft === "string";
  }

  // The complete text of effect `index` of the state's list: its own text, or its words.
  function messageOf(state, index) {
    var first = state.stea[index * 4];
    var kind = state.stea[index * 4 + 1];
    if (kind === 1 || kind === 10) {
      var words = state["stwa" + first];
      return words && words.join ? words.join("") : "";
    }
    return first === undefined ? "" : String(first);
  }

  function finished(state) {
    return state.stce === state.stec && state.stcel === state.stel;
  }

  // An effect of the script begins: its whole message is what a still strip shows and what a
  // screen reader hears, once per run of the script (not again on every pass).
  function begin(entry, index) {
    entry.message = messageOf(entry.state, index);
    if (!entry.running && !entry.held) return;
    if (!entry.announced[index]) {
      entry.announced[index] = true;
      announce(entry.message);
    }
    lastScript = entry;
    fromScript = true;
    queueRedraw();
  }

  // Watches one state object: a new effect is loaded by moving `stce`; the timer is started by
  // storing `sttm` and read only to be cleared (stop, the end, a new start).
  function adopt(entry, state) {
    entry.state = state;
    entry.announced = {};
    entry.message = "";
    entry.running = false;
    entry.held = false;
    if (!isState(state)) return;
    var index = state.stce;
    var timer = state.sttm;
    try {
      Object.defineProperty(state, "stce", {
        configurable: true, enumerable: true,
        get: function () { return index; },
        set: function (value) {
          index = value;
          if (value >= 0 && value < state.stec) begin(entry, value);
        },
      });
      Object.defineProperty(state, "sttm", {
        configurable: true, enumerable: true,
        get: function () {
          if (entry.state === state) entry.running = false;
          return timer;
        },
        set: function (value) {
          timer = value;
          if (entry.state !== state) return;
          entry.running = true;
          entry.timer = value;
          if (paused) holdScript(entry);
        },
      });
    } catch (e) {
      return;
    }
    entry.timer = timer;
    // Found while it plays: what it plays now counts as begun.
    entry.running = typeof timer === "number" && !finished(state) && (index < 0 || status !== "");
    if (index >= 0 && index < state.stec) begin(entry, index);
    if (entry.running && paused) holdScript(entry);
  }

  // A script name's global is given a new state object by every start: the getter and setter
  // put in its place watch each one as it comes.
  function watchScript(name) {
    var entry = { name: name, state: null, announced: {}, message: "", running: false, timer: 0 };
    scripts[name] = entry;
    var value = window[name];
    adopt(entry, value);
    try {
      Object.defineProperty(window, name, {
        configurable: true, enumerable: true,
        get: function () { return value; },
        set: function (next) {
          value = next;
          adopt(entry, next);
        },
      });
    } catch (e) {
      // A global that cannot be watched is looked at again on each of its writes.
    }
  }

  // Finds the scripts' state objects among the page's own data properties, so no getter of
  // the browser's runs.
  function scan() {
    lastScan = now();
    var names = Object.keys(window);
    for (var i = 0; i < names.length; i += 1) {
      var name = names[i];
      if (scripts[name]) continue;
      var d = Object.getOwnPropertyDescriptor(window, name);
      if (d && "value" in d && isState(d.value) && typeof window[name + "_start"] === "function") {
        watchScript(name);
      }
    }
  }

  // Who wrote `text`: the script whose tick is drawing a frame now (only its `sttg` is 0 with
  // an effect loaded), or that has just played its last pass and shows its final text.
  function writer(text) {
    for (var pass = 0; pass < 2; pass += 1) {
      for (var name in scripts) {
        var entry = scripts[name];
        var state = window[name];
        if (state !== entry.state) adopt(entry, state);
        if (!isState(state)) continue;
        if (text !== "" && state.sttg === 0 && state.stce >= 0 && state.stce < state.stec) return entry;
        if (finished(state) && text === state.stft) {
          if (entry.message !== text) {
            entry.message = text;
            entry.running = false;
            announce(text);
          }
          return entry;
        }
      }
      if (pass === 0 && now() - lastScan >= HOLD_MS) scan();
      else break;
    }
    return null;
  }

  // ---------------------------------------------------------------- pausing

  function holdScript(entry) {
    window.clearInterval(entry.timer);
    entry.held = true;
    entry.running = false;
    // A script paused before its first tick shows its first message.
    if (entry.state.stce < 0 && entry.state.stec > 0) begin(entry, 0);
    if (!lastScript) {
      lastScript = entry;
      fromScript = true;
    }
    queueRedraw();
  }

  // Plays on from where it was held, with the timer the script's own start would make.
  function resumeScript(entry) {
    entry.held = false;
    entry.state.sttm = window.setInterval(function () { window.doEffect(entry.name); }, 10);
  }

  function setPaused(value) {
    paused = value;
    for (var name in scripts) {
      var entry = scripts[name];
      if (paused && entry.running) holdScript(entry);
      else if (!paused && entry.held) resumeScript(entry);
    }
    queueRedraw();
  }

  // ---------------------------------------------------------------- following window.status

  function onStatus(text) {
    status = text;
    var entry = text === "" ? null : writer(text);
    fromScript = entry !== null;
    if (entry) lastScript = entry;
    if (!fromScript) {
      // A text of someone else's: shown and announced once it stayed for a second.
      window.clearTimeout(foreignTimer);
      if (text === "") foreignSettled = "";
      else foreignTimer = window.setTimeout(function () {
        if (status === text && !fromScript) {
          foreignSettled = text;
          announce(text);
          queueRedraw();
        }
      }, HOLD_MS);
    }
    queueRedraw();
  }

  function currentStatus() {
    var value = window.status;
    return value === undefined || value === null ? "" : String(value);
  }

  // window.status is an own accessor of the window in today's browsers: each write reaches the
  // strip through it, so nothing runs while nothing changes. Elsewhere the strip looks once per
  // animation frame.
  function followStatus() {
    var d = Object.getOwnPropertyDescriptor(window, "status");
    if (d && d.configurable && d.get && d.set) {
      try {
        Object.defineProperty(window, "status", {
          configurable: true, enumerable: d.enumerable,
          get: function () { return d.get.call(window); },
          set: function (value) {
            d.set.call(window, value);
            onStatus(currentStatus());
          },
        });
        return;
      } catch (e) {
        // Looked at once per frame below.
      }
    }
    var look = function () {
      var text = currentStatus();
      if (text !== status) onStatus(text);
      window.requestAnimationFrame(look);
    };
    window.requestAnimationFrame(look);
  }

  window[MARK] = {
    // "full", "reduce" or "visitor" (as the visitor's settings ask).
    setMotion: function (mode) {
      motion = mode;
      queueRedraw();
    },
    pause: function () { setPaused(true); },
    play: function () { setPaused(false); },
    isPaused: function () { return paused; },
  };
  if (reducedMotion && reducedMotion.addEventListener) reducedMotion.addEventListener("change", queueRedraw);

  // Included in the head, it builds the strip as soon as the body exists; included before the
  // end of the page, it moves its elements to the end once the page is there.
  build();
  scan();
  followStatus();
  status = currentStatus();
  if (status !== "") onStatus(status);
  queueRedraw();
  document.addEventListener("DOMContentLoaded", function () {
    if (build()) placeAtEnd();
  });
  window.addEventListener("load", placeAtEnd);
})();
