# SPDX-License-Identifier: EUPL-1.2
# The window as a screen reader finds it through AT-SPI: the tree dumped, every control the
# keyboard reaches named once and cleanly, no field hidden among them, and the results of
# "Calcul du GIR" and "Vérifier" among the keyboard's stops, named. (Without a window manager
# the window is never active, so no node is focused: AccessibilityTest.ResultsTakeTheFocus
# holds where the focus goes.)
import sys
import time

import pyatspi

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def application(name):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"no application {name} on the accessibility bus")


def nodes(root):
    found = [root]
    for child in root:
        if child is not None:
            found += nodes(child)
    return found


def has(node, state):
    return node.getState().contains(state)


def reachable(root, name):
    for _ in range(50):
        for node in nodes(root):
            if node.name == name and has(node, pyatspi.STATE_FOCUSABLE) and has(
                    node, pyatspi.STATE_SHOWING):
                return True
        time.sleep(0.1)
    return False


def press(root, name):
    for node in nodes(root):
        if node.getRoleName() == "push button" and node.name == name:
            node.queryAction().doAction(0)
            return
    failures.append(f"no button {name}")


window = application("aggir")[0]
stops = {}
for node in nodes(window):
    state = node.getState()
    print(f"{node.getRoleName()} \"{node.name}\" focusable={int(has(node, pyatspi.STATE_FOCUSABLE))}"
          f" showing={int(has(node, pyatspi.STATE_SHOWING))}")
    check(node.name == " ".join(node.name.split()), f"blanks in \"{node.name}\"")
    check(node.name != "AGGIR" and node.name != " AGGIR", f"a {node.getRoleName()} named AGGIR")
    if not has(node, pyatspi.STATE_FOCUSABLE):
        continue
    parent = node.parent
    hidden = not has(node, pyatspi.STATE_VISIBLE)
    check(not (hidden and parent is not None and has(parent, pyatspi.STATE_VISIBLE)),
          f"hidden {node.getRoleName()} \"{node.name}\" takes the focus")
    if has(node, pyatspi.STATE_SHOWING):
        check(node.name != "", f"unnamed {node.getRoleName()}")
        check(node.name not in stops, f"two controls named \"{node.name}\"")
        stops[node.name] = node

for button, result in (("Calcul du GIR", "Groupe iso-ressources 6"),
                       ("Vérifier", "Aucune incohérence évidente dans cette évaluation")):
    press(window, button)
    check(reachable(window, result), f"after {button}, no \"{result}\" to reach")

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
