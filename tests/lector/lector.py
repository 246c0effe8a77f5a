# The game as a screen reader reads it over AT-SPI: roles, a cell pressed through its action, and a
# turn that is no pair still readable after the wait.
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
        valor = condicion()
        if valor:
            return valor
        time.sleep(0.05)
    return None


def aplicacion():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == "Gemelario":
            return a
    return None


def buscar(raiz, rol, nombre):
    return pyatspi.findDescendant(raiz, lambda o: o.getRoleName() == rol and o.name == nombre)


def pulsar(objeto):
    acciones = objeto.queryAction()
    nombres = [acciones.getName(i) for i in range(acciones.nActions)]
    if "Press" not in nombres:
        fallos.append(f"{objeto.name}: no press action ({nombres})")
        return
    acciones.doAction(nombres.index("Press"))


app = esperar(aplicacion)
if app is None:
    sys.exit("FALLO: the game is not on the accessibility bus")
tablero = esperar(lambda: buscar(app, "panel", "Tablero"))
celdas = {int(c.name.split(",")[0].split()[1]): c for c in tablero if c.name.startswith("Casilla ")}
if sorted(celdas) != list(range(1, 25)) or any(c.getRoleName() != "push button" for c in celdas.values()):
    fallos.append("the 24 cells are not push buttons: " + str([(c.name, c.getRoleName()) for c in tablero]))
if [c.name for c in tablero if c.name.startswith("Casilla ")][:7] != [f"Casilla {i}, boca abajo" for i in range(1, 8)]:
    fallos.append("the board does not read row by row")
tiempo = buscar(tablero, "label", "Tiempo de juego")
if tiempo is None:
    fallos.append("the clock is not static text")

pyatspi.Registry.registerEventListener(lambda e: cambios.append(e.source.name) if e.source.name.startswith("Casilla") else None,
                                       "object:property-change:accessible-name")
pulsar(buscar(app, "menu item", "Nuevo"))
esperar(lambda: False, 0.5)
cambios.clear()
resultado = None
for otra in range(2, 25):
    pulsar(celdas[1])
    primera = esperar(lambda: celdas[1].name if "boca abajo" not in celdas[1].name else None)
    if otra == 2:
        esperar(lambda: False, 0.3)
        if cambios != [primera]:
            fallos.append(f"one cell turned, yet the reader heard {cambios}")
    pulsar(celdas[otra])
    resultado = esperar(lambda: tablero.description if tablero.description.endswith("es pareja.")
                        or tablero.description.endswith(" Pareja.") else None)
    if resultado is None or resultado.endswith("No es pareja."):
        break  # no result read at all fails at once
patron = r"Casilla 1: (\w+)\. Casilla (\d+): (\w+)\. No es pareja\."
m = re.fullmatch(patron, resultado or "")
if not m or m.group(1) == m.group(3) or primera != f"Casilla 1, {m.group(1)}":
    fallos.append(f"the turn after the wait reads {resultado!r} (the first card read {primera!r})")
elif celdas[int(m.group(2))].name != f"Casilla {m.group(2)}, boca abajo":
    fallos.append("the cards are not face down after the wait")

for f in fallos:
    print("FALLO:", f)
print("lector:", "todo bien" if not fallos else f"{len(fallos)} fallos", "—", resultado)
sys.exit(1 if fallos else 0)
