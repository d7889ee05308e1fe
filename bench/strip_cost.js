// The main-thread time the status strip costs a page in Chromium with the real clock: the
// renderer's task time per second of wall-clock time (the DevTools Performance domain's
// TaskDuration), for the generated script alone, the script with the strip, and Typed.js typing
// the same texts, three rounds taken in turns, with the strip page paused (when the strip has a
// pause button) and the script pages in a hidden tab in the same rounds; then, after the final
// text of a copy of the project played once, the script alone and with the strip side by side.
// Usage: node bench/strip_cost.js GLINTWICK_CLI [PROJECT.gwk]
// GLINTWICK_STRIP=FILE measures that strip script instead of the one GLINTWICK_CLI writes (an
// older one, say). Typed.js comes from bench/node_modules (`npm ci --prefix bench`, which
// `make bench` runs).
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync, spawn } = require('child_process');
const playwright = require('../tests/browser/node_modules/playwright-core');

const ROUNDS = 3;
const SETTLE_MS = 1000; // from the load event to the start of a window
const ANIMATING_MS = 10000;
const PAUSED_MS = 4000;
const HIDDEN_MS = 2000;
const IDLE_MS = 5000;
const GOAL_ANIMATING = 25; // the strip's extra while animating, ms/s, at most
const GOAL_IDLE = 1; // the strip's extra while idle, ms/s, under
const PAUSED_KEY = 'glintwick-status-paused'; // where the strip remembers a pause (localStorage)

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const html = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

function page(title, body) {
  return `<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>${title}</title></head>\n` +
    `<body>\n<h1>${title}</h1>\n<p>A plain page with a paragraph or two of text, as a visitor would ` +
    `open it. Nothing else on it moves.</p>\n<p>The second paragraph says nothing more; it only ` +
    `gives the page some height.</p>\n${body}</body></html>\n`;
}

// Chromium started here rather than through playwright.chromium.launch(): Playwright keeps every
// page it creates "visible" (focus emulation), so no tab could ever be hidden. Connected with
// noDefaults, the pages of the default context are real tabs of one window, and a tab behind
// another reports visibilityState "hidden" and gets no animation frames.
async function startChromium(profile) {
  const proc = spawn(process.env.GLINTWICK_CHROMIUM || '/usr/bin/chromium', [
    '--headless', '--no-sandbox', '--disable-background-networking', '--no-first-run',
    '--no-default-browser-check', '--host-resolver-rules=MAP * ~NOTFOUND', '--window-size=1280,720',
    '--remote-debugging-address=127.0.0.1', '--remote-debugging-port=0',
    `--user-data-dir=${profile}`, 'about:blank',
  ], { stdio: ['ignore', 'ignore', 'pipe'] });
  const endpoint = await new Promise((resolve, reject) => {
    let text = '';
    const timer = setTimeout(() => reject(new Error('Chromium did not start within 30 s')), 30000);
    proc.stderr.on('data', (chunk) => {
      text += chunk;
      const m = text.match(/DevTools listening on (ws:\/\/\S+)/);
      if (m) { clearTimeout(timer); resolve(m[1]); }
    });
    proc.on('exit', (code) => {
      clearTimeout(timer);
      reject(new Error(`Chromium exited (${code}): ${text}`));
    });
  });
  proc.stderr.resume();
  // Chromium outlives a Node that exits on its own; not this one.
  process.on('exit', () => { if (proc.exitCode === null && proc.signalCode === null) proc.kill('SIGKILL'); });
  const browser = await playwright.chromium.connectOverCDP(endpoint, { noDefaults: true });
  return { proc, browser };
}

// Asked to close, and killed if it has not within 10 s.
async function stopChromium({ proc, browser }) {
  if (proc.exitCode !== null || proc.signalCode !== null) return;
  const exited = new Promise((resolve) => proc.once('exit', resolve));
  const timer = setTimeout(() => proc.kill('SIGKILL'), 10000);
  browser.newBrowserCDPSession().then((session) => session.send('Browser.close')).catch(() => {});
  await exited;
  clearTimeout(timer);
}

// One tab on one file, with its renderer's task-time counter: open() loads the file and returns
// when its load event has fired; rate(ms) is the task time per second over the next ms of wall
// clock, measured against the counter's own timestamp (TaskDuration counts the renderer's main
// thread, and each tab here has a renderer of its own).
class Tab {
  constructor(context, file) { this.context = context; this.file = file; }

  // A new tab in front of the others, or in a window of its own, visible beside the others.
  async open(browser = null) {
    if (browser) {
      const session = await browser.newBrowserCDPSession();
      [this.page] = await Promise.all([this.context.waitForEvent('page'),
        session.send('Target.createTarget', { url: 'about:blank', newWindow: true })]);
      await session.detach();
    } else {
      this.page = await this.context.newPage();
    }
    this.cdp = await this.context.newCDPSession(this.page);
    await this.cdp.send('Performance.enable');
    await this.page.goto('file://' + this.file, { waitUntil: 'load' });
    this.loadedAt = Date.now();
    return this;
  }

  async sample() {
    const { metrics } = await this.cdp.send('Performance.getMetrics');
    const get = (name) => metrics.find((m) => m.name === name).value;
    return { task: get('TaskDuration'), at: get('Timestamp') };
  }

  async rate(ms) {
    const a = await this.sample();
    await sleep(ms);
    const b = await this.sample();
    return (b.task - a.task) / (b.at - a.at) * 1000;
  }

  // The task time per second in consecutive windows of the given ms, and over them all.
  async rates(windows) {
    const samples = [await this.sample()];
    for (const ms of windows) {
      await sleep(ms);
      samples.push(await this.sample());
    }
    const rate = (a, b) => (b.task - a.task) / (b.at - a.at) * 1000;
    return {
      parts: samples.slice(1).map((b, i) => rate(samples[i], b)),
      all: rate(samples[0], samples[samples.length - 1]),
    };
  }

  async untilLoadPlus(ms) { await sleep(Math.max(0, this.loadedAt + ms - Date.now())); }
  visibility() { return this.page.evaluate(() => document.visibilityState); }
  async close() { await this.page.close(); }
}

async function main() {
  const started = Date.now();
  const cli = process.argv[2];
  if (!cli) throw new Error('usage: node bench/strip_cost.js GLINTWICK_CLI [PROJECT.gwk]');
  const project = process.argv[3] || path.join(__dirname, '..', 'examples', 'demo.gwk');
  const shown = JSON.parse(execFileSync(cli, ['show', project], { encoding: 'utf8' }));
  if (shown.timing.totalSeconds === null || !shown.autoStart) {
    throw new Error('the project must start by itself and end');
  }
  const typedDir = path.join(__dirname, 'node_modules', 'typed.js');
  if (!fs.existsSync(path.join(typedDir, 'package.json'))) {
    throw new Error('Typed.js is missing: run `npm ci --prefix bench` (make bench does)');
  }
  const typedVersion = JSON.parse(fs.readFileSync(path.join(typedDir, 'package.json'), 'utf8')).version;
  const stripOverride = process.env.GLINTWICK_STRIP;

  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'glintwick-strip-cost-'));
  const chromium = { proc: null, browser: null };
  try {
    // The pages, with the script and strip tags the command line prints. In `once`, the same
    // with a copy of the project played once, for the figures after the final text.
    const once = path.join(dir, 'once');
    fs.mkdirSync(once);
    fs.writeFileSync(path.join(once, 'project.json'), JSON.stringify({ ...shown, repeat: 1 }));
    execFileSync(cli, ['import', path.join(once, 'project.json'), path.join(once, 'project.gwk')]);
    const run = (...args) => execFileSync(cli, args, { encoding: 'utf8' });
    const shownOnce = JSON.parse(run('show', path.join(once, 'project.gwk')));
    const files = {};
    for (const [where, source] of [[dir, project], [once, path.join(once, 'project.gwk')]]) {
      const scriptTag = run('generate', source, path.join(where, 'demo.js')).trim();
      const stripTag = run('strip', path.join(where, 'glintwick-strip.js')).trim();
      if (stripOverride) fs.copyFileSync(stripOverride, path.join(where, 'glintwick-strip.js'));
      const key = where === dir ? '' : 'Once';
      files['script' + key] = path.join(where, 'script.html');
      files['strip' + key] = path.join(where, 'strip.html');
      fs.writeFileSync(files['script' + key], page('The generated script', `${scriptTag}\n`));
      fs.writeFileSync(files['strip' + key], page('The generated script and the status strip',
        `${scriptTag}\n${stripTag}\n`));
    }
    // The yardstick: the same script with a bare strip that only writes each new text.
    fs.copyFileSync(path.join(__dirname, 'bare-strip.js'), path.join(dir, 'bare-strip.js'));
    files.bare = path.join(dir, 'bare.html');
    fs.writeFileSync(files.bare, page('The generated script and a bare strip',
      `${run('generate', project, path.join(dir, 'demo.js')).trim()}\n<SCRIPT SRC='bare-strip.js'></SCRIPT>\n`));
    files.plain = path.join(dir, 'plain.html');
    fs.writeFileSync(files.plain, page('No script', ''));
    // Typed.js's strings are HTML by default, hence the escaping (the demo has an "&").
    fs.copyFileSync(path.join(typedDir, 'dist', 'typed.umd.js'), path.join(dir, 'typed.umd.js'));
    const strings = shown.effects.map((e) => html(e.text));
    files.typed = path.join(dir, 'typed.html');
    fs.writeFileSync(files.typed, page('Typed.js', '<p><span id="typed"></span></p>\n' +
      "<SCRIPT SRC='typed.umd.js'></SCRIPT>\n<script>\nnew Typed('#typed', " +
      JSON.stringify({ strings, typeSpeed: 40, backSpeed: 20, loop: false }) + ');\n</script>\n'));

    Object.assign(chromium, await startChromium(path.join(dir, 'profile')));
    const context = chromium.browser.contexts()[0];
    // The tab that stays open; brought to the front, it hides the tab measured.
    const front = context.pages()[0] || await context.newPage();
    const tab = (file) => new Tab(context, file).open();
    const elapsed = () => ((Date.now() - started) / 1000).toFixed(0);
    const status = (t) => t.page.evaluate(() => String(window.status));

    // A first look, which also warms the browser up: the strip's pause button, if it has one.
    let pauseNote = null;
    {
      const t = await tab(files.strip);
      try {
        await t.page.waitForSelector('#glintwick-status-pause', { state: 'visible', timeout: 2000 });
      } catch (e) {
        const exists = await t.page.$('#glintwick-status-pause');
        pauseNote = exists ? 'paused: the pause button is never visible' : 'paused: no pause button';
      }
      await t.close();
    }

    const animating = { script: [], strip: [], typed: [], bare: [] };
    const scriptFirst = []; // the script alone over the stretch the paused windows cover
    const paused = [];
    const pausedStates = [];
    let pausedHeld = true; // whether the script stood still while paused, in every round
    const hidden = { script: [], strip: [] };
    const hiddenStates = [];

    // Animating, then (but Typed.js) hidden for HIDDEN_MS behind the front tab.
    const animate = async (kind) => {
      const t = await tab(files[kind]);
      await t.untilLoadPlus(SETTLE_MS);
      const first = kind === 'typed' ? null : await status(t);
      // The first PAUSED_MS apart, to set beside the paused windows.
      const { parts, all } = await t.rates([PAUSED_MS, ANIMATING_MS - PAUSED_MS]);
      animating[kind].push(all);
      if (kind === 'script') scriptFirst.push(parts[0]);
      if (kind === 'script' || kind === 'strip') {
        const after = await status(t);
        if (after === first) {
          throw new Error(`the ${kind} page did not animate (its status stayed "${after}")`);
        }
        await front.bringToFront();
        const before = await t.visibility();
        hidden[kind].push(await t.rate(HIDDEN_MS));
        hiddenStates.push(before, await t.visibility());
      }
      await t.close();
    };
    // The strip page paused as soon as its button is there, measured over the stretch of the
    // first PAUSED_MS of the animating windows.
    const pausedRound = async () => {
      const t = await tab(files.strip);
      const button = t.page.locator('#glintwick-status-pause');
      try {
        await button.click({ timeout: 2000 });
      } catch (e) {
        pauseNote = `paused: the pause button could not be clicked (${e.message.split('\n')[0]})`;
        await t.close();
        return;
      }
      pausedStates.push(await button.evaluate((b) => ['aria-pressed', 'aria-label', 'title']
        .filter((name) => b.hasAttribute(name)).map((name) => `${name} "${b.getAttribute(name)}"`)
        .join(', ') || `text "${b.textContent}"`));
      await t.untilLoadPlus(SETTLE_MS);
      const first = await status(t);
      paused.push(await t.rate(PAUSED_MS));
      if (await status(t) !== first) pausedHeld = false;
      // The strip remembers a pause for the whole origin (every file: page); forget it.
      await t.page.evaluate((key) => window.localStorage.removeItem(key), PAUSED_KEY);
      await t.close();
    };

    for (let round = 1; round <= ROUNDS; ++round) {
      await animate('typed');
      if (!pauseNote) await pausedRound();
      await animate('script');
      await animate('strip');
      await animate('bare');
      console.error(`strip_cost: round ${round} of ${ROUNDS} done at ${elapsed()} s`);
    }

    // After the final text: the script alone, the script with the strip (both played once) and
    // the page with no script, each in a window of its own, measured over the same seconds.
    const idle = {};
    let finalAfter = 0;
    {
      const kinds = ['scriptOnce', 'stripOnce', 'plain'];
      const tabs = [];
      for (const kind of kinds) tabs.push(await new Tab(context, files[kind]).open(chromium.browser));
      for (const t of tabs.slice(0, 2)) {
        await t.page.waitForFunction((text) => String(window.status) === text, shownOnce.finalText,
          { timeout: (shownOnce.timing.totalSeconds + 30) * 1000, polling: 100 });
        finalAfter = Math.max(finalAfter, (Date.now() - t.loadedAt) / 1000);
      }
      await sleep(SETTLE_MS);
      const a = await Promise.all(tabs.map((t) => t.sample()));
      await sleep(IDLE_MS);
      const b = await Promise.all(tabs.map((t) => t.sample()));
      kinds.forEach((kind, i) => {
        idle[kind] = (b[i].task - a[i].task) / (b[i].at - a[i].at) * 1000;
      });
      const states = await Promise.all(tabs.map((t) => t.visibility()));
      if (states.some((state) => state !== 'visible')) {
        throw new Error(`the windows after the final text were not all visible: ${states}`);
      }
      for (const t of tabs) await t.close();
    }

    // The table.
    const f = (x) => x.toFixed(1).padStart(6);
    const three = (xs) => `${f(Math.min(...xs))} ${f(median(xs))} ${f(Math.max(...xs))}`;
    const diffs = (a, b) => a.map((x, i) => x - b[i]);
    const verdict = (value, ok, goal) =>
      `${' '.repeat(7)}${f(value)}        goal ${goal}: ${ok ? 'met' : 'NOT met'}`;
    const one = (x) => `${' '.repeat(7)}${f(x)}`;
    const rows = [];
    const row = (label, text) => rows.push(`  ${label.padEnd(52)}${text}`);
    console.log('strip cost: main-thread task time per second of wall clock ' +
      '(Chromium\'s TaskDuration), ms/s;');
    console.log(`  ${ROUNDS} rounds taken in turns, windows from ${SETTLE_MS / 1000} s after load; ` +
      `${stripOverride ? `the strip ${stripOverride}` : 'the strip glintwick-cli writes'}; ` +
      `Typed.js ${typedVersion} (typeSpeed 40, backSpeed 20, no loop)`);
    row('page', '   min median    max');
    row(`animating ${ANIMATING_MS / 1000} s: script alone`, three(animating.script));
    row('animating: script + strip', three(animating.strip));
    row(`animating: Typed.js, the same ${strings.length} texts`, three(animating.typed));
    row('animating: script + bare strip (writes each text)', three(animating.bare));
    row('  bare strip extra, median of the rounds', one(median(diffs(animating.bare, animating.script))));
    const extra = diffs(animating.strip, animating.script);
    row('  strip extra, round by round', three(extra));
    row('  strip extra, median of the rounds',
      verdict(median(extra), median(extra) <= GOAL_ANIMATING, `<= ${GOAL_ANIMATING}`));
    if (pauseNote) {
      rows.push(`  ${pauseNote}`);
    } else if (pausedHeld) {
      // A strip that holds the script while paused leaves the page nothing to run: its
      // baseline is the page with no script (measured after the rounds).
      row(`paused ${PAUSED_MS / 1000} s: script + strip (the script held)`, three(paused));
      const over = median(paused) - idle.plain;
      row('  strip extra over the page with no script', verdict(over, over < GOAL_IDLE, `< ${GOAL_IDLE}`));
    } else {
      // One that lets the script play on is set beside the script alone over the same stretch.
      row(`paused ${PAUSED_MS / 1000} s: script + strip (the script played on)`, three(paused));
      row(`  script alone over the same ${PAUSED_MS / 1000} s`, three(scriptFirst));
      const pausedExtra = diffs(paused, scriptFirst);
      row('  strip extra, round by round', three(pausedExtra));
      row('  strip extra, median of the rounds',
        verdict(median(pausedExtra), median(pausedExtra) < GOAL_IDLE, `< ${GOAL_IDLE}`));
    }
    row(`hidden tab ${HIDDEN_MS / 1000} s, mid-sequence: script alone`, three(hidden.script));
    row('hidden tab: script + strip', three(hidden.strip));
    const hiddenExtra = diffs(hidden.strip, hidden.script);
    row('  strip extra, round by round', three(hiddenExtra));
    row('  strip extra, median of the rounds',
      verdict(median(hiddenExtra), median(hiddenExtra) < GOAL_IDLE, `< ${GOAL_IDLE}`));
    row(`after the final text ${IDLE_MS / 1000} s: no script`, one(idle.plain));
    row('after the final text: script alone', one(idle.scriptOnce));
    row('after the final text: script + strip', one(idle.stripOnce));
    const finalExtra = idle.stripOnce - idle.scriptOnce;
    row('  strip extra', verdict(finalExtra, finalExtra < GOAL_IDLE, `< ${GOAL_IDLE}`));
    rows.forEach((r) => console.log(r));
    if (!pauseNote) console.log(`  pause button after the click: ${[...new Set(pausedStates)].join('; ')}`);
    const reallyHidden = hiddenStates.every((state) => state === 'hidden');
    console.log(`  hidden tab: document.visibilityState ${reallyHidden
      ? 'was "hidden" at both ends of every window'
      : `was not always "hidden" (${hiddenStates.join(', ')}): those figures are NOT a hidden tab`}`);
    console.log('  after the final text: a copy of the project played once ' +
      `(stated ${shownOnce.timing.totalSeconds} s, ` +
      `final text by ${finalAfter.toFixed(1)} s after load), three windows side by side; ` +
      `whole benchmark ${elapsed()} s`);
  } finally {
    if (chromium.proc) await stopChromium(chromium);
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

main().catch((e) => { console.error(`strip_cost: ${e.message}`); process.exit(1); });
