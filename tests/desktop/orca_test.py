#!/usr/bin/python3
"""What a blind student hears: the real Orca screen reader, its speech and braille off,
logs each utterance to its debug file; the program is driven from the keyboard with
xdotool, as such a student drives it, one window of each family.

    orca_test.py PROGRAM

With EJ_ORCA_LOG=FILE, Orca's whole debug log is kept in FILE, to see why it said what
it said (or nothing).
"""
import os
import re
import subprocess
import sys
import tempfile
import threading
import time
import tty

import pyatspi

from desktop_test import Desktop, find, wait_for, xdotool

# What Orca says of a key typed ("a ", "return ") is not the program's.
KEY_ECHO = re.compile(r"\S+ ")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'established")


class Orca:
    """Orca with speech and braille off, its debug log read as it is written: Orca
    buffers the file it is given unless it is a terminal, so it is given one."""

    def __init__(self):
        home = tempfile.mkdtemp()  # settings of its own, none of the machine's
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data")
        master, terminal = os.openpty()
        tty.setraw(terminal)
        self.log, self.lock = [], threading.Lock()
        threading.Thread(target=self.listen, args=(master,), daemon=True).start()
        self.process = subprocess.Popen(["orca", "--replace", "-d", "speech", "-d", "braille",
                                         f"--debug-file={os.ttyname(terminal)}"], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("Orca to start", lambda: "Startup complete" in self.read(), 30)

    def listen(self, master):
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:  # Orca has ended
                return
            with self.lock:
                self.log.append(chunk.decode("utf-8", errors="replace"))

    def read(self):
        with self.lock:
            return "".join(self.log)

    def utterances(self):
        said = (m.group(1) for m in SPOKEN.finditer(self.read()))
        return [s for s in said if not KEY_ECHO.fullmatch(s)]

    def after(self, action, *expected, settle=0.6):
        """Runs action, then waits until Orca has said each expected text, in that order,
        and for a moment more; returns all it said meanwhile, keys typed left out."""
        start = len(self.utterances())
        action()
        try:
            wait_for(f"Orca to say {expected!r}", lambda: said_in_order(self.utterances()[start:], expected))
        except AssertionError as e:
            raise AssertionError(f"{e}; it said {self.utterances()[start:]}") from None
        time.sleep(settle)
        said = self.utterances()[start:]
        print(f"  Orca: {said}")
        for text in expected:
            heard = [s for s in said if text in s]
            assert len(heard) == 1, f"{text!r} said {len(heard)} times: {said}"
        return said

    def stop(self):
        if os.environ.get("EJ_ORCA_LOG"):
            with open(os.environ["EJ_ORCA_LOG"], "w") as f:
                f.write(self.read())
        self.process.kill()
        self.process.wait(10)


def said_in_order(said, expected):
    i = 0
    for s in said:
        if i < len(expected) and expected[i] in s:
            i += 1
    return i == len(expected)


def notifications(said):
    return [s for s in said if s.startswith("notification ")]


def key(*keys):
    return lambda: xdotool("key", "--delay", "60", *keys)


def then(*actions):
    return lambda: [a() for a in actions]


def typed(*values):
    """Each value typed, then Enter."""
    return lambda: [(xdotool("type", "--delay", "20", "--", str(v)), xdotool("key", "Return")) for v in values]


class Student:
    def __init__(self, desktop, orca):
        self.desktop, self.orca = desktop, orca

    def open(self, caption, statement, prompt):
        """From the menu, by its button's keyboard focus and the space bar."""
        self.desktop.activate("Ejercicios 2005")
        button = find(self.desktop.menu, caption, pyatspi.ROLE_PUSH_BUTTON)
        self.orca.after(lambda: button.queryComponent().grabFocus(), f"{caption} push button")
        said = self.orca.after(key("space"), f"{caption} frame", statement, f"{prompt} text")
        assert not notifications(said), said

    def says(self, action, *expected):
        said = self.orca.after(action, *expected)
        heard = notifications(said)
        wanted = [e for e in expected if e.startswith("notification ")]
        assert len(heard) == len(wanted), f"expected the notifications {wanted}, heard {heard}"
        return said


def series_window(student):
    """Exercise 13: a refusal, said once and never again; the desk check opened, reached,
    walked and left from the keyboard mid-series, without a reset; the results."""
    student.open("Ejercicio 13", "Ingrese 12 números. Por fin de programa mostrar el mayor y el orden en que ingresó.",
                 "Ingrese")
    student.says(typed("abc"), "notification El valor abc no es numérico")
    student.says(then(typed(5, 3, 10), key("F2")), "notification Prueba de escritorio abierta: F6 va a ella")
    # Its newest row, then the one before it: the value typed, what became of it, the state.
    student.says(key("F6"), "Prueba de escritorio - Ejercicio 13 frame", "table with 5 rows", "aceptado")
    student.says(key("Up"), "aceptado")
    # Its algorithm, from the line where it waits for the next value.
    student.says(key("Tab"), "Algoritmo - Ejercicio 13", "Leer valor;", "Espera el próximo valor en la línea 10")
    student.says(key("Escape"), "Ejercicio 13 frame", "Ingrese text")
    student.says(typed(2, 1, 4, 6, 7, 8, 9, 3, 2), "notification El Mayor, 10. El Orden de Ingreso, 3.")
    student.says(key("F2"), "notification Prueba de escritorio cerrada")
    student.says(key("F1"), "notification Ayuda abierta: F6 va a ella")
    student.says(key("F1"), "notification Ayuda cerrada")


def parity_window(student):
    """Exercise 19: a class that received nothing, said with its empty-class text."""
    student.open("Ejercicio 19", "Ingrese 15 números enteros y positivos.", "Ingrese")
    student.says(typed("-4"), "notification El valor -4 no es lo pedido")
    student.says(typed(*[1] * 15),
                 "notification Cantidad, No ingresó N° pares. La Suma de los N° Pares, No ingresó N° pares.")


def factorial_window(student):
    """Exercise 18: one value, refused or taken at once."""
    student.open("Ejercicio 18", "Ingrese un número entero, mayor a 5 y menor a 15.", "Ingrese")
    student.says(typed(20), "notification El valor 20 no es lo pedido")
    student.says(typed(7), "notification Factorial, 5040")


def bounded_window(student):
    """Exercise 36: a series closed by 0 too soon, then long enough."""
    student.open("Ejercicio 36", "Ingrese una serie de números enteros, que finalice con el número 0", "Ingrese")
    student.says(typed(0), "notification Debe completar la cantidad mínima")
    student.says(typed(*range(2, 18), 0), "notification Cantidad, 16. Suma, 152. Promedio, 9.5.")


def vector_window(student):
    """Exercise 66: its two entry buttons, the number of wages, then the amounts."""
    student.open("Ejercicio 66", "Ingrese la cantidad de sueldos a abonar.", "Ingrese")
    student.says(typed(2), "notification Ingrese Importe")
    student.says(typed(1000, 1001), "notification Vector,  1000 1001. Suma de los sueldos brutos, 2001.")


def main():
    program = sys.argv[1]
    orca = Orca()
    desktop = Desktop(program)
    student = Student(desktop, orca)
    checks = [series_window, parity_window, factorial_window, bounded_window, vector_window]
    try:
        for check in checks:
            print(f"{check.__name__}: {check.__doc__.split(':')[0].strip()}")
            check(student)
    finally:
        orca.stop()
        desktop.program.terminate()
        desktop.xlogo.terminate()
    print(f"orca: {len(checks)} checks passed")


if __name__ == "__main__":
    main()
