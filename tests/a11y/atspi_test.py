#!/usr/bin/python3
"""What a screen reader reads of the running program, through AT-SPI.

Run inside an X server and a session bus of its own, as CTest does:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 atspi_test.py build/app/voltaris
with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 in the environment. The program is
driven by keys, as a screen-reader user drives it; the tree is read from the
accessibility bus. When AT-SPI does not start, the test fails and says so.
"""

import os
import shutil
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    sys.exit("FAIL: pyatspi is missing (python3-pyatspi, tools/install-deps.sh)")

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def wait_for(find, what, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit("FAIL: " + what)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "voltaris":
            return app
    return None


def window(caption):
    app = application()
    for win in app or []:
        if win is not None and win.name == caption and win.getState().contains(pyatspi.STATE_ACTIVE):
            return win
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def open_form(menu, letter, caption):
    """Alt+the menu's letter, then the command's letter once the menu shows."""
    keys("alt+" + menu[0].lower())

    def popup_showing():
        for node in descendants(window("Voltaris") or []):
            if node.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU) and node.getState().contains(pyatspi.STATE_SHOWING) and \
                    node.parent.name == menu:
                return node
        return None

    wait_for(popup_showing, "the menu " + menu + " did not open", 5)
    keys(letter)
    return wait_for(lambda: window(caption), "the form " + caption + " did not open")


def check_ohms_law():
    form = open_form("Passive components", "o", "Ohm's Law")
    nodes = list(descendants(form))
    radios = [n for n in nodes if n.getRole() == pyatspi.ROLE_RADIO_BUTTON]
    check(len(radios) == 6, "Ohm's law: 6 radio buttons, found %d" % len(radios))
    check(not any(n.getRole() == pyatspi.ROLE_CHECK_BOX for n in nodes), "Ohm's law: no check box")
    for radio in radios:
        check(radio.description == "What do you know ?",
              "radio %r described by its frame, not %r" % (radio.name, radio.description))
    checked = [r.name for r in radios if r.getState().contains(pyatspi.STATE_CHECKED)]
    check(checked == ["R and I"], "Ohm's law opens on R and I, checked: %r" % checked)

    fields = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT}
    check(set(fields) == {"I (A)", "R (ohm)", "U (V)", "P (W)"}, "Ohm's law fields: %r" % sorted(fields))
    for name, field in fields.items():
        check(field.description != "", "field %r has a description" % name)
    check(fields.get("I (A)") and fields["I (A)"].description == "current through the resistor",
          "I (A) described from the help")
    # The computed fields stay disabled; their values are on the form.
    for name in ("U (V)", "P (W)"):
        check(name in fields and not fields[name].getState().contains(pyatspi.STATE_SENSITIVE),
              name + " stays disabled")
    check(text_of(fields["U (V)"]).strip() == "12.00", "U (V) reads 12.00")
    check(form.description == "Results: U (V) = 12.00, P (W) = 120.00 m",
          "the form reads its results at opening: %r" % form.description)

    # A new current, typed and entered: the results read follow.
    # U = I R = 20 mA x 1.2 k, P = I^2 R.
    fields["I (A)"].queryComponent().grabFocus()
    keys("ctrl+a", "2", "0", "m", "Return")
    wait_for(lambda: form.description == "Results: U (V) = 24.00, P (W) = 480.00 m" or None,
             "the results after I = 20m: %r" % form.description, 5)

    # Down in the radio group selects R and U: now I and P are the results.
    [r for r in radios if r.name == "R and I"][0].queryComponent().grabFocus()
    keys("Down")
    wait_for(lambda: form.description.startswith("Results: I (A) = ") or None,
             "the results after R and U: %r" % form.description, 5)
    check(fields["I (A)"].getState().contains(pyatspi.STATE_SENSITIVE) is False, "I (A) disabled in R and U")
    keys("Escape")
    wait_for(lambda: window("Voltaris"), "the menu window is back")


def check_class_a():
    form = open_form("Semi-conductors", "t", "Class A amplifier")
    nodes = list(descendants(form))
    lists = sorted(n.name for n in nodes if n.getRole() == pyatspi.ROLE_LIST)
    check(lists == ["Components values", "Operating parameters"], "class A list names: %r" % lists)
    # The status line is a field the user reaches with Tab.
    status = [n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT and n.name == "Status"]
    check(len(status) == 1 and text_of(status[0]) == "Ok !" and status[0].getState().contains(
        pyatspi.STATE_SENSITIVE), "class A status readable")
    check(form.description.startswith("Results: Vout (V) = "), "class A results: %r" % form.description)
    keys("Escape")
    wait_for(lambda: window("Voltaris"), "the menu window is back")


def check_help():
    keys("alt+h", "c")
    help_window = wait_for(lambda: next((w for w in application() if w is not None and " Help - " in w.name and w.getState().contains(pyatspi.STATE_SHOWING)), None), "the help window opens")
    # A read-only text browser: a screen reader reads the topic through its text.
    texts = [n for n in descendants(help_window) if n.name == "Help text"]
    check(len(texts) == 1 and "Voltaris help" in text_of(texts[0]), "the help text is named and readable")


def main():
    program = sys.argv[1]
    for tool in ("xdotool", "openbox", "xprop"):
        if shutil.which(tool) is None:
            sys.exit("FAIL: %s is missing (tools/install-deps.sh)" % tool)
    if not os.environ.get("DISPLAY") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        sys.exit("FAIL: needs an X display and a session bus (xvfb-run, dbus-run-session)")
    # Keys go to the active window: a window manager gives the focus.
    wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for(lambda: b"window id" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                                    capture_output=True).stdout, "openbox did not start", 10)
    voltaris = subprocess.Popen([program])
    try:
        wait_for(application, "AT-SPI did not start, or the program did not join the accessibility bus", 20)
        wait_for(lambda: window("About Voltaris"), "the About box did not open")
        keys("Return")
        wait_for(lambda: window("Voltaris"), "the menu window did not take the focus")
        check_ohms_law()
        check_class_a()
        check_help()
    finally:
        voltaris.kill()
        wm.kill()
        voltaris.wait()
        wm.wait()
    if failures:
        sys.exit("%d check(s) failed" % len(failures))
    print("all accessibility checks passed")


if __name__ == "__main__":
    main()
