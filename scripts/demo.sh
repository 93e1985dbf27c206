#!/usr/bin/env bash
# Builds a demo suite and runs a real unattended DATEV 700 export of the previous month.
set -euo pipefail
BUILD_DIR="$(cd "${1:-build}" && pwd)"
DEMO_DIR="${BUILD_DIR}/demo"

rm -rf "${DEMO_DIR}"
mkdir -p "${DEMO_DIR}"
export SALDIX_DB="${DEMO_DIR}/suite.db"
export SALDIX_HOME="${DEMO_DIR}/home"
export SALDIX_RECHNER=1

echo "== Demo-Suite anlegen: ${SALDIX_DB}"
"${BUILD_DIR}/src/tools/saldix-suite" init
"${BUILD_DIR}/src/tools/saldix-suite" demo

echo
echo "== saldix -MAND:1 -MONAT:V"
status=0
"${BUILD_DIR}/src/saldix" -MAND:1 -MONAT:V || status=$?

echo
echo "== Menüprotokoll"
"${BUILD_DIR}/src/tools/saldix-suite" log --tail 10

echo
file="$(find "${SALDIX_HOME}/export" -type f -name '*.csv' 2>/dev/null | sort | tail -1 || true)"
if [ -n "${file}" ]; then
  echo "== Exportdatei: ${file}"
  head -n 4 "${file}" | iconv -f WINDOWS-1252 -t UTF-8 | cut -c1-200
else
  echo "== Es wurde keine Exportdatei geschrieben."
fi
exit "${status}"
