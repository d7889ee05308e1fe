// Glintwick status strip 1.0: shows the page's status-bar text (window.status) in a strip
// along the bottom of the window, for browsers that no longer show it themselves.
// Include it once per page, beside any Glintwick script, with a SCRIPT tag naming this file.
(function () {
  "use strict";
  if (window.glintwickStatusStrip) return;

  var HOLD_MS = 1000;
  var STRIP_ID = "glintwick-status-strip";
  var LIVE_ID = "glintwick-status-live";
  var self = document.currentScript;
  // data-motion="full" mirrors every frame even when the visitor asks for less motion; the
  // program's own preview page uses it so that the author sees the real animation.
  var everyFrame = !!self && self.getAttribute("data-motion") === "full";
  var reducedMotion = window.matchMedia ? window.matchMedia("(prefers-reduced-motion: reduce)") : null;

  var strip = null;
  var live = null;
  var shown = "";
  var announced = "";
  var seen = null;
  var seenSince = 0;

  var CSS =
    "#" + STRIP_ID + "{position:fixed;left:0;right:0;bottom:0;z-index:2147483647;margin:0;" +
    "padding:2px 8px;min-height:1.4em;box-sizing:content-box;background:#ececec;color:#000;" +
    "border-top:1px solid #a0a0a0;font:13px/1.4 system-ui,sans-serif;white-space:pre;" +
    "overflow:hidden;text-overflow:clip;pointer-events:none;text-align:left;direction:ltr}" +
    "#" + STRIP_ID + "[hidden]{display:none}" +
    "#" + LIVE_ID + "{position:absolute;width:1px;height:1px;margin:-1px;padding:0;border:0;" +
    "overflow:hidden;clip:rect(0 0 0 0);clip-path:inset(50%);white-space:nowrap}" +
    ".glintwick-status-spacer{height:calc(1.4em + 5px);font:13px/1.4 system-ui,sans-serif}" +
    "@media print{#" + STRIP_ID + ",.glintwick-status-spacer{display:none}}";

  function build() {
    if (strip || !document.body) return !!strip;
    var style = document.createElement("style");
    style.textContent = CSS;
    (document.head || document.body).appendChild(style);
    // A spacer as tall as the strip lets the end of the page scroll clear of it.
    var spacer = document.createElement("div");
    spacer.className = "glintwick-status-spacer";
    spacer.setAttribute("aria-hidden", "true");
    strip = document.createElement("div");
    strip.id = STRIP_ID;
    strip.setAttribute("aria-hidden", "true");
    strip.hidden = true;
    // Screen readers hear the settled texts from a visually hidden copy, not every frame.
    live = document.createElement("div");
    live.id = LIVE_ID;
    live.setAttribute("role", "status");
    live.setAttribute("aria-live", "polite");
    live.setAttribute("aria-atomic", "true");
    document.body.appendChild(spacer);
    document.body.appendChild(strip);
    document.body.appendChild(live);
    return true;
  }

  function currentText() {
    var value = window.status;
    return value === undefined || value === null ? "" : String(value);
  }

  function show(text) {
    shown = text;
    strip.textContent = text;
    strip.hidden = text === "";
  }

  function onFrame() {
    var now = window.performance ? window.performance.now() : Date.now();
    if (build()) {
      var text = currentText();
      if (text !== seen) {
        seen = text;
        seenSince = now;
      }
      var settled = now - seenSince >= HOLD_MS;
      var still = !everyFrame && reducedMotion !== null && reducedMotion.matches;
      if (text !== shown && (!still || settled)) show(text);
      if (settled && text !== announced) {
        announced = text;
        live.textContent = text;
      }
    }
    window.requestAnimationFrame(onFrame);
  }

  window.glintwickStatusStrip = { version: "1.0" };
  // Included in the head, it builds the strip as soon as the body exists.
  if (!build()) document.addEventListener("DOMContentLoaded", build);
  window.requestAnimationFrame(onFrame);
})();
