'use strict';
// glintwick-cli.exe under Wine writes the very bytes the Linux build writes: project files from
// JSON, scripts with their link tags, the JSON of `show` and the preview page, for the demo and
// for random projects, under file names well beyond ASCII.
// Usage: node cli_matches_linux.js LINUX_CLI WINDOWS_CLI EXAMPLES_FOLDER WORK_FOLDER COUNT
// (WINEPREFIX and the rest of the Wine environment come from wine_env.sh.)

const { spawnSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { makeRandom } = require('../js/trace_rules');

const [linuxCli, windowsCli, examples, work, countArg] = process.argv.slice(2);
const count = Number(countArg || 100);

// Names in Latin, Cyrillic, CJK and beyond the basic plane; some are no JavaScript name.
const NAMES = ['promo', 'Démo été', 'Prüfung 日本語', 'naïve-€uro', 'Фестиваль', 'emoji 🎉', 'status',
  'my page', 'Ærøskøbing', '数据'];

const windowsPath = (p) => 'Z:' + p.split('/').join('\\');

function run(program, args) {
  const r = spawnSync(program, args, { maxBuffer: 1 << 26 });
  if (r.error) throw r.error;
  return { status: r.status, out: r.stdout, err: r.stderr.toString() };
}

const linux = (args) => run(linuxCli, args);
const windows = (args) => run('wine', [windowsCli, ...args.map((a) => (a.startsWith('/') ? windowsPath(a) : a))]);

const failures = [];
function same(label, a, b) {
  if (Buffer.compare(Buffer.from(a), Buffer.from(b)) !== 0) failures.push(label);
}

// Runs one command on both builds, each in its own folder ("@name" is a file there). Output
// that names files names them in each build's own folder and spelling.
function both(label, args, namesFiles = false) {
  const sideArgs = (side) => args.map((a) => (a.startsWith('@') ? path.join(work, side, a.slice(1)) : a));
  const l = linux(sideArgs('linux'));
  let w = windows(sideArgs('windows'));
  // Wine itself fails a start now and then on a busy machine: a difference must repeat.
  if (l.status !== w.status) w = windows(sideArgs('windows'));
  if (l.status !== w.status) failures.push(`${label}: exit ${l.status} on Linux, ${w.status} on Windows: ${w.err}`);
  if (l.status !== 0) failures.push(`${label}: ${l.err}`);
  const expected = namesFiles
    ? l.out.toString().split('\n').map((line) => (line ? windowsPath(line.replace('/linux/', '/windows/')) : line)).join('\n')
    : l.out;
  same(`${label} ${args[0]}: standard output`, expected, w.out);
}

// Every file either build wrote, by name and bytes.
function compareFolders() {
  const [l, w] = ['linux', 'windows'].map((side) => fs.readdirSync(path.join(work, side)).sort());
  same('the files written', l.join('\n'), w.join('\n'));
  for (const name of l.filter((n) => w.includes(n))) {
    same(name, fs.readFileSync(path.join(work, 'linux', name)), fs.readFileSync(path.join(work, 'windows', name)));
  }
  return l.length;
}

function main() {
  fs.rmSync(work, { recursive: true, force: true });
  for (const side of ['linux', 'windows']) {
    fs.mkdirSync(path.join(work, side), { recursive: true });
    fs.copyFileSync(path.join(examples, 'demo.gwk'), path.join(work, side, 'demo.gwk'));
    fs.copyFileSync(path.join(examples, 'demo.json'), path.join(work, side, 'demo.json'));
  }
  both('demo', ['generate', '@demo.gwk', '@Démo été.js']);
  both('demo', ['show', '@demo.gwk']);
  both('demo', ['import', '@demo.json', '@demo again.gwk']);
  both('demo', ['preview', '@demo.gwk', '@Démo page.html'], true);
  same('demo imported again', fs.readFileSync(path.join(work, 'windows', 'demo again.gwk')),
    fs.readFileSync(path.join(examples, 'demo.gwk')));

  const random = makeRandom(20260114);
  for (let i = 0; i < count; i += 1) {
    const name = `${NAMES[i % NAMES.length]} ${i}`;
    const json = JSON.stringify(random.project());
    for (const side of ['linux', 'windows']) fs.writeFileSync(path.join(work, side, `${name}.json`), json);
    both(name, ['import', `@${name}.json`, `@${name}.gwk`]);
    both(name, ['generate', `@${name}.gwk`, `@${name}.js`]);
    both(name, ['show', `@${name}.gwk`]);
  }
  const files = compareFolders();
  if (failures.length > 0) {
    console.error(failures.slice(0, 20).join('\n'));
    console.error(`${failures.length} differences`);
    process.exit(1);
  }
  console.log(`glintwick-cli.exe under Wine wrote the Linux build's bytes: ${files} files, the demo and ${count} random projects`);
}

main();
