'use strict';
// The animated SVG in Chromium: its SMIL clock paused at random moments across every pass and
// after the end, the line it shows against `play --trace` for the same project; each whole
// message under reduced motion; the dark scheme; loading through <img>; nothing but the file
// itself; and the demo's size.
//
// usage: node svg_timeline.js PATH-TO-glintwick-cli EXAMPLES-DIR

const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const { parseTrace } = require('../js/trace_rules');
const support = require('./browser_support');

const failures = [];
const fail = (label, message) => failures.push(`${label}: ${message}`);
const [cliPath, examples] = process.argv.slice(2);
const cli = (args) => support.cli(cliPath, args);

const effect = (e, text, speed, loops) => ({ text, effect: e, speed, loops });
// Every effect, leading spaces, repeat counts 1, 3 and forever, a final text and none.
const PROJECTS = {
  first_six_three_times: {
    finalText: 'Done & dusted', autoStart: 1, repeat: 3,
    effects: [effect(0, 'Typed <in>', 18, 1), effect(1, 'Word by word', 16, 2),
      effect(2, 'From the left', 20, 1), effect(3, 'From the right', 19, 1),
      effect(4, 'Flash', 12, 2), effect(5, 'Star', 20, 1)],
  },
  last_six_once: {
    finalText: '', autoStart: 1, repeat: 1,
    effects: [effect(6, 'wave here', 17, 1), effect(7, 'Expand me', 14, 1),
      effect(8, '  Shrink me', 20, 2), effect(9, 'Fly', 15, 1), effect(10, 'Words fly in', 20, 1),
      effect(11, 'Plain', 10, 1)],
  },
  forever: {
    finalText: 'never shown', autoStart: 1, repeat: 0,
    effects: [effect(0, 'Again', 20, 1), effect(4, 'and\tagain', 19, 1)],
  },
  // The widest letters of the code page, which the image's width must still hold.
  wide: {
    finalText: 'WWWWWWWWWWWWWWWWWWWW', autoStart: 1, repeat: 1,
    effects: [effect(11, '\u00c6\u00c6\u00c6\u00c6\u00c6\u00c6\u00c6\u00c6\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014', 20, 1),
      effect(11, '@@@@@@@@@@@@@@@@@@@@%%%%%', 20, 1)],
  },
};

// What the image shows: the text of the strip's line now in its window (motion or calm).
async function shownAt(page, ms, cls) {
  return page.evaluate(async ({ ms, cls }) => {
    const svg = document.documentElement;
    svg.pauseAnimations();
    svg.setCurrentTime(ms / 1000);
    const strip = document.querySelector(`.${cls} > g`);
    const list = strip.transform.animVal;
    const offset = list.numberOfItems ? -list.getItem(0).matrix.f : 0;
    const line = [...strip.querySelectorAll('text')].find((t) => Math.abs(
      t.y.baseVal[0].value - offset - Number(svg.getAttribute('height')) * 5 / 7) < 0.5);
    return line ? line.textContent : '';
  }, { ms, cls });
}

async function checkProject(browser, dir, name, project) {
  const gwk = await support.importProject(cliPath, dir, name, project);
  const svgPath = path.join(dir, `${name}.svg`);
  await cli(['svg', gwk, svgPath]);
  const timing = JSON.parse(await cli(['show', gwk])).timing;
  const pass = Math.round(timing.passSeconds * 100);
  const passes = project.repeat || 3;
  const { display, stopTick } = parseTrace(await cli(['play', gwk, '--trace', '--ticks', String(passes * pass + 50)]));
  const expected = (n) => (n === 0 ? '' : stopTick && n >= stopTick ? project.finalText : display[n - 1]);
  let seed = name.length * 7919;
  const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  const ticks = [0, 1, 2, pass, pass + 1, pass + 2, 2 * pass + 1, passes * pass, passes * pass + 1, passes * pass + 40];
  for (let i = 0; i < 150; i += 1) ticks.push(Math.floor(random() * (passes * pass + 40)));
  const session = await support.openPage(browser, pathToFileURL(svgPath).href, { realClock: true });
  for (const n of ticks) {
    const shown = await shownAt(session.page, n * 10 + 3 + Math.floor(random() * 5), 'motion');
    if (shown !== expected(n)) {
      fail(name, `tick ${n}: shows ${JSON.stringify(shown)}, the player ${JSON.stringify(expected(n))}`);
      break;
    }
  }
  // Every line fits the image's width, in the face Chromium picks.
  const overflow = await session.page.evaluate(() => {
    const width = Number(document.documentElement.getAttribute('width'));
    return [...document.querySelectorAll('text')].map((t) => [t.textContent, t.getCTM().e + t.getComputedTextLength() - width])
      .filter(([, over]) => over > 0);
  });
  if (overflow.length) fail(name, `lines wider than the image: ${JSON.stringify(overflow.slice(0, 3))}`);
  await support.closePage(session, name, fail);

  // Reduced motion: only whole messages, each while its effect plays (the middle of its loops).
  const calm = await support.openPage(browser, pathToFileURL(svgPath).href, { realClock: true, reducedMotion: true });
  const hidden = await calm.page.evaluate(() => getComputedStyle(document.querySelector('.motion')).display);
  if (hidden !== 'none') fail(name, `the moving strip shows under reduced motion (${hidden})`);
  let start = 1;
  for (let k = 0; k < project.effects.length; k += 1) {
    const e = project.effects[k];
    const span = 1 + Math.round(timing.loopSeconds[k] * 100) * e.loops;
    const shown = await shownAt(calm.page, (start + Math.floor(span / 2)) * 10 + 5, 'calm');
    if (shown !== e.text) fail(name, `reduced motion, effect ${k + 1}: shows ${JSON.stringify(shown)}`);
    start += span;
  }
  if (project.repeat) {
    const end = await shownAt(calm.page, (passes * pass + 5) * 10, 'calm');
    if (end !== project.finalText) fail(name, `reduced motion ends on ${JSON.stringify(end)}`);
  }
  await support.closePage(calm, `${name} (reduced motion)`, fail);
}

(async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'gwk-svg-'));
  const browser = await support.launchChromium();
  try {
    for (const [name, project] of Object.entries(PROJECTS)) await checkProject(browser, dir, name, project);
    await checkProject(browser, dir, 'demo', JSON.parse(fs.readFileSync(path.join(examples, 'demo.json'), 'utf8')));

    // The demo: small, self-contained, named, dark under a dark scheme, and shown by <img>.
    const demo = path.join(dir, 'demo.svg');
    const bytes = fs.readFileSync(demo, 'utf8');
    if (bytes.length > 48 * 1024) fail('demo', `${bytes.length} bytes, over 48 KiB`);
    if (/<script|href|url\((?!#)|@import|<image|<foreignObject/i.test(bytes)) fail('demo', 'refers to something outside itself or holds a script');
    const dark = await browser.newContext({ colorScheme: 'dark' });
    const page = await dark.newPage();
    await page.goto(pathToFileURL(demo).href);
    const look = await page.evaluate(() => ({
      band: getComputedStyle(document.querySelector('rect')).fill,
      role: document.documentElement.getAttribute('role'),
      title: document.querySelector('title').textContent,
    }));
    if (look.band !== 'rgb(22, 27, 34)') fail('demo', `dark band is ${look.band}`);
    if (look.role !== 'img' || !look.title.startsWith("Welcome to Glintwick's demo page. Fresh news"))
      fail('demo', `named ${JSON.stringify(look)}`);
    fs.writeFileSync(path.join(dir, 'img.html'), '<!doctype html><img src="demo.svg" alt="">');
    await page.goto(pathToFileURL(path.join(dir, 'img.html')).href);
    const img = await page.evaluate(async () => {
      const i = document.querySelector('img');
      await i.decode();
      return [i.naturalWidth, i.naturalHeight];
    });
    const width = Number(/width="(\d+)"/.exec(bytes)[1]);
    if (img[0] !== width || img[1] !== 28) fail('demo', `<img> shows it at ${img}`);
    await dark.close();
    console.log(`demo.svg: ${bytes.length} bytes`);
  } finally {
    await browser.close();
  }
  if (failures.length) {
    console.error(failures.join('\n'));
    process.exit(1);
  }
  console.log('the SVG plays the player\'s timeline');
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
