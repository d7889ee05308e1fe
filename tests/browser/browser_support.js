'use strict';
// What the browser tests share: Debian's Chromium without network, pages under Playwright's
// fake clock, glintwick-cli, and projects imported from JSON.

const fs = require('fs');
const path = require('path');
const { run } = require('../js/trace_rules');

const CHROMIUM = process.env.GLINTWICK_CHROMIUM || '/usr/bin/chromium';
const START_TIME = 1000; // fake clock at page load, in ms

let playwright;
try {
  playwright = require('playwright-core');
} catch (e) {
  console.error('playwright-core is missing: run `make deps` (npm ci in tests/browser)');
  process.exit(1);
}

function launchChromium() {
  if (!fs.existsSync(CHROMIUM)) {
    console.error(`${CHROMIUM} is missing: run \`make deps\` (Debian package chromium)`);
    process.exit(1);
  }
  return playwright.chromium.launch({
    executablePath: CHROMIUM,
    headless: true,
    args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
      '--disable-default-apps', '--disable-sync', '--no-first-run', '--host-resolver-rules=MAP * ~NOTFOUND'],
  });
}

// A page in a context of its own (or in `options.context`, sharing its storage), with the
// visitor's motion setting; the clock is paused at START_TIME unless `realClock`.
async function openPage(browser, url, options = {}) {
  const context = options.context || await browser.newContext({
    viewport: { width: 900, height: 700 },
    reducedMotion: options.reducedMotion ? 'reduce' : 'no-preference',
  });
  const page = await context.newPage();
  const session = { context, page, errors: [], requests: [], ownContext: !options.context };
  page.on('pageerror', (e) => session.errors.push(e.message));
  context.on('request', (r) => {
    if (!r.url().startsWith('file:')) session.requests.push(r.url());
  });
  if (options.initScript) await page.addInitScript(options.initScript);
  if (!options.realClock) {
    await page.clock.install({ time: 0 });
    await page.clock.pauseAt(START_TIME);
  }
  await page.goto(url);
  return session;
}

// Closes the page, failing `label` for page errors and network requests.
async function closePage(session, label, fail) {
  if (session.errors.length) fail(label, `page errors: ${session.errors.join('; ')}`);
  if (session.requests.length) fail(label, `network requests: ${session.requests.join(', ')}`);
  await (session.ownContext ? session.context.close() : session.page.close());
}

async function cli(cliPath, args) {
  const r = await run(cliPath, args);
  if (r.error) throw new Error(`glintwick-cli ${args.join(' ')} failed: ${r.stderr.trim() || r.error.message}`);
  return r.stdout;
}

// Writes `project` as NAME.json and imports it to NAME.gwk in `dir`; returns the .gwk path.
async function importProject(cliPath, dir, name, project) {
  const json = path.join(dir, `${name}.json`);
  const gwk = path.join(dir, `${name}.gwk`);
  fs.writeFileSync(json, JSON.stringify(project));
  await cli(cliPath, ['import', json, gwk]);
  return gwk;
}

module.exports = { START_TIME, launchChromium, openPage, closePage, cli, importProject };
