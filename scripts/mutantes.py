#!/usr/bin/env python3
"""Plants single faults in the product code, one at a time, and tells which tests catch each.

    scripts/mutantes.py BUILD_DIR [FILTER]

Each line of scripts/mutantes.txt is one fault: `path: original => replacement` (`⏎` stands for a
line break; the original must occur exactly once in the file). For each fault the file is edited,
the test programs are rebuilt and run (the window tests also at twice the scale; not the end-to-end,
sound, reader, install or package tests), and the file is put back. Prints one line per fault: the
tests that failed, or SURVIVED. Meant for a build configured without optimisation, so that a fault
costs seconds to rebuild.
"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile

RAIZ = pathlib.Path(__file__).resolve().parent.parent
PRUEBAS = ["platform_test", "besttimes_test", "faults_test", "options_test", "help_test", "board_test",
           "ventanas_test"]
# Each run: (its name in the report, the program, its arguments, what it adds to the environment).
CORRIDAS = [(p, p, [], {}) for p in PRUEBAS] + [
    ("ventanas_hidpi_test", "ventanas_test", ["--gtest_filter=*AtAnyScale*"], {"QT_SCALE_FACTOR": "2"})]


def leer_mutantes(filtro):
    for n, linea in enumerate((RAIZ / "scripts" / "mutantes.txt").read_text(encoding="utf-8").splitlines(), 1):
        if not linea.strip() or linea.startswith("#"):
            continue
        ruta, resto = linea.split(": ", 1)
        original, cambio = resto.split(" => ", 1)
        if filtro and filtro not in linea:
            continue
        yield n, ruta, original.replace("⏎", "\n"), cambio.replace("⏎", "\n")


def correr(build, entorno):
    caidos = []
    for prueba, programa, argumentos, extra in CORRIDAS:
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


def main():
    build = pathlib.Path(sys.argv[1]).resolve()
    filtro = sys.argv[2] if len(sys.argv) > 2 else ""
    entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    sobrevivientes = 0
    for n, ruta, original, cambio in leer_mutantes(filtro):
        archivo = RAIZ / ruta
        texto = archivo.read_text(encoding="utf-8")
        if texto.count(original) != 1:
            print(f"{n:3} {ruta}: the original occurs {texto.count(original)} times", flush=True)
            continue
        try:
            archivo.write_text(texto.replace(original, cambio), encoding="utf-8")
            r = subprocess.run(["cmake", "--build", str(build), "-j2", "--target", *PRUEBAS],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            caidos = ["DOES NOT BUILD"] if r.returncode else correr(build, entorno)
        finally:
            archivo.write_text(texto, encoding="utf-8")
        sobrevivientes += not caidos
        print(f"{n:3} {ruta}: {' '.join(caidos) or 'SURVIVED'}", flush=True)
    subprocess.run(["cmake", "--build", str(build), "-j2", "--target", *PRUEBAS], stdout=subprocess.DEVNULL)
    print(f"survived: {sobrevivientes}")


if __name__ == "__main__":
    main()
