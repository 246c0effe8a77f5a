"""Plays the game by keyboard as a blind player does and checks what Orca said, from its debug log.

Each picture turned must be heard by its Spanish word as it turns, each turn's result with the
second picture, the key pair with its message, and a face-down cell that was turned before must
say its place and state only. What was said last is heard again with R.
"""
import os
import pty
import re
import subprocess
import sys
import threading
import time
import tty

# Orca writes its debug log through a buffer, so a file lags behind what was spoken; a terminal is
# written line by line, so the log goes to a pseudo-terminal and is read from its other end.
JUEGO, PREFERENCIAS, DIRECTORIO = sys.argv[1:4]
PALABRAS = {"cataplás", "seta", "hamburguesa", "caja fuerte", "castillo", "coche", "cohete", "exprimidora",
            "libreta", "portería", "mochila", "raqueta de tenis"}
fallos = []
registro, leido, cerrojo = [""], 0, threading.Lock()
maestro, esclavo = pty.openpty()
tty.setraw(esclavo)


def leer_registro():
    while True:
        try:
            trozo = os.read(maestro, 65536)
        except OSError:
            return
        with cerrojo:
            registro[0] += trozo.decode("utf-8", errors="replace")


threading.Thread(target=leer_registro, daemon=True).start()
orca = subprocess.Popen(["orca", "--replace", "-d", "braille", "-d", "braille-monitor", "-u", PREFERENCIAS,
                         "--debug-file", os.ttyname(esclavo)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def dicho():
    """What Orca has spoken since the last call, one entry per utterance."""
    global leido
    with cerrojo:
        nuevo, leido = registro[0][leido:], len(registro[0])
    return [m.strip() for m in re.findall(r"SPEECH OUTPUT: '(.*?)'", nuevo)]


def esperar(condicion, segundos=6):
    """Everything spoken until `condicion` holds for the utterances so far (or the time is up)."""
    todo = []
    fin = time.time() + segundos
    while time.time() < fin:
        todo += dicho()
        if condicion(todo):
            return todo
        time.sleep(0.05)
    return todo


def tecla(*teclas):
    for t in teclas:
        if "+" in t:  # a chord: the modifier held long enough for Orca to see it
            mod, k = t.split("+")
            subprocess.run(["xdotool", "keydown", mod])
            time.sleep(0.12)
            subprocess.run(["xdotool", "key", k])
            time.sleep(0.12)
            subprocess.run(["xdotool", "keyup", mod])
        else:
            subprocess.run(["xdotool", "key", t])


def comprobar(condicion, que, oido):
    if not condicion:
        fallos.append(f"{que}: oído {oido}")


esperar(lambda d: len(d) > 0, 15)  # Orca has started ("Lector de pantalla activado")
juego = subprocess.Popen([JUEGO], cwd=DIRECTORIO, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
ventana = ""
for _ in range(100):
    ventana = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Gemelario$"], capture_output=True,
                             text=True).stdout.split()
    if ventana:
        break
    time.sleep(0.1)
subprocess.run(["xdotool", "windowfocus", "--sync", ventana[0]])
oido = esperar(lambda d: any(x.startswith("Casilla 1, boca abajo") for x in d), 10)
comprobar(not any("Tiempo de juego" == x for x in oido), "the clock says more than its bare label", oido)


def oye(que, condicion, segundos=6):
    """Waits for an utterance that satisfies `condicion`; a failure names `que`."""
    oido = esperar(lambda d: any(condicion(x) for x in d), segundos)
    comprobar(any(condicion(x) for x in oido), que, oido)
    return oido


# The key-image window: Aceptar tells which picture is the key; the arrows walk the pictures, each
# heard with whether it is the key; Space chooses, and says so; Enter on a picture accepts.
tecla("ctrl+c")
oye("the key window says which picture is the key", lambda x: "La imagen clave es cataplás." in x)
tecla("Tab")
oye("Tab to Clave desconocida", lambda x: x.startswith("Clave desconocida"))
tecla("Tab")
oye("the first picture, the key", lambda x: x.startswith("Imagen 1: cataplás, es la clave"))
tecla("Right")
oye("the arrow to the second picture", lambda x: x.startswith("Imagen 2: seta") and "clave" not in x)
tecla("Left")
oye("back to the first", lambda x: x.startswith("Imagen 1: cataplás, es la clave"))
tecla("space")
oye("Space chooses, and says so", lambda x: x == "cataplás es ahora la clave.")
tecla("Return")
oye("Enter on a picture accepts: the board again", lambda x: x.startswith("Casilla 1,"))

# The best-times table, a place at a time, never read whole.
tecla("ctrl+p")
oido = oye("the table tells how it is read", lambda x: "flechas" in x)
comprobar(not any(x.count("21-3-2000") > 1 for x in oido), "the table is not read whole", oido)
tecla("Down")
oye("the first place", lambda x: x.startswith("Puesto 1: 59 segundos, Gemelario, 21-3-2000"))
tecla("Down")
oye("the second place", lambda x: x.startswith("Puesto 2: 1 minuto 8 segundos, Gemelario, 21-3-2000"))
tecla("Escape")
oye("back on the board", lambda x: x.startswith("Casilla 1,"))

# The rules: the arrows move a caret through the text, each line heard.
tecla("alt+a")
esperar(lambda d: any("Normas" in x for x in d))
tecla("Return")
oye("the rules window", lambda x: x.startswith("Normas del juego diálogo"))
tecla("Tab")
oye("the rules text, focused", lambda x: x.startswith("Normas del juego sólo lectura"))
tecla("Down")
oye("a line of the rules under the caret", lambda x: len(x) > 20 and "botón" not in x)
tecla("Escape")
oye("back on the board", lambda x: x.startswith("Casilla 1,"))

# About: Tab reaches the link and Aceptar, never the animated pictures.
tecla("alt+a")
esperar(lambda d: any("Normas" in x for x in d))
tecla("Up", "Return")
# The window, then its Aceptar with the focus: both must be heard before Tab.
oido = esperar(lambda d: any(x.startswith("Acerca de... Gemelario diálogo") for x in d) and any(x.startswith("Aceptar botón") for x in d))
comprobar(any(x.startswith("Aceptar botón") for x in oido), "the About window, Aceptar focused", oido)
tecla("Tab")
oido = oye("Tab to the link", lambda x: "Enlace a https://www.corvantiso.example/" in x)
tecla("Tab")
oido += oye("Tab to Aceptar", lambda x: x.startswith("Aceptar"))
comprobar(not any("Pareja animada" in x for x in oido), "the animated pictures take no focus", oido)
tecla("Escape")
oye("back on the board", lambda x: x.startswith("Casilla 1,"))

tecla("ctrl+n")
oido = esperar(lambda d: "Partida nueva." in d)
comprobar("Partida nueva." in oido, "Ctrl+N: a new game", oido)

posicion, dibujos = 1, {}


def ir(casilla):
    """Moves the focus with the arrows; Orca says the cell reached."""
    global posicion
    oido = []
    while posicion != casilla:
        f, c, fd, cd = (posicion - 1) // 6, (posicion - 1) % 6, (casilla - 1) // 6, (casilla - 1) % 6
        if f != fd:
            tecla("Down" if fd > f else "Up")
            posicion += 6 if fd > f else -6
        else:
            tecla("Right" if cd > c else "Left")
            posicion += 1 if cd > c else -1
        oido = esperar(lambda d: any(x.startswith(f"Casilla {posicion},") for x in d))
    return oido


def turnar(casilla):
    """Turns the focused cell with Space: the picture is heard as it turns (with the result, second)."""
    ir(casilla)
    tecla("space")
    oido = esperar(lambda d: any(x.split(".")[0] in PALABRAS for x in d))
    frase = next((x for x in oido if x.split(".")[0] in PALABRAS), "")
    dibujos[casilla] = frase.split(".")[0]
    return frase, oido


# Turns cells two by two until a non-pair, a pair and the key pair (cataplás) have all been heard.
oidos = {"no": False, "pareja": False, "clave": False}
pendientes = list(range(1, 25))
inicio = time.time()
while not all(oidos.values()) and time.time() - inicio < 25:
    conocidas = {}
    for c, d in dibujos.items():
        if c in pendientes:
            conocidas.setdefault(d, []).append(c)
    par = next((cs for d, cs in conocidas.items() if len(cs) == 2 and (d == "cataplás" or not oidos["pareja"])), None)
    desconocidas = [c for c in pendientes if c not in dibujos]
    a = par[0] if par else desconocidas[0]
    primero, oido1 = turnar(a)
    comprobar(primero == dibujos[a] + ".", f"cell {a} heard as it turns", oido1)
    # Its twin if it is known (and worth finding), else the next cell not yet seen.
    gemela = [c for c in conocidas.get(dibujos[a], []) if c != a]
    b = gemela[0] if gemela and (dibujos[a] == "cataplás" or not oidos["pareja"]) else next(c for c in desconocidas if c != a)
    segundo, oido2 = turnar(b)
    if dibujos[a] == dibujos[b]:
        esperado = dibujos[b] + ". Pareja." + (" ¡Has conseguido la clave!" if dibujos[b] == "cataplás" else "")
        comprobar(segundo.startswith(esperado), f"the pair {a}, {b}", oido2)
        oidos["clave" if dibujos[b] == "cataplás" else "pareja"] = True
        pendientes = [c for c in pendientes if c not in (a, b)]
        time.sleep(0.5 if dibujos[b] != "cataplás" else 3.5)  # the key pair flashes six holds
    else:
        comprobar(segundo == dibujos[b] + ". No es pareja.", f"the non-pair {a}, {b}", oido2)
        time.sleep(0.7)  # turned back after the hold
        if not oidos["no"]:
            oidos["no"] = True
            # Back on the first cell: its place and state, nothing of what lay under it.
            oido = ir(a)
            dicho_a = [x for x in oido if x.startswith(f"Casilla {a},")]
            comprobar(dicho_a and dicho_a[-1].startswith(f"Casilla {a}, boca abajo") and not any(
                p in dicho_a[-1] for p in PALABRAS), "a face-down cell turned before", oido)
            tecla("r")
            oido = esperar(lambda d: any("No es pareja" in x for x in d))
            comprobar(any(x == dibujos[b] + ". No es pareja." for x in oido), "R repeats the last result", oido)
comprobar(all(oidos.values()), "a non-pair, a pair and the key pair were all played", oidos)

for f in fallos:
    print("FALLO:", f)
if fallos:
    print("\n".join(re.findall(r"SPEECH OUTPUT: '(.*?)'", registro[0])))
juego.kill()
orca.kill()
print(f"orca: {len(dibujos)} casillas destapadas y oídas" if not fallos else "")
sys.exit(1 if fallos else 0)
