#!/usr/bin/env python3
"""What a screen reader meets in Tarnwick's windows, read through AT-SPI.

  access_tree.py settings | skineditor | eventseditor
      Walks every page of the settings window, every step of the skin editor, or the events
      editor with the parameters of each kind of action, in the running settings program.
      Prints each page's controls (role, name, description; "*" takes the focus) and the order
      Tab visits them, and fails on:
        - a control that takes the focus and has no name;
        - a control whose name a sibling of the same role has too (siblings: the children of
          one parent in the accessible tree, so the controls of one group box are siblings of
          each other and not of those of the next box, whose title a screen reader says on
          entering it);
        - a field (text, spin button, combo box, list) known only by the title of its group
          box, or a combo box only by its value (Qt names them so on Linux and tells their
          label by a relation), while a label beside it labels no control: a label that
          was not made the field's buddy;
        - a colour panel, font panel or link that Tab does not reach.
  access_tree.py menu COUNT
      Opens the running monitor's popup menu COUNT times with Shift+F10, presses Down each
      time and counts the openings in which the highlighted first item said it took the focus.

The window must have the keyboard focus already. Exit status: 0 passed, 1 failed (every
failure on a line "FAIL: window | page | path | role | name | reason"), 2 no such window.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# Key symbols for Atspi.generate_keyboard_event.
TAB, DOWN, ESCAPE, SPACE = 0xFF09, 0xFF54, 0xFF1B, 0x20

# Qt's AT-SPI bridge tells no object names, so the panels are known by their fixed sizes.
COLOUR_PANEL_SIZE = (41, 21)
FONT_PANEL_SIZE = (140, 40)
# What the windows hold, to notice when the harness no longer finds them.
EXPECTED_AT_LEAST = {
    "settings": {"link": 7},
    "skineditor": {"colour panel": 9, "font panel": 3},
}
FIELD_ROLES = {"text", "password text", "spin button", "combo box", "list", "slider"}
# The inner editor or list of these is part of the control; the control carries the name.
COMPOSITE_ROLES = {"spin button", "combo box"}
MENU_ROLES = {"menu item", "menu", "check menu item", "radio menu item"}

_context = GLib.MainContext.default()
_focus_events = []  # (time, accessible) of every object that said it took the focus


def _on_focus(event):
    if event.type.startswith("focus:") or event.detail1 == 1:
        _focus_events.append((time.monotonic(), event.source))


def pump(seconds):
    """Lets AT-SPI deliver its events for a while."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while _context.iteration(False):
            pass
        time.sleep(0.003)


def key(symbol):
    Atspi.generate_keyboard_event(symbol, None, Atspi.KeySynthType.SYM)


def wait_focus(since, seconds):
    """The first object that took the focus after `since`, or None within `seconds`."""
    end = time.monotonic() + seconds
    while True:
        for at, source in _focus_events:
            if at >= since:
                return source
        if time.monotonic() >= end:
            return None
        pump(0.005)


def wait_until(seconds, test):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        result = test()
        if result:
            return result
        pump(0.05)
    return test()


def has_state(acc, state):
    try:
        return acc.getState().contains(state)
    except Exception:  # the object went away
        return False


def action(acc, name):
    """Runs the action of that name; False when the object has none."""
    try:
        actions = acc.queryAction()
    except NotImplementedError:
        return False
    for i in range(actions.nActions):
        if actions.getName(i) == name:
            return actions.doAction(i)
    return False


def press(acc):
    """Presses a button as a keyboard user would when it offers no press action."""
    if action(acc, "Press"):
        return
    action(acc, "SetFocus")
    pump(0.1)
    key(SPACE)


class Node:
    """One showing object of the accessible tree, read once."""

    def __init__(self, acc, parent):
        self.acc = acc
        self.parent = parent
        self.role = acc.getRoleName()
        self.name = acc.name or ""
        self.description = acc.description or ""
        states = acc.getState()
        self.focusable = states.contains(pyatspi.STATE_FOCUSABLE)
        self.sensitive = states.contains(pyatspi.STATE_SENSITIVE)
        try:
            extents = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            self.size = (extents.width, extents.height)
        except NotImplementedError:
            self.size = (0, 0)
        self.children = []
        self.key = acc.path

    def label(self):
        return f"{self.role} '{self.name}'"

    def path(self):
        """The way from the window: group boxes and named objects, the object last."""
        steps = []
        node = self
        while node.parent is not None:
            if node is self or node.name or node.role == "panel":
                steps.append(node.label())
            node = node.parent
        index = self.acc.getIndexInParent()
        return " > ".join(reversed(steps)) + f" #{index}"

    def is_control(self):
        return self.focusable and not (self.parent and self.parent.role in COMPOSITE_ROLES)

    def kind(self):
        """'link', 'colour panel', 'font panel' or None: what Tab must reach."""
        if self.role == "link":
            return "link"
        if self.size == COLOUR_PANEL_SIZE:
            return "colour panel"
        if self.size == FONT_PANEL_SIZE:
            return "font panel"
        return None


def read_tree(acc, parent=None):
    node = Node(acc, parent)
    for child in acc:
        if child is not None and has_state(child, pyatspi.STATE_SHOWING):
            try:
                node.children.append(read_tree(child, node))
            except Exception:  # gone while being read: a page switching
                pass
    return node


def walk(node):
    yield node
    for child in node.children:
        yield from walk(child)


def combo_items(node):
    try:
        return {item.name for child in node.acc for item in child if item is not None}
    except Exception:
        return set()


def related(node, relation_type, role=None):
    """The objects the node points at with that relation (of that role, when given)."""
    try:
        return [relation.getTarget(i)
                for relation in node.acc.getRelationSet()
                if relation.getRelationType() == relation_type
                for i in range(relation.getNTargets())
                if role is None or relation.getTarget(i).getRoleName() == role]
    except Exception:
        return []


def loose_label_reason(control, group):
    """Why a screen reader cannot tell what a field is: it is known only by the title of its
    group box, or (a combo box, which Qt names by its value on Linux) only by its value,
    while a label beside it is tied to no control, a label without its buddy."""
    if control.role not in FIELD_ROLES or related(control, pyatspi.RELATION_LABELLED_BY, "label"):
        return None
    if group.role == "panel" and control.name == group.name:
        known_by = "its group box's title"
    elif control.role == "combo box" and control.name in combo_items(control):
        known_by = "its value"
    else:
        return None
    loose = [n.name for n in group.children if n.role == "label" and n.name
             and n.kind() is None and not related(n, pyatspi.RELATION_LABEL_FOR)]
    if not loose:
        return None
    return (f"known only by {known_by}; the labels beside it label nothing: "
            + ", ".join(f"'{name}'" for name in loose))


def name_failures(root):
    """(node, reasons) of every control a screen reader could not tell apart."""
    found = []
    for node in walk(root):
        controls = [c for c in node.children if c.is_control()]
        for control in controls:
            reasons = []
            twins = [c for c in controls
                     if c is not control and c.role == control.role and c.name == control.name]
            if not control.name.strip():
                reasons.append("no accessible name")
            elif twins:
                reasons.append(f"{len(twins) + 1} {control.role}s beside each other share the "
                               f"name")
            loose = loose_label_reason(control, node) if control.name.strip() else None
            if loose:
                reasons.append(loose)
            if reasons:
                found.append((control, "; ".join(reasons)))
    return found


class Report:
    """Failures of one window, each printed once however many pages show the control."""

    def __init__(self, window):
        self.window = window
        self.seen = set()
        self.count = 0

    def fail(self, page, node, reason):
        if (node.key, reason) in self.seen:
            return  # the same object on another page: the window's own buttons
        self.seen.add((node.key, reason))
        path = node.path()
        self.count += 1
        print(f"FAIL: {self.window} | {page} | {path} | {node.role} | '{node.name}' | {reason}",
              flush=True)

    def note(self, text):
        """A failure of the window as a whole, or one that stopped the walk."""
        self.count += 1
        print(f"FAIL: {self.window} | {text}", flush=True)


def dump(root, page, part=None):
    """Prints the window, or only a part of it (the page of a stack, when the rest of the
    window has been printed with the first page)."""
    print(f"== {page}: {root.label()}"
          + (f" (description '{root.description}')" if root.description else ""))

    def show(node, depth):
        mark = "*" if node.is_control() else " "
        text = f"{mark} {'  ' * depth}{node.label()}"
        if node.description:
            text += f" (description '{node.description}')"
        if not node.sensitive:
            text += " [unavailable]"
        print(text)
        for child in node.children:
            show(child, depth + 1)

    for child in (part or root).children:
        show(child, 0)


def owner(acc, nodes):
    """The control of the tree that the focused object belongs to (a spin box's editor is the
    spin box's)."""
    while acc is not None:
        if acc.path in nodes:
            return nodes[acc.path]
        acc = acc.parent
    return None


class Keyboard:
    """Moves the focus round a window with Tab as a keyboard user does."""

    def __init__(self, root):
        self.nodes = {n.key: n for n in walk(root)}
        self.controls = [n for n in walk(root) if n.is_control()]
        self.current = None

    def tab(self):
        """Presses Tab; answers the control that took the focus and whether Tab stayed in
        the one before (a text that takes tabs as typing), from which the focus is then put
        on the next control in the window's order. None when the focus does not move."""
        since = time.monotonic()
        key(TAB)
        source = wait_focus(since, 0.6)
        if source is None and self.current and not has_state(self.current.acc,
                                                              pyatspi.STATE_FOCUSED):
            source = wait_focus(since, 3)  # the focus moved; its event is late
        trapped = False
        if source is not None:
            self.current = owner(source, self.nodes)
        elif self.current in self.controls:
            trapped = True
            after = self.controls[self.controls.index(self.current) + 1:]
            self.current = next((n for n in after if action(n.acc, "SetFocus")), None)
            pump(0.2)
        else:
            self.current = None
        return self.current, trapped


def tab_walk(root, report, page):
    """Presses Tab around the window once; returns the controls reached, in order."""
    keyboard = Keyboard(root)
    reached = []
    for _ in range(2 * len(keyboard.controls) + 4):
        before = keyboard.current
        control, trapped = keyboard.tab()
        if trapped:
            report.fail(page, before, "Tab does not leave it")
        if control is None:
            break  # nothing takes the focus, or only one control
        if reached and control is reached[0] and len(reached) > 1:
            break  # round the window once
        if control not in reached:
            reached.append(control)
    return reached


def tab_to(root, target):
    """Presses Tab until the target has the focus; False when it never gets it."""
    keyboard = Keyboard(root)
    for _ in range(2 * len(keyboard.controls) + 4):
        control, _ = keyboard.tab()
        if control is target:
            return True
    return False


def check_page(root, page, report, found, part=None):
    """Names, Tab and the printout of the page showing now; counts what Tab must reach."""
    dump(root, page, part)
    for node, reason in name_failures(root):
        report.fail(page, node, reason)
    reached = tab_walk(root, report, page)
    print("   Tab: " + " -> ".join(n.label() for n in reached))
    for node in walk(root):
        kind = node.kind()
        if kind is None or not node.sensitive:
            continue
        found[kind] = found.get(kind, 0) + 1
        if node not in reached:
            report.fail(page, node, f"{kind} not reached with Tab")


def find_window(app_name, title=None, seconds=15):
    """The showing window of that title (any, without one) of the program."""
    def look():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None or app.name != app_name:
                continue
            # Read every state and name anew: Qt tells the changes only to those listening
            # for them, so what libatspi keeps would go stale.
            app.set_cache_mask(Atspi.Cache.NONE)
            for window in app:
                if (window is not None and title in (None, window.name)
                        and has_state(window, pyatspi.STATE_SHOWING)):
                    return window
        return None

    return wait_until(seconds, look)


def showing_child(acc):
    """The index of the showing child (the page of a stack), or None."""
    for i, child in enumerate(acc):
        if child is not None and has_state(child, pyatspi.STATE_SHOWING):
            return i
    return None


def first_of_role(root, role):
    return next((n for n in walk(root) if n.role == role), None)


def named(root, role, name):
    return next((n for n in walk(root) if n.role == role and n.name == name), None)


def settings_pages(window, report, found):
    """The pages in turn, as the keyboard reaches them: Down on the page button that has the
    focus ticks the next one (only the ticked button of the group is in the Tab chain)."""
    root = read_tree(window)
    stack = first_of_role(root, "layered pane")
    buttons = [c.acc for c in root.children if c.role == "check box"]
    if stack is None or not buttons:
        report.note("no page buttons or pages found")
        return
    ticked = lambda: next((b for b in buttons if has_state(b, pyatspi.STATE_CHECKED)), None)
    for number in range(len(buttons)):
        if number:
            before = showing_child(stack.acc)
            action(ticked(), "SetFocus")
            pump(0.1)
            key(DOWN)
            if not wait_until(3, lambda: showing_child(stack.acc) != before):
                report.note(f"Down on the page button '{ticked().name}' showed no other page")
                return
            pump(0.2)
        root = read_tree(window)
        check_page(root, f"page '{ticked().name}'", report, found,
                   first_of_role(root, "layered pane") if number else None)
    # What a screen reader runs to activate the first page button.
    before = showing_child(stack.acc)
    action(buttons[0], "Toggle")
    if not wait_until(2, lambda: showing_child(stack.acc) != before):
        report.note(f"the page button '{buttons[0].name}': its action 'Toggle' ticks it but "
                    f"shows no other page")


def skin_steps(window, report, found):
    for step in range(1, 11):
        root = read_tree(window)
        stack = first_of_role(root, "layered pane")
        title = first_of_role(root, "label")
        page = f"step {step} '{title.name if title else ''}'"
        check_page(root, page, report, found, stack if step > 1 else None)
        following = named(root, "push button", "Next")
        if following is None or stack is None:
            return
        # Building an icons file needs pictures of digits; the standard icons need nothing.
        standard = named(root, "radio button", "Use standard icons")
        if standard is not None:
            press(standard.acc)
            pump(0.3)
        before = showing_child(stack.acc)
        press(following.acc)
        if not wait_until(3, lambda: showing_child(stack.acc) != before):
            report.note(f"{page}: \"Next\" led to no other step")
            return
        pump(0.2)


def events_actions(window, report, found):
    """The editor with "No action" chosen, then with each of the next four kinds of action,
    each of which shows parameters of its own; the keyboard chooses them."""
    for turn in range(5):
        root = read_tree(window)
        combo = next((n for n in walk(root)
                      if n.role == "combo box" and "No action" in combo_items(n)), None)
        stack = first_of_role(root, "layered pane")
        if combo is None or stack is None:
            report.note("no combo box of actions or no parameters found")
            return
        shown = stack.children[0] if stack.children else None
        title = next((n.name for n in walk(shown) if n.name), "") if shown else ""
        check_page(root, f"action {turn + 1}, parameters '{title}'", report, found,
                   stack if turn else None)
        if turn == 4:
            return
        if not tab_to(root, combo):
            report.note("Tab does not reach the combo box of actions")
            return
        before = showing_child(stack.acc)
        key(DOWN)
        if not wait_until(3, lambda: showing_child(stack.acc) != before):
            report.note(f"the next action after '{title}' shows no other parameters")
            return
        pump(0.2)


def check_windows(mode):
    title, walker = {
        "settings": ("Tarnwick Settings", settings_pages),
        "skineditor": ("Skins editor", skin_steps),
        "eventseditor": ("Events editor", events_actions),
    }[mode]
    window = find_window("TarnwickCfg", title)
    if not window:
        print(f"FAIL: no window '{title}' of TarnwickCfg reached AT-SPI", flush=True)
        return 2
    pyatspi.Registry.registerEventListener(_on_focus, "object:state-changed:focused")
    pump(0.3)
    report = Report(title)
    found = {}
    walker(window, report, found)
    for kind, least in EXPECTED_AT_LEAST.get(mode, {}).items():
        if found.get(kind, 0) < least:
            report.note(f"found {found.get(kind, 0)} {kind}s, the window has {least}")
    print(f"{title}: {report.count} failures")
    return 1 if report.count else 0


class Popups:
    """The popup menus that show and hide (they are no children of the program's object)."""

    def __init__(self):
        self.events = []  # (time, menu, shown)
        pyatspi.Registry.registerEventListener(self._on_showing, "object:state-changed:showing")

    def _on_showing(self, event):
        try:
            if event.source.getRoleName() == "popup menu":
                self.events.append((time.monotonic(), event.source, event.detail1 == 1))
        except Exception:
            pass

    def wait(self, since, shown, seconds=2):
        """The menu that showed (or hid) after `since`, or None."""
        def look():
            return next((m for at, m, s in self.events if at >= since and s == shown), None)

        return wait_until(seconds, look)


def check_menu(count):
    window = find_window("Tarnwick")  # named by its readings
    if not window:
        print("FAIL: the monitor's window did not reach AT-SPI", flush=True)
        return 2
    popups = Popups()
    renamed = []
    pyatspi.Registry.registerEventListener(_on_focus, "object:state-changed:focused", "focus:")
    pyatspi.Registry.registerEventListener(lambda e: renamed.append(time.monotonic()),
                                           "object:property-change:accessible-name")
    pump(0.5)
    dump(read_tree(window), "the monitor's window")
    heard = 0
    renamed_open = 0
    for opening in range(1, count + 1):
        opened = time.monotonic()
        subprocess.run(["xdotool", "key", "shift+F10"], check=True)
        menu = popups.wait(opened, True)
        pump(0.2)
        since = time.monotonic()
        key(DOWN)
        source = wait_focus(since, 2)
        pump(0.05)
        if menu is not None and opening == 1:
            dump(read_tree(menu), "its popup menu")
        first = next((item for item in (menu or []) if item is not None
                      and item.getRoleName() in MENU_ROLES
                      and has_state(item, pyatspi.STATE_SENSITIVE)), None)
        renamed_open += sum(1 for at in renamed if at >= opened)
        renamed.clear()
        closing = time.monotonic()
        key(ESCAPE)
        popups.wait(closing, False)
        pump(0.1)
        if menu is None:
            print(f"opening {opening}: Shift+F10 opened no menu")
        elif source is not None and first is not None and source.path == first.path:
            heard += 1
            print(f"opening {opening}: the first item, '{first.name}', took the focus")
        else:
            said = "nothing" if source is None else f"{source.getRoleName()} '{source.name}'"
            print(f"opening {opening}: after Down, {said} took the focus")
    print(f"The first menu item took the focus in {heard} of {count} openings; the window's "
          f"name (its readings) changed {renamed_open} times while they were open.")
    if heard < count:
        print(f"FAIL: Tarnwick | popup menu | only {heard} of {count} openings told a screen "
              f"reader which item is highlighted", flush=True)
        return 1
    return 0


def main():
    if len(sys.argv) >= 2 and sys.argv[1] == "menu":
        return check_menu(int(sys.argv[2]) if len(sys.argv) > 2 else 20)
    if len(sys.argv) == 2 and sys.argv[1] in ("settings", "skineditor", "eventseditor"):
        return check_windows(sys.argv[1])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
