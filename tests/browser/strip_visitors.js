'use strict';
// The status strip as the visitors who need it most meet it, in Chromium under Playwright's
// clock: with reduced motion the strip shows each message whole from the tick its effect
// begins, screen readers get each message once and then the final text, the pause button
// works from the keyboard and is remembered, and axe-core finds nothing on the preview page
// or a plain page. The expected timeline is the generated script's own, run in Node.
//
// usage: node strip_visitors.js PATH-TO-glintwick-cli EXAMPLES-DIR

const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const { loadPage, runPage } = require('../js/page_runtime');
const support = require('./browser_support');

const { START_TIME } = support;
const LAG_TICKS = 2; // the strip draws at the next animation frame, about 16 ms on
const failures = [];
const fail = (label, message) => failures.push(`${label}: ${message}`);
let cliPath;
const cli = (args) => support.cli(cliPath, args);

// Every effect kind, the word effects, loops, repeat counts, an empty text and final text,
// and a project that plays forever.
const PROJECTS = {
  every_kind: {
    finalText: 'All done', autoStart: 1, repeat: 2,
    effects: [
      [0, 'Typed in'], [1, 'Word by word'], [2, 'From the left'], [3, 'From the right'],
      [4, 'Flash'], [5, 'Star'], [6, 'Wave'], [7, 'Expand me'], [8, 'Shrink me'], [9, 'Fly'],
      [10, 'Words fly in'], [11, 'Plain'],
    ].map(([effect, text]) => ({ text, effect, speed: 19, loops: 1 })),
  },
  words_forever: {
    finalText: 'never shown', autoStart: 1, repeat: 0,
    effects: [
      { text: 'Two words here', effect: 1, speed: 15, loops: 2 },
      { text: 'Words land', effect: 10, speed: 20, loops: 1 },
      { text: 'Still', effect: 11, speed: 18, loops: 1 },
    ],
  },
  loops_and_repeats: {
    finalText: '', autoStart: 1, repeat: 3,
    effects: [
      { text: 'Sale', effect: 4, speed: 12, loops: 3 },
      { text: 'ab', effect: 0, speed: 20, loops: 4 },
      { text: '', effect: 11, speed: 20, loops: 1 },
      { text: 'Right', effect: 3, speed: 19, loops: 1 },
    ],
  },
};

function scenarioDir(root, name) {
  const dir = path.join(root, name);
  fs.mkdirSync(dir, { recursive: true });
  return dir;
}

// A page of the author's: a link, a paragraph, the script and then the strip.
function plainPage(dir, scriptFile) {
  const file = path.join(dir, 'page.html');
  fs.writeFileSync(file, '<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8">' +
    '<title>My shop</title></head>\n<body><main><h1>My shop</h1><p><a href="#offers">Offers</a></p>' +
    `<p id="offers">Today's offers.</p></main>\n<SCRIPT SRC='${scriptFile}'></SCRIPT>\n` +
    "<SCRIPT SRC='glintwick-strip.js'></SCRIPT>\n</body></html>\n");
  return pathToFileURL(file).href;
}

// The project's script and the strip in `dir`, and the timeline the script itself plays:
// after tick t, the message of the effect that is on (its whole text) and the announcements.
async function prepare(root, name, project, folder = name) {
  const dir = scenarioDir(root, folder);
  const gwk = await support.importProject(cliPath, dir, name, project);
  await cli(['generate', gwk, path.join(dir, `${name}.js`)]);
  await cli(['strip', path.join(dir, 'glintwick-strip.js')]);
  const seconds = JSON.parse(await cli(['show', gwk])).timing.passSeconds;
  const ticks = project.repeat === 0 ? Math.round(seconds * 250) : Math.round(seconds * 100 * project.repeat) + 60;
  const run = runPage(loadPage(fs.readFileSync(path.join(dir, `${name}.js`)), name, false), ticks);
  const messages = [''];
  const announcements = [];
  const begun = new Set();
  let message = '';
  for (let t = 1; t <= ticks; t += 1) {
    const stopped = run.stoppedAt && t >= run.stoppedAt;
    const index = run.stce[t - 1];
    if (stopped) {
      if (t === run.stoppedAt && project.finalText !== '' && project.finalText !== message) {
        announcements.push({ tick: t, text: project.finalText });
      }
      message = project.finalText;
    } else if (index >= 0 && index < project.effects.length && index !== run.stce[t - 2]) {
      message = project.effects[index].text;
      if (!begun.has(index) && message !== '') announcements.push({ tick: t, text: message });
      begun.add(index);
    }
    messages.push(message);
  }
  return { dir, url: plainPage(dir, `${name}.js`), ticks, messages, announcements, run };
}

// Records in the page every change of the strip's text and every line added to the live log,
// with the page's (fake) time.
function recorder() {
  window.__strip = [];
  window.__live = [];
  new MutationObserver((records) => {
    const strip = document.getElementById('glintwick-status-strip');
    const text = document.getElementById('glintwick-status-text');
    if (!text) return;
    const shown = strip && strip.hidden ? '' : text.textContent;
    const last = window.__strip[window.__strip.length - 1];
    if (!last || last.text !== shown) window.__strip.push({ time: Date.now(), text: shown });
    for (const r of records) {
      if (r.target.id !== 'glintwick-status-live') continue;
      r.addedNodes.forEach((n) => window.__live.push({ time: Date.now(), text: n.textContent }));
    }
  }).observe(document, { subtree: true, childList: true, characterData: true, attributes: true });
}

const tickOf = (time) => Math.floor((time - START_TIME) / 10 + 0.5);

// The strip after every tick, from its recorded changes.
function stripByTick(changes, ticks) {
  const out = [];
  let i = 0;
  let shown = '';
  for (let t = 0; t <= ticks; t += 1) {
    while (i < changes.length && changes[i].time <= START_TIME + t * 10 + 5) shown = changes[i++].text;
    out.push(shown);
  }
  return out;
}

// With reduced motion the strip shows, within an animation frame, the message the script is
// on; never a frame of an animation.
function checkStillStrip(label, expected, shown) {
  for (let t = 1; t < expected.length; t += 1) {
    const recent = expected.slice(Math.max(0, t - LAG_TICKS), t + 1);
    const settled = recent.every((m) => m === expected[t]);
    if (settled ? shown[t] !== expected[t] : !recent.includes(shown[t])) {
      return fail(label, `tick ${t}: the strip shows ${JSON.stringify(shown[t])}, the script is on ` +
        JSON.stringify(expected[t]));
    }
  }
  return undefined;
}

// Screen readers get each message once, on the tick its effect begins, then the final text.
function checkAnnouncements(label, expected, live) {
  const got = live.map((l) => ({ tick: tickOf(l.time), text: l.text }));
  if (JSON.stringify(got) !== JSON.stringify(expected)) {
    fail(label, `announced ${JSON.stringify(got)}, expected ${JSON.stringify(expected)}`);
  }
}

async function motionScenario(browser, root, name, project) {
  const p = await prepare(root, name, project);
  for (const reducedMotion of [true, false]) {
    const label = `${name}${reducedMotion ? ' with reduced motion' : ''}`;
    const session = await support.openPage(browser, p.url, { reducedMotion, initScript: recorder });
    await session.page.clock.runFor(p.ticks * 10);
    const { strip, live } = await session.page.evaluate(() => ({ strip: window.__strip, live: window.__live }));
    if (reducedMotion) {
      checkStillStrip(label, p.messages, stripByTick(strip, p.ticks));
      const changes = strip.filter((c) => c.text !== '').length;
      console.log(`${label}: ${changes} texts on show, ${live.length} announced: ` +
        JSON.stringify(live.map((l) => `${(tickOf(l.time) / 100).toFixed(2)} s ${l.text}`)));
    }
    checkAnnouncements(label, p.announcements, live);
    await support.closePage(session, label, fail);
  }
}

// ---------------------------------------------------------------- the pause button

function pauseState(page) {
  return page.evaluate(() => {
    const button = document.getElementById('glintwick-status-pause');
    const box = button.getBoundingClientRect();
    const style = getComputedStyle(button);
    const below = document.elementFromPoint(40, window.innerHeight - 12);
    return {
      focused: document.activeElement === button,
      name: button.getAttribute('aria-label'),
      tag: button.tagName,
      width: box.width,
      height: box.height,
      outline: style.outlineStyle !== 'none' ? parseFloat(style.outlineWidth) : 0,
      clicksThrough: !(document.getElementById('glintwick-status-strip') || below).contains(below),
      atButton: document.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2) === button,
      status: String(window.status),
      text: document.getElementById('glintwick-status-text').textContent,
      effect: window.demo.stce,
      stored: localStorage.getItem('glintwick-status-paused'),
    };
  });
}

async function tabTo(page, id, presses) {
  for (let i = 1; i <= presses; i += 1) {
    await page.keyboard.press('Tab');
    if (await page.evaluate((want) => document.activeElement && document.activeElement.id === want, id)) return i;
  }
  return 0;
}

// Tab reaches the button; Enter pauses (the script's timer stops and the message shows
// whole); the next page of the site starts paused, and a click plays it; Space plays the
// first page on from where it stopped, so its final text comes late by exactly the pause.
async function pauseScenario(browser, root, demo) {
  const label = 'pause button';
  const p = await prepare(root, 'demo', demo, 'pause');
  const session = await support.openPage(browser, p.url, { initScript: recorder });
  const { page } = session;
  await page.clock.runFor(2000);
  const presses = await tabTo(page, 'glintwick-status-pause', 6);
  if (presses !== 2) fail(label, `the button took ${presses} presses of Tab, after the page's one link`);
  const playing = await pauseState(page);
  if (playing.name !== 'Pause messages' || playing.tag !== 'BUTTON' || playing.outline < 2) {
    fail(label, `before pausing: ${JSON.stringify(playing)}`);
  }
  if (playing.width < 24 || playing.height < 24 || !playing.atButton || !playing.clicksThrough) {
    fail(label, `size or pointer: ${JSON.stringify(playing)}`);
  }
  await page.keyboard.press('Enter');
  const pausedAt = await page.evaluate(() => Date.now());
  await page.clock.runFor(20);
  const paused = await pauseState(page);
  await page.clock.runFor(1500);
  const later = await pauseState(page);
  if (paused.name !== 'Play messages' || paused.stored !== '1' || later.status !== paused.status ||
      paused.text !== demo.effects[paused.effect].text || later.text !== paused.text) {
    fail(label, `paused: ${JSON.stringify(paused)}, 1.5 s later: ${JSON.stringify(later)}`);
  }
  // The next page of the site starts paused, showing its first message whole.
  const next = await support.openPage(browser, p.url, { context: session.context });
  await next.page.clock.runFor(1000);
  const start = await pauseState(next.page);
  if (start.name !== 'Play messages' || start.status !== '' || start.text !== demo.effects[0].text) {
    fail(label, `the next page: ${JSON.stringify(start)}`);
  }
  await next.page.click('#glintwick-status-pause');
  await next.page.clock.runFor(1000);
  const resumed = await pauseState(next.page);
  if (resumed.name !== 'Pause messages' || resumed.status === '' || resumed.stored !== '0') {
    fail(label, `played by a click: ${JSON.stringify(resumed)}`);
  }
  await support.closePage(next, `${label}, next page`, fail);
  await page.keyboard.press('Space');
  const pausedFor = (await page.evaluate(() => Date.now())) - pausedAt;
  await page.clock.runFor(p.ticks * 10);
  const strip = await page.evaluate(() => window.__strip);
  const final = strip.find((c) => c.text === demo.finalText);
  const late = final ? tickOf(final.time) - p.run.stoppedAt : null;
  if (!final || Math.abs(late * 10 - pausedFor) > 30) {
    fail(label, `after ${pausedFor} ms paused the final text came ${late === null ? 'never' : `${late * 10} ms`} late`);
  }
  await support.closePage(session, label, fail);

  // Without storage (switched off by the visitor) the button still pauses.
  const noStorage = () => Object.defineProperty(window, 'localStorage', { get() { throw new Error('denied'); } });
  const bare = await support.openPage(browser, p.url, { initScript: noStorage });
  await bare.page.clock.runFor(1000);
  await bare.page.click('#glintwick-status-pause');
  const before = await bare.page.evaluate(() => String(window.status));
  await bare.page.clock.runFor(500);
  if ((await bare.page.evaluate(() => String(window.status))) !== before) fail(label, 'no pause without storage');
  await support.closePage(bare, `${label} without storage`, fail);
}

// data-target: the messages inside the page's own element, in the page's own style, and no
// strip; every frame as the script writes it, whole messages under reduced motion, each
// message read once, and the pause button right after the element, reached by Tab. A name no
// element has is said once on the console, and the strip is used instead.
async function targetScenario(browser, root, demo) {
  const label = 'data-target';
  const p = await prepare(root, 'demo', demo, 'target');
  // The page's own rules reach for paragraphs and divisions: none may reach what is read out.
  const pageFor = (id, css = '', more = '') => {
    const file = path.join(p.dir, `target-${id}${css ? '-styled' : ''}.html`);
    fs.writeFileSync(file, '<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>News</title>' +
      '<style>#promo{font:italic 22px Georgia,serif;color:rgb(0, 51, 102)} p::before{content:"NEWS: "}' +
      ` div{display:none!important} ${css}</style></head>\n` +
      '<body><main><h1>News</h1><p><a href="#x">Offers</a></p><p id="promo">Our news</p><p>More text.</p></main>\n' +
      `<SCRIPT SRC='demo.js'></SCRIPT>\n<SCRIPT SRC='glintwick-strip.js' data-target='${id}'></SCRIPT>\n${more}</body></html>\n`);
    return pathToFileURL(file).href;
  };
  const expected = [''].concat(p.run.status.slice(0, p.ticks));
  for (const reducedMotion of [false, true]) {
    const name = `${label}${reducedMotion ? ' with reduced motion' : ''}`;
    const session = await support.openPage(browser, pageFor('promo'), { reducedMotion, initScript: recorder });
    await session.page.clock.runFor(p.ticks * 10);
    const { strip, live, look } = await session.page.evaluate(() => {
      const promo = document.getElementById('promo');
      const text = document.getElementById('glintwick-status-text');
      const line = document.getElementById('glintwick-status-live').lastChild;
      return { strip: window.__strip, live: window.__live, look: {
        line: getComputedStyle(line).display + ' ' + getComputedStyle(line, '::before').content,
        inside: text.parentNode === promo, font: getComputedStyle(text).fontFamily, colour: getComputedStyle(text).color,
        button: promo.nextElementSibling && promo.nextElementSibling.id, fixed: !!document.getElementById('glintwick-status-strip') } };
    });
    if (!look.inside || !look.font.startsWith('Georgia') || look.colour !== 'rgb(0, 51, 102)' || look.line !== 'block none' ||
        look.button !== 'glintwick-status-pause' || look.fixed) fail(name, `placed and styled: ${JSON.stringify(look)}`);
    checkStillStrip(name, reducedMotion ? p.messages : expected, stripByTick(strip, p.ticks));
    checkAnnouncements(name, p.announcements, live);
    await support.closePage(session, name, fail);
  }
  const session = await support.openPage(browser, pageFor('promo'));
  const { page } = session;
  await page.clock.runFor(2000);
  const presses = await tabTo(page, 'glintwick-status-pause', 6);
  if (presses !== 2) fail(label, `the button took ${presses} presses of Tab, after the page's one link`);
  await page.keyboard.press('Enter');
  await page.clock.runFor(20);
  const paused = await pauseState(page);
  await page.clock.runFor(1500);
  const later = await pauseState(page);
  if (paused.name !== 'Play messages' || later.status !== paused.status || paused.text !== demo.effects[paused.effect].text) {
    fail(label, `paused by the keyboard: ${JSON.stringify(paused)}, 1.5 s later: ${JSON.stringify(later)}`);
  }
  await support.closePage(session, label, fail);

  // A page that hides the element hides the button with it and reads nothing out.
  const hiding = await support.openPage(browser, pageFor('promo', '#promo{display:none}'), { initScript: recorder });
  await hiding.page.clock.runFor(3000);
  const hidden = await hiding.page.evaluate(() => ({
    button: getComputedStyle(document.getElementById('glintwick-status-pause')).display, live: window.__live.length }));
  if (hidden.button !== 'none' || hidden.live !== 0) fail(`${label} of a hidden element`, JSON.stringify(hidden));
  await support.closePage(hiding, `${label} of a hidden element`, fail);

  // No such element, and a second tag: each said once on the console; the strip shows the
  // messages and the first is read out.
  const missing = await support.openPage(browser, pageFor('nowhere', '', "<SCRIPT SRC='glintwick-strip.js'></SCRIPT>\n"),
    { initScript: recorder });
  const warnings = [];
  missing.page.on('console', (m) => { if (m.type() === 'warning') warnings.push(m.text()); });
  await missing.page.reload();
  await missing.page.clock.runFor(2000);
  const fixed = await missing.page.evaluate(() => ({
    strip: !!document.getElementById('glintwick-status-strip'), live: window.__live.map((l) => l.text) }));
  if (!fixed.strip || fixed.live[0] !== demo.effects[0].text || warnings.length !== 2 ||
      !warnings.some((w) => w.includes('"nowhere"')) || !warnings.some((w) => w.includes('more than once'))) {
    fail(`${label} of no element`, `${JSON.stringify(fixed)}, console ${JSON.stringify(warnings)}`);
  }
  await support.closePage(missing, `${label} of no element`, fail);
}

// A page that works against the strip: its body is transformed and a layered rule hides the
// strip, the strip comes only after the script's first ticks, and the page stops the script
// and clears the status itself. The strip still sits at the window's bottom, pauses what it
// found playing, stays with its Play button while paused, and never plays what the page
// stopped. With reduced motion at 320 px a long message wraps to be read whole.
async function hostilePageScenario(browser, root) {
  const label = 'hostile page';
  const long = 'Welcome to the shop: today every item in the store is twenty percent off, including shoes, hats and coats';
  const p = await prepare(root, 'shop', {
    finalText: 'Bye', autoStart: 1, repeat: 1,
    effects: [{ text: 'First message here', effect: 0, speed: 15, loops: 1 }, { text: long, effect: 11, speed: 5, loops: 5 }],
  });
  const html = '<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>Shop</title>' +
    '<style>body{transform:translateZ(0)} @layer site{#glintwick-status-strip{display:none!important}}</style>' +
    "<SCRIPT SRC='shop.js'></SCRIPT></head>\n<body><main><h1>Shop</h1>" + '<p style="height:3000px">Long page</p>' +
    '<button id="stop" onclick="shop_stop()">Stop messages</button></main>\n' +
    "<script>setTimeout(function () { var s = document.createElement('script'); s.src = 'glintwick-strip.js';" +
    ' document.body.appendChild(s); }, 300);</script>\n</body></html>\n';
  fs.writeFileSync(path.join(p.dir, 'hostile.html'), html);
  const url = pathToFileURL(path.join(p.dir, 'hostile.html')).href;
  const session = await support.openPage(browser, url, { initScript: recorder });
  const { page } = session;
  const look = () => page.evaluate(() => {
    const strip = document.getElementById('glintwick-status-strip');
    const box = strip.getBoundingClientRect();
    return { status: String(window.status), atBottom: Math.abs(box.bottom - window.innerHeight) < 1 && box.height >= 30,
      shown: getComputedStyle(strip).display !== 'none', live: window.__live.map((l) => l.text) };
  });
  await page.clock.runFor(600);
  await page.waitForFunction(() => document.getElementById('glintwick-status-strip'));
  await page.clock.runFor(100);
  await page.click('#glintwick-status-pause');
  const paused = await look();
  await page.clock.runFor(500);
  const held = await look();
  if (!paused.atBottom || !paused.shown || held.status !== paused.status || !paused.live.includes('First message here')) {
    fail(label, `a strip that came late: ${JSON.stringify(paused)}, then ${JSON.stringify(held)}`);
  }
  await page.evaluate(() => { window.status = ''; });
  await page.clock.runFor(100);
  if (!(await look()).shown) fail(label, 'an empty status took the Play button away while paused');
  await page.click('#stop');
  await page.click('#glintwick-status-pause');
  await page.clock.runFor(500);
  const stopped = await look();
  if (stopped.status !== '') fail(label, `Play started what the page had stopped: ${JSON.stringify(stopped.status)}`);
  await support.closePage(session, label, fail);

  const narrow = await support.openPage(browser, p.url, { reducedMotion: true });
  await narrow.page.setViewportSize({ width: 320, height: 500 });
  await narrow.page.clock.runFor(2200);
  const wrapped = await narrow.page.evaluate(() => {
    const text = document.getElementById('glintwick-status-text');
    return { text: text.textContent, whole: text.scrollHeight <= text.clientHeight && text.scrollWidth <= text.clientWidth,
      strip: document.getElementById('glintwick-status-strip').offsetHeight,
      spacer: document.getElementById('glintwick-status-spacer').offsetHeight };
  });
  if (wrapped.text !== long || !wrapped.whole || wrapped.strip <= 30 || wrapped.spacer !== wrapped.strip) {
    fail(`${label} at 320 px`, `a long message with reduced motion: ${JSON.stringify(wrapped)}`);
  }
  await support.closePage(narrow, `${label} at 320 px`, fail);
}

// ---------------------------------------------------------------- the preview page and axe

async function axeViolations(page) {
  await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  const result = await page.evaluate(() => window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] },
  }));
  if (result.passes.length === 0) return ['axe-core checked nothing'];
  return result.violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
}

// The author's switch plays the preview as a visitor who asked for less motion sees it, and
// Start plays even after the strip was paused. axe-core finds nothing on the preview page or
// on the author's page, playing and paused.
async function previewScenario(browser, root, examples, demo) {
  const label = 'preview page';
  const dir = scenarioDir(root, 'preview');
  await cli(['preview', path.join(examples, 'demo.gwk'), path.join(dir, 'demo.html')]);
  const session = await support.openPage(browser, pathToFileURL(path.join(dir, 'demo.html')).href,
    { initScript: recorder });
  const { page } = session;
  await page.focus('#gw-less-motion');
  await page.keyboard.press('Space');
  await page.clock.runFor(3000);
  const strip = await page.evaluate(() => window.__strip.map((c) => c.text));
  const texts = new Set(['', ...demo.effects.map((e) => e.text)]);
  const frames = strip.filter((t) => !texts.has(t));
  if (strip.length < 3 || frames.length) fail(label, `with less motion the strip showed ${JSON.stringify(frames.slice(0, 3))}`);
  await page.click('#glintwick-status-pause');
  await page.click('#gw-start');
  await page.clock.runFor(500);
  if (await page.evaluate(() => window['glintwick status strip'].isPaused() || window.status === '')) {
    fail(label, 'Start did not play while the strip was paused');
  }
  await support.closePage(session, label, fail);

  const p = await prepare(root, 'demo', demo, 'axe');
  for (const [name, url] of [['preview page', pathToFileURL(path.join(dir, 'demo.html')).href], ['plain page', p.url]]) {
    const scan = await support.openPage(browser, url, { realClock: true });
    await scan.page.waitForFunction(() => window.status !== '');
    const playing = await axeViolations(scan.page);
    await scan.page.click('#glintwick-status-pause');
    const pausedScan = await axeViolations(scan.page);
    if (playing.length || pausedScan.length) fail(`axe-core on the ${name}`, [...playing, ...pausedScan].join('; '));
    scan.requests = [];
    await support.closePage(scan, `axe-core on the ${name}`, fail);
  }
}

async function main() {
  [cliPath] = process.argv.slice(2);
  const examples = process.argv[3];
  if (!cliPath || !examples) {
    console.error('usage: node strip_visitors.js PATH-TO-glintwick-cli EXAMPLES-DIR');
    process.exit(2);
  }
  const browser = await support.launchChromium();
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'glintwick-visitors-'));
  const started = Date.now();
  let passed = 0;
  let jobs = [];
  try {
    const demo = JSON.parse(await cli(['show', path.join(examples, 'demo.gwk')]));
    const projects = { demo, ...PROJECTS };
    jobs = [
      ...Object.entries(projects).map(([name, project]) => () => motionScenario(browser, root, name, project)),
      () => pauseScenario(browser, root, demo),
      () => targetScenario(browser, root, demo),
      () => hostilePageScenario(browser, root),
      () => previewScenario(browser, root, examples, demo),
    ];
    for (const job of jobs) {
      const before = failures.length;
      await job();
      if (failures.length === before) passed += 1;
    }
    console.log(`${jobs.length} scenarios in ${((Date.now() - started) / 1000).toFixed(1)} s`);
  } finally {
    await browser.close();
    if (failures.length === 0) fs.rmSync(root, { recursive: true, force: true });
    else console.log(`work files kept in ${root}`);
  }
  failures.forEach((f) => console.log(`FAIL ${f}`));
  console.log(`${passed} passed, ${jobs.length - passed} failed`);
  process.exit(failures.length === 0 ? 0 : 1);
}

main().catch((e) => {
  console.error(e.stack || e);
  process.exit(1);
});
