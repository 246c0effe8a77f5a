#!/usr/bin/env bash
# Line, function and branch coverage of src/ over what a --coverage build's tests have run:
#   scripts/cobertura.sh [BUILD_DIR]            (build/ by default)
# Prints the summary, writes the HTML report into BUILD_DIR/cobertura/, and lists every line and
# branch of src/ that no test ran. Branches that only exceptions or the compiler's own code take
# are not counted. With COBERTURA_MINIMA="lines functions branches" it fails below those figures.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$raiz/build}" && pwd)"
mkdir -p "$build/cobertura"
# Generated sources (moc, resources, the built-in drawings' tables) are the build's, not ours.
comunes=(--root "$raiz" --object-directory "$build" --filter "$raiz/src/" --exclude '.*_autogen/.*'
  --exclude-unreachable-branches --exclude-throw-branches --gcov-ignore-parse-errors -j 2)
gcovr "${comunes[@]}" --json "$build/cobertura/cobertura.json" \
  --html-details "$build/cobertura/index.html" >/dev/null
python3 - "$build/cobertura/cobertura.json" "$raiz" "${COBERTURA_MINIMA:-}" <<'PY'
import json, pathlib, sys
datos = json.load(open(sys.argv[1]))
raiz = pathlib.Path(sys.argv[2])
cuenta = {"líneas": [0, 0], "funciones": [0, 0], "ramas": [0, 0]}
sin = []
for f in sorted(datos["files"], key=lambda f: f["file"]):
    texto = (raiz / f["file"]).read_text(encoding="utf-8", errors="replace").splitlines()
    funciones = {}
    for l in f["lines"]:
        if l.get("gcovr/noncode"):
            continue
        n = l["line_number"]
        cuenta["líneas"][1] += 1
        cuenta["líneas"][0] += l["count"] > 0
        ramas = l.get("branches", [])
        cuenta["ramas"][1] += len(ramas)
        tomadas = sum(b["count"] > 0 for b in ramas)
        cuenta["ramas"][0] += tomadas
        if l["count"] == 0:
            sin.append(f"{f['file']}:{n}: línea  {texto[n - 1].strip()}")
        elif tomadas < len(ramas):
            sin.append(f"{f['file']}:{n}: ramas {tomadas}/{len(ramas)}  {texto[n - 1].strip()}")
    veces = {l["line_number"]: l["count"] for l in f["lines"]}
    for fn in f.get("functions", []):
        # One entry per instantiation or per constructor variant: a function counts as run when any ran.
        clave = (fn.get("lineno"), fn["name"].split("(")[0] + (" (lambda)" if "lambda" in fn["name"] else ""))
        # gcovr 5.2 keeps a single record for a template's instances in a header, with the count of
        # one translation unit that may never call it; its first line's count is every unit's.
        plantilla = "<" in clave[1] and "lambda" not in fn["name"] and veces.get(fn.get("lineno"), 0) > 0
        funciones[clave] = funciones.get(clave, False) or fn["execution_count"] > 0 or plantilla
    cuenta["funciones"][1] += len(funciones)
    cuenta["funciones"][0] += sum(funciones.values())
    for (n, nombre), hecha in sorted(funciones.items(), key=lambda x: x[0][0] or 0):
        if not hecha:
            sin.append(f"{f['file']}:{n}: función sin ejecutar  {nombre}")
print("Sin ejecutar (líneas, ramas no tomadas, funciones):")
print("\n".join("  " + s for s in sin) or "  nada")
cifras = {k: 100.0 * a / b if b else 100.0 for k, (a, b) in cuenta.items()}
print("Cobertura de src/: " + ", ".join(f"{k} {cifras[k]:.1f} % ({a}/{b})" for k, (a, b) in cuenta.items()))
if sys.argv[3]:
    minimas = dict(zip(("líneas", "funciones", "ramas"), map(float, sys.argv[3].split())))
    bajas = [f"{k} {cifras[k]:.1f} % < {m} %" for k, m in minimas.items() if cifras[k] + 1e-9 < m]
    if bajas:
        sys.exit("La cobertura ha bajado: " + ", ".join(bajas))
PY
echo "Informe: $build/cobertura/index.html"
