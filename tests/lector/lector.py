# The real game on the accessibility bus, as Orca meets it: the board's 24 cells read row by row as
# push buttons, and a cell pressed through its action heard as exactly one name change.
import sys
import time

import pyatspi
from gi.repository import GLib


def esperar(condicion, segundos=10):
    fin = time.time() + segundos
    while time.time() < fin:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        if valor := condicion():
            return valor
        time.sleep(0.05)
    return None


def buscar(raiz, rol, nombre):
    return pyatspi.findDescendant(raiz, lambda o: o.getRoleName() == rol and o.name == nombre)


fallos = []
cambios = []  # the cells' name changes, as the reader hears them
app = esperar(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Gemelario"), None))
if app is None:
    sys.exit("FALLO: the game is not on the accessibility bus")
celdas = [c for c in esperar(lambda: buscar(app, "panel", "Tablero")) if c.name.startswith("Casilla ")]
if [(c.name, c.getRoleName()) for c in celdas] != [(f"Casilla {i}, boca abajo", "push button") for i in range(1, 25)]:
    fallos.append("the board does not read as 24 push buttons, row by row: " + str([(c.name, c.getRoleName()) for c in celdas]))
pyatspi.Registry.registerEventListener(lambda e: cambios.append(e.source.name) if e.source.name.startswith("Casilla") else None,
                                       "object:property-change:accessible-name")
buscar(app, "menu item", "Nuevo").queryAction().doAction(0)
esperar(lambda: False, 0.5)
cambios.clear()
celdas[0].queryAction().doAction(0)  # its one action: press
esperar(lambda: False, 0.5)
if len(cambios) != 1 or cambios[0] != celdas[0].name or "boca abajo" in cambios[0]:
    fallos.append(f"one cell pressed, yet the reader heard {cambios}")

for f in fallos:
    print("FALLO:", f)
print("lector:", "todo bien" if not fallos else f"{len(fallos)} fallos", "—", cambios)
sys.exit(1 if fallos else 0)
