// The generated script's own timekeeping in Chromium with the real clock: the demo's stated
// duration (both passes) against the wall-clock time from its first text to its final text.
// Usage: node bench/browser_timing.js GLINTWICK_CLI [PROJECT.gwk]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const playwright = require('../tests/browser/node_modules/playwright-core');

async function main() {
  const cli = process.argv[2];
  const project = process.argv[3] || path.join(__dirname, '..', 'examples', 'demo.gwk');
  const shown = JSON.parse(execFileSync(cli, ['show', project], { encoding: 'utf8' }));
  const stated = shown.timing.totalSeconds;
  if (stated === null || !shown.autoStart) throw new Error('the project must start by itself and end');
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'glintwick-timing-'));
  const browser = await playwright.chromium.launch({
    executablePath: process.env.GLINTWICK_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-background-networking', '--no-first-run',
      '--host-resolver-rules=MAP * ~NOTFOUND'],
  });
  try {
    const page = path.join(dir, 'timing.html');
    execFileSync(cli, ['preview', project, page]);
    const context = await browser.newContext();
    const tab = await context.newPage();
    // Every write of window.status, timed by the page's own clock.
    await tab.addInitScript(() => {
      let value = '';
      window.statusWrites = [];
      Object.defineProperty(window, 'status', {
        get: () => value,
        set: (text) => { value = String(text); window.statusWrites.push([performance.now(), value]); },
      });
    });
    await tab.goto('file://' + page);
    const finalText = shown.finalText;
    await tab.waitForFunction((text) => window.statusWrites.some(([, v]) => v === text),
      finalText, { timeout: (stated + 30) * 1000, polling: 100 });
    const writes = await tab.evaluate(() => window.statusWrites);
    const first = writes.find(([, v]) => v !== '');
    const last = writes.find(([, v]) => v === finalText);
    const measured = (last[0] - first[0]) / 1000;
    console.log(`timing: browser setInterval(10) passes stated ${stated.toFixed(2)} s, measured ` +
      `${measured.toFixed(2)} s (${measured >= stated ? '+' : ''}${((measured / stated - 1) * 100).toFixed(1)}%)`);
  } finally {
    await browser.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

main().catch((e) => { console.error(`browser_timing: ${e.message}`); process.exit(1); });
