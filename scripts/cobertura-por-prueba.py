#!/usr/bin/env python3
"""What each unit and window test runs of src/ that no other of them runs.

    scripts/cobertura-por-prueba.py [BUILD_DIR]      (build/ by default: a coverage build)

Runs each test case of the unit and window programs alone, with the counts cleared before it, reads
what it ran with gcovr, and prints, fewest first, each case's lines and branches of src/ that no other
case runs. A case at 0 runs nothing the others do not: it can only catch a wrong value there, so it
is the first to merge or drop, once the faults it alone catches (scripts/mutantes.py) are known.
The end-to-end tests are not run here: they hold what only the real program shows.
"""
import collections
import json
import os
import pathlib
import subprocess
import sys
import tempfile

RAIZ = pathlib.Path(__file__).resolve().parent.parent
BUILD = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else RAIZ / "build").resolve()
PROGRAMAS = ["platform_test", "besttimes_test", "faults_test", "options_test", "help_test", "board_test", "ventanas_test"]
ENTORNO = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def casos():
    for programa in PROGRAMAS:
        lista = subprocess.run([BUILD / "tests" / programa, "--gtest_list_tests"], capture_output=True, text=True, env=ENTORNO).stdout
        grupo = ""
        for linea in lista.splitlines():
            if not linea.startswith(" "):
                grupo = linea.strip()
            else:
                yield programa, grupo + linea.split()[0]


def borrar_cuentas():
    # (The drawings' tool ran in the build, not in a test: its counts stay.)
    for g in BUILD.rglob("*.gcda"):
        if "gemelario_arte.dir" not in str(g) and "arte_svg.dir" not in str(g):
            g.unlink()


def ejecutado(caso, programa, carpeta):
    borrar_cuentas()
    subprocess.run([BUILD / "tests" / programa, "--gtest_filter=" + caso], capture_output=True, env=ENTORNO, cwd=BUILD / "tests")
    salida = pathlib.Path(carpeta) / (caso + ".json")
    subprocess.run(["gcovr", "--root", RAIZ, "--object-directory", BUILD, "--filter", f"{RAIZ}/src/", "--exclude", ".*_autogen/.*",
                    "--exclude-unreachable-branches", "--exclude-throw-branches", "--gcov-ignore-parse-errors", "-j", "2",
                    "--json", salida], capture_output=True, check=True)
    lineas, ramas = set(), set()
    for f in json.loads(salida.read_text())["files"]:
        for l in f["lines"]:
            if l.get("gcovr/noncode"):
                continue
            if l["count"] > 0:
                lineas.add((f["file"], l["line_number"]))
            ramas.update((f["file"], l["line_number"], i) for i, b in enumerate(l.get("branches", [])) if b["count"] > 0)
    return lineas, ramas


def main():
    with tempfile.TemporaryDirectory() as carpeta:
        cobertura = {caso: ejecutado(caso, programa, carpeta) for programa, caso in casos()}
    veces = collections.Counter()
    for lineas, ramas in cobertura.values():
        veces.update(lineas), veces.update(ramas)
    filas = sorted((sum(veces[x] == 1 for x in l), sum(veces[x] == 1 for x in r), len(l), caso) for caso, (l, r) in cobertura.items())
    print("solo él: líneas, ramas (de las líneas que ejecuta)  caso")
    for propias, ramas, total, caso in filas:
        print(f"{propias:5} {ramas:5} ({total:4})  {caso}")
    borrar_cuentas()


main()
