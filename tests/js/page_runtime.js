'use strict';
// Runs a generated status-bar script the way a browser page would, but with a
// hand-cranked clock: the script's interval callback is run once per call of the
// stepping loop, so every 10 ms tick can be observed and compared.

const vm = require('vm');

// Windows-1252 bytes 0x80-0x9F; every other byte is the Latin-1 code point.
// The five unassigned bytes decode to the C1 control of the same number, as
// browsers do. TextDecoder('windows-1252') is not used: Node 20 decodes that
// label as plain Latin-1 (0x80 comes out as U+0080 instead of the euro sign).
const CP1252_HIGH = [
  0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021,
  0x02c6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008d, 0x017d, 0x008f,
  0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
  0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178,
];

function decodeCp1252(bytes) {
  let out = '';
  for (let i = 0; i < bytes.length; i += 1) {
    const b = bytes[i];
    out += String.fromCharCode(b >= 0x80 && b <= 0x9f ? CP1252_HIGH[b - 0x80] : b);
  }
  return out;
}

// True when every character of `text` has a Windows-1252 byte.
function encodableCp1252(text) {
  for (const ch of text) {
    const c = ch.codePointAt(0);
    if (c < 0x80 || (c >= 0xa0 && c <= 0xff)) continue;
    if (!CP1252_HIGH.includes(c)) return false;
  }
  return true;
}

// Frame functions following the in-program preview's rules for the three effects
// whose preview frames are built differently from the page's (scroll right to
// left shows only the first `step` characters; expand and shrink use the
// truncated half length). Installed in place of the page's own functions they
// give the timeline the preview is expected to show.
const PREVIEW_RULE_FRAMES = `
globalThis.stEffect3 = function (text, step) {
  if (step > text.length) return "";
  return " ".repeat(text.length - step) + text.substring(0, step);
};
globalThis.stEffect7 = function (text, step) {
  var L = text.length, h = Math.floor(L / 2);
  if (step > h + 3) return "";
  if (step > h) return text;
  return " ".repeat(h - step) + text.substring(0, step) + text.substring(L - step);
};
globalThis.stEffect8 = function (text, step) {
  var L = text.length, h = Math.floor(L / 2);
  if (step > h + 3) return "";
  if (step < 3) return text;
  var keep = h - step + 3;
  return " ".repeat(step - 3) + text.substring(0, keep) + text.substring(L - keep);
};
`;

// Browser stand-ins, evaluated inside the page's context before the script.
// window is the global object itself; writes to window.status are logged together
// with the state object's position (which effect, which step wrote the frame).
function harnessSource(name) {
  return `
var __gw = {
  name: ${JSON.stringify(name)},
  status: "",
  timer: null,
  nextId: 1,
  badTimers: [],
  writes: [],
  lastWrite: -1
};
var window = globalThis;
Object.defineProperty(globalThis, "status", {
  configurable: true,
  get: function () { return __gw.status; },
  set: function (v) {
    __gw.status = String(v);
    var s = globalThis[__gw.name];
    var w = { value: __gw.status, idx: -1, type: -1, step: -1, text: null, final: false };
    if (s && typeof s === "object") {
      w.idx = s.stce; w.type = s.sttp; w.step = s.stsp - 1; w.text = s.sttx;
      w.final = s.stce === s.stec;
    }
    __gw.writes.push(w);
    __gw.lastWrite = __gw.writes.length - 1;
  }
});
globalThis.setInterval = function (code, delay) {
  if (typeof code !== "string" || delay !== 10) __gw.badTimers.push([typeof code, String(code), delay]);
  __gw.timer = { id: __gw.nextId++, code: String(code), delay: delay };
  return __gw.timer.id;
};
globalThis.clearInterval = function (id) {
  if (__gw.timer && __gw.timer.id === id) __gw.timer = null;
};
globalThis.__gwRun = function (maxTicks) {
  var r = { status: [], write: [], sttp: [], stce: [], stsp: [], stoppedAt: 0, error: null };
  for (var t = 1; t <= maxTicks; t++) {
    if (!__gw.timer) { r.error = "no interval timer is running before tick " + t; break; }
    try {
      (0, eval)(__gw.timer.code);
    } catch (e) {
      r.error = "tick " + t + " threw: " + (e && e.stack ? e.stack : e);
      break;
    }
    var s = globalThis[__gw.name];
    r.status.push(__gw.status);
    r.write.push(__gw.lastWrite);
    r.sttp.push(s ? s.sttp : undefined);
    r.stce.push(s ? s.stce : undefined);
    r.stsp.push(s ? s.stsp : undefined);
    if (!__gw.timer) { r.stoppedAt = t; break; }
  }
  return r;
};
`;
}

// Loads the script into a fresh context, read as a page of `encoding` would read it
// (Windows-1252 unless told), and reports the state right after loading. With
// `previewRules` the preview's own versions of three frame functions replace the page's
// ones before the first tick.
function loadPage(scriptBytes, name, previewRules, encoding = 'windows-1252') {
  const source = encoding === 'windows-1252'
    ? decodeCp1252(scriptBytes) : new TextDecoder(encoding).decode(scriptBytes);
  const context = vm.createContext({});
  vm.runInContext(harnessSource(name), context, { filename: 'harness.js' });
  vm.runInContext(source, context, { filename: `${name}.js` });
  const timerAfterLoad = vm.runInContext('__gw.timer ? __gw.timer.code : null', context);
  // Copy the state object out through JSON so that it is a plain host object.
  const stateJson = vm.runInContext(`JSON.stringify(globalThis[${JSON.stringify(name)}])`, context);
  if (previewRules) vm.runInContext(PREVIEW_RULE_FRAMES, context, { filename: 'preview-rules.js' });
  return {
    context,
    source,
    timerAfterLoad,
    stateAfterLoad: stateJson === undefined ? undefined : JSON.parse(stateJson),
  };
}

// Calls the page's start function (for scripts that do not start themselves), with
// an effect number for the single-effect start.
function startPage(page, name, effectNumber) {
  const argument = effectNumber === undefined ? '' : String(effectNumber);
  vm.runInContext(`${name}_start(${argument});`, page.context);
}

// Steps the running interval up to maxTicks times. Returns per-tick arrays
// (index 0 = tick 1), the write log, and the tick on which the timer was cleared.
function runPage(page, maxTicks) {
  const r = page.context.__gwRun(maxTicks);
  const writes = page.context.__gw.writes;
  const badTimers = page.context.__gw.badTimers;
  return {
    status: Array.from(r.status),
    write: Array.from(r.write),
    sttp: Array.from(r.sttp),
    stce: Array.from(r.stce),
    stsp: Array.from(r.stsp),
    stoppedAt: r.stoppedAt,
    error: r.error,
    writes,
    badTimers: Array.from(badTimers),
  };
}

module.exports = { decodeCp1252, encodableCp1252, loadPage, startPage, runPage };
