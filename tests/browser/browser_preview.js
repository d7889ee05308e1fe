'use strict';
// The preview page and the status strip in a real browser: Debian's Chromium driven by
// playwright-core, with the page's timers under Playwright's fake clock. After every
// 10 ms tick the test reads window.status, the strip and its live copy, and compares
// them with `glintwick-cli play --trace` for the same project. Tolerated differences are
// the documented ones between the page's frame functions and the preview's, decided by
// running the same script in the Node page runtime beside it.
//
// usage: node browser_preview.js PATH-TO-glintwick-cli EXAMPLES-DIR [--screenshot PNG]

const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const { loadPage, startPage, runPage } = require('../js/page_runtime');
const { makeRandom, parseTrace, writeAt, knownDifference } = require('../js/trace_rules');
const support = require('./browser_support');

const RANDOM_PROJECTS = 6;
const RANDOM_SEED = 20261207;
const RANDOM_TICK_CAP = 1500;
const STRIP = 'glintwick-status-strip';
const TEXT = 'glintwick-status-text';
const LIVE = 'glintwick-status-live';

const failures = [];
const tally = { ticks: 0, exact: 0, documented: 0 };
function fail(label, message) {
  failures.push(`${label}: ${message}`);
}

const cli = (args) => support.cli(process.argv[2], args);

// Ticks until the preview stops (from the timing `show` prints), or null for a project
// that plays without end.
async function ticksToStop(gwk) {
  const seconds = JSON.parse(await cli(['show', gwk])).timing.totalSeconds;
  return seconds === null ? null : Math.round(seconds * 100) + 1;
}

function scenarioDir(dir, name) {
  const sub = path.join(dir, name);
  fs.mkdirSync(sub, { recursive: true });
  return sub;
}

async function nativeTrace(gwk, ticks) {
  return parseTrace(await cli(['play', gwk, '--trace', '--ticks', String(ticks)]));
}

// The same script run in the Node page runtime: the writes log says which effect and
// step put each text on show, which decides whether a difference is a known one.
function referenceRun(scriptPath, name, autoStart, effectNumber, ticks) {
  const page = loadPage(fs.readFileSync(scriptPath), name, false);
  if (effectNumber !== undefined || !autoStart) startPage(page, name, effectNumber);
  return runPage(page, ticks);
}

// ---------------------------------------------------------------- the browser side

const openPage = support.openPage;
const closePage = (session, label) => support.closePage(session, label, fail);

function readPage(page) {
  return page.evaluate(([stripId, textId, liveId]) => {
    const strip = document.getElementById(stripId);
    const text = document.getElementById(textId);
    const live = document.getElementById(liveId);
    return [String(window.status), text ? text.textContent : null, strip ? strip.hidden : null,
      live && live.lastChild ? live.lastChild.textContent : ''];
  }, [STRIP, TEXT, LIVE]);
}

// Runs `ticks` ticks of 10 ms, reading the page after each one.
async function record(page, ticks) {
  const [status0, strip0, hidden0, live0] = await readPage(page);
  const rec = { status: [], strip: [], hidden: [], live: [], status0, strip0, hidden0, live0 };
  for (let t = 0; t < ticks; t += 1) {
    await page.clock.runFor(10);
    tally.ticks += 1;
    const [status, strip, hidden, live] = await readPage(page);
    rec.status.push(status);
    rec.strip.push(strip);
    rec.hidden.push(hidden);
    rec.live.push(live);
  }
  return rec;
}

// ---------------------------------------------------------------- checks

const statusAt = (rec, t) => (t <= 0 ? rec.status0 : rec.status[t - 1]);

// window.status after each tick against the native trace. Before the native player
// stops, a differing tick must be a documented difference of the effect the reference
// run says wrote it; from its stop tick on, the page shows the final text for good.
function checkStatus(label, rec, native, reference, finalText) {
  const stop = native.stopTick;
  if ((reference.stoppedAt || 0) !== stop) {
    fail(label, `the reference page stops on tick ${reference.stoppedAt}, the preview on ${stop}`);
  }
  for (let t = 1; t <= rec.status.length; t += 1) {
    const got = rec.status[t - 1];
    if (stop && t >= stop) {
      if (got !== finalText) return fail(label, `tick ${t}: ${JSON.stringify(got)} after the stop, not the final text`);
      continue;
    }
    if (t > native.display.length) break;
    if (got !== reference.status[t - 1]) {
      return fail(label, `tick ${t}: browser shows ${JSON.stringify(got)}, the same script in Node ` +
        `${JSON.stringify(reference.status[t - 1])}`);
    }
    const shown = native.display[t - 1];
    if (got === shown) {
      tally.exact += 1;
      continue;
    }
    const w = writeAt(reference, t);
    if (!(w && !w.final && knownDifference(w.type, w.text))) {
      return fail(label, `tick ${t}: browser ${JSON.stringify(got)}, preview ${JSON.stringify(shown)}`);
    }
    tally.documented += 1;
  }
  return undefined;
}

// The strip follows window.status at the next animation frame (about every 16 ms, so at
// most two ticks behind), and shows a text that stayed two ticks exactly. It hides while
// empty. (With reduced motion it shows whole messages: strip_visitors.js checks that.)
function checkStrip(label, rec) {
  for (let t = 1; t <= rec.strip.length; t += 1) {
    const strip = rec.strip[t - 1];
    if (strip === null) return fail(label, `tick ${t}: no status strip in the page`);
    if (rec.hidden[t - 1] !== (strip === '')) {
      return fail(label, `tick ${t}: strip ${JSON.stringify(strip)} is ${rec.hidden[t - 1] ? 'hidden' : 'shown'}`);
    }
    const recent = [statusAt(rec, t), statusAt(rec, t - 1), statusAt(rec, t - 2)];
    if (!recent.includes(strip)) {
      return fail(label, `tick ${t}: strip ${JSON.stringify(strip)}, status ${JSON.stringify(recent)}`);
    }
    if (recent[0] === recent[1] && recent[1] === recent[2] && strip !== recent[0]) {
      return fail(label, `tick ${t}: strip ${JSON.stringify(strip)} lags behind ${JSON.stringify(recent[0])}`);
    }
  }
  return undefined;
}

async function checkAccessibility(label, page) {
  const roles = await page.evaluate(([textId, liveId]) => {
    const text = document.getElementById(textId);
    const live = document.getElementById(liveId);
    const box = live && live.getBoundingClientRect();
    return {
      textHidden: text && text.getAttribute('aria-hidden'),
      role: live && live.getAttribute('role'),
      politeness: live && live.getAttribute('aria-live'),
      liveSize: box ? box.width * box.height : -1,
      stripPosition: getComputedStyle(document.getElementById('glintwick-status-strip')).position,
    };
  }, [TEXT, LIVE]);
  if (roles.textHidden !== 'true') fail(label, 'the moving text is not hidden from screen readers');
  if (roles.role !== 'log' || roles.politeness !== 'polite') fail(label, `live log ${JSON.stringify(roles)}`);
  if (roles.liveSize > 1) fail(label, 'the live log is visible');
  if (roles.stripPosition !== 'fixed') fail(label, 'the strip is not fixed to the window');
}

// The page's own style sheet leaves the strip as designed, and the end of the page
// scrolls clear of it: the spacer follows the page's last element, the strip the body.
async function checkLayout(label, page) {
  const layout = await page.evaluate(([stripId]) => {
    window.scrollTo(0, document.documentElement.scrollHeight);
    const strip = document.getElementById(stripId);
    const spacer = document.getElementById('glintwick-status-spacer');
    const style = getComputedStyle(strip);
    return {
      color: style.color,
      border: style.borderLeftWidth,
      stripHeight: strip.getBoundingClientRect().height,
      spacerHeight: spacer.getBoundingClientRect().height,
      stripTop: strip.getBoundingClientRect().top,
      lastBottom: document.getElementById('last-line').getBoundingClientRect().bottom,
      order: strip.parentNode === document.documentElement && document.getElementById('last-line').compareDocumentPosition(spacer) === Node.DOCUMENT_POSITION_FOLLOWING,
    };
  }, [STRIP]);
  if (layout.color !== 'rgb(0, 0, 0)' || layout.border !== '0px') fail(label, `strip styled by the page: ${JSON.stringify(layout)}`);
  if (layout.stripHeight !== 30 || layout.spacerHeight !== 30) fail(label, `strip or spacer height: ${JSON.stringify(layout)}`);
  if (!layout.order || layout.lastBottom > layout.stripTop) fail(label, `the strip covers the end of the page: ${JSON.stringify(layout)}`);
}

// ---------------------------------------------------------------- scenarios

// A project's preview page: the whole sequence to its end (or the tick cap), the
// strip, Stop, and, for the demo, Start with an effect number and Start again.
async function previewScenario(browser, root, project, name, { full }) {
  const label = `preview ${name}`;
  const dir = scenarioDir(root, name);
  const jsonPath = path.join(dir, `${name}.json`);
  const gwk = path.join(dir, `${name}.gwk`);
  fs.writeFileSync(jsonPath, JSON.stringify(project));
  await cli(['import', jsonPath, gwk]);
  const written = (await cli(['preview', gwk, path.join(dir, `${name}.html`)])).trim().split('\n');
  const scriptPath = path.join(dir, `${name}.js`);
  if (written[0] !== scriptPath) fail(label, `preview wrote ${JSON.stringify(written)}`);
  const generatedPath = path.join(scenarioDir(dir, 'generated'), `${name}.js`);
  await cli(['generate', gwk, generatedPath]);
  if (!fs.readFileSync(scriptPath).equals(fs.readFileSync(generatedPath))) {
    fail(label, 'the preview\'s script is not the generated script');
  }

  const stop = await ticksToStop(gwk);
  const ticks = stop !== null && (full || stop + 30 <= RANDOM_TICK_CAP) ? stop + 30 : RANDOM_TICK_CAP;
  const session = await openPage(browser, pathToFileURL(path.join(dir, `${name}.html`)).href);
  const { page } = session;
  await checkAccessibility(label, page);
  if (!project.autoStart) {
    const idle = await record(page, 20);
    if (idle.status.some((s) => s !== '')) fail(label, 'the script started without automatic start');
    await page.click('#gw-start');
  }
  const native = await nativeTrace(gwk, ticks);
  const reference = referenceRun(scriptPath, name, project.autoStart, undefined, ticks);
  const rec = await record(page, ticks);
  checkStatus(label, rec, native, reference, project.finalText);
  checkStrip(label, rec);
  if (native.stopTick && project.finalText && rec.live[rec.live.length - 1] !== project.finalText) {
    fail(label, `the live log ends with ${JSON.stringify(rec.live.pop())}, not the final text`);
  }

  await page.click('#gw-stop');
  const stopped = await record(page, 5);
  if (stopped.status.some((s) => s !== '') || stopped.strip[4] !== '' || !stopped.hidden[4]) {
    fail(label, `after Stop: status ${JSON.stringify(stopped.status[4])}, strip ${JSON.stringify(stopped.strip[4])}`);
  }

  if (full) {
    await singleEffectScenario(page, dir, project, name, scriptPath, label);
    // Start again without a number: the whole sequence from its first effect.
    await page.click('#gw-start');
    const again = await record(page, 400);
    checkStatus(`${label} after Start again`, again, await nativeTrace(gwk, 400),
      referenceRun(scriptPath, name, false, undefined, 400), project.finalText);
  }
  await closePage(session, label);
}

// Start with an effect number plays that effect alone, forever: the native trace of a
// project holding only that effect with no repeat limit. Numbers outside the list are
// refused by the page and start nothing.
async function singleEffectScenario(page, dir, project, name, scriptPath, label) {
  const count = project.effects.length;
  for (const bad of ['0', String(count + 1)]) {
    await page.fill('#gw-effect', bad);
    await page.click('#gw-start-one');
    const message = await page.evaluate(() => document.getElementById('gw-effect').validationMessage);
    const idle = await record(page, 20);
    if (!message || idle.status.some((s) => s !== '')) {
      fail(label, `effect number ${bad}: message ${JSON.stringify(message)}, status ${JSON.stringify(idle.status[19])}`);
    }
  }
  const n = Math.min(4, count);
  const single = { ...project, repeat: 0, effects: [project.effects[n - 1]] };
  const singleJson = path.join(dir, `${name}-single.json`);
  const singleGwk = path.join(dir, `${name}-single.gwk`);
  fs.writeFileSync(singleJson, JSON.stringify(single));
  await cli(['import', singleJson, singleGwk]);
  await page.fill('#gw-effect', String(n));
  await page.click('#gw-start-one');
  const ticks = 600;
  const rec = await record(page, ticks);
  checkStatus(`${label} effect ${n} alone`, rec, await nativeTrace(singleGwk, ticks),
    referenceRun(scriptPath, name, false, n, ticks), project.finalText);
  await page.click('#gw-stop');
}

// A page of the author's own with the two tags, the strip's first in a long body: the strip
// follows every frame, and the page's style sheet changes nothing of it.
async function realPageScenario(browser, root, examples) {
  const dir = scenarioDir(root, 'own-page');
  const gwk = path.join(examples, 'demo.gwk');
  const project = JSON.parse(await cli(['show', gwk]));
  const scriptTag = (await cli(['generate', gwk, path.join(dir, 'demo.js')])).trim();
  const stripTag = (await cli(['strip', path.join(dir, 'glintwick-strip.js')])).trim();
  const again = path.join(dir, 'strip-again.js');
  await cli(['strip', again]);
  if (!fs.readFileSync(again).equals(fs.readFileSync(path.join(dir, 'glintwick-strip.js')))) {
    fail('strip', 'two strip scripts differ');
  }
  // A page of today is UTF-8; the script is plain ASCII, so its tag goes in unchanged and the
  // demo's accented letters still show right.
  const utf8Tag = scriptTag;
  // Its style sheet is hostile to the strip, the strip's tag comes first in a long body, and
  // the body holds a line break text that must not grow the strip.
  const hostile = '<style>*{color:white!important} div{border:3px solid red;padding:9px;margin:7px;' +
    'background:red;display:flex}</style>';
  const filler = Array.from({ length: 60 }, (_, i) => `<p>Paragraph ${i + 1}</p>`).join('\n');
  const html = `<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>My page</title>${hostile}</head>\n` +
    `<body>${stripTag}\n<h1 style="color:black!important">My page \u2014 caf\u00e9</h1>\n${filler}\n` +
    `<p id="last-line">LAST LINE</p>\n${utf8Tag}\n</body></html>\n`;
  fs.writeFileSync(path.join(dir, 'mypage.html'), html);
  const url = pathToFileURL(path.join(dir, 'mypage.html')).href;
  const total = (await ticksToStop(gwk)) + 30;
  const native = await nativeTrace(gwk, total);
  const reference = referenceRun(path.join(dir, 'demo.js'), 'demo', true, undefined, total);

  const label = 'own page';
  const session = await openPage(browser, url);
  await checkAccessibility(label, session.page);
  const rec = await record(session.page, 600);
  checkStatus(label, rec, native, reference, project.finalText);
  checkStrip(label, rec);
  await checkLayout(label, session.page);
  await closePage(session, label);
}

// The tags docs/using.md gives for a page saved as UTF-16, for the script `name` and the strip.
function utf16Tags(name) {
  const guide = fs.readFileSync(path.join(__dirname, '..', '..', 'docs', 'using.md'), 'utf8');
  const tags = guide.match(/<SCRIPT SRC='[^']*' CHARSET='[^']*'><\/SCRIPT>/g) || [];
  if (tags.length !== 2) throw new Error('docs/using.md gives no tags for a UTF-16 page');
  return `${tags[0].replace(/SRC='[^']*'/, `SRC='${encodeURIComponent(name)}.js'`)}\n${tags[1]}`;
}

// A page in `charset`, with a byte order mark when the charset is UTF-16.
function pageBytes(charset, html) {
  if (!charset.startsWith('utf-16')) return Buffer.from(html, 'latin1');
  const le = Buffer.from(`\ufeff${html}`, 'utf16le');
  return charset === 'utf-16le' ? le : le.swap16();
}

// The script is plain ASCII, so the page's own encoding never changes it: a project with
// accented texts and a non-ASCII script name plays as the preview in a Windows-1252 and in a
// UTF-8 page, and with the tags docs/using.md gives in UTF-16 pages; in a Shift_JIS page a final text made to
// end its string early stays text.
async function encodingScenario(browser, root) {
  const dir = scenarioDir(root, 'encodings');
  await cli(['strip', path.join(dir, 'glintwick-strip.js')]);
  const cases = [
    {
      name: 'caf\u00e9', charsets: ['windows-1252', 'utf-8', 'utf-16le', 'utf-16be'],
      project: {
        finalText: 'Merci, \u00e0 bient\u00f4t \u2014 \u20ac5', autoStart: 1, repeat: 1,
        effects: [
          { text: 'Say "Touch\u00e9" now', effect: 0, speed: 20, loops: 1 },
          { text: 'Gr\u00fc\u00dfe f\u00fcr 5 \u20ac', effect: 10, speed: 19, loops: 1 },
        ],
      },
    },
    {
      name: 'inj', charsets: ['shift_jis'],
      project: {
        finalText: '\u0192",pwn:0}};window.pwned=1;//', autoStart: 1, repeat: 1,
        effects: [{ text: '\u0192" ok', effect: 0, speed: 20, loops: 1 }],
      },
    },
  ];
  for (const { name, charsets, project } of cases) {
    const base = path.join(dir, encodeURIComponent(name));
    fs.writeFileSync(`${base}.json`, JSON.stringify(project));
    await cli(['import', `${base}.json`, `${base}.gwk`]);
    const scriptPath = path.join(dir, `${name}.js`);
    await cli(['generate', `${base}.gwk`, scriptPath]);
    const stop = await ticksToStop(`${base}.gwk`);
    const native = await nativeTrace(`${base}.gwk`, stop + 10);
    const reference = referenceRun(scriptPath, name, true, undefined, stop + 10);
    for (const charset of charsets) {
      const label = `${name}.js in a ${charset} page`;
      const utf16 = charset.startsWith('utf-16');
      const tag = utf16 ? utf16Tags(name) : `<SCRIPT SRC='${encodeURIComponent(name)}.js'></SCRIPT>`;
      const html = `<!DOCTYPE html>\n<html><head><meta charset="${charset}"><title>x</title></head>\n` +
        `<body><p>page</p>\n${tag}\n</body></html>\n`;
      const pagePath = path.join(dir, `${encodeURIComponent(name)}-${charset}.html`);
      fs.writeFileSync(pagePath, pageBytes(charset, html));
      const session = await openPage(browser, pathToFileURL(pagePath).href);
      try {
        checkStatus(label, await record(session.page, stop + 10), native, reference, project.finalText);
      } catch (e) {
        fail(label, `the script's timer threw: ${e.message}`);
      }
      const found = await session.page.evaluate(([n, strip]) => ({
        state: typeof window[n] === 'object', pwned: typeof window.pwned,
        charset: document.characterSet, strip: Boolean(document.getElementById(strip)),
      }), [name, STRIP]);
      if (!found.state) fail(label, `no state object named ${name}`);
      if (utf16 && !found.strip) fail(label, 'the strip script did not run');
      if (found.pwned !== 'undefined') fail(label, 'the final text ran as code');
      if (found.charset.toLowerCase() !== charset) fail(label, `the page was read as ${found.charset}`);
      await closePage(session, label);
    }
  }
}

// A preview page whose script is missing says so and disables its buttons.
async function missingScriptScenario(browser, root, examples) {
  const label = 'preview without its script';
  const dir = scenarioDir(root, 'lost');
  await cli(['preview', path.join(examples, 'demo.gwk'), path.join(dir, 'lost.html')]);
  fs.rmSync(path.join(dir, 'lost.js'));
  const session = await openPage(browser, pathToFileURL(path.join(dir, 'lost.html')).href);
  const state = await session.page.evaluate(() => ({
    problem: !document.getElementById('gw-problem').hidden,
    disabled: ['gw-start', 'gw-start-one', 'gw-stop'].every((id) => document.getElementById(id).disabled),
  }));
  if (!state.problem || !state.disabled) fail(label, JSON.stringify(state));
  session.requests = [];
  await closePage(session, label);
}

function randomProjects() {
  const random = makeRandom(RANDOM_SEED);
  const projects = [];
  while (projects.length < RANDOM_PROJECTS) {
    const p = random.project();
    // Shrink on one character ends its loop a step earlier in the preview and shifts
    // the timelines; the Node comparison covers it.
    if (p.effects.some((e) => e.effect === 8 && e.text.length === 1)) continue;
    projects.push(p);
  }
  return projects;
}

async function screenshot(browser, dir, examples, output) {
  await cli(['preview', path.join(examples, 'demo.gwk'), path.join(dir, 'demo.html')]);
  const session = await openPage(browser, pathToFileURL(path.join(dir, 'demo.html')).href);
  await session.page.clock.runFor(2300);
  await session.page.screenshot({ path: output });
  await closePage(session, 'screenshot');
}

async function main() {
  const [cliPath, examples] = process.argv.slice(2, 4);
  if (!cliPath || !examples) {
    console.error('usage: node browser_preview.js PATH-TO-glintwick-cli EXAMPLES-DIR [--screenshot PNG]');
    process.exit(2);
  }
  const browser = await support.launchChromium();
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'glintwick-browser-'));
  const started = Date.now();
  try {
    const shot = process.argv.indexOf('--screenshot');
    if (shot > 0) {
      await screenshot(browser, dir, examples, path.resolve(process.argv[shot + 1]));
      return;
    }
    const demo = JSON.parse(await cli(['show', path.join(examples, 'demo.gwk')]));
    const jobs = [
      () => previewScenario(browser, dir, demo, 'demo', { full: true }),
      () => realPageScenario(browser, dir, examples),
      () => missingScriptScenario(browser, dir, examples),
      () => encodingScenario(browser, dir),
      ...randomProjects().map((p, i) => () => previewScenario(browser, dir, p, `bp${i}`, { full: false })),
    ];
    // Two pages at a time: each tick is a round trip to the browser.
    let next = 0;
    const worker = async () => {
      while (next < jobs.length) {
        const job = jobs[next];
        next += 1;
        await job();
      }
    };
    await Promise.all([worker(), worker()]);
    console.log(`${jobs.length} scenarios, ${tally.ticks} ticks read in ${((Date.now() - started) / 1000).toFixed(1)} s; ` +
      `against the player: ${tally.exact} ticks equal, ${tally.documented} with a documented difference`);
  } finally {
    await browser.close();
    if (failures.length === 0) fs.rmSync(dir, { recursive: true, force: true });
    else console.log(`work files kept in ${dir}`);
  }
  failures.forEach((f) => console.log(`FAIL ${f}`));
  console.log(failures.length === 0 ? 'all browser checks passed' : `${failures.length} failures`);
  process.exit(failures.length === 0 ? 0 : 1);
}

main().catch((e) => {
  console.error(e.stack || e);
  process.exit(1);
});
