#!/usr/bin/env bash
# Fails when an include under src/ points up a layer or a Qt header appears outside src/ui.
# Layers from the bottom: suite (with suite/db), export, data, formats, app, ui, then the
# programs (main, tools) on top.
set -euo pipefail
cd "$(dirname "$0")/../src"

rank() {
  case "$1" in
    suite) echo 0 ;; export) echo 1 ;; data) echo 2 ;; formats) echo 3 ;;
    app) echo 4 ;; ui) echo 5 ;; main | tools) echo 6 ;; *) echo -1 ;;
  esac
}

fehler=0
while IFS= read -r -d '' datei; do
  layer=${datei%%/*}
  eigen=$(rank "$layer")
  while IFS= read -r zeile; do
    nummer=${zeile%%:*}
    ziel=$(sed -E 's/^[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$zeile")
    [ "$ziel" = "$zeile" ] && continue
    r=$(rank "$ziel")
    if [ "$r" -gt "$eigen" ]; then
      echo "src/$datei:$nummer: $layer includes $ziel (a layer above)" >&2
      fehler=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$datei" || true)
  if [ "$layer" != ui ] && grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q[A-Za-z]' "$datei" >/dev/null; then
    echo "src/$datei: Qt header outside src/ui" >&2
    fehler=1
  fi
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | tr '\n' '\0')

if [ "$fehler" -ne 0 ]; then
  echo "layer check: failed" >&2
  exit 1
fi
echo "layer check: passed"
