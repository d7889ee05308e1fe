// Glintwick status strip 1.2: shows the page's status-bar text (window.status) in a strip
// along the bottom of the window, for browsers that no longer show it themselves, with a
// button that pauses the messages. Include it once per page, beside any Glintwick script;
// with data-target="ID" on its tag it shows them inside the page's element of that id instead.
// What it reads of a Glintwick script's state object is written down in docs/page-contract.md.
(function () {
  "use strict";
  // Once per page. The mark's name is no JavaScript identifier, so no script's state object
  // can take it; it holds the few calls the program's preview page makes.
  var MARK = "glintwick status strip";
  if (window[MARK]) {
    // A second tag changes nothing: the first one's place stands.
    if (window.console) window.console.warn("Glintwick status strip: included more than once; only the first tag counts.");
    return;
  }

  var HOLD_MS = 1000;
  var RESCAN_MS = 250;
  var LOOK_MS = 250;
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
  // The page's element that shows the messages, styled by the page, in place of the strip.
  var targetId = self ? self.getAttribute("data-target") : null;
  var target = null;
  var built = false;

  var strip = null;
  var textBox = null;
  var pauseButton = null;
  var live = null;
  var spacer = null;
  var frameQueued = false;
  var printing = false;
  var drawn = { text: null, still: null, hidden: null, paused: null };

  // The latest window.status, and what a still strip shows instead: each Glintwick message
  // whole from the moment its effect begins, anything else once it stayed for a second.
  var status = "";
  var stillText = "";
  var foreignTimer = 0;
  // The Glintwick scripts found on the page, by script name.
  var scripts = {};
  var lastScan = -Infinity;
  var polling = false;
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

  function forEachScript(visit) {
    for (var name in scripts) visit(scripts[name]);
  }

  function anyScript(test) {
    for (var name in scripts) if (test(scripts[name])) return true;
    return false;
  }

  // ---------------------------------------------------------------- the strip's elements

  // The strip's look is set on its elements as !important inline styles, which no style sheet
  // of the page can override, so the page neither hides, moves, recolours nor resizes it.
  var HEIGHT = "30px";
  var STRIP_CSS =
    "all:initial;box-sizing:border-box;display:flex;align-items:center;position:fixed;" +
    "left:0;right:0;bottom:0;top:auto;z-index:2147483647;margin:0;padding:0 4px 0 8px;" +
    "background:#ececec;color:#000;border-top:1px solid #767676;" +
    "font:13px/18px system-ui,sans-serif;pointer-events:none;text-align:left;direction:ltr;" +
    "visibility:visible;opacity:1;transform:none;filter:none;clip-path:none";
  var MOVING_CSS = "height:" + HEIGHT + ";contain:strict";
  var STILL_CSS = "height:auto;min-height:" + HEIGHT + ";max-height:50vh;contain:layout paint style";
  var TEXT_CSS =
    "all:initial;box-sizing:border-box;display:block;flex:1 1 auto;min-width:0;" +
    "overflow:hidden;font:inherit;color:inherit;pointer-events:none;visibility:visible";
  var BUTTON_CSS =
    "all:initial;box-sizing:border-box;display:flex;align-items:center;align-self:flex-end;" +
    "justify-content:center;gap:4px;flex:none;width:28px;height:26px;margin:0 0 2px 8px;" +
    "border:1px solid #595959;border-radius:4px;background:#fff;cursor:pointer;pointer-events:auto;" +
    "visibility:visible;opacity:1;outline-offset:0";
  var BAR_CSS = "all:initial;display:block;width:4px;height:12px;background:#000";
  var TRIANGLE_CSS =
    "all:initial;display:block;width:0;height:0;border-style:solid;" +
    "border-color:transparent transparent transparent #000;border-width:7px 0 7px 12px";
  var SPACER_CSS = "all:initial;display:block;height:" + HEIGHT;
  var LIVE_CSS =
    "all:initial;position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);" +
    "clip-path:inset(50%);white-space:nowrap";

  function pin(element, css) {
    var rules = css.split(";");
    for (var i = 0; i < rules.length; i += 1) {
      var colon = rules[i].indexOf(":");
      if (colon > 0) element.style.setProperty(rules[i].slice(0, colon), rules[i].slice(colon + 1), "important");
    }
  }

  function element(tag, id, css) {
    var e = document.createElement(tag);
    if (id) e.id = id;
    if (css) pin(e, css);
    return e;
  }

  // The spacer, as tall as the strip, lets the end of the page scroll clear of it; it goes
  // after everything the page holds once the page has loaded. The strip goes after the body,
  // so that no transform of the page's body can take it out of the window's corner.
  function placeAtEnd() {
    if (!built) return;
    document.body.appendChild(live);
    if (strip) {
      document.body.appendChild(spacer);
      document.documentElement.appendChild(strip);
    }
    scan();
  }

  // Whether the messages' place is known: the element named by data-target once the page
  // holds it (false while the page is still loading without it), else the strip. A name that
  // no element of the loaded page has is said once on the console, and the strip is used.
  function placeKnown() {
    if (!targetId || target) return true;
    target = document.getElementById(targetId);
    // The page itself, its head or its body cannot give up what they hold to the messages.
    if (target === document.documentElement || target === document.head || target === document.body) target = null;
    if (target) return true;
    if (document.readyState === "loading") return false;
    if (window.console) {
      window.console.warn("Glintwick status strip: the page has no element with the id \"" + targetId +
        "\" that can show the messages (data-target); they show in the strip at the bottom of the window instead.");
    }
    targetId = null;
    return true;
  }

  function showFocus() {
    var visible = pauseButton.matches && pauseButton.matches(":focus-visible");
    pin(pauseButton, visible ? "outline:2px solid #0b57d0" : "outline:none");
  }

  function build() {
    if (built || !document.body) return built;
    if (!placeKnown()) return false;
    // Screen readers hear each message once from the live log, so the moving copy is hidden.
    if (target) {
      // In the page's element the text takes the page's look; only its spaces are kept.
      textBox = element("span", TEXT_ID);
      textBox.style.whiteSpace = "pre";
    } else {
      spacer = element("div", SPACER_ID, SPACER_CSS);
      spacer.setAttribute("aria-hidden", "true");
      strip = element("div", STRIP_ID, STRIP_CSS);
      strip.hidden = true;
      textBox = element("span", TEXT_ID, TEXT_CSS);
    }
    textBox.setAttribute("aria-hidden", "true");
    pauseButton = element("button", PAUSE_ID, BUTTON_CSS);
    pauseButton.type = "button";
    pauseButton.appendChild(element("span"));
    pauseButton.appendChild(element("span"));
    pauseButton.addEventListener("click", function () {
      setPaused(!paused);
      rememberPaused();
    });
    pauseButton.addEventListener("focus", showFocus);
    pauseButton.addEventListener("mouseenter", function () { pin(pauseButton, "background:#dcdcdc"); });
    pauseButton.addEventListener("mouseleave", function () { pin(pauseButton, "background:#fff"); });
    pauseButton.addEventListener("blur", function () {
      showFocus();
      queueRedraw();
    });
    if (target) {
      // The messages replace what the element held; the button follows the element.
      while (target.firstChild) target.removeChild(target.firstChild);
      target.appendChild(textBox);
      pin(pauseButton, "display:inline-flex;vertical-align:middle;margin:0 0 0 8px");
      target.parentNode.insertBefore(pauseButton, target.nextSibling);
    } else {
      strip.appendChild(textBox);
      strip.appendChild(pauseButton);
    }
    built = true;
    live = element("div", LIVE_ID, LIVE_CSS);
    live.setAttribute("role", "log");
    live.setAttribute("aria-live", "polite");
    live.setAttribute("aria-label", "Status messages");
    window.setTimeout(function () {
      var lines = waiting;
      waiting = null;
      lines.forEach(announce);
    }, 0);
    placeAtEnd();
    return true;
  }

  // ---------------------------------------------------------------- drawing

  function drawButton() {
    var name = paused ? PLAY_NAME : PAUSE_NAME;
    pauseButton.setAttribute("aria-label", name);
    pauseButton.title = name;
    // Two bars while it pauses, a triangle while it plays.
    pin(pauseButton.firstChild, paused ? TRIANGLE_CSS : BAR_CSS);
    pin(pauseButton.lastChild, paused ? "display:none" : BAR_CSS);
  }

  // The strip is drawn at most once per animation frame, and only after something changed.
  // A still strip wraps a long message onto more lines, so all of it can be read.
  function redraw() {
    frameQueued = false;
    if (!build()) return;
    var still = paused || stillWanted();
    var text = still ? stillText : status;
    // Kept on show while paused (its button plays on) and while its button has the focus.
    var hidden = printing || (text === "" && !(paused && anyScript(function (e) { return e.held; })) &&
      document.activeElement !== pauseButton);
    // The text node is kept and only its characters change: no node is made per frame.
    if (drawn.text !== text) {
      if (textBox.firstChild) textBox.firstChild.data = text;
      else textBox.textContent = text;
    }
    if (target) {
      // The page's element stays where the page put it; the button shows once there is
      // something to pause.
      if (drawn.still !== still) textBox.style.whiteSpace = still ? "pre-wrap" : "pre";
      // Hidden with the element, when the page hides it.
      hidden = printing || !anyScript(function () { return true; }) || !target.getClientRects().length;
      if (drawn.hidden !== hidden) pin(pauseButton, hidden ? "display:none" : "display:inline-flex");
      if (drawn.paused !== paused) drawButton();
      drawn = { text: text, still: still, hidden: hidden, paused: paused };
      return;
    }
    if (drawn.still !== still) {
      pin(strip, still ? STILL_CSS : MOVING_CSS);
      pin(textBox, still ? "white-space:pre-wrap;overflow-wrap:anywhere" : "white-space:pre");
    }
    if (drawn.hidden !== hidden) {
      strip.hidden = hidden;
      pin(strip, hidden ? "display:none" : "display:flex");
    }
    if (drawn.paused !== paused) drawButton();
    if (!hidden && (drawn.still !== still || drawn.hidden !== hidden || (still && drawn.text !== text))) {
      pin(spacer, "height:" + (still ? strip.offsetHeight + "px" : HEIGHT));
    }
    drawn = { text: text, still: still, hidden: hidden, paused: paused };
  }

  function queueRedraw() {
    if (frameQueued) return;
    frameQueued = true;
    window.requestAnimationFrame(redraw);
  }

  // Each message is a line of its own in the log, so a screen reader reads every one in order.
  // Lines wait until the log has been in the page for a moment: a screen reader takes no
  // notice of what a region held when it came.
  // Lines that come before the log is in the page (while the page loads) wait for it too.
  var waiting = [];
  function announce(text) {
    if (text === "") return;
    build();
    // What the page hides from sighted visitors is not read out either.
    if (target && !target.getClientRects().length) return;
    if (waiting) {
      waiting.push(text);
      return;
    }
    // Pinned, so the page's rules for its own paragraphs neither hide nor add to a line.
    var line = element("div", null, "all:initial;display:block");
    line.textContent = text;
    live.appendChild(line);
    while (live.childNodes.length > LIVE_KEEP) live.removeChild(live.firstChild);
  }

  function showStill(text) {
    if (stillText === text) return;
    stillText = text;
    queueRedraw();
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

  function loaded(state) {
    return state.stce >= 0 && state.stce < state.stec;
  }

  // An effect of a playing script begins: its whole message is what a still strip shows and
  // what a screen reader hears, once per run of the script (not again on every pass).
  function begin(entry, index) {
    entry.message = messageOf(entry.state, index);
    if (!entry.running && !entry.held) return;
    if (!entry.announced[index]) {
      entry.announced[index] = true;
      announce(entry.message);
    }
    showStill(entry.message);
  }

  // A script seen writing a frame plays, whatever the strip thought of it before.
  function playing(entry) {
    if (entry.running || entry.held) return;
    entry.running = true;
    begin(entry, entry.state.stce);
    if (paused) holdScript(entry);
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
          if (entry.state === state) entry.running = entry.held = false;
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
    // Found while it plays (it has a timer, and has not ended or been stopped, which empties
    // the status): what it plays now counts as begun.
    entry.running = typeof timer === "number" && !finished(state) && (index < 0 || status !== "");
    if (loaded(state)) begin(entry, index);
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
  // an effect loaded; when the strip can only look now and then, a script that plays), or that
  // has just played its last pass and shows its final text.
  function writer(text) {
    for (var pass = 0; pass < 2; pass += 1) {
      for (var name in scripts) {
        var entry = scripts[name];
        var state = window[name];
        if (state !== entry.state) adopt(entry, state);
        if (!isState(state)) continue;
        if (text !== "" && loaded(state) && (state.sttg === 0 || (polling && entry.running))) {
          playing(entry);
          return entry;
        }
        if (finished(state) && text === state.stft) {
          entry.running = false;
          if (entry.message !== text) {
            entry.message = text;
            announce(text);
          }
          showStill(text);
          return entry;
        }
      }
      if (pass === 0 && now() - lastScan >= RESCAN_MS) scan();
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
    if (!loaded(entry.state) && entry.state.stec > 0 && !finished(entry.state)) begin(entry, 0);
    else showStill(entry.message);
  }

  // Plays on from where it was held, with the timer the script's own start would make.
  function resumeScript(entry) {
    entry.held = false;
    entry.state.sttm = window.setInterval(function () { window.doEffect(entry.name); }, 10);
  }

  function setPaused(value) {
    paused = value;
    forEachScript(function (entry) {
      if (paused && entry.running) holdScript(entry);
      else if (!paused && entry.held) resumeScript(entry);
    });
    queueRedraw();
  }

  // ---------------------------------------------------------------- following window.status

  function onStatus(text) {
    // A frame the same as the one before (a flash's text held, "No Effect") draws nothing.
    if (text !== status) queueRedraw();
    status = text;
    var entry = text === "" ? null : writer(text);
    if (!entry) {
      // A text of someone else's: a still strip shows it, and a screen reader hears it, once it
      // stayed for a second; an empty text clears the strip at once (unless a paused message
      // keeps it).
      window.clearTimeout(foreignTimer);
      if (text === "") {
        if (!anyScript(function (e) { return e.held; })) showStill("");
      } else {
        foreignTimer = window.setTimeout(function () {
          if (status === text) {
            announce(text);
            showStill(text);
          }
        }, HOLD_MS);
      }
    }
  }

  function currentStatus() {
    var value = window.status;
    return value === undefined || value === null ? "" : String(value);
  }

  // window.status is an own accessor of the window in today's browsers (or a plain value where
  // a page replaced it): each write reaches the strip through an accessor of its own, so
  // nothing runs while nothing changes. Where that cannot be, the strip looks at each animation
  // frame while a script plays and four times a second otherwise.
  function followStatus() {
    var d = Object.getOwnPropertyDescriptor(window, "status");
    var read = null;
    var write = null;
    if (d && d.configurable && d.get && d.set) {
      read = function () { return d.get.call(window); };
      write = function (value) { d.set.call(window, value); };
    } else if (d && d.configurable && "value" in d) {
      var kept = d.value;
      read = function () { return kept; };
      write = function (value) { kept = value; };
    }
    if (read) {
      try {
        Object.defineProperty(window, "status", {
          configurable: true, enumerable: d.enumerable, get: read,
          set: function (value) {
            write(value);
            onStatus(currentStatus());
          },
        });
        return;
      } catch (e) {
        // Looked at below.
      }
    }
    polling = true;
    var look = function () {
      var text = currentStatus();
      if (text !== status) onStatus(text);
      if (anyScript(function (e) { return e.running; })) window.requestAnimationFrame(look);
      else window.setTimeout(look, LOOK_MS);
    };
    look();
  }

  window[MARK] = {
    // "full", "reduce" or "visitor" (as the visitor's settings ask).
    setMotion: function (mode) {
      motion = mode;
      queueRedraw();
    },
    pause: function () {
      setPaused(true);
      rememberPaused();
    },
    play: function () {
      setPaused(false);
      rememberPaused();
    },
    isPaused: function () { return paused; },
  };
  if (reducedMotion && reducedMotion.addEventListener) reducedMotion.addEventListener("change", queueRedraw);
  // Left out of print, spacer and all.
  function setPrinting(value) {
    printing = value;
    if (!build()) return;
    if (spacer) pin(spacer, printing ? "display:none" : "display:block");
    redraw();
  }
  window.addEventListener("beforeprint", function () { setPrinting(true); });
  window.addEventListener("afterprint", function () { setPrinting(false); });

  // Included in the head, it builds the strip as soon as the body exists; included before the
  // end of the page, it moves its elements to the end once the page is there.
  status = currentStatus();
  build();
  scan();
  followStatus();
  if (status !== "") onStatus(status);
  queueRedraw();
  document.addEventListener("DOMContentLoaded", function () {
    if (build()) placeAtEnd();
  });
  window.addEventListener("load", placeAtEnd);
})();
