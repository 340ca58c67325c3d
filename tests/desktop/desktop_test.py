#!/usr/bin/python3
"""The real program on an X desktop, as a student with a window manager and as a
screen reader see it: menu buttons pressed through their accessibility action, numbers
typed with xdotool, windows activated through the window manager, boxes read through
AT-SPI.

    desktop_test.py PROGRAM [--activation-only]
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 10  # seconds for anything to happen on the desktop
SERIES = [3, 1, 4, 1, 5, 9, 2, 6, 5, 3]  # the ten numbers of frmej01


def wait_for(what, check, timeout=TIMEOUT):
    """Polls check, delivering AT-SPI events meanwhile, until it gives a true value."""
    deadline = time.monotonic() + timeout
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        value = check()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True,
                          timeout=TIMEOUT).stdout.split()


class Desktop:
    def __init__(self, program):
        # Listening before the program starts: it learns of the listener as it joins the bus.
        self.renamed = []
        pyatspi.Registry.registerEventListener(self.heard_rename, "object:property-change:accessible-name")
        self.popup = None
        pyatspi.Registry.registerEventListener(self.heard_popup, "object:state-changed:showing")
        self.xlogo = subprocess.Popen(["xlogo"], stderr=subprocess.DEVNULL)
        self.program = subprocess.Popen([program])
        self.app = wait_for("the program on the accessibility bus", self.find_app)
        self.menu = self.frame("Ejercicios 2005")

    def heard_rename(self, event):
        # Qt sends the object's path, not its new name, as the event's data: the name is
        # read from the event's source as the event arrives.
        try:
            event.source.clear_cache()
            self.renamed.append((event.source, event.source.name))
        except GLib.Error:  # renamed, then gone with its window
            pass

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clear_cache()
        for app in desktop:
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None

    def frames(self):
        self.app.clear_cache()
        shown = []
        for w in self.app:
            try:
                if w is not None and w.getRole() == pyatspi.ROLE_FRAME and w.getState().contains(pyatspi.STATE_SHOWING):
                    shown.append(w)
            except GLib.Error:  # a window that closed while we looked
                pass
        return shown

    def frame(self, caption):
        return wait_for(f"the window {caption}",
                        lambda: next((w for w in self.frames() if w.name == caption), None))

    def press(self, control):
        action = control.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)

    def press_menu(self, caption):
        self.press(find(self.menu, caption, pyatspi.ROLE_PUSH_BUTTON))

    def activate(self, title):
        """Activates a window through the window manager, as a click on it would."""
        window = wait_for(f"the X window {title}", lambda: self.x_window(title))
        xdotool("windowactivate", "--sync", window)

    def active_title(self):
        """The caption of the window the window manager has made active."""
        return " ".join(xdotool("getactivewindow", "getwindowname"))

    def heard_popup(self, event):
        # A popup menu is no child of the application on the bus: it is known by its showing.
        try:
            if event.detail1 and event.source.getRole() == pyatspi.ROLE_POPUP_MENU:
                self.popup = event.source
        except GLib.Error:  # shown, then gone already
            pass

    def choose_from_menu(self, title, entry):
        """Right-clicks the window, then clicks the entry of the menu that opens, as a
        student does."""
        window = wait_for(f"the X window {title}", lambda: self.x_window(title))
        self.popup = None
        xdotool("mousemove", "--window", window, "4", "4", "click", "3")
        menu = wait_for(f"the context menu of {title}", lambda: self.popup)
        box = find(menu, entry, pyatspi.ROLE_MENU_ITEM).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
        wait_for(f"the context menu of {title} to close", lambda: not showing(menu))

    @staticmethod
    def x_window(title):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                               capture_output=True, text=True, timeout=TIMEOUT).stdout.split()
        return found[0] if found else None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def find(frame, name, role):
    for node in descendants(frame):
        if node.name == name and node.getRole() == role:
            return node
    raise AssertionError(f"no {role} named {name!r} in {frame.name}")


def exit_button(frame):
    """The window's exit button, "SALIR" or "Salir"."""
    for node in descendants(frame):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name.lower() == "salir":
            return node
    raise AssertionError(f"no exit button in {frame.name}")


def showing(node):
    try:
        node.clear_cache()
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.Error:  # gone with its window
        return False


def text_of(box):
    return box.queryText().getText(0, -1)


class Frmej01:
    """The exercise window of a ten-number sum, opened from the menu, typed into through X.
    A complete series locks it until it is closed."""

    def __init__(self, desktop):
        self.desktop = desktop
        desktop.press_menu("Ejercicio 01")
        self.frame = desktop.frame("Ejercicio 01")
        self.input = find(self.frame, "Ingrese", pyatspi.ROLE_TEXT)
        self.sum = find(self.frame, "Suma", pyatspi.ROLE_TEXT)
        self.activate()

    def activate(self):
        self.desktop.activate("Ejercicio 01")

    def enter(self, numbers):
        for n in numbers:
            xdotool("type", "--delay", "10", str(n))
            wait_for(f"{n} in the box", lambda: text_of(self.input) == str(n))
            xdotool("key", "Return")
            # An accepted value leaves the box empty; the last one of a series, the results.
            wait_for(f"{n} accepted", lambda: text_of(self.input) == "" or text_of(self.sum))

    def expect_sum(self, numbers):
        expected = str(sum(numbers)) if numbers else ""
        wait_for(f"the sum {expected!r}, shown {text_of(self.sum)!r}", lambda: text_of(self.sum) == expected, 2)

    def visit_the_menu(self):
        self.desktop.activate("Ejercicios 2005")
        self.activate()

    def expect_active(self):
        wait_for(f"frmej01 active, not {self.desktop.active_title()!r}",
                 lambda: self.desktop.active_title() == "Ejercicio 01", 2)

    def close(self):
        self.desktop.press(exit_button(self.frame))
        wait_for("frmej01 to close", lambda: "Ejercicio 01" not in {w.name for w in self.desktop.frames()})


def check(title, steps):
    steps()
    print(f"ok   {title}")


def survives_another_application(desktop):
    ej01 = Frmej01(desktop)
    ej01.enter(SERIES[:3])
    desktop.activate("xlogo")
    ej01.activate()
    ej01.enter(SERIES[3:])
    ej01.expect_sum(SERIES)
    ej01.close()


def restarts_after_the_menu(desktop):
    ej01 = Frmej01(desktop)
    ej01.enter(SERIES[:3])
    ej01.visit_the_menu()
    ej01.enter(SERIES[3:])
    ej01.expect_sum([])  # seven values of a new series: not complete
    ej01.enter(SERIES[:3])
    ej01.expect_sum(SERIES[3:] + SERIES[:3])
    ej01.close()


def survives_f2(desktop):
    """F2 opens the desk check beside the window, which keeps the keyboard and its series;
    the desk check goes with its window."""
    trace = "Prueba de escritorio - Ejercicio 01"
    ej01 = Frmej01(desktop)
    ej01.enter(SERIES[:3])
    xdotool("key", "F2")
    wait_for("the desk check beside frmej01", lambda: trace in {w.name for w in desktop.frames()})
    ej01.enter(SERIES[3:])  # typed on, with no click: the exercise window kept the focus
    ej01.expect_sum(SERIES)
    ej01.close()
    wait_for("the desk check to close with its window", lambda: trace not in {w.name for w in desktop.frames()})


def survives_f1_and_the_context_menu(desktop):
    """F1 opens the help and the right-click's menu does what the keys do, in the middle of
    a series: the exercise window stays active, keeps the keyboard and its series."""
    help = "Ayuda - Ejercicios 2005"
    ej01 = Frmej01(desktop)
    ej01.enter(SERIES[:3])
    xdotool("key", "F1")
    wait_for("the help", lambda: help in {w.name for w in desktop.frames()})
    ej01.expect_active()
    ej01.enter(SERIES[3:5])  # typed on, with no click
    desktop.choose_from_menu("Ejercicio 01", "Ayuda (F1)")
    wait_for("the help to close", lambda: help not in {w.name for w in desktop.frames()})
    desktop.choose_from_menu("Ejercicio 01", "Ampliar (Ctrl++)")
    desktop.choose_from_menu("Ejercicio 01", "Tamaño normal (Ctrl+0)")
    ej01.expect_active()
    ej01.enter(SERIES[5:])
    ej01.expect_sum(SERIES)
    ej01.close()


def frame_of(title):
    """The window's outside on the screen, its title bar included: x, y, width, height."""
    window = wait_for(f"the X window {title}", lambda: Desktop.x_window(title))
    frame = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"], capture_output=True, text=True,
                           timeout=TIMEOUT).stdout
    left, right, top, bottom = (int(n) for n in re.findall(r"\d+", frame.split("=")[-1]))
    geometry = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window) if "=" in line)
    return (int(geometry["X"]) - left, int(geometry["Y"]) - top,
            int(geometry["WIDTH"]) + left + right, int(geometry["HEIGHT"]) + top + bottom)


def zoom_keeps_each_window_in_place(desktop):
    """Several windows and a desk check open, every step up and back: each window keeps the
    corner it was moved to, moved in only as far as the screen needs, its title bar always
    on the screen, and is back there at 100 %; the desk check's title bar stays on the screen."""
    trace = "Prueba de escritorio - Ejercicio 01"
    ej01 = Frmej01(desktop)
    corners = {"Ejercicios 2005": (300, 120), "Ejercicio 01": (700, 500)}
    for title, (x, y) in corners.items():
        xdotool("windowmove", "--sync", desktop.x_window(title), str(x), str(y))
    ej01.activate()
    xdotool("key", "F2")
    desktop.frame(trace)
    width, height = (int(n) for n in xdotool("getdisplaygeometry"))
    for keys in ["ctrl+plus"] * 6 + ["ctrl+minus"] * 6:
        xdotool("key", keys)
        for title, (x, y) in corners.items():
            def in_place():
                left, top, w, h = frame_of(title)
                if left < 0 or top < 0:  # its title bar off the screen
                    return False
                if w > width or h > height:  # too large: its top-left part on the screen, title bar first
                    return left <= 2 and top < 40
                # Within a pixel or two across (the borders as the program knows them) and a title
                # bar's height down: openbox may add it after the program placed a resized window.
                return abs(left - max(0, min(x, width - w))) <= 2 and 0 <= top - max(0, min(y, height - h)) <= 24
            wait_for(f"{title} at its corner after {keys}, at {frame_of(title)}", in_place, 2)
        left, top, w, h = frame_of(trace)
        assert 0 <= left < width and 0 <= top < height, f"desk check at {left, top, w, h}"
    ej01.close()


def algorithm_is_read(desktop):
    """The algorithm beside the desk check reaches a screen reader: its name, its text as
    its file holds it, and the marks of each event as its description."""
    ej01 = Frmej01(desktop)
    xdotool("key", "F2")
    trace = desktop.frame("Prueba de escritorio - Ejercicio 01")
    pane = wait_for("the algorithm beside the desk check",
                    lambda: next((n for n in descendants(trace) if n.name == "Algoritmo - Ejercicio 01"), None))
    assert text_of(pane).startswith("Algoritmo Ejercicio01\n\t// Variables"), repr(text_of(pane)[:40])

    def described(marks):
        def read():
            pane.clear_cache()
            return pane.description == marks
        wait_for(f"the marks {marks!r}, read {pane.description!r}", read, 2)

    described("Ejecutó las líneas 3, 4, 7, 10 (→ Verdadero), 11. Espera el próximo valor en la línea 12.")
    ej01.enter(SERIES[:1])
    described("Ejecutó las líneas 10 (→ Verdadero), 11, 12, 14. Espera el próximo valor en la línea 12.")
    marks = pane.description
    ej01.close()
    return marks


def refusal_is_heard(desktop):
    ej01 = Frmej01(desktop)
    xdotool("type", "abc")
    xdotool("key", "Return")

    def refusal():  # a label of the window now says why "abc" was refused
        return next((text for source, text in desktop.renamed
                     if "abc" in text and source.getRole() == pyatspi.ROLE_LABEL and source.parent == ej01.frame),
                    None)

    text = wait_for("the refusal's name-change event", refusal)
    pyatspi.Registry.deregisterEventListener(desktop.heard_rename, "object:property-change:accessible-name")
    ej01.close()
    return text


def every_window_is_a_named_frame(desktop):
    buttons = [b for b in descendants(desktop.menu)
               if b.getRole() == pyatspi.ROLE_PUSH_BUTTON and b.name.startswith("Ejercicio ")]
    assert len(buttons) == 70, f"{len(buttons)} exercise buttons in the menu"
    for button in buttons:
        before = desktop.frames()
        desktop.press(button)
        frame = wait_for(f"the window of {button.name}",
                         lambda: next((w for w in desktop.frames() if w not in before), None))
        wait_for(f"{button.name}: an X window titled {frame.name!r}", lambda: desktop.x_window(frame.name))
        controls = list(descendants(frame))
        unnamed = [c.getRoleName() for c in controls if not c.name.strip()]
        assert len(controls) >= 3 and not unnamed, f"{frame.name}: {len(controls)} controls, unnamed: {unnamed}"
        desktop.press(exit_button(frame))
        wait_for(f"{frame.name} to close", lambda: frame not in desktop.frames())


def salir_ends_the_program(desktop):
    desktop.press_menu("Salir")
    code = desktop.program.wait(TIMEOUT)
    assert code == 0, f"the program ended with {code}"


def main():
    program, activation_only = sys.argv[1], "--activation-only" in sys.argv
    started = time.monotonic()
    desktop = Desktop(program)
    try:
        assert desktop.menu.getRole() == pyatspi.ROLE_FRAME, desktop.menu.getRoleName()
        check("a half-entered series survives a switch to xlogo and back", lambda: survives_another_application(desktop))
        check("a half-entered series restarts after a visit to the menu", lambda: restarts_after_the_menu(desktop))
        check("F2 opens the desk check; the exercise window keeps its half-entered series", lambda: survives_f2(desktop))
        check("F1 and the context menu leave the exercise window active with its half-entered series",
              lambda: survives_f1_and_the_context_menu(desktop))
        check("the zoom keeps each window's corner and every title bar on the screen",
              lambda: zoom_keeps_each_window_in_place(desktop))
        if not activation_only:
            print(f"ok   a refusal reaches an AT-SPI listener: {refusal_is_heard(desktop)!r}")
            print(f"ok   the algorithm beside the desk check reads through AT-SPI: {algorithm_is_read(desktop)!r}")
            check("all seventy windows are frames named by their caption, every control named",
                  lambda: every_window_is_a_named_frame(desktop))
        check("\"Salir\" ends the program", lambda: salir_ends_the_program(desktop))
    finally:
        for process in (desktop.program, desktop.xlogo):
            if process.poll() is None:
                process.kill()
    print(f"passed in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    main()
