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
const vm = require('vm');
const { loadPage, startPage, runPage } = require('./page_runtime');
const {
  makeRandom, splitWords, isWordBased, passTicks, knownDifference, pageRuleFrame,
  acceptableUppercaseFrame, run, parseTrace, writeAt,
} = require('./trace_rules');

const TICK_CAP = 20000;          // longest trace compared per project
const DEFAULT_SEED = 1357911;
const SHOWN_FAILURES = 5;
const PARALLEL = Math.max(2, Math.min(4, os.cpus().length));

// ---------------------------------------------------------------- comparison

function describeWrite(runResult, tick) {
  const wi = runResult.write[tick - 1];
  if (wi === undefined || wi < 0) return 'no frame written yet';
  const w = runResult.writes[wi];
  if (w.final) return 'final text';
  return `effect #${w.idx} (type ${w.type}) step ${w.step}`;
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
  const beyondAscii = scriptBytes.findIndex((b) => b >= 0x80);
  if (beyondAscii >= 0) return fail({ what: `script byte ${beyondAscii} is 0x${scriptBytes[beyondAscii].toString(16)}, not ASCII` });

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

// ---------------------------------------------------------------- page encodings

// The script is plain ASCII, so a page reads it the same in any encoding: a project with
// accented texts and a non-ASCII script name plays exactly as the preview in pages of
// Windows-1252, UTF-8 and the East Asian encodings whose lead bytes once swallowed the
// escaping backslash. There, a final text made to end its string early stays text.
const ENCODINGS = ['windows-1252', 'utf-8', 'shift_jis', 'gbk', 'big5'];
const ACCENTED = {
  finalText: 'Merci, \u00e0 bient\u00f4t \u2014 \u20ac5',
  autoStart: 1,
  repeat: 1,
  effects: [
    { text: 'Say "Touch\u00e9" now', effect: 0, speed: 20, loops: 1 },
    { text: 'Gr\u00fc\u00dfe f\u00fcr 5 \u20ac \u2013 \u00e7a va', effect: 10, speed: 19, loops: 1 },
    { text: 'na\u00efve \u00c6\u00d8\u00c5 \u0153 \u017e \u0178\tTAB', effect: 5, speed: 20, loops: 2 },
  ],
};
// 0x83 (f with hook) then a double quote: in Shift_JIS 83 5C is one character, which took the
// backslash that escaped the quote.
const INJECTION = {
  finalText: '\u0192",pwn:0}};window.pwned=1;//',
  autoStart: 1,
  repeat: 1,
  effects: [{ text: '\u0192\\ \u0192" end', effect: 0, speed: 20, loops: 1 }],
};

async function checkEncodings(cli, dir) {
  const problems = [];
  for (const [label, project, name] of [['accented', ACCENTED, 'caf\u00e9'], ['injection', INJECTION, 'inj']]) {
    const base = path.join(dir, `enc-${label}`);
    fs.writeFileSync(`${base}.json`, JSON.stringify(project));
    const jsPath = path.join(dir, `${name}.js`);
    for (const args of [['import', `${base}.json`, `${base}.gwk`], ['generate', `${base}.gwk`, jsPath]]) {
      const r = await run(cli, args);
      if (r.error) return [`${label}: ${args[0]} failed: ${r.stderr.trim()}`];
    }
    const ticks = 3000;
    const native = parseTrace((await run(cli, ['play', `${base}.gwk`, '--trace', '--ticks', String(ticks)])).stdout);
    const bytes = fs.readFileSync(jsPath);
    for (const encoding of ENCODINGS) {
      const where = `${label} in a ${encoding} page`;
      let page;
      let result;
      try {
        page = loadPage(bytes, name, false, encoding);
        result = runPage(page, ticks);
      } catch (e) {
        problems.push(`${where}: the script failed: ${e.message}`);
        continue;
      }
      const pwned = vm.runInContext('typeof pwned', page.context);
      if (pwned !== 'undefined') problems.push(`${where}: the final text ran as code`);
      if (result.error) problems.push(`${where}: ${result.error}`);
      const compared = compareRuns(project, native, result, ticks, () => false, where);
      if (compared.failure) {
        const f = compared.failure;
        problems.push(`${f.what} on tick ${f.tick}: preview ${JSON.stringify(f.preview)}, page ${JSON.stringify(f.page)}`);
      }
    }
  }
  console.log(`page encodings: ${ENCODINGS.join(', ')}, ${problems.length ? 'FAILED' : 'each page played as the preview'}`);
  return problems;
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
  const encodingProblems = await checkEncodings(cli, dir);
  encodingProblems.forEach((p) => console.log(`--- ${p}`));

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
  failed += encodingProblems.length;
  if (failed === 0) fs.rmSync(dir, { recursive: true, force: true });
  else console.log(`work files kept in ${dir}`);
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed === 0 ? 0 : 1);
}

main();
