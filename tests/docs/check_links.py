#!/usr/bin/env python3
"""The documentation's relative links lead somewhere: every link of README.md and docs/*.md
that is not a web address names a file of the tree, and an anchor a heading of its page.

usage: check_links.py SOURCE-DIR"""
import glob
import os
import re
import sys


def anchors(path):
    """The anchors a Markdown page's headings give, as GitHub makes them."""
    found = set()
    for line in open(path, encoding="utf-8"):
        m = re.match(r"#+ (.*)", line)
        if m:
            slug = re.sub(r"[^\w\- ]", "", m.group(1).strip().lower()).replace(" ", "-")
            found.add(slug)
    return found


def main(source):
    pages = [os.path.join(source, "README.md")] + sorted(glob.glob(os.path.join(source, "docs", "*.md")))
    dead = []
    for page in pages:
        text = open(page, encoding="utf-8").read()
        # Links and images, leaving out code spans.
        for target in re.findall(r"\]\(([^)\s]+)\)", re.sub(r"`[^`]*`", "", text)):
            if re.match(r"[a-z]+:", target):
                continue
            file, _, anchor = target.partition("#")
            where = os.path.normpath(os.path.join(os.path.dirname(page), file)) if file else page
            if not os.path.exists(where):
                dead.append(f"{os.path.relpath(page, source)}: {target} (no such file)")
            elif anchor and where.endswith(".md") and anchor not in anchors(where):
                dead.append(f"{os.path.relpath(page, source)}: {target} (no such heading)")
    for link in dead:
        print("FAIL dead link in " + link)
    print(f"{len(pages)} pages checked, {len(dead)} dead links")
    return 1 if dead else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
