#!/usr/bin/env python3
"""Plants single faults in the product code, one at a time, and tells which tests catch each.

    scripts/mutantes.py BUILD_DIR [FILTER] [--extremo]
    scripts/mutantes.py BUILD_DIR --desde COMMIT [--muestra N] [--semilla S] [--extremo]
    scripts/mutantes.py --desde COMMIT --listar

Each line of scripts/mutantes.txt is one fault: `path: original => replacement` (`⏎` stands for a
line break; the original must occur exactly once in the file), with ` @@ test …` the ctest tests
to run whatever the fault changed (a fault in what is installed, not in a program); FILTER keeps the lines that contain
it, with `desde:N` the lines from N on, with `lineas:N,M,…` those lines. For each fault the file is
edited, the programs are rebuilt and the tests run, and the file is put back. Each test runs when
the fault changed its program (a program built the same as the one that passed would pass again):
the unit and window tests (the window tests also at twice the scale), the launcher's and the
beep's. With --extremo, a fault that those leave is also tried against the end-to-end tests whose
programs it changed, until one fails (the game under a window manager, installed, under Xvfb,
under Orca). Prints one line per fault: the tests that failed, or SURVIVED. Meant for a build
configured without optimisation, so that a fault costs seconds to rebuild.

With --desde, the faults are made mechanically instead (scripts/operadores.py) on the C++ lines of
src/ changed since COMMIT: every candidate is listed with --listar; a run draws N of them (100 by
default) with the seed S (1 by default), printed, and tries each one like a hand-written fault
(`lineas:N,M` keeps those of the draw). A
fault that does not build, or that leaves every program byte-identical (equivalent), is not counted.
"""
import hashlib
import json
import os
import pathlib
import random
import re
import signal
import subprocess
import sys
import tempfile

import operadores

RAIZ = pathlib.Path(__file__).resolve().parent.parent
PRUEBAS = ["platform_test", "besttimes_test", "faults_test", "options_test", "help_test", "board_test",
           "ventanas_test"]
# Each run: (its name in the report, the program, its arguments, what it adds to the environment).
CORRIDAS = [(p, p, ["--gtest_filter=-*PrintServer*"] if p == "ventanas_test" else [], {}) for p in PRUEBAS] + [
    ("ventanas_impresion_test", "ventanas_test", ["--gtest_filter=*PrintServer*"], {}),
    ("ventanas_hidpi_test", "ventanas_test", ["--gtest_filter=*AtAnyScale*"], {"QT_SCALE_FACTOR": "2"}),
    ("ventanas_hidpi15_test", "ventanas_test", ["--gtest_filter=*AtAnyScale*"], {"QT_SCALE_FACTOR": "1.5"})]
# The tests ctest runs on a real program, each with the programs whose change makes it worth running.
LANZADOR_Y_SONIDO = {"launcher_test": ["run/webcorvantiso"], "sonido_test": ["tests/pitido_prueba"]}
# The printing module, which the window tests and the installed game load (lib/gemelario, or
# lib/<multiarch>/gemelario in a build for /usr).
MODULO = "impresion.so"
# The end-to-end tests, quickest first; the first that fails is enough.
EXTREMOS = {"e2e_wm_test": ["run/gemelario", "tests/e2e_test"],
            "instalacion_test": ["run/gemelario", "tests/e2e_test", "run/webcorvantiso", MODULO],
            "e2e_test": ["run/gemelario", "tests/e2e_test"], "orca_test": ["run/gemelario"]}


def leer_mutantes(filtro):
    desde = int(filtro[6:]) if filtro.startswith("desde:") else 0
    lineas = {int(n) for n in filtro[7:].split(",")} if filtro.startswith("lineas:") else set()
    for n, linea in enumerate((RAIZ / "scripts" / "mutantes.txt").read_text(encoding="utf-8").splitlines(), 1):
        if not linea.strip() or linea.startswith("#") or n < desde or (lineas and n not in lineas):
            continue
        ruta, resto = linea.split(": ", 1)
        resto, _, forzadas = resto.partition(" @@ ")
        original, cambio = resto.split(" => ", 1)
        if filtro and not desde and not lineas and filtro not in linea:
            continue
        yield n, ruta, original.replace("⏎", "\n"), cambio.replace("⏎", "\n"), forzadas.split()


def huella(build, programas):
    def una(p):
        f = next(build.glob("lib/**/" + p), build / p) if p == MODULO else build / p
        return hashlib.sha256(f.read_bytes()).hexdigest() if f.exists() else ""
    return {p: una(p) for p in programas}


def correr_gtest(build, entorno, cambiados):
    caidos = []
    for prueba, programa, argumentos, extra in CORRIDAS:
        if f"tests/{programa}" not in cambiados and not (programa == "ventanas_test" and MODULO in cambiados):
            continue  # the same program as the one that passed
        salida = pathlib.Path(tempfile.gettempdir()) / f"mutante-{prueba}.json"
        salida.unlink(missing_ok=True)
        try:
            r = subprocess.run([str(build / "tests" / programa), *argumentos, f"--gtest_output=json:{salida}"], cwd=build,
                               env=dict(entorno, **extra), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=150)
            if r.returncode == 0:
                continue
        except subprocess.TimeoutExpired:
            caidos.append(f"{prueba}:TIMEOUT")
            continue
        nombres = []
        if salida.exists():
            for suite in json.loads(salida.read_text()).get("testsuites", []):
                for caso in suite.get("testsuite", []):
                    if caso.get("failures"):
                        nombres.append(f"{suite['name']}.{caso['name']}")
        caidos.append(f"{prueba}:{','.join(nombres) or 'CRASH'}")
    return caidos


def correr_ctest(build, pruebas):
    """Runs these ctest tests; the names of those that fail."""
    if not pruebas:
        return []
    r = subprocess.run(["ctest", "--test-dir", str(build), "--output-on-failure", "-R", "^(" + "|".join(pruebas) + ")$"],
                       capture_output=True, text=True)
    (pathlib.Path(tempfile.gettempdir()) / "mutante-ctest.log").write_text(r.stdout)  # what the last of them said
    fallidas = r.stdout.partition("The following tests FAILED:")[2]
    return [p for p in pruebas if re.search(rf"- {p} \(", fallidas)]


def opcion(nombre, defecto=None):
    """The value after `--nombre` on the command line, or `defecto`."""
    return sys.argv[sys.argv.index(nombre) + 1] if nombre in sys.argv else defecto


def faltas_a_mano(filtro):
    for n, ruta, original, cambio, forzadas in leer_mutantes(filtro):
        texto = (RAIZ / ruta).read_text(encoding="utf-8")
        if texto.count(original) != 1:
            yield n, ruta, None, f"the original occurs {texto.count(original)} times", []
        else:
            yield n, ruta, texto.replace(original, cambio), "", forzadas


def faltas_mecanicas(desde, muestra, semilla, filtro):
    todos = operadores.candidatos(RAIZ, desde)
    print(f"mechanical faults on the C++ lines of src/ changed since {desde}: {len(todos)} candidates; "
          f"{min(muestra, len(todos))} drawn with seed {semilla}", flush=True)
    elegidas = {int(k) for k in filtro[7:].split(",")} if filtro.startswith("lineas:") else set()
    for k, (ruta, n, operador, antes, despues) in enumerate(random.Random(semilla).sample(todos, min(muestra, len(todos))), 1):
        if elegidas and k not in elegidas:
            continue
        lineas = (RAIZ / ruta).read_text(encoding="utf-8").split("\n")
        if lineas[n - 1] != antes:
            yield k, f"{ruta}:{n}", None, "the line has changed since the draw", []
            continue
        lineas[n - 1] = despues
        yield k, f"{ruta}:{n} {operador}: {despues.strip()}", "\n".join(lineas), "", []


def main():
    # Stopped from outside, it still puts the planted file back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    valores = {sys.argv.index(o) + 1 for o in ("--desde", "--muestra", "--semilla") if o in sys.argv}
    argumentos = [a for i, a in enumerate(sys.argv[1:], 1) if not a.startswith("--") and i not in valores]
    extremo = "--extremo" in sys.argv
    desde = opcion("--desde")
    if desde and "--listar" in sys.argv:
        for ruta, n, operador, antes, despues in operadores.candidatos(RAIZ, desde):
            print(f"{ruta}:{n} {operador}\n  - {antes.strip()}\n  + {despues.strip()}")
        return
    build = pathlib.Path(argumentos[0]).resolve()
    filtro = argumentos[1] if len(argumentos) > 1 else ""
    entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    objetivos = PRUEBAS + ["webcorvantiso", "pitido_prueba", "impresion"] + (["gemelario", "e2e_test", "densos"] if extremo or desde else [])
    extremos = {p for ps in EXTREMOS.values() for p in ps} | {"run/gemelario-densos.rcc"}
    vigilados = {p for ps in LANZADOR_Y_SONIDO.values() for p in ps} | {f"tests/{p}" for p in PRUEBAS} | {MODULO}
    # A mechanical fault that leaves every program as it was is told apart (equivalent, not counted).
    if extremo or desde:
        vigilados |= extremos
    # The end-to-end tests need all of it built (the installed copy takes its icons, pages, …).
    construir = lambda todo=False: subprocess.run(  # noqa: E731
        ["cmake", "--build", str(build), "-j2", *([] if todo else ["--target", *objetivos])],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    if construir(todo=extremo or bool(desde)):
        sys.exit("the unchanged code does not build")
    limpio = huella(build, vigilados)
    cuenta = {"faults": 0, "fast": 0, "end-to-end": 0, "equivalent": 0, "not built": 0}
    solos = {}  # each test case the unit and window tests ran: the faults it alone caught
    faltas = faltas_mecanicas(desde, int(opcion("--muestra", "100")), int(opcion("--semilla", "1")), filtro) if desde \
        else faltas_a_mano(filtro)
    for n, nombre, cambiado, motivo, forzadas in faltas:
        archivo = RAIZ / nombre.split(":")[0]
        if cambiado is not None and forzadas:  # a fault outside the programs: the tests it names, built whole
            texto = archivo.read_text(encoding="utf-8")
            try:
                archivo.write_text(cambiado, encoding="utf-8")
                caidos = ["DOES NOT BUILD"] if construir(todo=True) else correr_ctest(build, forzadas)
            finally:
                archivo.write_text(texto, encoding="utf-8")
            cuenta["faults"] += 1
            cuenta["fast"] += bool(caidos)
            print(f"{n:3} {nombre}: {' '.join(caidos) or 'SURVIVED'}", flush=True)
            continue
        if cambiado is None:
            print(f"{n:3} {nombre}: {motivo}", flush=True)
            continue
        texto = archivo.read_text(encoding="utf-8")
        try:
            archivo.write_text(cambiado, encoding="utf-8")
            if construir():
                caidos = ["DOES NOT BUILD"]
                cuenta["not built"] += 1
            else:
                cambiados = {p for p, h in huella(build, vigilados).items() if h != limpio[p]}
                caidos = correr_gtest(build, entorno, cambiados) + correr_ctest(
                    build, [t for t, ps in LANZADOR_Y_SONIDO.items() if cambiados & set(ps)])
                casos = {c for f in caidos if ":" in f for c in f.split(":", 1)[1].split(",") if c not in ("CRASH", "TIMEOUT")}
                for c in casos:
                    solos.setdefault(c, 0)
                if len(casos) == 1 and len(caidos) == len([f for f in caidos if ":" in f]):
                    solos[casos.pop()] += 1
                if caidos:
                    cuenta["fast"] += 1
                elif extremo or desde:
                    construir(todo=True)
                    cambiados = {p for p, h in huella(build, vigilados).items() if h != limpio[p]}
                    if desde and not cambiados:
                        caidos = ["EQUIVALENT (every program byte-identical)"]
                        cuenta["equivalent"] += 1
                    for t in (t for t, ps in EXTREMOS.items() if extremo and cambiados & set(ps)):
                        if caidos := [f"end-to-end:{f}" for f in correr_ctest(build, [t])]:
                            break
                    cuenta["end-to-end"] += bool(caidos) and cambiados != set()
        finally:
            archivo.write_text(texto, encoding="utf-8")
        cuenta["faults"] += 1
        print(f"{n:3} {nombre}: {' '.join(caidos) or 'SURVIVED'}", flush=True)
    construir(todo=extremo or bool(desde))
    # Which case alone stands between a fault and a pass (a case that caught something, but nothing
    # alone, is where the suite can be made leaner).
    print("faults caught by one test case alone, by case:")
    for c, n in sorted(solos.items(), key=lambda x: (x[1], x[0])):
        print(f"  {n:3} {c}")
    contadas = cuenta["faults"] - cuenta["equivalent"] - cuenta["not built"]
    atrapados = cuenta["fast"] + cuenta["end-to-end"]
    print(f"faults: {cuenta['faults']}"
          + (f" (not built: {cuenta['not built']}; equivalent: {cuenta['equivalent']}; counted: {contadas})" if desde else "")
          + f"; caught by the unit, window, launcher and beep tests: {cuenta['fast']}"
          + (f"; by the end-to-end tests, of those left: {cuenta['end-to-end']}" if extremo else "")
          + f"; survived: {contadas - atrapados}"
          + (f"; score {100 * atrapados / contadas:.1f} %" if contadas else ""))


if __name__ == "__main__":
    main()
