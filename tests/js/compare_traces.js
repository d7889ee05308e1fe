'use strict';
// Random projects are played twice: by the command-line preview player
// (glintwick-cli play --trace) and by the generated JavaScript run in a fake
// browser page. Both must show the same text after every 10 ms tick and stop on
// the same tick; the only differences tolerated are the known ones between the
// page's frame functions and the preview's (scroll right to left, expand and
// shrink on odd lengths, upper-casing outside a-z).
//
// usage: node compare_traces.js PATH-TO-glintwick-cli [COUNT]
// GLINTWICK_SEED=<n> replays a particular run.

const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFile } = require('child_process');
const { encodableCp1252, loadPage, startPage, runPage } = require('./page_runtime');

const TICK_CAP = 20000;          // longest trace compared per project
const DEFAULT_SEED = 1357911;
const SHOWN_FAILURES = 5;
const PARALLEL = Math.max(2, Math.min(4, os.cpus().length));

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
      } else if (c < 0.97) {
        out += pick(HIGH);
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

// ---------------------------------------------------------------- comparison

function describeWrite(runResult, tick) {
  const wi = runResult.write[tick - 1];
  if (wi === undefined || wi < 0) return 'no frame written yet';
  const w = runResult.writes[wi];
  if (w.final) return 'final text';
  return `effect #${w.idx} (type ${w.type}) step ${w.step}`;
}

function writeAt(runResult, tick) {
  const wi = runResult.write[tick - 1];
  return wi === undefined || wi < 0 ? null : runResult.writes[wi];
}

// Checks the state object that the script builds against the project: this is
// where the escaping of quotes, backslashes and line breaks shows first.
function checkState(project, state, name) {
  const problems = [];
  if (!state || typeof state !== 'object') return [`no state object named ${name} after loading`];
  if (state.stft !== project.finalText) {
    problems.push(`stft is ${JSON.stringify(state.stft)}, final text is ${JSON.stringify(project.finalText)}`);
  }
  if (state.stel !== project.repeat) problems.push(`stel is ${state.stel}, repeat is ${project.repeat}`);
  if (state.stec !== project.effects.length) problems.push(`stec is ${state.stec}`);
  if (!Array.isArray(state.stea) || state.stea.length !== 4 * project.effects.length) {
    problems.push(`stea has ${state.stea && state.stea.length} values`);
    return problems;
  }
  project.effects.forEach((e, i) => {
    const [text, effect, speed, loops] = state.stea.slice(4 * i, 4 * i + 4);
    if (effect !== e.effect || speed !== e.speed || loops !== e.loops) {
      problems.push(`stea entry ${i} is ${JSON.stringify([text, effect, speed, loops])}`);
    }
    if (isWordBased(e.effect)) {
      if (text !== String(i)) problems.push(`stea entry ${i} names word array ${JSON.stringify(text)}`);
      const words = state[`stwa${i}`];
      const expected = splitWords(e.text);
      if (JSON.stringify(words) !== JSON.stringify(expected)) {
        problems.push(`stwa${i} is ${JSON.stringify(words)}, expected ${JSON.stringify(expected)}`);
      }
    } else if (text !== e.text) {
      problems.push(`stea entry ${i} text is ${JSON.stringify(text)}, expected ${JSON.stringify(e.text)}`);
    }
  });
  return problems;
}

// Compares the native trace with a page run tick by tick. `accept(tick, shown,
// pageText)` decides whether a differing tick is tolerated. Returns the first
// failure or null, and whether every tick matched exactly.
function compareRuns(project, native, page, ticks, accept, label) {
  let exact = true;
  const nativeStop = native.stopTick;
  const pageStop = page.stoppedAt;
  const end = Math.min(ticks, nativeStop ? nativeStop - 1 : ticks, pageStop ? pageStop - 1 : ticks);
  for (let t = 1; t <= end; t += 1) {
    const shown = native.display[t - 1];
    const pageText = page.status[t - 1];
    if (shown === pageText) continue;
    exact = false;
    if (!accept(t, shown, pageText)) {
      return {
        failure: {
          what: `${label}: display differs`, tick: t, preview: shown, page: pageText,
          pageWriter: describeWrite(page, t), pageEffect: page.sttp[t - 1],
        },
        exact,
      };
    }
  }
  if (nativeStop !== pageStop) {
    const t = Math.min(nativeStop || Infinity, pageStop || Infinity);
    return {
      failure: {
        what: `${label}: preview stops on tick ${nativeStop || 'never'}, page clears its timer on tick ${pageStop || 'never'}`,
        tick: t, preview: nativeStop === t ? 'stop' : native.display[t - 1],
        page: page.status[t - 1], pageWriter: describeWrite(page, t), pageEffect: page.sttp[t - 1],
      },
      exact: false,
    };
  }
  if (pageStop) {
    const finalShown = page.status[pageStop - 1];
    if (finalShown !== project.finalText) {
      return {
        failure: {
          what: `${label}: page does not show the final text when it stops`, tick: pageStop,
          preview: 'stop', page: finalShown, pageWriter: describeWrite(page, pageStop),
          pageEffect: page.sttp[pageStop - 1],
        },
        exact: false,
      };
    }
  } else if (native.display.length !== ticks || page.status.length !== ticks) {
    return {
      failure: {
        what: `${label}: traces end early without a stop (preview ${native.display.length}, page ${page.status.length} of ${ticks} ticks)`,
        tick: Math.min(native.display.length, page.status.length) + 1, preview: '', page: '',
        pageWriter: '', pageEffect: undefined,
      },
      exact: false,
    };
  }
  return { failure: null, exact };
}

function pageSession(scriptBytes, name, project, previewRules, ticks) {
  const page = loadPage(scriptBytes, name, previewRules);
  const startsItself = page.timerAfterLoad !== null;
  if (startsItself !== (project.autoStart === 1)) {
    return { error: `script ${startsItself ? 'starts' : 'does not start'} itself, autoStart is ${project.autoStart}` };
  }
  if (!project.autoStart) startPage(page, name);
  const result = runPage(page, ticks);
  if (result.badTimers.length) {
    return { error: `setInterval called with ${JSON.stringify(result.badTimers[0])}` };
  }
  if (result.error) return { error: result.error };
  return { page, result };
}

async function checkProject(cli, dir, index, project) {
  const name = `gw${index}`;
  const jsonPath = path.join(dir, `${name}.json`);
  const gwkPath = path.join(dir, `${name}.gwk`);
  const jsPath = path.join(dir, `${name}.js`);
  fs.writeFileSync(jsonPath, JSON.stringify(project));
  const fail = (failure) => ({ ok: false, failure: { project, ...failure } });

  let r = await run(cli, ['import', jsonPath, gwkPath]);
  if (r.error) return fail({ what: `import failed: ${r.stderr.trim() || r.error.message}` });
  r = await run(cli, ['generate', gwkPath, jsPath]);
  if (r.error) return fail({ what: `generate failed: ${r.stderr.trim() || r.error.message}` });
  const ticks = project.repeat === 0 ? Math.min(TICK_CAP, 2 * passTicks(project) + 50) : TICK_CAP;
  r = await run(cli, ['play', gwkPath, '--trace', '--ticks', String(ticks)]);
  if (r.error) return fail({ what: `play failed: ${r.stderr.trim() || r.error.message}` });
  let native;
  try {
    native = parseTrace(r.stdout);
  } catch (e) {
    return fail({ what: `unreadable trace: ${e.message}` });
  }

  const scriptBytes = fs.readFileSync(jsPath);

  // The page as generated.
  let asIs;
  try {
    asIs = pageSession(scriptBytes, name, project, false, ticks);
  } catch (e) {
    return fail({ what: `page script failed: ${e.stack || e}` });
  }
  if (asIs.error) return fail({ what: `page: ${asIs.error}` });
  const stateProblems = checkState(project, asIs.page.stateAfterLoad, name);
  if (stateProblems.length) return fail({ what: `page state: ${stateProblems.join('; ')}` });
  const P = asIs.result;

  // Where the page and the preview are allowed to differ, the page must still
  // show its own documented frames, so that a tolerated difference is exactly
  // the known one.
  for (const w of P.writes) {
    if (w.final || ![3, 6, 7, 8].includes(w.type) || typeof w.text !== 'string') continue;
    const expected = pageRuleFrame(w.type, w.text, w.step);
    if (w.value !== expected) {
      return fail({ what: `page frame of effect #${w.idx} (type ${w.type}) step ${w.step} on ` +
        `${JSON.stringify(w.text)} is ${JSON.stringify(w.value)}, expected ${JSON.stringify(expected)}` });
    }
  }

  // The page with the preview's rules for scroll right to left, expand and
  // shrink: apart from upper-casing this must be exactly what the preview shows.
  const usesVariantFrames = project.effects.some((e) => [3, 7, 8].includes(e.effect));
  let V = P;
  if (usesVariantFrames) {
    let ruled;
    try {
      ruled = pageSession(scriptBytes, name, project, true, ticks);
    } catch (e) {
      return fail({ what: `page script with preview frame rules failed: ${e.stack || e}` });
    }
    if (ruled.error) return fail({ what: `page with preview frame rules: ${ruled.error}` });
    V = ruled.result;
  }

  // 1. Preview against the page under the preview's frame rules: exact, except
  //    frames of Uppercase Across on characters outside a-z.
  const strict = compareRuns(project, native, V, ticks, (t, shown) => {
    const w = writeAt(V, t);
    return w !== null && !w.final && w.type === 6 && acceptableUppercaseFrame(w.text, w.step, shown);
  }, 'preview vs page with preview frame rules');
  if (strict.failure) return fail(strict.failure);

  // 2. Preview against the page as generated. Where the two differ, the frame on
  //    show must come from the same effect on both timelines and that effect must
  //    be one of the known differences. Shrink on a one-character text ends its
  //    loop one step earlier in the preview; from the first tick where that shifts
  //    the timelines only check 1 applies.
  const shortShrink = project.effects.some((e) => e.effect === 8 && e.text.length === 1);
  let aligned = ticks;
  if (shortShrink) {
    const n = Math.max(P.status.length, V.status.length);
    for (let t = 1; t <= n; t += 1) {
      if (P.stce[t - 1] !== V.stce[t - 1] || P.stsp[t - 1] !== V.stsp[t - 1] ||
          P.sttp[t - 1] !== V.sttp[t - 1]) {
        aligned = t - 1;
        break;
      }
    }
  } else if (P.stoppedAt !== V.stoppedAt) {
    return fail({ what: 'page timing changed with the preview frame rules, without a one-character shrink',
      tick: Math.min(P.stoppedAt || Infinity, V.stoppedAt || Infinity), preview: '', page: '' });
  }
  let exact;
  if (aligned === ticks) {
    const loose = compareRuns(project, native, P, ticks, (t) => {
      const wp = writeAt(P, t);
      const wv = writeAt(V, t);
      return wp !== null && wv !== null && !wp.final && wp.idx === wv.idx && wp.step === wv.step &&
        knownDifference(wp.type, wp.text);
    }, 'preview vs page');
    if (loose.failure) return fail(loose.failure);
    exact = loose.exact;
  } else {
    for (let t = 1; t <= aligned; t += 1) {
      const shown = native.display[t - 1];
      const pageText = P.status[t - 1];
      if (shown === pageText) continue;
      const wp = writeAt(P, t);
      const wv = writeAt(V, t);
      if (!(wp !== null && wv !== null && wp.idx === wv.idx && knownDifference(wp.type, wp.text))) {
        return fail({ what: 'preview vs page: display differs', tick: t, preview: shown, page: pageText,
          pageWriter: describeWrite(P, t), pageEffect: P.sttp[t - 1] });
      }
    }
    exact = false;
  }

  // Projects without any of the known differences must match tick for tick.
  const prone = project.effects.some((e) => knownDifference(e.effect, e.text));
  if (!exact && !prone) {
    return fail({ what: 'differences in a project that has none of the known differences' });
  }
  return { ok: true, exact, ticks: native.display.length + (native.stopTick ? 1 : 0) };
}

// ---------------------------------------------------------------- main

function printFailure(n, f) {
  console.log(`--- failure ${n}: ${f.what}`);
  console.log(`project: ${JSON.stringify(f.project)}`);
  if (f.tick !== undefined) {
    console.log(`tick ${f.tick}`);
    console.log(`  preview: ${JSON.stringify(f.preview)}`);
    console.log(`  page:    ${JSON.stringify(f.page)}${f.pageWriter ? `  [${f.pageWriter}; current effect ${f.pageEffect}]` : ''}`);
  }
}

async function main() {
  const cli = process.argv[2];
  const count = process.argv[3] === undefined ? 300 : Number(process.argv[3]);
  if (!cli || !Number.isInteger(count) || count < 1) {
    console.error('usage: node compare_traces.js PATH-TO-glintwick-cli [COUNT]');
    process.exit(2);
  }
  const seed = process.env.GLINTWICK_SEED !== undefined ? Number(process.env.GLINTWICK_SEED) : DEFAULT_SEED;
  if (!Number.isInteger(seed)) {
    console.error('GLINTWICK_SEED must be an integer');
    process.exit(2);
  }
  console.log(`seed ${seed} (set GLINTWICK_SEED to replay), ${count} projects`);

  const random = makeRandom(seed);
  const projects = [];
  for (let i = 0; i < count; i += 1) projects.push(random.project());

  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'glintwick-traces-'));
  const started = Date.now();
  const results = new Array(count);
  let next = 0;
  async function worker() {
    while (next < count) {
      const i = next;
      next += 1;
      try {
        results[i] = await checkProject(cli, dir, i, projects[i]);
      } catch (e) {
        results[i] = { ok: false, failure: { project: projects[i], what: `harness error: ${e.stack || e}` } };
      }
    }
  }
  await Promise.all(Array.from({ length: PARALLEL }, worker));

  let passed = 0;
  let failed = 0;
  let exact = 0;
  let totalTicks = 0;
  const failures = [];
  for (const r of results) {
    if (r.ok) {
      passed += 1;
      if (r.exact) exact += 1;
      totalTicks += r.ticks;
    } else {
      failed += 1;
      failures.push(r.failure);
    }
  }
  failures.slice(0, SHOWN_FAILURES).forEach((f, i) => printFailure(i + 1, f));
  if (failures.length > SHOWN_FAILURES) console.log(`(${failures.length - SHOWN_FAILURES} more failures not shown)`);

  const texts = projects.flatMap((p) => [p.finalText, ...p.effects.map((e) => e.text)]);
  const withEscapes = projects.filter((p) => [p.finalText, ...p.effects.map((e) => e.text)]
    .some((t) => /["\\\r\n]/.test(t))).length;
  console.log(`coverage: ${texts.length} texts, ${withEscapes} projects with quotes, backslashes or line breaks, ` +
    `${projects.filter((p) => p.repeat === 0).length} repeating forever, ${totalTicks} ticks compared ` +
    `in ${((Date.now() - started) / 1000).toFixed(1)} s`);
  console.log(`${exact} exact matches, ${passed - exact} passed with known differences only`);
  if (failed === 0) fs.rmSync(dir, { recursive: true, force: true });
  else console.log(`work files kept in ${dir}`);
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed === 0 ? 0 : 1);
}

main();
