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
fallos, registro, leido = [], [""], 0
maestro, esclavo = pty.openpty()
tty.setraw(esclavo)


def leer_registro():
    while True:
        try:
            registro[0] += os.read(maestro, 65536).decode("utf-8", errors="replace")
        except OSError:
            return


threading.Thread(target=leer_registro, daemon=True).start()
orca = subprocess.Popen(["orca", "--replace", "-d", "braille", "-d", "braille-monitor", "-u", PREFERENCIAS,
                         "--debug-file", os.ttyname(esclavo)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def esperar(condicion, segundos=6):
    """What Orca speaks from now until `condicion` holds for it (or the time is up), one entry per utterance."""
    global leido
    fin, todo = time.time() + segundos, []
    while time.time() < fin and not condicion(todo):
        time.sleep(0.05)
        nuevo, leido = registro[0][leido:], len(registro[0])
        todo += [m.strip() for m in re.findall(r"SPEECH OUTPUT: '(.*?)'", nuevo)]
    return todo


def tecla(*teclas):
    for t in teclas:
        if "+" in t:  # a chord: the modifier held long enough for Orca to see it
            mod, k = t.split("+")
            for orden in (["keydown", mod], ["key", k], ["keyup", mod]):
                subprocess.run(["xdotool", *orden])
                time.sleep(0.12)
        else:
            subprocess.run(["xdotool", "key", t])


def oye(que, condicion, segundos=6):
    """Waits for an utterance that satisfies `condicion`; a failure names `que`."""
    oido = esperar(lambda d: any(condicion(x) for x in d), segundos)
    if not any(condicion(x) for x in oido):
        fallos.append(f"{que}: oído {oido}")
    return oido


esperar(lambda d: len(d) > 0, 15)  # Orca has started ("Lector de pantalla activado")
juego = subprocess.Popen([JUEGO], cwd=DIRECTORIO, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
for _ in range(100):
    ventana = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Gemelario$"], capture_output=True,
                             text=True).stdout.split()
    if ventana:
        break
    time.sleep(0.1)
for _ in range(3):  # a focus request lost while the window manager is busy is made again
    if subprocess.run(["timeout", "5", "xdotool", "windowfocus", "--sync", ventana[0]]).returncode == 0:
        break
oye("the clock before a game", lambda x: x == "Tiempo de juego: sin partida todavía", 10)
ES_CASILLA_1 = lambda x: x.startswith("Casilla 1,")  # noqa: E731 (back on the board)
# The dialogs, a key at a time, and what must be heard after each.
for teclas, que, condicion in [
    # The key window: Aceptar says which picture is the key; the arrows walk the pictures, each heard
    # with whether it is the key; Space chooses and says so; Enter on a picture accepts.
    (["ctrl+c"], "the key window says which picture is the key", lambda x: x == "La imagen clave es cataplás."),
    (["Tab"], "Tab to Clave desconocida", lambda x: x.startswith("Clave desconocida")),
    (["Tab"], "the first picture, the key", lambda x: x.startswith("Imagen 1: cataplás, es la clave")),
    (["Right"], "the arrow to the second picture", lambda x: x.startswith("Imagen 2: seta botón")),
    (["space"], "Space chooses, and says so", lambda x: x == "seta es ahora la clave."),
    (["Left"], "the first, no longer the key", lambda x: x.startswith("Imagen 1: cataplás botón")),
    (["Right"], "the second, now the key", lambda x: x.startswith("Imagen 2: seta, es la clave")),
    (["Left", "space"], "the first chosen again", lambda x: x == "cataplás es ahora la clave."),
    (["space"], "the same news twice in a row, heard twice", lambda x: x == "cataplás es ahora la clave."),
    (["Return"], "Enter on a picture accepts", ES_CASILLA_1),
    # The best-times table, a place at a time.
    (["ctrl+p"], "the table tells how it is read", lambda x: x == "Con las flechas arriba y abajo se lee la tabla, puesto a puesto."),
    (["Down"], "the first place", lambda x: x == "Puesto 1: 59 segundos, Gemelario, 21-3-2000"),
    (["Down"], "the second place", lambda x: x == "Puesto 2: 1 minuto 8 segundos, Gemelario, 21-3-2000"),
    (["End"], "End: the last place", lambda x: x == "Puesto 10: 2 minutos 15 segundos, Gemelario, 21-3-2000"),
    (["Down"], "Down stays on the last place", lambda x: x == "Puesto 10: 2 minutos 15 segundos, Gemelario, 21-3-2000"),
    (["Home"], "Home: the first place", lambda x: x == "Puesto 1: 59 segundos, Gemelario, 21-3-2000"),
    (["Up"], "Up stays on the first place", lambda x: x == "Puesto 1: 59 segundos, Gemelario, 21-3-2000"),
    (["Escape"], "the table closed", ES_CASILLA_1),
    # The rules: the arrows move a caret through the text, each line heard.
    (["alt+a"], "the Ayuda menu", lambda x: x.startswith("Normas del juego")),
    (["Return"], "the rules window", lambda x: x.startswith("Normas del juego diálogo")),
    (["Tab"], "the rules text, focused", lambda x: x.startswith("Normas del juego sólo lectura")),
    (["Down"], "a line of the rules under the caret", lambda x: x.startswith("12 dibujos distintos")),
    (["Escape"], "the rules closed", ES_CASILLA_1),
    # About: Tab reaches the link and Aceptar (the animated pictures take no focus: checked below).
    (["alt+a"], "the Ayuda menu", lambda x: x.startswith("Normas del juego")),
    (["Up", "Return"], "the About window, Aceptar focused", lambda x: x.startswith("Aceptar botón")),
    (["Tab"], "Tab to the link", lambda x: x.startswith("Enlace a https://www.corvantiso.example/ botón")),
    (["Tab"], "Tab to Aceptar", lambda x: x.startswith("Aceptar botón")),
    (["Escape"], "About closed", ES_CASILLA_1),
    # The exposure window (Ctrl+D): Guardar focused; Esc keeps the setting and closes it.
    (["ctrl+d"], "the exposure window, Guardar focused", lambda x: x.startswith("Guardar botón")),
    (["Escape"], "the exposure window closed", ES_CASILLA_1),
    (["ctrl+n"], "Ctrl+N: a new game", lambda x: x == "Partida nueva."),
]:
    tecla(*teclas)
    oye(que, condicion)

posicion, dibujos = 1, {}


def ir(casilla):
    """Moves the focus with the arrows, a row at a time first; Orca says each cell reached, a button
    with its place and state only: face down ("boca abajo", whatever it showed before) or solved."""
    global posicion
    while posicion != casilla:
        fila, destino = (posicion - 1) // 6, (casilla - 1) // 6
        paso = (6 if destino > fila else -6) if fila != destino else (1 if casilla > posicion else -1)
        tecla({6: "Down", -6: "Up", 1: "Right", -1: "Left"}[paso])
        posicion += paso
        dicho = f"Casilla {posicion}, " + ("boca abajo" if posicion in pendientes else dibujos[posicion] + ", resuelta")
        oye(f"cell {posicion} reached", lambda x: x == dicho + " botón de pulsación.")


def turnar(casilla):
    """Turns a cell with Space: its picture is heard as it turns (with the turn's result, the second)."""
    ir(casilla)
    tecla("space")
    frase = next(x for x in esperar(lambda d: any(x.split(".")[0] in PALABRAS for x in d)) + ["?"]
                 if x.split(".")[0] in PALABRAS or x == "?")
    dibujos[casilla] = frase.split(".")[0]
    return frase


# Turns cells two by two until a non-pair, a pair and the key pair (cataplás) have all been heard.
oidos = {"no": False, "pareja": False, "clave": False}
pendientes, inicio = list(range(1, 25)), time.time()
while not all(oidos.values()) and time.time() - inicio < 25:
    buscada = lambda d: d == "cataplás" or not oidos["pareja"]  # noqa: E731 (a pair worth finding now)
    conocidas = {}
    for c in pendientes:
        if c in dibujos:
            conocidas.setdefault(dibujos[c], []).append(c)
    desconocidas = [c for c in pendientes if c not in dibujos]
    if not desconocidas and not any(len(cs) == 2 and buscada(d) for d, cs in conocidas.items()):
        break  # a picture not heard as it turned (said among the failures) leaves its twin unknown
    a = next((cs[0] for d, cs in conocidas.items() if len(cs) == 2 and buscada(d)), desconocidas[0])
    if turnar(a) != dibujos[a] + ".":
        fallos.append(f"cell {a} not heard alone as it turned")
    # Its twin if it is known (and worth finding), else the next cell not yet seen.
    gemela = [c for c in conocidas.get(dibujos[a], []) if c != a and buscada(dibujos[a])]
    b = (gemela or [c for c in desconocidas if c != a])[0]
    segundo, par = turnar(b), dibujos[a] == dibujos[b]
    esperado = dibujos[b] + (". Pareja." + (" ¡Has conseguido la clave!" if dibujos[b] == "cataplás" else "") if par
                             else ". No es pareja.")
    if segundo != esperado:
        fallos.append(f"turn {a}, {b}: heard {segundo!r}, not {esperado!r}")
    time.sleep(3.5 if dibujos[b] == "cataplás" else 0.7)  # the hold (six of them for the key pair's flash)
    if par:
        oidos["clave" if dibujos[b] == "cataplás" else "pareja"] = True
        pendientes = [c for c in pendientes if c not in (a, b)]
        ir(a)  # back on the pair's first cell: its picture, solved
    elif not oidos["no"]:
        oidos["no"] = True
        ir(a)  # back on the first cell, face down: nothing of what lay under it
        tecla("r")  # R repeats the result
        oye("R repeats the last result", lambda x: x == esperado)
if not all(oidos.values()):
    fallos.append(f"not all of a non-pair, a pair and the key pair were played: {oidos}")
hablado = re.findall(r"SPEECH OUTPUT: '(.*?)'", registro[0])
if any("Pareja animada" in x for x in hablado) or any(x.count("21-3-2000") > 1 for x in hablado):
    fallos.append("an animated picture took the focus, or the table was read whole")

for f in fallos:
    print("FALLO:", f)
if fallos:
    print("\n".join(hablado))
juego.terminate()  # a quit, so that a coverage build writes its counts
juego.wait(5)
orca.kill()
print(f"orca: {len(dibujos)} casillas destapadas y oídas" if not fallos else "")
sys.exit(1 if fallos else 0)
