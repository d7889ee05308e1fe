'use strict';
// The compiled help file, read with Debian's chmlib tools: every help page is in it, with the
// contents and the index, and its map sends topics 3300, 3320 and 3360 to the pages of the
// Effect dialog, the Options dialog and the generated script; its window has contents, index and
// search tabs.
// Usage: node help_file_contents.js HELP_FILE.chm HELP_SOURCE_FOLDER WORK_FOLDER

const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');

const [chm, sources, work] = process.argv.slice(2);
const TOPICS = { 3300: 'effect_dialog.html', 3320: 'options.html', 3360: 'generate.html' };

const problems = [];
fs.rmSync(work, { recursive: true, force: true });
fs.mkdirSync(work, { recursive: true });
execFileSync('extract_chmLib', [chm, work], { stdio: 'ignore' });
const listed = execFileSync('enum_chmLib', [chm]).toString();

for (const page of fs.readdirSync(sources)) {
  if (!/\.(html|hhc|hhk)$/.test(page)) continue;
  if (!listed.includes(`/${page}\n`)) problems.push(`${page} is not in the help file`);
  else if (!fs.readFileSync(path.join(work, page)).equals(fs.readFileSync(path.join(sources, page))))
    problems.push(`${page} differs from its source`);
}

// The map: #IVB holds its byte length, then pairs of a topic number and the offset of the
// topic's page name in #STRINGS.
const ivb = fs.readFileSync(path.join(work, '#IVB'));
const strings = fs.readFileSync(path.join(work, '#STRINGS'));
const map = {};
for (let at = 4; at + 8 <= 4 + ivb.readUInt32LE(0); at += 8) {
  const offset = ivb.readUInt32LE(at + 4);
  map[ivb.readUInt32LE(at)] = strings.toString('latin1', offset, strings.indexOf(0, offset));
}
for (const [topic, page] of Object.entries(TOPICS)) {
  if (map[topic] !== `/${page}`) problems.push(`topic ${topic} leads to ${map[topic]}, not /${page}`);
}
if (Object.keys(map).length !== 3) problems.push(`the map holds ${JSON.stringify(map)}`);

// The window definition, from which a viewer builds its tabs: three panes with contents, index
// and search. #WINDOWS holds a count and an entry size, then the entries.
const windowsFile = path.join(work, '#WINDOWS');
const windows = fs.existsSync(windowsFile) ? fs.readFileSync(windowsFile) : Buffer.alloc(8);
const name = (offset) => strings.toString('latin1', offset, strings.indexOf(0, offset));
const TRI_PANE = 0x20, TAB_SEARCH = 0x400;
if (windows.readUInt32LE(0) < 1) {
  problems.push('the help file defines no window');
} else {
  const entry = windows.subarray(8);
  const properties = entry.readUInt32LE(0x10);
  if ((properties & (TRI_PANE | TAB_SEARCH)) !== (TRI_PANE | TAB_SEARCH))
    problems.push(`the window's properties ${properties.toString(16)} lack the panes or search`);
  // Without a width the navigation pane, and its tabs with it, does not show.
  if (entry.readUInt32LE(0x4c) === 0) problems.push('the window gives the navigation pane no width');
  if (name(entry.readUInt32LE(0x60)) !== 'glintwick.hhc' || name(entry.readUInt32LE(0x64)) !== 'glintwick.hhk')
    problems.push(`the window's contents and index are ${name(entry.readUInt32LE(0x60))}, ${name(entry.readUInt32LE(0x64))}`);
}

if (problems.length > 0) {
  console.error(problems.join('\n'));
  process.exit(1);
}
console.log(`the help file holds every page, its contents and index, and topics ${Object.keys(TOPICS).join(', ')}`);
