# The game as a screen reader reads it over AT-SPI: roles, a cell pressed through its action, one
# name-change event per turned cell, and a turn that is no pair still readable after the wait.
import re
import sys
import time

import pyatspi
from gi.repository import GLib

fallos = []
cambios = []  # the cells' name changes, as the reader hears them


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


def pulsar(objeto):
    acciones = objeto.queryAction()
    nombres = [acciones.getName(i) for i in range(acciones.nActions)]
    if "Press" in nombres:
        acciones.doAction(nombres.index("Press"))
    else:
        fallos.append(f"{objeto.name}: no press action ({nombres})")


app = esperar(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Gemelario"), None))
if app is None:
    sys.exit("FALLO: the game is not on the accessibility bus")
tablero = esperar(lambda: buscar(app, "panel", "Tablero"))
celdas = [c for c in tablero if c.name.startswith("Casilla ")]
if [(c.name, c.getRoleName()) for c in celdas] != [(f"Casilla {i}, boca abajo", "push button") for i in range(1, 25)]:
    fallos.append("the board does not read as 24 push buttons, row by row: " + str([(c.name, c.getRoleName()) for c in tablero]))
celdas = dict(enumerate(celdas, 1))
if buscar(tablero, "label", "Tiempo de juego") is None:
    fallos.append("the clock is not static text")

pyatspi.Registry.registerEventListener(lambda e: cambios.append(e.source.name) if e.source.name.startswith("Casilla") else None,
                                       "object:property-change:accessible-name")
pulsar(buscar(app, "menu item", "Nuevo"))
esperar(lambda: False, 0.5)
cambios.clear()
resultado = None
for otra in range(2, 25):  # cell 1 against each other cell until a turn is no pair
    pulsar(celdas[1])
    primera = esperar(lambda: celdas[1].name if "boca abajo" not in celdas[1].name else None)
    if otra == 2 and esperar(lambda: False, 0.3) is None and cambios != [primera]:
        fallos.append(f"one cell turned, yet the reader heard {cambios}")
    pulsar(celdas[otra])
    resultado = esperar(lambda: tablero.description if re.search(r"(No es pareja| Pareja)\.$", tablero.description) else None)
    if resultado is None or resultado.endswith("No es pareja."):
        break
m = re.fullmatch(r"Casilla 1: (\w+)\. Casilla (\d+): (\w+)\. No es pareja\.", resultado or "")
if not m or m.group(1) == m.group(3) or primera != f"Casilla 1, {m.group(1)}":
    fallos.append(f"the turn after the wait reads {resultado!r} (the first card read {primera!r})")
elif celdas[int(m.group(2))].name != f"Casilla {m.group(2)}, boca abajo":
    fallos.append("the cards are not face down after the wait")

for f in fallos:
    print("FALLO:", f)
print("lector:", "todo bien" if not fallos else f"{len(fallos)} fallos", "—", resultado)
sys.exit(1 if fallos else 0)
