# SPDX-License-Identifier: EUPL-1.2
# The window as a screen reader finds it through AT-SPI: the tree dumped, every control the
# keyboard reaches named once and cleanly, no field hidden among them, and the results of
# "Calcul du GIR" and "Vérifier" among the keyboard's stops, named; the help's headings and
# links exposed, its caret moved by them and by Tab. (Without a window manager
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
    print(f"no application {name} on the accessibility bus", file=sys.stderr)
    sys.exit(3)


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


program = application("aggir")
window = program[0]
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



def help_window():
    for _ in range(50):
        for node in program:
            if node is not None and node.name == "Aide de la calculette AGGIR":
                return node
        time.sleep(0.1)
    return None


# The help: its headings and links are nodes of their own, a heading takes the caret to it,
# and from the title Tab goes to the first link.
press(window, "Aide = F1")
viewer = help_window()
check(viewer is not None, "no help window")
parts = nodes(viewer) if viewer else []
for node in parts:
    print(f"help: {node.getRoleName()} \"{node.name}\"")
headings = {n.name: n for n in parts if n.getRoleName() == "heading"}
links = [n.name for n in parts if n.getRoleName() == "link"]
texts = [n for n in parts if n.name == "Texte de l'aide"]
check("Calculette AGGIR" in headings and "Le clavier" in headings, f"help headings {list(headings)}")
first_links = ["Identité", "Toutes les écritures", "Coder une activité"]
check(links[:3] == first_links and all(links), f"help links {links}")
check(len(texts) == 1, "no help text named")
if texts and "Le clavier" in headings:
    text = texts[0].queryText()
    headings["Le clavier"].queryAction().doAction(0)
    caret = text.caretOffset
    check(text.getText(caret, caret + len("Le clavier")) == "Le clavier",
          f"the caret at \"{text.getText(caret, caret + 20)}\", not on its heading")
    headings["Calculette AGGIR"].queryAction().doAction(0)
    pyatspi.Registry.generateKeyboardEvent(0xff09, None, pyatspi.KEY_SYM)  # Tab
    time.sleep(0.5)
    selected = text.getText(*text.getSelection(0)) if text.getNSelections() else ""
    check(selected == "Identité", f"Tab from the title selects \"{selected}\"")

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
