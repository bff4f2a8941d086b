#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an if, else, for, while or do body in the program's sources lacks
# braces. It reads the tokens of each file as written, without the headers
# they include, so the whole tree takes well under a second; the sources are
# clang-formatted, so a body always starts after its condition's closing
# parenthesis. Lines of the preprocessor are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files 'src/*.cpp' 'src/*.h' 2>/dev/null || find src -name '*.cpp' -o -name '*.h')
exec python3 - $files <<'PYTHON'
import re
import sys

TOKEN = re.compile(r'''
    (?P<space>\s+)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<directive>^[ \t]*\#(?:\\\n|[^\n])*)
  | (?P<raw>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)")
  | (?P<string>(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
  | (?P<char>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])+')
  | (?P<number>\.?[0-9](?:[eEpP][+-]|'[0-9a-zA-Z_]|[0-9a-zA-Z_.])*)
  | (?P<word>[A-Za-z_][A-Za-z_0-9]*)
  | (?P<punct>.)
''', re.VERBOSE | re.DOTALL | re.MULTILINE)


def tokens(text):
    line = 1
    for match in TOKEN.finditer(text):
        kind = match.lastgroup if match.lastgroup != 'delim' else 'raw'
        if kind not in ('space', 'comment', 'directive'):
            yield match.group(), line
        line += match.group().count('\n')


def closing(toks, i):
    """Index just past the parenthesis opening at i."""
    depth = 0
    while i < len(toks):
        if toks[i][0] == '(':
            depth += 1
        elif toks[i][0] == ')':
            depth -= 1
            if depth == 0:
                return i + 1
        i += 1
    return i


def skip_attributes(toks, i):
    while i + 1 < len(toks) and toks[i][0] == '[' and toks[i + 1][0] == '[':
        while i < len(toks) and not (toks[i][0] == ']' and toks[i + 1][0] == ']'):
            i += 1
        i += 2
    return i


failed = False
for path in sys.argv[1:]:
    with open(path, encoding='utf-8') as source:
        toks = list(tokens(source.read()))
    for i, (word, line) in enumerate(toks):
        if word in ('if', 'for', 'while'):
            j = i + 1
            while j < len(toks) and toks[j][0] in ('constexpr', 'consteval', '!'):
                j += 1
            if j >= len(toks) or toks[j][0] != '(':
                continue
            body = skip_attributes(toks, closing(toks, j))
            # The while that ends a do loop has no body of its own.
            if word == 'while' and i > 0 and toks[i - 1][0] == '}' and body < len(toks) \
                    and toks[body][0] == ';':
                continue
        elif word in ('else', 'do'):
            body = skip_attributes(toks, i + 1)
            if word == 'else' and body < len(toks) and toks[body][0] == 'if':
                continue
        else:
            continue
        if body >= len(toks) or toks[body][0] != '{':
            print(f'{path}:{line}: the body of this {word} needs braces')
            failed = True
sys.exit(1 if failed else 0)
PYTHON
