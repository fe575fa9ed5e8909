"""Walks the running program's accessibility tree as a screen reader would and uses it through AT-SPI:
names, roles and states of every control, the read-out's name and its announcements, the sliders' values,
a value set on PA-VALUE, Press actions on the buttons. Ends the program through its close button."""
import sys
import time

import pyatspi
from gi.repository import GLib

announced = []
pyatspi.Registry.registerEventListener(
    lambda event: announced.append(event.source.name), "object:property-change:accessible-name")


def wait(found, what):
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        result = found()
        if result:
            return result
        time.sleep(0.05)
    sys.exit("FAIL: " + what)


def window(title):
    for app in pyatspi.Registry.getDesktop(0):
        for candidate in app if app and app.name == "tessaly" else []:
            if candidate and candidate.name == title:
                return candidate
    return None


def listed(parent):
    return [(child.getRoleName(), child.name) for child in parent]


def control(parent, name):
    return next(child for child in parent if child.name == name)


def has(accessible, state):
    return accessible.getState().contains(state)


def press(accessible):
    action = accessible.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))


def expect(actual, expected, what):
    if actual != expected:
        sys.exit("FAIL: %s: %r, expected %r" % (what, actual, expected))


def value_of(slider):
    value = slider.queryValue()
    return (value.currentValue, value.minimumValue, value.maximumValue)


main = wait(lambda: window("Tessaly"), "no window Tessaly on the accessibility bus")
strip = [("check box", "Transmit"), ("check box", "Mute"), ("push button", "Frequency down"),
         ("push button", "Frequency up"), ("push button", "Settings"), ("slider", "PA-VALUE")]
expect(listed(main), [("label", "Tessaly Ver1.2.1"), ("push button", "minimize"), ("push button", "max"),
                      ("push button", "close")] + strip + [("label", "Off air")], "main window")
expect(has(control(main, "minimize"), pyatspi.STATE_FOCUSED), True, "focus on the first control")
expect(has(control(main, "Transmit"), pyatspi.STATE_CHECKED), False, "off air at start")
expect(value_of(control(main, "PA-VALUE")), (120, 30, 120), "PA-VALUE")

press(control(main, "Transmit"))
wait(lambda: has(control(main, "Transmit"), pyatspi.STATE_CHECKED), "Transmit not checked once on air")
wait(lambda: "90.00 MHz" in announced, "on air not announced by the read-out")
press(control(main, "Frequency up"))
wait(lambda: "90.05 MHz" in announced, "a step not announced by the read-out")
expect(listed(main)[-1], ("label", "90.05 MHz"), "read-out after one step")
control(main, "PA-VALUE").queryValue().currentValue = 100
wait(lambda: value_of(control(main, "PA-VALUE"))[0] == 100, "PA-VALUE not set")
press(control(main, "Mute"))
wait(lambda: has(control(main, "Mute"), pyatspi.STATE_CHECKED), "Mute not checked once muted")

press(control(main, "Settings"))
settings = wait(lambda: window("Tessaly Set"), "no settings window")
radios = ["Stereo", "Mono", "87.5 - 108MHz(USA,Europe)", "76 - 90MHz(Japan)", "200KHz(USA)",
          "100KHz(Europe,Japan)", "50KHz", "50us(Europe,Australia)", "75us(USB,Japan)"]
expect(listed(settings), [("label", "Tessaly Set"), ("push button", "close")]
       + [("panel", box) for box in ("Stereo/Mono", "Band", "Spacing", "De-emphasis")]
       + [("radio button", radio) for radio in radios] + [("slider", "TX-GAIN"), ("push button", "DONE")],
       "settings window")
expect([child.name for child in settings if has(child, pyatspi.STATE_CHECKED)],
       ["Mono", "87.5 - 108MHz(USA,Europe)", "50KHz", "75us(USB,Japan)"], "checked radios")
expect(value_of(control(settings, "TX-GAIN")), (0, 0, 23), "TX-GAIN")
press(control(settings, "close"))
wait(lambda: window("Tessaly Set") is None, "the settings window stayed")
press(control(main, "close"))
