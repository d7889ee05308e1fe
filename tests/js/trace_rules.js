'use strict';
// What the trace comparisons share: seeded random projects, the word rule, the
// command-line tool's traces, and the documented differences between the page's
// frame functions and the in-program preview's.

const { execFile } = require('child_process');
const { encodableCp1252 } = require('./page_runtime');

// ---------------------------------------------------------------- random input

function mulberry32(seed) {
  let a = seed >>> 0;
  return function next() {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const LETTERS = 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ';
const DIGITS = '0123456789';
// Windows-1252 characters beyond ASCII, including some without a single-character
// upper case (ß, µ) and two of the unassigned bytes that decode to C1 controls.
const HIGH = ['é', 'ß', 'š', 'œ', 'ÿ', '€', 'µ', 'É', 'ä', 'Ö', 'ñ', 'ç', 'ž', '…', '\u0081', '\u009d'];
// Control characters a text may hold besides line breaks: the script writes them as \u
// escapes, all but TAB.
const CONTROLS = ['\t', '\u0000', '\u0001', '\u001b', '\u007f'];

function makeRandom(seed) {
  const rnd = mulberry32(seed);
  const int = (lo, hi) => lo + Math.floor(rnd() * (hi - lo + 1));
  const pick = (s) => s[Math.floor(rnd() * s.length)];
  const chance = (p) => rnd() < p;

  function text() {
    const r = rnd();
    const length = r < 0.08 ? 0 : r < 0.18 ? 1 : r < 0.3 ? int(2, 4) : int(0, 40);
    let out = '';
    const lowercaseOnly = chance(0.15);
    while (out.length < length) {
      const c = rnd();
      if (lowercaseOnly) {
        out += chance(0.85) ? pick('abcdefghijklmnopqrstuvwxyz') : ' ';
      } else if (c < 0.45) {
        out += pick(LETTERS);
      } else if (c < 0.52) {
        out += pick(DIGITS);
      } else if (c < 0.68) {
        out += ' '.repeat(chance(0.3) ? int(2, 4) : 1);
      } else if (c < 0.74) {
        out += '"';
      } else if (c < 0.80) {
        out += chance(0.3) ? '\\\\' : '\\';
      } else if (c < 0.95) {
        out += pick(HIGH);
      } else if (c < 0.97) {
        out += pick(CONTROLS);
      } else {
        out += pick(['\r', '\n', '\r\n']);
      }
    }
    out = out.slice(0, length);
    if (length > 0 && chance(0.1)) out = ' '.repeat(int(1, 3)) + out.slice(0, Math.max(0, length - 3));
    if (length > 0 && chance(0.1)) out = out.slice(0, Math.max(0, length - 3)) + ' '.repeat(int(1, 3));
    return out;
  }

  function project() {
    const effects = [];
    const count = int(1, 5);
    for (let i = 0; i < count; i += 1) {
      effects.push({ text: text(), effect: int(0, 11), speed: int(1, 20), loops: int(1, 10) });
    }
    // Mostly short loop counts, so that whole passes fit under the tick cap.
    for (const e of effects) if (chance(0.6)) e.loops = int(1, 2);
    for (const e of effects) if ((e.effect === 9 || e.effect === 10) && chance(0.5)) e.speed = int(15, 20);
    return {
      finalText: text(),
      autoStart: chance(0.5) ? 1 : 0,
      repeat: chance(0.15) ? 0 : int(1, 3),
      effects,
    };
  }

  return { project };
}

// ---------------------------------------------------------------- model helpers

// The word rule of the word-based effects: a space closes the word before it and
// starts the next one, which keeps that space at its front.
function splitWords(text) {
  const words = [];
  let current = '';
  for (const ch of text) {
    if (ch !== ' ') {
      current += ch;
    } else {
      if (current !== '') words.push(current);
      current = ' ';
    }
  }
  if (current !== '') words.push(current);
  return words;
}

const isWordBased = (effect) => effect === 1 || effect === 10;

// Rough length in ticks of one pass, used only to bound the traces of projects
// that repeat forever so that they cover more than one pass.
function passTicks(project) {
  let total = 1;
  for (const e of project.effects) {
    const L = e.text.length;
    const words = splitWords(e.text);
    let frames;
    switch (e.effect) {
      case 1: frames = words.length; break;
      case 4: frames = 5; break;
      case 7: case 8: frames = Math.floor(L / 2) + 3; break;
      case 9: frames = ((L + 1) * (L + 40)) / 2; break;
      case 10: frames = words.length * (L + 20); break;
      case 11: frames = 3; break;
      default: frames = L;
    }
    total += 1 + e.loops * (frames + 1) * (21 - e.speed);
  }
  return total;
}

// A character whose upper case in the page differs from itself, outside a-z.
function hasCaseOutsideAz(text) {
  for (const ch of text) {
    if (ch >= 'a' && ch <= 'z') continue;
    if (ch.toUpperCase() !== ch) return true;
  }
  return false;
}

// Whether a frame written by effect `type` on `text` may show differently in the
// page and in the preview.
function knownDifference(type, text) {
  if (typeof text !== 'string') return false;
  const L = text.length;
  switch (type) {
    case 3: return L >= 2;
    case 7: return L % 2 === 1 && L >= 3;
    case 8: return L % 2 === 1;
    case 6: return hasCaseOutsideAz(text);
    default: return false;
  }
}

// The page's frame for the effects whose preview frames differ, written from the
// page's rules: scroll right to left keeps the whole text behind L - k spaces;
// expand and shrink work with the exact half length L / 2, fractions included.
function pageRuleFrame(type, text, k) {
  const L = text.length;
  const H = L / 2;
  const clamp = (p) => Math.min(L, Math.max(0, Math.floor(p)));
  switch (type) {
    case 3:
      return k > L ? '' : ' '.repeat(L - k) + text;
    case 6:
      return k > L ? '' : text.slice(0, k - 1) + text[k - 1].toUpperCase() + text.slice(k);
    case 7:
      if (k > H + 3) return '';
      if (k > H) return text;
      return ' '.repeat(Math.ceil(H - k)) + text.slice(0, k) + text.slice(L - k);
    case 8: {
      if (k > H + 3) return '';
      if (k < 3) return text;
      const m = k - 3;
      return ' '.repeat(m) + text.slice(0, clamp(H - m)) + text.slice(clamp(L - H + m));
    }
    default:
      return null;
  }
}

// The preview's upper-casing may differ from toUpperCase only outside a-z, keeps
// the length, and yields either the character itself or its single-character
// upper case that exists in Windows-1252.
function acceptableUppercaseFrame(text, step, shown) {
  if (typeof text !== 'string' || step < 1 || step > text.length) return false;
  if (shown.length !== text.length) return false;
  const before = text.slice(0, step - 1);
  const after = text.slice(step);
  if (shown.slice(0, step - 1) !== before || shown.slice(step) !== after) return false;
  const original = text[step - 1];
  const got = shown[step - 1];
  if (original >= 'a' && original <= 'z') return got === original.toUpperCase();
  const upper = original.toUpperCase();
  return got === original || (upper.length === 1 && encodableCp1252(upper) && got === upper);
}

// ---------------------------------------------------------------- processes

function run(cli, args, options = {}) {
  return new Promise((resolve) => {
    execFile(cli, args, { maxBuffer: 256 * 1024 * 1024, encoding: 'utf8', ...options },
      (error, stdout, stderr) => resolve({ error, stdout, stderr }));
  });
}

// Parses "TICK<TAB>json" lines; "TICK<TAB>stop" ends the trace.
function parseTrace(out) {
  const display = [];
  let stopTick = 0;
  const lines = out.split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  for (let i = 0; i < lines.length; i += 1) {
    const line = lines[i];
    const tab = line.indexOf('\t');
    if (tab < 0) throw new Error(`trace line ${i + 1} has no tab: ${JSON.stringify(line)}`);
    const tick = Number(line.slice(0, tab));
    if (tick !== i + 1) throw new Error(`trace line ${i + 1} is numbered ${line.slice(0, tab)}`);
    const rest = line.slice(tab + 1);
    if (rest === 'stop') {
      if (i !== lines.length - 1) throw new Error(`trace continues after stop on tick ${tick}`);
      stopTick = tick;
      break;
    }
    const value = JSON.parse(rest);
    if (typeof value !== 'string') throw new Error(`trace line ${i + 1} is not a JSON string`);
    display.push(value);
  }
  return { display, stopTick };
}

// The page's write on show after tick `tick`, or null before the first one.
function writeAt(runResult, tick) {
  const wi = runResult.write[tick - 1];
  return wi === undefined || wi < 0 ? null : runResult.writes[wi];
}

module.exports = {
  makeRandom, splitWords, isWordBased, passTicks, knownDifference, pageRuleFrame,
  acceptableUppercaseFrame, run, parseTrace, writeAt,
};
