#!/usr/bin/env bash
# Refreshes translation/*.ts from the texts in src/ (tr(), QT_TR_NOOP and
# friends, the designer forms' translatable strings): new texts are added as
# unfinished, texts no longer in the sources are dropped, finished
# translations of unchanged texts are kept. en.ts is then made the identity,
# every message finished with its own source, so that English never falls
# back to another language's file. LUPDATE names the lupdate to use.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-lupdate}"
cd "$here"

ts_files=(translation/*.ts)
# -I src: the sources include each other from src/, and lupdate must read a
# class's header to give its tr() calls the class's context.
"$lupdate" -no-obsolete -locations none -I src -recursive src -ts "${ts_files[@]}"

python3 - translation/en.ts <<'PY'
import re
import sys

path = sys.argv[1]
with open(path, encoding="utf-8") as f:
    text = f.read()

def identity(match):
    message = match.group(0)
    source = re.search(r"<source>(.*?)</source>", message, re.S).group(1)
    if "<numerusform" in message:
        message = re.sub(r"<numerusform[^>]*>.*?</numerusform>|<numerusform[^>]*/>",
                         lambda _: "<numerusform>%s</numerusform>" % source, message, flags=re.S)
        return re.sub(r"<translation[^>]*>", "<translation>", message, count=1)
    return re.sub(r"<translation[^>]*>.*?</translation>|<translation[^>]*/>",
                  lambda _: "<translation>%s</translation>" % source, message, count=1, flags=re.S)

text = re.sub(r"<message[^>]*>.*?</message>", identity, text, flags=re.S)
with open(path, "w", encoding="utf-8") as f:
    f.write(text)
PY
