#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The program driven as a screen reader drives it, through the accessibility bus: windows
# found by role and name, buttons pressed through their action, answers typed through
# the editable text of the boxes, and what a screen reader would speak read back.
#
#   screen-reader-test.py <program>     (on an accessibility bus: run-on-accessibility-bus.sh)
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, what):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)


def pump(seconds, until=lambda: False):
    """Runs the bus's events for up to the given time, or until the condition holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        if until():
            return True
        time.sleep(0.02)
    return until()


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def the_program():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is not None and app.name == "Ossarion":
            return app
    return None


def window(app, title):
    found = []
    pump(10, lambda: bool(found) or found.extend(
        w for w in children(app) if w is not None and w.name == title
        and w.getState().contains(pyatspi.STATE_SHOWING)))
    if not found:
        raise SystemExit("FAILED  no window '%s' on the bus; there are %s"
                         % (title, [w.name for w in children(app)]))
    return found[0]


def control(win, role, name):
    for c in children(win):
        if c.getRole() == role and c.name == name:
            return c
    raise SystemExit("FAILED  no %s '%s' in '%s'" % (role, name, win.name))


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, "'%s' offers the action Press (it offers %s)" % (button.name, names))
    action.doAction(names.index("Press"))


def type_into(box, text):
    editable = box.queryEditableText()
    editable.setTextContents("")
    editable.insertText(0, text, len(text))


# Every description change the program sends, with the object it comes from.
descriptions = []
pyatspi.Registry.registerEventListener(
    lambda e: descriptions.append((e.source, e.source.description)),
    "object:property-change:accessible-description")

# Every name change, likewise: a screen reader speaks each, so none may come twice.
names = []
pyatspi.Registry.registerEventListener(
    lambda e: names.append((e.source, e.source.name)), "object:property-change:accessible-name")

# Every event of any object, with the role of the object it comes from.
events = []


def record(event):
    try:
        events.append((event.type, event.source, event.source.getRole()))
    except Exception:  # an object already gone
        events.append((event.type, None, None))


pyatspi.Registry.registerEventListener(record, "object")

program = subprocess.Popen([sys.argv[1]])
try:
    app = None
    pump(15, lambda: bool(the_program()))
    app = the_program()
    if app is None:
        raise SystemExit("FAILED  the program never came onto the accessibility bus")

    # The title screen: a frame; the About screen over it: a dialog, without its lines.
    title = window(app, "Ossarion")
    check(title.getRole() == pyatspi.ROLE_FRAME, "the title screen is a frame (%s)" % title.getRoleName())
    del events[:]
    press(control(title, pyatspi.ROLE_PUSH_BUTTON, "About"))
    about = window(app, "About Ossarion Version 2.2 - May 03")
    pump(1)
    check(not [e for e in events if e[2] in (pyatspi.ROLE_FILLER, pyatspi.ROLE_SEPARATOR)],
          "opening the About screen tells nothing of its lines")
    told = [(kind, source) for kind, source, role in events if kind != "object:state-changed:focused"]
    check(len(told) > 5 and len(told) == len(set(told)),
          "opening the About screen tells each of %d events once" % len(told))
    check(about.getRole() == pyatspi.ROLE_DIALOG, "the About screen is a dialog (%s)" % about.getRoleName())
    roles = sorted({c.getRoleName() for c in children(about)})
    check(all(c.getRole() not in (pyatspi.ROLE_FILLER, pyatspi.ROLE_SEPARATOR) for c in children(about)),
          "the About screen shows no lines to a screen reader (roles %s)" % roles)
    check(all(c.name.strip() for c in children(about)), "every control of the About screen has a name")
    press(control(about, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    pump(10, lambda: not any(w.name == "About Ossarion Version 2.2 - May 03" and w.getState().contains(pyatspi.STATE_SHOWING)
                             for w in children(app) if w is not None))

    # To the arm test, by buttons alone.
    press(control(title, pyatspi.ROLE_PUSH_BUTTON, "Full skeleton Anterior view"))
    skeleton = window(app, "Skeleton - Major features - Anterior view")
    del names[:]
    press(control(skeleton, pyatspi.ROLE_PUSH_BUTTON, "Arm"))
    arm = window(app, "Arm - Major features ")
    press(control(arm, pyatspi.ROLE_PUSH_BUTTON, "Arm test"))
    test = window(app, "Arm - Major features - test")
    pump(1)
    twice = [n for i, (source, n) in enumerate(names) if (source, n) in names[:i]]
    check(names and not twice, "the arm view and its test tell each name once (%d names, twice: %s)"
          % (len(names), twice))
    check(test.getRole() == pyatspi.ROLE_FRAME, "the arm test is a frame (%s)" % test.getRoleName())
    check(all(c.getRole() not in (pyatspi.ROLE_FILLER, pyatspi.ROLE_SEPARATOR) for c in children(test)),
          "the arm test has no filler and no line among its controls")

    boxes = sorted((c for c in children(test) if c.getRole() in (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT)),
                   key=lambda c: int(c.name.split()[1]) if c.name.startswith("Answer ") else 0)
    check(len(boxes) == 8, "eight answer boxes (%d)" % len(boxes))
    for number, box in enumerate(boxes, 1):
        prefix = "Answer %d of 8, " % number
        check(box.name.startswith(prefix) and len(box.name) > len(prefix) + 10,
              "box %d says where it points: '%s'" % (number, box.name))
        check(box.description == "", "box %d has no verdict before Check" % number)
    check(len({b.name for b in boxes}) == 8, "no two boxes sound alike")
    check(any("upper arm" in b.name for b in boxes) and not any("humerus" in b.name.lower() for b in boxes),
          "the upper arm is described, not named")

    type_into(boxes[0], "Humerus")
    type_into(boxes[1], "radius")
    type_into(boxes[2], "radius")
    check(boxes[0].queryText().getText(0, -1) == "Humerus", "typed text reaches the box")

    check_button = control(test, pyatspi.ROLE_PUSH_BUTTON, "Check")
    check_button.queryComponent().grabFocus()
    pump(5, lambda: check_button.getState().contains(pyatspi.STATE_FOCUSED))
    check(check_button.getState().contains(pyatspi.STATE_FOCUSED), "Check holds the focus")
    del descriptions[:]
    summary = "2 of 8 correct; wrong: 2, 4, 5, 6, 7, 8"
    press(check_button)
    heard = lambda: [d for s, d in descriptions if s == check_button]
    pump(10, lambda: bool(heard()))
    pump(0.5)
    check(heard() == [summary], "pressing Check tells its description once: %s" % heard())
    check(check_button.description == summary, "Check says '%s'" % check_button.description)
    check(check_button.getState().contains(pyatspi.STATE_FOCUSED), "the focus stays on Check")
    verdicts = [b.description for b in boxes]
    check(verdicts == ["correct", "not correct", "correct"] + ["not correct"] * 5,
          "each box keeps its verdict: %s" % verdicts)

    # The same count again is heard again.
    del descriptions[:]
    press(check_button)
    pump(10, lambda: bool(heard()))
    pump(0.5)
    check(heard() == [summary], "a second Check is heard too: %s" % heard())

    press(control(test, pyatspi.ROLE_PUSH_BUTTON, "Reset"))
    pump(10, lambda: check_button.description == "")
    check(check_button.description == "" and all(b.description == "" for b in boxes),
          "Reset takes every verdict away")
    check(all(b.queryText().getText(0, -1) == "" for b in boxes), "Reset empties the boxes")
finally:
    program.terminate()
    try:
        program.wait(10)
    except subprocess.TimeoutExpired:
        program.kill()

if failures:
    print("%d check(s) failed" % len(failures))
    sys.exit(1)
print("every check passed")
