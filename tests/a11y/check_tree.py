"""Checks the roles and names screen readers get (AT-SPI) in every window, opened with real keys.

Usage: check_tree.py PROGRAM CLI PROJECT BUS_LAUNCHER, with /usr/bin/python3 (it has pyatspi), on
an X server and a D-Bus session of its own; BUS_LAUNCHER (at-spi-bus-launcher) starts the
accessibility bus. The program runs in the language LANG names: the names expected, and the
access keys pressed, are the ones its catalogue beside the program gives (English without one).
"""
import gettext
import json
import os
import subprocess
import sys
import tempfile
import time

PROGRAM, CLI, PROJECT, BUS_LAUNCHER = sys.argv[1:5]
WORK = tempfile.mkdtemp(prefix="glintwick-a11y-")
# The accessibility bus and the program's settings live in this run's own folder.
for var in ("AT_SPI_BUS_ADDRESS", "NO_AT_BRIDGE"):
    os.environ.pop(var, None)
os.environ.update(XDG_RUNTIME_DIR=WORK, HOME=WORK, XDG_CONFIG_HOME=WORK + "/config",
                  XDG_DATA_HOME=WORK + "/data", TMPDIR=WORK)
bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
import pyatspi  # noqa: E402  (once the bus has its folder)
from gi.repository import GLib  # noqa: E402

CATALOGUE = gettext.translation("glintwick", os.path.join(os.path.dirname(PROGRAM), "locale"),
                                languages=[os.environ.get("LANG", "C").split("_")[0]], fallback=True)


def shown(text):
    """An interface text as the program shows it: translated, without its access key's mark."""
    return CATALOGUE.gettext(text).replace("&", "")


def stock_ok():
    """The names the OK button may have: the catalogue's, or GTK's own for its stock OK, which wx
    shows where the text is the stock one (French GTK says "Valider")."""
    import gi
    gi.require_version("Gtk", "3.0")
    from gi.repository import Gtk
    return (shown("OK"), Gtk.stock_lookup("gtk-ok").label.replace("_", ""))


def access_key(text):
    """The letter that, pressed with Alt, reaches the translated text's control or menu."""
    translated = CATALOGUE.gettext(text)
    return translated[translated.index("&") + 1].lower()


MAIN = os.path.basename(PROJECT) + " - Glintwick by Orvane"
# Controls that act or take the keyboard: each needs a name.
INTERACTIVE = {"push button", "radio button", "check box", "text", "combo box", "slider",
               "spin button", "link", "table", "marquee"}
failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)
    return condition


def pump(seconds):
    """Lets AT-SPI events arrive for `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def eventually(find, seconds):
    """What `find` finds within `seconds`, or None."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.1)
        try:
            found = find()
        except Exception:  # a window closing under the walk
            found = None
        if found:
            return found


def wait_for(find, what, seconds=20, fatal=True):
    """What `find` finds within `seconds`; without it the check cannot go on, unless not `fatal`."""
    found = eventually(find, seconds)
    if not found and fatal:
        raise SystemExit("\n".join("FAIL: " + f for f in failures + ["no " + what]))
    expect(found, "no %s after %d s" % (what, seconds))
    return found


def descendants(node, skip=None):
    for child in node:
        if child is not None and child != skip:
            yield child
            yield from descendants(child, skip)


def find(root, role, name=None, state=None):
    """The first `role` named `name` (or any of a tuple of names) below `root`."""
    names = name if isinstance(name, tuple) else (name,)
    return next((o for o in descendants(root) if o.getRoleName() == role and
                 (name is None or o.name in names) and
                 (state is None or o.getState().contains(state))), None)


def window(name):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Glintwick"), [])
    return next((w for w in app if w.name == name), None)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


def focus_window(title):
    """Gives the window the X keyboard focus, as a window manager would (Xvfb has none)."""
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % title,
                    "windowfocus", "--sync"], check=True, timeout=20, stdout=subprocess.DEVNULL)


def press(root, role, name, *keys):
    """Gives the control the keyboard focus, then presses `keys` (the space bar by default)."""
    control = find(root, role, name)
    if expect(control, "no %s %r to press" % (role, name)):
        control.queryComponent().grabFocus()
        wait_for(lambda: control.getState().contains(pyatspi.STATE_FOCUSED), "focus on " + name)
        key(*(keys or ["space"]))
    return control


def check_controls(root, where, wanted, skip=None):
    """Each (role, name) of `wanted` is there, and every control a user reaches has a name."""
    for role, name in wanted:
        expect(find(root, role, name), "%s: no %s named %r" % (where, role, name))
    for node in descendants(root, skip):
        reachable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        if (reachable or node.getRoleName() in INTERACTIVE) and not node.name.strip():
            failures.append("%s: a %s without a name" % (where, node.getRoleName()))


def check_spin_button(root, name, value, low, high):
    """The spin button holds `value` in `low`..`high`, now or within a second."""
    spin = find(root, "spin button", name)
    if expect(spin, "no spin button named %r" % name):
        v = spin.queryValue()
        got = lambda: (v.currentValue, v.minimumValue, v.maximumValue)
        wait_for(lambda: got() == (value, low, high),
                 "%r at %s (it is at %s)" % (name, (value, low, high), got()), 1, False)


def check_labelled_by(root, role, name, labels):
    control = find(root, role, name)
    found = [r.getTarget(i).name for r in (control.getRelationSet() if control else [])
             if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]
    expect(sorted(found) == sorted(labels), "%r labelled by %s, not %s" % (name, found, labels))


def check_quiet_marquee(root, name):
    """The playing preview's frames can be read, but not one of them is announced."""
    marquee = find(root, "marquee", name)
    if not expect(marquee, "no marquee named %r" % name):
        return
    events, frames = [], set()
    listener = lambda e: events.append(e) if e.source.getRoleName() == "marquee" else None
    kinds = ["object:text-changed", "object:property-change", "object:visible-data-changed"]
    pyatspi.Registry.registerEventListener(listener, *kinds)
    for _ in range(15):
        pump(0.1)
        frames.add(marquee.queryText().getText(0, -1))
    pyatspi.Registry.deregisterEventListener(listener, *kinds)
    expect(len(frames - {""}) > 1, "%r: frames read %s" % (name, frames))
    expect(not events, "%r: %d events while playing" % (name, len(events)))


def check_effects_list(table, rows, effect_names):
    """The effects list as a table: four column headers, one cell per column and row, and the
    first row, selected with the keyboard, reported as selected."""
    t = table.queryTable()
    headers = [t.getColumnHeader(c).name for c in range(t.nColumns)]
    expect(headers == [shown(h) for h in ["Status Bar Text", "Effect", "Speed", "Loops"]],
           "list headers %s" % headers)
    expect(t.nRows == len(rows), "list of %d rows, not %d" % (t.nRows, len(rows)))
    for r, row in enumerate(rows):
        wanted = [row["text"], effect_names[row["effect"]], str(row["speed"]), str(row["loops"])]
        cells = [t.getAccessibleAt(r, c).name for c in range(t.nColumns)]
        expect(cells == wanted, "list row %d: %s, not %s" % (r, cells, wanted))
    table.queryComponent().grabFocus()
    key("Home")
    wait_for(lambda: t.isRowSelected(0) and t.nSelectedRows == 1, "first row selected", 2, False)


def check_dialog(title, open_it, wanted):
    """Opens the dialog with `open_it`, checks it and its controls, closes it with Escape."""
    open_it()
    dialog = wait_for(lambda: window(title), "window %r" % title)
    expect(dialog.getRoleName() == "dialog", "%r is a %s" % (title, dialog.getRoleName()))
    focus_window(title)
    check_controls(dialog, title, wanted)
    return dialog


def close_dialog(title):
    key("Escape")
    wait_for(lambda: not window(title), "closing of %r" % title)
    focus_window(MAIN)


def generate_script():
    """File > Generate Javascript..., a.js typed into the chooser, which starts in this run's
    folder (the program's own)."""
    chooser = shown("Generate Javascript file")
    key("alt+" + access_key("&File"), "Down", "Down", "Down", "Down", "Return")
    focus_window(chooser)
    box = wait_for(lambda: find(window(chooser), "text", state=pyatspi.STATE_FOCUSED), "name box")
    subprocess.run(["xdotool", "type", "--delay", "30", "a.js"], check=True)
    wait_for(lambda: box.queryText().getText(0, -1) == "a.js", "the typed name")
    # The chooser ignores Return while it still reads its folder: press again until it goes.
    for _ in range(10):
        key("Return")
        if eventually(lambda: not window(chooser), 2):
            break


project = json.loads(subprocess.run([CLI, "show", PROJECT], check=True, capture_output=True).stdout)
program = subprocess.Popen([PROGRAM, os.path.abspath(PROJECT)], cwd=WORK, env=dict(
    os.environ, GTK_MODULES="gail:atk-bridge", GTK_THEME="Adwaita"))
try:
    main = wait_for(lambda: window(MAIN), "main window")
    # The start-up picture holds the keyboard for its second; it has gone when the main window
    # is alone.
    wait_for(lambda: len(window(MAIN).parent) == 1, "end of the start-up picture")
    focus_window(MAIN)
    ok_names = stock_ok()
    add = shown("&Add  New")
    effects_list = wait_for(lambda: find(main, "push button", add), "form").parent[0]
    repeat = shown("Repeat Effects") + " " + shown("time(s)")
    check_controls(main, "main window", [
        ("push button", add), ("push button", shown("Ed&it")), ("push button", shown("&Delete")),
        ("push button", shown("Move &Up")), ("push button", shown("Move Do&wn")),
        ("radio button", shown("Fo&rever")), ("radio button", repeat), ("text", repeat),
        ("spin button", repeat), ("marquee", shown("Preview Effects")),
        ("push button", shown("&Start")), ("push button", shown("&Pause")),
        ("push button", shown("St&op")), ("link", "Orvane Software")], skip=effects_list)
    check_spin_button(main, repeat, project["repeat"] or 1, 1, 100)
    check_labelled_by(main, "text", repeat, [shown("Repeat Effects"), shown("time(s)")])

    loops = shown("&Repeat ").strip() + " " + shown("time(s)")
    text_label = shown("Status Bar &Text:")
    effect_title = shown("Effect")
    effect = check_dialog(effect_title, lambda: press(main, "push button", add), [
        ("push button", ok_names), ("push button", shown("Cancel")), ("text", text_label),
        ("combo box", shown("&Effect:")), ("slider", shown("&Speed:")), ("text", loops),
        ("spin button", loops), ("marquee", shown("Preview Effect")),
        ("push button", shown("&More Info"))])
    check_labelled_by(effect, "text", text_label, [text_label])
    # Alt with the label's letter, in this language, moves to the slider it names.
    key("alt+" + access_key("&Speed:"))
    slider = find(effect, "slider", shown("&Speed:"))
    wait_for(lambda: slider.getState().contains(pyatspi.STATE_FOCUSED),
             "focus on the slider by its label's access key", 2, False)
    check_quiet_marquee(effect, shown("Preview Effect"))
    check_spin_button(effect, loops, 1, 1, 10)
    if press(effect, "text", loops, "Up"):
        check_spin_button(effect, loops, 2, 1, 10)
    effect_names = [item.name for item in find(effect, "combo box")[0]]
    close_dialog(effect_title)

    press(main, "push button", shown("&Start"))
    check_quiet_marquee(main, shown("Preview Effects"))
    press(main, "push button", shown("St&op"))
    table = effects_list if effects_list.getRoleName() == "table" else find(effects_list, "table")
    if table:
        check_effects_list(table, project["effects"], effect_names)
        expect(table.name == shown("Effects"), "the effects table is named %r" % table.name)
    else:
        print("effects list: a %s, no table yet: rows not checked" % effects_list.getRoleName())
    # The status line reads as a status bar whose name is its text.
    status = find(main, "status bar")
    expect(status and status.name.startswith(shown("One pass: %1 s").split("%1")[0]),
           "the status bar reads %r" % (status.name if status else None))

    options = shown("Options")
    auto_start = "&Start effects automatically after the page loads."
    dialog = check_dialog(options, lambda: key("alt+" + access_key("&Tools"),
                                               access_key("&Options...")), [
        ("push button", ok_names), ("push button", shown("Cancel")),
        ("text", shown("&Final Text:")), ("check box", shown(auto_start)),
        ("push button", shown("&More Info"))])
    # Its letter ticks the box: no button (the toolkit's own OK and Cancel too) shares it.
    box = find(dialog, "check box", shown(auto_start))
    if box:
        ticked = box.getState().contains(pyatspi.STATE_CHECKED)
        key("alt+" + access_key(auto_start))
        wait_for(lambda: box.getState().contains(pyatspi.STATE_CHECKED) != ticked,
                 "the automatic start box changed by its access key", 2, False)
    close_dialog(options)
    about = shown("About Glintwick")
    check_dialog(about, lambda: key("alt+" + access_key("&Help"), access_key("&About Glintwick...")),
                 [("push button", ok_names), ("link", "www.orvane.example")])
    close_dialog(about)

    done = shown("Javascript file generated sucessfully")
    tag = " ".join(shown("The necessary Javascript file has been created.\n\nTo link this file to your HTML "
                "page just copy the code in the line below and paste it into your HTML page.").split())
    result = check_dialog(done, generate_script, [("push button", ok_names),
                                                  ("push button", shown("&More Info")), ("text", tag)])
    box = find(result, "text", tag)
    expect(box and box.queryText().getText(0, -1) == "<SCRIPT SRC='a.js'></SCRIPT>",
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
print("accessibility tree: " + ("%d faults" % len(failures) if failures else "as it should be"))
sys.exit(1 if failures else 0)
