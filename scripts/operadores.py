"""Faults made mechanically on the C++ lines changed since a commit, by a fixed set of operators.

Each fault is (path, line number, operator, original line, replaced line); a fault changes one line
into one line, so that line numbers (and what `__LINE__` gives) stay as they were. The operators:

  negar        a condition of `if`/`while` negated: `if (c)` → `if (!(c))`
  termino      one term of a condition of `&&`/`||` dropped (in `if`/`while`, `return`, `=`)
  relacional   `<` `<=` `>` `>=` `==` `!=` swapped for its neighbour (`<` → `<=`, `==` → `!=`, …)
  aritmetico   `+` ↔ `-`, `*` ↔ `/`, `%` → `*`
  constante    a numeric literal moved by one and by a factor of two
  llamada      a call statement deleted (a whole line, after `if (…)` or a `case …:` label)
  retorno      `return;` (or `return {};` in a function that returns a value) before a statement
  argumentos   two neighbouring arguments of a call swapped
  cadena       a non-empty string literal emptied
"""
import re
import subprocess

PALABRAS_CLAVE = {"if", "while", "for", "switch", "return", "sizeof", "catch", "case", "delete", "throw", "new",
                  "static_cast", "const_cast", "reinterpret_cast", "dynamic_cast", "decltype", "alignof", "noexcept"}


def lineas_cambiadas(raiz, desde):
    """{path: set of line numbers} of the C++ lines under src/ that differ from commit `desde`."""
    diff = subprocess.run(["git", "-C", str(raiz), "diff", "-M", "-U0", desde, "--", "src"], capture_output=True,
                          text=True, check=True).stdout
    cambiadas, ruta = {}, None
    for linea in diff.splitlines():
        if linea.startswith("+++ "):
            ruta = linea[6:] if linea.startswith("+++ b/") else None
        elif linea.startswith("@@") and ruta and ruta.endswith((".cpp", ".h")):
            m = re.search(r"\+(\d+)(?:,(\d+))?", linea)
            inicio, cuantas = int(m[1]), int(m[2] if m[2] is not None else 1)
            cambiadas.setdefault(ruta, set()).update(range(inicio, inicio + cuantas))
    return cambiadas


def partir_comentario(linea):
    """(code, trailing comment) of a line, the comment being `//…` outside any literal."""
    i, literal = 0, None
    while i < len(linea):
        c = linea[i]
        if literal:
            if c == "\\":
                i += 1
            elif c == literal:
                literal = None
        elif c in "\"'":
            literal = c
        elif linea.startswith("//", i):
            return linea[:i], linea[i:]
        i += 1
    return linea, ""


def literales(codigo):
    """The spans (start, end) of the string and character literals, quotes included."""
    tramos, i = [], 0
    while i < len(codigo):
        if codigo[i] in "\"'":
            q, j = codigo[i], i + 1
            while j < len(codigo) and codigo[j] != q:
                j += 2 if codigo[j] == "\\" else 1
            tramos.append((i, j + 1))
            i = j + 1
        else:
            i += 1
    return tramos


def dentro(tramos, pos):
    return any(a <= pos < b for a, b in tramos)


def cierre(codigo, abre):
    """The index of the bracket that closes the one at `abre`, on this line; None if it does not."""
    nivel, tramos = 0, literales(codigo)
    for i in range(abre, len(codigo)):
        if dentro(tramos, i):
            continue
        if codigo[i] in "([{":
            nivel += 1
        elif codigo[i] in ")]}":
            nivel -= 1
            if nivel == 0:
                return i
    return None


def partes_superiores(texto, separadores):
    """Splits `texto` at the separators that stand outside brackets and literals: [(start, end)]."""
    partes, nivel, inicio, i, tramos = [], 0, 0, 0, literales(texto)
    while i < len(texto):
        if dentro(tramos, i):
            i += 1
            continue
        c = texto[i]
        if c in "([{":
            nivel += 1
        elif c in ")]}":
            nivel -= 1
        elif nivel == 0:
            sep = next((s for s in separadores if texto.startswith(s, i)), None)
            if sep:
                partes.append((inicio, i))
                inicio = i + len(sep)
                i += len(sep)
                continue
        i += 1
    partes.append((inicio, len(texto)))
    return partes


def condiciones(codigo):
    """The spans (start, end) of the conditions of `if (…)` and `while (…)` on this line."""
    tramos = literales(codigo)
    for m in re.finditer(r"\b(if|while)\s*\(", codigo):
        if dentro(tramos, m.start()):
            continue
        fin = cierre(codigo, m.end() - 1)
        if fin:
            yield m.end(), fin


def quitar_terminos(codigo, a, b):
    """Each way to drop one term of the `&&`/`||` expression codigo[a:b]."""
    texto = codigo[a:b]
    partes = partes_superiores(texto, ["&&", "||"])
    if len(partes) < 2:
        return
    for k in range(len(partes)):
        resto = [texto[s:e].strip() for j, (s, e) in enumerate(partes) if j != k]
        ops = re.findall(r"&&|\|\|", "".join(texto[partes[j][1]:partes[j + 1][0]] for j in range(len(partes) - 1)))
        del ops[max(k - 1, 0)]
        nuevo = resto[0]
        for op, t in zip(ops, resto[1:]):
            nuevo += f" {op} {t}"
        yield codigo[:a] + (" " if texto.startswith(" ") else "") + nuevo + codigo[b:]


def funcion_que_encierra(lineas, n):
    """`return;` or `return {};`: what returns early from the function or lambda around line n (1-based)."""
    sangria = len(lineas[n - 1]) - len(lineas[n - 1].lstrip())
    for k in range(n - 2, -1, -1):
        linea = partir_comentario(lineas[k])[0].rstrip()
        s = len(linea) - len(linea.lstrip())
        if not linea.strip() or s >= sangria or not linea.endswith("{"):
            continue
        sangria = s
        cabeza = linea.strip()
        if re.match(r"(if|else|for|while|switch|do|try|case|default|namespace|class|struct|enum)\b", cabeza) \
                or cabeza.startswith("}") or "(" not in cabeza:
            continue
        if re.search(r"\]\s*\([^)]*\)\s*(mutable\s*)?\{$", cabeza):  # a lambda
            return "return {};" if "->" in cabeza.split("](")[-1] else "return;"
        constructor = re.match(r"(?:\w+::)*(\w+)::~?(\w+)\s*\(", cabeza)
        if re.match(r"(\[\[\w+\]\]\s*)?((static|inline|virtual|constexpr)\s+)*void\s", cabeza) or \
                constructor and constructor[1] == constructor[2]:
            return "return;"
        return "return {};"
    return None


def empieza_sentencia(lineas, n):
    """Whether line n (1-based) starts a statement, rather than going on with the line before."""
    for k in range(n - 2, -1, -1):
        antes = partir_comentario(lineas[k])[0].strip()
        if antes:
            return antes.endswith((";", "{", "}", ":")) or antes.startswith("#")
    return True


def faltas_de_linea(lineas, n):
    """Every (operator, new line) for line n (1-based) of a file."""
    original = lineas[n - 1]
    sentencia = empieza_sentencia(lineas, n)
    codigo, comentario = partir_comentario(original)
    cuerpo = codigo.strip()
    if not cuerpo or cuerpo.startswith(("#", "/*", "*")) or cuerpo in ("{", "}", "};", "});"):
        return
    tramos = literales(codigo)
    cambio = lambda a, b, nuevo: codigo[:a] + nuevo + codigo[b:] + comentario  # noqa: E731

    for a, b in condiciones(codigo):
        yield "negar", codigo[:a] + "!(" + codigo[a:b] + ")" + codigo[b:] + comentario
        for nuevo in quitar_terminos(codigo, a, b):
            yield "termino", nuevo + comentario
    for m in re.finditer(r"(?:\breturn\s+|[^=!<>]=\s)(.*);", codigo):
        if not dentro(tramos, m.start(1)) and ("&&" in m[1] or "||" in m[1]):
            for nuevo in quitar_terminos(codigo, m.start(1), m.end(1)):
                yield "termino", nuevo + comentario

    vecinos = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
    for m in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", codigo):
        if not dentro(tramos, m.start()):
            yield "relacional", cambio(m.start(), m.end(), vecinos[m[1]])
    aritmeticos = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "*"}
    for m in re.finditer(r"(?<=\s)([-+*/%])(?=\s)", codigo):
        if not dentro(tramos, m.start()):
            yield "aritmetico", cambio(m.start(), m.end(), aritmeticos[m[1]])

    for m in re.finditer(r"(?<![\w.])(\d+\.\d*|\d+)([fFuUlL]*)(?![\w.])", codigo):
        if dentro(tramos, m.start()):
            continue
        texto, sufijo = m[1], m[2]
        if "." in texto:
            v = float(texto)
            otros = [repr(v + 1), repr(v * 2) if v else "1.0"]
        else:
            v = int(texto)
            otros = [str(v + 1), str(v * 2) if v > 1 else str(v - 1) if v == 1 else None]
        for otro in dict.fromkeys(o for o in otros if o and o != texto):
            yield "constante", cambio(m.start(), m.end(), otro + sufijo)

    llamada = r"(?:emit\s+)?(?:[A-Za-z_][\w]*(?:::|\.|->))*[A-Za-z_]\w*(?:<[\w:*&, ]*>)?\s*\(.*\)\s*;"
    sangria = codigo[:len(codigo) - len(codigo.lstrip())]
    primera = re.match(r"[A-Za-z_]\w*", cuerpo)
    if sentencia and re.fullmatch(llamada, cuerpo) and primera and primera[0] not in PALABRAS_CLAVE:
        yield "llamada", sangria + ";" + comentario
    m = re.match(r"(\s*(?:\}\s*else\s+)?(?:if|while)\s*\()", codigo)
    if m and (fin := cierre(codigo, m.end() - 1)):
        resto = codigo[fin + 1:].strip()
        if re.fullmatch(llamada, resto) and resto.split("(")[0] not in PALABRAS_CLAVE:
            yield "llamada", codigo[:fin + 1] + " ;" + comentario
    for m in re.finditer(r"(?<=:\s)(" + llamada[:-1] + r")(?=\s*break;)", codigo):
        yield "llamada", cambio(m.start(), m.end(), ";")

    if sentencia and codigo.rstrip().endswith((";", "{")) and not re.match(
            r"(case|default|public|private|protected|else|namespace|class|struct|enum|template|using|return\b)", cuerpo) \
            and not cuerpo.startswith("}") and sangria:
        retorno = funcion_que_encierra(lineas, n)
        if retorno:
            yield "retorno", sangria + retorno + " " + codigo.lstrip() + comentario

    for m in re.finditer(r"\b([A-Za-z_]\w*)\s*\(", codigo):
        if m[1] in PALABRAS_CLAVE or dentro(tramos, m.start()):
            continue
        fin = cierre(codigo, m.end() - 1)
        if not fin:
            continue
        args = partes_superiores(codigo[m.end():fin], [","])
        for k in range(len(args) - 1):
            (a1, b1), (a2, b2) = args[k], args[k + 1]
            x, y = codigo[m.end() + a1:m.end() + b1].strip(), codigo[m.end() + a2:m.end() + b2].strip()
            if x and y and x != y:
                dentro_args = codigo[m.end():fin]
                nuevo = dentro_args[:a1] + dentro_args[a1:b1].replace(x, y, 1) + "," + \
                    dentro_args[a2:b2].replace(y, x, 1) + dentro_args[b2:]
                yield "argumentos", codigo[:m.end()] + nuevo + codigo[fin:] + comentario

    for a, b in tramos:
        if codigo[a] == '"' and b - a > 2:
            yield "cadena", cambio(a + 1, b - 1, "")


def candidatos(raiz, desde):
    """Every mechanical fault on the lines changed since `desde`, in a fixed order."""
    todos = []
    for ruta, numeros in sorted(lineas_cambiadas(raiz, desde).items()):
        lineas = (raiz / ruta).read_text(encoding="utf-8").split("\n")
        for n in sorted(numeros):
            if n > len(lineas):
                continue
            vistos = set()
            for operador, nueva in faltas_de_linea(lineas, n):
                if nueva != lineas[n - 1] and nueva not in vistos:
                    vistos.add(nueva)
                    todos.append((ruta, n, operador, lineas[n - 1], nueva))
    return todos
