# Reads and uses the running program through AT-SPI only, as a screen reader does: names, roles and states,
# the read-out's announcements, slider values, a value set on PA-VALUE, Press actions; ends it by "close".
import sys
import time

import pyatspi
from gi.repository import GLib

announced = []
pyatspi.Registry.registerEventListener(
    lambda event: announced.append(event.source.name), "object:property-change:accessible-name")


def wait(found, what):
    for _ in range(200):
        while GLib.MainContext.default().iteration(False):
            pass
        if found():
            return found()
        time.sleep(0.05)
    sys.exit("FAIL: " + what)


def window(title):
    apps = [app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Tessaly"]
    return next((w for app in apps for w in app if w and w.name == title), None)


def listed(parent):
    # The same role is "push button" in Debian 12's AT-SPI and "button" in Debian 13's.
    return [("push button" if child.getRole() == pyatspi.ROLE_PUSH_BUTTON else child.getRoleName(), child.name)
            for child in parent]


def control(parent, name):
    return next(child for child in parent if child.name == name)


def checked(parent, name):
    return control(parent, name).getState().contains(pyatspi.STATE_CHECKED)


def press(parent, name):
    action = control(parent, name).queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))


def value(parent, name):
    slider = control(parent, name).queryValue()
    return (slider.currentValue, slider.minimumValue, slider.maximumValue)


main = wait(lambda: window("Tessaly"), "no window Tessaly on the accessibility bus")
assert listed(main) == [("label", "Tessaly Ver1.2.1")] + [("push button", n) for n in ("minimize", "max", "close")] + [
    ("check box", "Transmit"), ("check box", "Mute"), ("push button", "Frequency down"),
    ("push button", "Frequency up"), ("push button", "Settings"), ("slider", "PA-VALUE"),
    ("label", "Off air")], listed(main)
assert control(main, "minimize").getState().contains(pyatspi.STATE_FOCUSED)
assert not checked(main, "Transmit") and value(main, "PA-VALUE") == (120, 30, 120)
press(main, "Transmit")
wait(lambda: checked(main, "Transmit") and "90.00 MHz" in announced, "on air not shown or announced")
press(main, "Frequency up")
wait(lambda: listed(main)[-1] == ("label", "90.05 MHz") and "90.05 MHz" in announced, "no step announced")
control(main, "PA-VALUE").queryValue().currentValue = 100
wait(lambda: value(main, "PA-VALUE")[0] == 100, "PA-VALUE not set")
press(main, "Mute")
wait(lambda: checked(main, "Mute"), "Mute not checked once muted")

press(main, "Settings")
settings = wait(lambda: window("Tessaly Set"), "no settings window")
radios = ["Stereo", "Mono", "87.5 - 108MHz(USA,Europe)", "76 - 90MHz(Japan)", "200KHz(USA)",
          "100KHz(Europe,Japan)", "50KHz", "50us(Europe,Australia)", "75us(USB,Japan)"]
assert listed(settings) == [("label", "Tessaly Set"), ("push button", "close")] + [
    ("panel", box) for box in ("Stereo/Mono", "Band", "Spacing", "De-emphasis")] + [
    ("radio button", radio) for radio in radios] + [("slider", "TX-GAIN"), ("push button", "DONE")], listed(settings)
assert [r for r in radios if checked(settings, r)] == ["Mono", "87.5 - 108MHz(USA,Europe)", "50KHz", "75us(USB,Japan)"]
assert value(settings, "TX-GAIN") == (0, 0, 23)
press(settings, "close")
wait(lambda: window("Tessaly Set") is None, "the settings window stayed")
press(main, "close")
