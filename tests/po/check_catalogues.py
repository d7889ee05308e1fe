#!/usr/bin/env python3
"""The translators' catalogues: the template holds exactly the texts the sources mark, and each
language's catalogue passes msgfmt --check, translates every one of them and keeps what the
program relies on: the %1/%2 placeholders, one access key where the English has one, and a
menu text's shortcut after its tab, and a menu entry's keyword list's form.

usage: check_catalogues.py SOURCE-DIR"""
import glob
import os
import re
import subprocess
import sys
import tempfile

def entries(path):
    """(msgid, msgstr, fuzzy) of every entry but the header."""
    text = open(path, encoding="utf-8").read()
    out = []
    for block in text.split("\n\n"):
        fuzzy = re.search(r"^#,.*\bfuzzy\b", block, re.M) is not None
        parts = {}
        key = None
        for line in block.splitlines():
            m = re.match(r'^(msgid|msgstr) (".*")$', line)
            if m:
                key = m.group(1)
                parts[key] = [m.group(2)]
            elif line.startswith('"') and key:
                parts[key].append(line)
        if "msgid" not in parts:
            continue
        decode = lambda lines: "".join(eval(l) for l in lines)  # PO strings are C strings
        msgid, msgstr = decode(parts["msgid"]), decode(parts.get("msgstr", ['""']))
        if msgid:
            out.append((msgid, msgstr, fuzzy))
    return out


def access_keys(text):
    return re.findall(r"&(?!&)(.)", text.replace("&&", ""))


def main(source):
    failures = []
    po = os.path.join(source, "po")
    with tempfile.TemporaryDirectory() as work:
        fresh = os.path.join(work, "now.pot")
        subprocess.run(["po/make_template.sh", fresh], cwd=source, check=True)
        now = {e[0] for e in entries(fresh)}
    template = {e[0] for e in entries(os.path.join(po, "glintwick.pot"))}
    for missing in sorted(now - template):
        failures.append(f"glintwick.pot lacks {missing!r} (make pot)")
    for stale in sorted(template - now):
        failures.append(f"glintwick.pot still holds {stale!r} (make pot)")
    catalogues = sorted(glob.glob(os.path.join(po, "*.po")))
    if len(catalogues) < 3:
        failures.append(f"only {len(catalogues)} catalogues")
    for path in catalogues:
        lang = os.path.basename(path)[:-3]
        check = subprocess.run(["msgfmt", "--check", "-o", os.devnull, path], capture_output=True, text=True)
        if check.returncode:
            failures.append(f"{lang}: msgfmt --check: {check.stderr.strip()}")
        translated = {}
        for msgid, msgstr, fuzzy in entries(path):
            translated[msgid] = msgstr
            where = f"{lang}: {msgid!r}"
            if fuzzy or not msgstr:
                failures.append(f"{where} is not translated")
                continue
            if sorted(re.findall(r"%\d", msgid)) != sorted(re.findall(r"%\d", msgstr)):
                failures.append(f"{where}: the placeholders differ in {msgstr!r}")
            if len(access_keys(msgid)) != len(access_keys(msgstr)) or len(access_keys(msgstr)) > 1:
                failures.append(f"{where}: the access key is lost or doubled in {msgstr!r}")
            if msgid.endswith(";") and not (msgstr.endswith(";") and ";;" not in msgstr):
                failures.append(f"{where}: a menu entry's keyword list must end in one ';': {msgstr!r}")
            if msgid.partition("\t")[2] != msgstr.partition("\t")[2]:
                failures.append(f"{where}: the shortcut after the tab differs in {msgstr!r}")
        for msgid in sorted(template - translated.keys()):
            failures.append(f"{lang}: {msgid!r} is missing (make pot)")
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(catalogues)} catalogues of {len(template)} texts checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
