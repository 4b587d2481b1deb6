#!/usr/bin/python3
# The desktop program as the desktop's screen readers meet it: its AT-SPI tree read in a private
# X server and accessibility bus, through a short lesson (the linear case opened, its timer
# stopped, its time bar moved, a single ray at 30 degrees, then the square-root case and A).
# Run inside dbus-run-session, with the program's path as argument; prints each case window's
# tree before and after, as the report of what a screen reader meets.
import os
import re
import subprocess
import sys
import time

# Imported once this run's accessibility bus is up (see Program): the import itself asks the
# session bus for one, and would otherwise start a second, which the program may join instead.
pyatspi = None

PATIENCE = 20  # seconds anything expected may take to show on a machine whose cores are busy


def wait_for(what, condition, seconds=PATIENCE):
    """The one way this test waits: polls the condition until it gives a true value, or fails."""
    end = time.time() + seconds
    last = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as error:  # the tree changes under our feet while windows open
            last = error
        if time.time() > end:
            raise AssertionError("timed out waiting for %s%s" % (what, ": %s" % last if last else ""))
        time.sleep(0.05)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def value_text(node):
    # Qt's bridge carries a bar's value as a number; its value in words is its description.
    return node.description


def line(node, depth):
    parts = ["  " * depth + node.getRoleName(), repr(node.name)]
    try:
        parts.append("value=%g" % node.queryValue().currentValue)
    except NotImplementedError:
        pass
    if node.getRoleName() == "text":
        text = node.queryText()
        parts.append("text=%r" % text.getText(0, text.characterCount))
    if node.description:
        parts.append("description=%r" % node.description)
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            parts.append("labelled-by=%r" % relation.getTarget(0).name)
    if node.getState().contains(pyatspi.STATE_FOCUSED):
        parts.append("focused")
    return " ".join(parts)


def dump(node, depth=0):
    if not node.getState().contains(pyatspi.STATE_SHOWING):
        return []
    lines = [line(node, depth)]
    for child in children(node):
        lines += dump(child, depth + 1)
    return lines


class Program:
    def __init__(self, binary):
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.display = ":" + self.xvfb.stdout.readline().decode().strip()
        env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   ASAN_OPTIONS="detect_leaks=0")
        self.env = env
        self.bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
            capture_output=True, text=True).stdout.strip().endswith("boolean true"))
        # The reader and the program find the bus alike: through the display and the session bus.
        os.environ["DISPLAY"] = self.display
        global pyatspi
        import pyatspi
        self.program = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "50"] + list(keys), env=self.env, check=True)

    def close(self):
        for process in (self.program, self.bus, self.xvfb):
            process.terminate()
            process.wait(10)

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name == "sorvel":
                return app
        return None

    def frame(self, caption):
        app = self.application()
        for frame in children(app) if app else []:
            if frame.getRoleName() == "frame" and frame.name == caption and \
                    frame.getState().contains(pyatspi.STATE_SHOWING):
                return frame
        return None

    def node(self, caption, role, name):
        frame = self.frame(caption)
        for node in walk(frame) if frame else []:
            if node.getRoleName() == role and node.name == name:
                return node
        return None


def said(program, caption):
    """What the window's notification says now: the last sentence handed to the screen reader."""
    frame = program.frame(caption)
    for node in walk(frame) if frame else []:
        if node.getRoleName() == "notification" and node.getState().contains(pyatspi.STATE_SHOWING):
            return node.name
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def main():
    program = Program(sys.argv[1])
    failures = 0
    try:
        p = program
        wait_for("the introduction as a frame", lambda: p.frame("INTRODUCTION"))
        # The introduction took the focus on its selected option; the up arrow selects the linear case.
        wait_for("the focus on V AS SQUARE ROOT", lambda: p.node("INTRODUCTION", "radio button", "V AS SQUARE ROOT")
                 .getState().contains(pyatspi.STATE_FOCUSED))
        group = wait_for("the named group of cases", lambda: p.node("INTRODUCTION", "panel", "case to open"))
        check([c.name for c in children(group)] == ["V LINEAR WITH Y", "V AS SQUARE ROOT"], "the cases' group")
        p.keys("Up")
        picture = wait_for("the linear picture as an image",
                           lambda: p.node("SORVEL", "image", "rays and wavefronts of the linear medium"))
        wait_for("the focus on the first tab stop of SORVEL", lambda: p.node("SORVEL", "radio button",
                 "increase  upwards").getState().contains(pyatspi.STATE_FOCUSED))
        check(picture.description.startswith("Linear case, speed 1000 plus 8 times y, increasing upwards."),
              picture.description)
        check(value_text(p.node("SORVEL", "scroll bar", "time")) == "0.000 s", "the time bar's value text")
        check([c.name for c in children(p.node("SORVEL", "panel", "speed"))] == ["increase  upwards",
                                                                               "decrease upwards"], "speed group")
        print("SORVEL, as opened:\n" + "\n".join(dump(p.frame("SORVEL"))) + "\n")

        press(p.node("SORVEL", "push button", "STOP TIMER"))
        wait_for("the picture described as stopped", lambda: "Animation stopped." in picture.description)
        wait_for("the stop said", lambda: re.fullmatch(r"Time stopped at \d\.\d{3} s", said(p, "SORVEL") or ""))
        p.node("SORVEL", "scroll bar", "time").queryValue().currentValue = 420
        wait_for("the time bar at 0.420 s", lambda: value_text(p.node("SORVEL", "scroll bar", "time")) == "0.420 s")
        wait_for("the fronts of 0.420 s described", lambda: "the newest at 0.420 s" in picture.description)
        press(p.node("SORVEL", "push button", "SINGLE RAY"))
        angle = wait_for("the start-angle bar", lambda: p.node("SORVEL", "scroll bar", "start angle of the single ray"))
        angle.queryValue().currentValue = 300
        wait_for("the angle bar at 30.0 degrees", lambda: value_text(angle) == "30.0 degrees")
        labels = [r.getTarget(0).name for r in angle.getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(labels == ["STARTING ANGLE =30.0"], "the angle bar tied to its label: %r" % labels)
        wait_for("the single ray's highest point described",
                 lambda: "rises to its highest point at x = 72.2, y = 19.3, and turns back." in picture.description)
        print("SORVEL, after the lesson:\n" + "\n".join(dump(p.frame("SORVEL"))) + "\n")

        press(p.node("SORVEL", "push button", "BACK TO INTRODUTION"))
        wait_for("the focus back on V LINEAR WITH Y", lambda: p.node("INTRODUCTION", "radio button",
                 "V LINEAR WITH Y").getState().contains(pyatspi.STATE_FOCUSED))
        p.keys("Down")
        square = wait_for("the square-root picture as an image",
                          lambda: p.node("CASE OF SQUARE ROOT", "image", "rays and wavefronts of the square-root medium"))
        wait_for("the square-root picture described", lambda: square.description.endswith(
            "y = -25.0 at right angles; the ray leaving level reaches it at x = 39.3 after 2.48 time units."))
        formula = p.node("CASE OF SQUARE ROOT", "image",
                         "formula of the speed as the square root of a linear function of y")
        check(formula.description == "v equals the square root of the sum A plus beta times y, equation 1",
              "the formula in words")
        check(value_text(p.node("CASE OF SQUARE ROOT", "scroll bar", "time")) == "0.000 time units", "time units")
        check(value_text(p.node("CASE OF SQUARE ROOT", "scroll bar", "A")) == "1000", "A's value text")
        check(p.node("CASE OF SQUARE ROOT", "panel", "what TIME ON does") is not None, "the timer options' group")
        print("CASE OF SQUARE ROOT, as opened:\n" + "\n".join(dump(p.frame("CASE OF SQUARE ROOT"))) + "\n")
        press(p.node("CASE OF SQUARE ROOT", "push button", "TIME OFF"))
        wait_for("the stop said", lambda: re.fullmatch(r"Time stopped at \d\.\d{3} time units",
                                                         said(p, "CASE OF SQUARE ROOT") or ""))
        p.node("CASE OF SQUARE ROOT", "scroll bar", "A").queryValue().currentValue = 1200
        wait_for("A = 1200 said by its bar", lambda: value_text(p.node("CASE OF SQUARE ROOT", "scroll bar", "A")) == "1200")
        wait_for("the new A said", lambda: said(p, "CASE OF SQUARE ROOT") == "A = 1200")
        wait_for("the picture described for A = 1200", lambda: p.node(
            "CASE OF SQUARE ROOT", "image", "rays and wavefronts of the square-root medium").description.startswith(
            "Square-root case, speed the square root of 1200 plus 40 times y."))
        print("CASE OF SQUARE ROOT, after A = 1200:\n" + "\n".join(dump(p.frame("CASE OF SQUARE ROOT"))))
    except AssertionError as error:
        print("FAILED: %s" % error)
        failures = 1
    finally:
        program.close()
    print("%d passed, %d failed" % (1 - failures, failures))
    return failures


if __name__ == "__main__":
    sys.exit(main())
