#!/usr/bin/env bash
# Fails on a C runtime open mode that Windows' msvcrt.dll does not document. The mingw-w64
# programs run on msvcrt.dll, which rejects any other letter (the glibc "x" and "e"
# included) with EINVAL, while glibc and Wine's msvcrt accept them. Every fopen, _wfopen,
# freopen, _wfreopen, fdopen, _fdopen and _wfdopen in the sources must give its mode as a
# literal of the letters r, w, a, +, b and t only.
#   tools/check-open-modes.sh [FOLDER...]     (default: the whole source tree)
set -euo pipefail
cd "$(dirname "$0")/.."
python3 - "$@" <<'PY'
import os, re, sys

roots = sys.argv[1:] or ["."]
call = re.compile(r"\b(_w?fopen|fopen|_w?freopen|freopen|_w?fdopen|fdopen)\s*\(")
mode = re.compile(r'^\s*L?"([^"\\]*)"\s*$')
allowed = set("rwa+bt")
problems = 0

def arguments(text, start):
    """The top-level arguments of the call whose "(" is at start, or None when unclosed."""
    depth, quote, current, found = 0, None, "", []
    for i in range(start, len(text)):
        c = text[i]
        if quote:
            current += c
            if c == "\\":
                continue
            if c == quote and text[i - 1] != "\\":
                quote = None
            continue
        if c in "\"'":
            quote = c
        if c in "([{":
            depth += 1
            if depth == 1:
                continue
        if c in ")]}":
            depth -= 1
            if depth == 0:
                found.append(current)
                return found
        if c == "," and depth == 1:
            found.append(current)
            current = ""
            continue
        current += c
    return None

for root in roots:
    for folder, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
        for name in files:
            if not name.endswith((".c", ".cc", ".cpp", ".h", ".hpp")):
                continue
            path = os.path.join(folder, name)
            text = open(path, encoding="utf-8", errors="replace").read()
            for match in call.finditer(text):
                line = text.count("\n", 0, match.start()) + 1
                args = arguments(text, match.end() - 1)
                literal = mode.match(args[1]) if args and len(args) >= 2 else None
                if literal is None:
                    print(f"{path}:{line}: {match.group(1)} without a literal mode")
                    problems += 1
                elif not literal.group(1) or set(literal.group(1)) - allowed:
                    print(f'{path}:{line}: {match.group(1)} mode "{literal.group(1)}": msvcrt.dll takes r, w, a, +, b, t only')
                    problems += 1
print(f"open modes: {problems} problem(s)")
sys.exit(1 if problems else 0)
PY
