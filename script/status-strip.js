// Glintwick status strip 1.0: shows the page's status-bar text (window.status) in a strip
// along the bottom of the window, for browsers that no longer show it themselves.
// Include it once per page, beside any Glintwick script, with a SCRIPT tag naming this file.
(function () {
  "use strict";
  // Once per page. The mark's name is no JavaScript identifier, so no script's state object
  // can take it.
  var MARK = "glintwick status strip";
  if (window[MARK]) return;
  window[MARK] = true;

  var HOLD_MS = 1000;
  var STRIP_ID = "glintwick-status-strip";
  var LIVE_ID = "glintwick-status-live";
  var SPACER_ID = "glintwick-status-spacer";
  var self = document.currentScript;
  // data-motion="full" mirrors every frame even when the visitor asks for less motion; the
  // program's own preview page uses it so that the author sees the real animation.
  var everyFrame = !!self && self.getAttribute("data-motion") === "full";
  var reducedMotion = window.matchMedia ? window.matchMedia("(prefers-reduced-motion: reduce)") : null;

  var strip = null;
  var live = null;
  var spacer = null;
  var shown = "";
  var announced = "";
  var seen = null;
  var seenSince = 0;

  // Every rule is !important behind an id, and starts from "all: initial", so that the page's
  // own style sheets neither hide, recolour nor resize the strip.
  var RESET = "all:initial!important;box-sizing:border-box!important;";
  var CSS =
    "#" + STRIP_ID + "{" + RESET + "display:block!important;position:fixed!important;" +
    "left:0!important;right:0!important;bottom:0!important;z-index:2147483647!important;" +
    "height:23px!important;margin:0!important;padding:2px 8px!important;" +
    "background:#ececec!important;color:#000!important;border-top:1px solid #a0a0a0!important;" +
    "font:13px/18px system-ui,sans-serif!important;white-space:pre!important;" +
    "overflow:hidden!important;pointer-events:none!important;text-align:left!important;" +
    "direction:ltr!important}" +
    "#" + STRIP_ID + "[hidden]{display:none!important}" +
    "#" + SPACER_ID + "{" + RESET + "display:block!important;height:23px!important}" +
    "#" + LIVE_ID + "{" + RESET + "position:absolute!important;width:1px!important;" +
    "height:1px!important;overflow:hidden!important;clip:rect(0 0 0 0)!important;" +
    "clip-path:inset(50%)!important;white-space:nowrap!important}" +
    "@media print{#" + STRIP_ID + ",#" + SPACER_ID + "{display:none!important}}";

  // The spacer, as tall as the strip, lets the end of the page scroll clear of it; it goes
  // after everything the page holds once the page has loaded.
  function placeAtEnd() {
    if (!strip) return;
    document.body.appendChild(spacer);
    document.body.appendChild(strip);
    document.body.appendChild(live);
  }

  function build() {
    if (strip || !document.body) return !!strip;
    var style = document.createElement("style");
    style.textContent = CSS;
    (document.head || document.body).appendChild(style);
    spacer = document.createElement("div");
    spacer.id = SPACER_ID;
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
    placeAtEnd();
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

  // Included in the head, it builds the strip as soon as the body exists; included before the
  // end of the page, it moves its elements to the end once the page is there.
  build();
  document.addEventListener("DOMContentLoaded", function () {
    if (build()) placeAtEnd();
  });
  window.addEventListener("load", placeAtEnd);
  window.requestAnimationFrame(onFrame);
})();
