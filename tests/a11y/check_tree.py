"""Reads the program's accessibility tree as a screen reader does (AT-SPI) and checks the role
and name of every control, in the main window and in each dialog, opened with the keyboard.

Usage: check_tree.py PROGRAM CLI PROJECT BUS_LAUNCHER, with /usr/bin/python3 (which has pyatspi),
on an X server and a D-Bus session of its own; it starts the accessibility bus with BUS_LAUNCHER
(at-spi-bus-launcher).
"""
import json
import os
import subprocess
import sys
import tempfile
import time

PROGRAM, CLI, PROJECT, BUS_LAUNCHER = sys.argv[1:5]
WORK = tempfile.mkdtemp(prefix="glintwick-a11y-")
# The accessibility bus and the program's settings live in this run's own folders.
for var in ("AT_SPI_BUS_ADDRESS", "NO_AT_BRIDGE"):
    os.environ.pop(var, None)
os.environ.update(XDG_RUNTIME_DIR=WORK, HOME=WORK, XDG_CONFIG_HOME=WORK + "/config",
                  XDG_DATA_HOME=WORK + "/data", TMPDIR=WORK)
os.chmod(WORK, 0o700)
bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
import pyatspi  # noqa: E402  (after the bus's folder is set)
from gi.repository import GLib  # noqa: E402

failures = []
# Controls that act or take the keyboard; each must have a name.
INTERACTIVE = {"push button", "radio button", "check box", "text", "combo box", "slider",
               "spin button", "link", "table", "marquee"}


def expect(condition, message):
    if not condition:
        failures.append(message)
    return condition


def wait_for(find, what, seconds=20, fatal=True):
    """What `find` finds within `seconds`; without it the check cannot go on, unless not `fatal`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump(0.1)
        try:
            found = find()
        except Exception:  # a window closing under the walk
            found = None
        if found:
            return found
    if fatal:
        raise SystemExit("\n".join("FAIL: " + f for f in failures + ["no " + what]))
    failures.append("no %s after %d s" % (what, seconds))


def pump(seconds):
    """Lets AT-SPI events arrive for `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def descendants(node, skip=None):
    for child in node:
        if child is None or child == skip:
            continue
        yield child
        yield from descendants(child, skip)


def find(root, role, name=None):
    return next((o for o in descendants(root)
                 if o.getRoleName() == role and name in (None, o.name)), None)


def app():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "glintwick"), None)


def window(name, role=None):
    return next((w for w in app() or [] if w.name == name and role in (None, w.getRoleName())),
                None)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


def focus_window(title):
    """Gives the window the X keyboard focus, as a window manager would (Xvfb has none)."""
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % title,
                    "windowfocus", "--sync"], check=True, timeout=20, stdout=subprocess.DEVNULL)


def press(root, role, name, *keys):
    """Gives the control the keyboard focus, then presses `keys` (the space bar by default)."""
    control = find(root, role, name)
    if not expect(control, "no %s named %r to press" % (role, name)):
        return False
    control.queryComponent().grabFocus()
    wait_for(lambda: control.getState().contains(pyatspi.STATE_FOCUSED), "focus on " + name)
    key(*(keys or ("space",)))
    return True


def check_controls(root, where, wanted, skip=None):
    """Each (role, name) of `wanted` is there, and every control a user reaches is named."""
    for role, name in wanted:
        expect(find(root, role, name), "%s: no %s named %r" % (where, role, name))
    for node in descendants(root, skip):
        reachable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        if (reachable or node.getRoleName() in INTERACTIVE) and not node.name.strip():
            failures.append("%s: a %s without a name" % (where, node.getRoleName()))


def check_spin_button(root, name, value, low, high):
    """A spin button named `name` holds `value` in `low`..`high`, now or within a second."""
    spin = find(root, "spin button", name)
    if not expect(spin, "no spin button named %r" % name):
        return
    v = spin.queryValue()
    wanted = (value, low, high)
    got = lambda: (v.currentValue, v.minimumValue, v.maximumValue)
    wait_for(lambda: got() == wanted, "%s at %s (it is at %s)" % (name, wanted, got()), 1, False)


def check_labelled_by(root, role, name, labels):
    control = find(root, role, name)
    if not control:
        return
    found = [t.name for r in control.getRelationSet()
             if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
             for t in (r.getTarget(i) for i in range(r.getNTargets()))]
    expect(sorted(found) == sorted(labels), "%s %r labelled by %s, not %s" % (role, name, found, labels))


def check_quiet_marquee(root, name):
    """The preview shows its frames on demand but never announces one."""
    marquee = find(root, "marquee", name)
    if not expect(marquee, "no marquee named %r" % name):
        return
    events = []
    listener = lambda e: events.append(e) if e.source.getRoleName() == "marquee" else None
    kinds = ["object:text-changed", "object:property-change", "object:visible-data-changed"]
    pyatspi.Registry.registerEventListener(listener, *kinds)
    frames = set()
    for _ in range(15):
        pump(0.1)
        frames.add(marquee.queryText().getText(0, -1))
    pyatspi.Registry.deregisterEventListener(listener, *kinds)
    expect(len(frames - {""}) > 1, "%s: frames read %s" % (name, frames))
    expect(not events, "%s: %d events while playing" % (name, len(events)))


def check_effects_list(table, rows, effect_names):
    """The effects list as a table: four column headers, one cell per column and row, and the
    row selected with the keyboard reported as selected."""
    t = table.queryTable()
    headers = [t.getColumnHeader(c).name for c in range(t.nColumns)]
    expect(headers == ["Status Bar Text", "Effect", "Speed", "Loops"], "list headers %s" % headers)
    for r, row in enumerate(rows):
        wanted = [row["text"], effect_names[row["effect"]], str(row["speed"]), str(row["loops"])]
        cells = [t.getAccessibleAt(r, c).name for c in range(t.nColumns)]
        expect(cells == wanted, "list row %d: %s, not %s" % (r, cells, wanted))
    expect(t.nRows == len(rows), "list of %d rows, not %d" % (t.nRows, len(rows)))


def open_dialog(title, action):
    action()
    dialog = wait_for(lambda: window(title), "window %r" % title)
    expect(dialog.getRoleName() == "dialog", "%r is a %s" % (title, dialog.getRoleName()))
    focus_window(title)
    return dialog


def close_dialog(title):
    key("Escape")
    wait_for(lambda: not window(title), "closing of %r" % title)
    focus_window(MAIN_TITLE)


MAIN_TITLE = os.path.basename(PROJECT) + " - Glintwick by Orvane"
project = json.loads(subprocess.run([CLI, "show", PROJECT], check=True, capture_output=True).stdout)
program = subprocess.Popen([PROGRAM, os.path.abspath(PROJECT)], cwd=WORK, env=dict(os.environ, GTK_MODULES="gail:atk-bridge",
                                                         GTK_THEME="Adwaita"))
try:
    main = wait_for(lambda: window(MAIN_TITLE, "frame"), "main window")
    # The start-up picture takes the keyboard for its second; it is gone once the main window
    # is alone.
    wait_for(lambda: [w.name for w in app()] == [MAIN_TITLE], "end of the start-up picture")
    focus_window(MAIN_TITLE)
    form = wait_for(lambda: find(main, "push button", "Add  New"), "main form").parent
    effects_list = form[0]  # first in tab order
    repeat = "Repeat Effects time(s)"
    check_controls(main, "main window", [
        ("push button", "Add  New"), ("push button", "Edit"), ("push button", "Delete"),
        ("push button", "Move Up"), ("push button", "Move Down"), ("radio button", "Forever"),
        ("radio button", repeat), ("text", repeat), ("spin button", repeat),
        ("marquee", "Preview Effects"), ("push button", "Start"), ("push button", "Pause"),
        ("push button", "Stop"), ("link", "Orvane Software")], skip=effects_list)
    check_spin_button(main, repeat, project["repeat"] or 1, 1, 100)
    check_labelled_by(main, "text", repeat, ["Repeat Effects", "time(s)"])

    effect = open_dialog("Effect", lambda: press(main, "push button", "Add  New"))
    check_controls(effect, "Effect", [
        ("push button", "OK"), ("push button", "Cancel"), ("text", "Status Bar Text:"),
        ("combo box", "Effect:"), ("slider", "Speed:"), ("text", "Repeat time(s)"),
        ("spin button", "Repeat time(s)"), ("marquee", "Preview Effect"),
        ("push button", "More Info")])
    check_labelled_by(effect, "text", "Status Bar Text:", ["Status Bar Text:"])
    check_quiet_marquee(effect, "Preview Effect")
    check_spin_button(effect, "Repeat time(s)", 1, 1, 10)
    if press(effect, "text", "Repeat time(s)", "Up"):
        check_spin_button(effect, "Repeat time(s)", 2, 1, 10)
    effect_names = [item.name for item in find(effect, "combo box")[0]]
    close_dialog("Effect")

    press(main, "push button", "Start")
    check_quiet_marquee(main, "Preview Effects")
    press(main, "push button", "Stop")
    LIST_IS_A_TABLE = effects_list.getRoleName() == "table"
    if LIST_IS_A_TABLE:
        check_effects_list(effects_list, project["effects"], effect_names)
    else:
        print("effects list: a %r, not yet a table: its rows are not checked" % effects_list.getRoleName())

    options = open_dialog("Options", lambda: key("alt+t", "o"))
    check_controls(options, "Options", [
        ("push button", "OK"), ("push button", "Cancel"), ("text", "Final Text:"),
        ("check box", "Start effects automatically after the page loads."),
        ("push button", "More Info")])
    close_dialog("Options")

    about = open_dialog("About Glintwick", lambda: key("alt+h", "a"))
    check_controls(about, "About", [("push button", "OK"), ("link", "www.orvane.example")])
    close_dialog("About Glintwick")

    def generate():
        key("alt+f", "Down", "Down", "Down", "Down", "Return")
        chooser = wait_for(lambda: window("Generate Javascript file"), "chooser")
        focus_window("Generate Javascript file")
        box = wait_for(lambda: next((o for o in descendants(chooser) if o.getRoleName() == "text"
                                     and o.getState().contains(pyatspi.STATE_FOCUSED)), None),
                       "file name box")
        # The chooser starts in the program's folder, this run's own.
        subprocess.run(["xdotool", "type", "--delay", "30", "a11y.js"], check=True)
        wait_for(lambda: box.queryText().getText(0, -1) == "a11y.js", "typed file name")
        # The chooser ignores Return while it still reads its folder: press again until it goes.
        for _ in range(10):
            key("Return")
            end = time.monotonic() + 2
            while time.monotonic() < end and window("Generate Javascript file"):
                pump(0.1)
            if not window("Generate Javascript file"):
                break

    done = "Javascript file generated sucessfully"
    result = open_dialog(done, generate)
    tag = ("The necessary Javascript file has been created. To link this file to your HTML page "
           "just copy the code in the line below and paste it into your HTML page.")
    check_controls(result, "result", [("push button", "OK"), ("push button", "More Info"),
                                      ("text", tag)])
    box = find(result, "text", tag)
    expect(box and box.queryText().getText(0, -1) == "<SCRIPT SRC='a11y.js'></SCRIPT>",
           "the tag box does not read the tag")
    close_dialog(done)
finally:
    program.kill()
    bus.terminate()
    program.wait()
    bus.wait()
    subprocess.run(["rm", "-rf", WORK])

for failure in failures:
    print("FAIL: " + failure)
print("accessibility tree: %s" % ("%d faults" % len(failures) if failures else "as it should be"))
sys.exit(1 if failures else 0)
