#!/usr/bin/env bash
# Times the unattended export of one client's year of bookings to DATEV 700 on the demo
# suite (about 250,000 bookings of client 1 in 2025) and prints
#   - the whole batch run (load, combine, check, write, mark, journal): bookings per
#     second of CPU and of wall time, user and system CPU, wall time, peak memory;
#   - the writing step alone (a test export of the loaded list) against the time
#     `sqlite3 -csv` needs to dump the same rows.
#
# The batch run and the dump are measured RUNS times (default 3) and the fastest run counts:
# on a shared machine the slower ones measure the neighbours.
#
# Usage: bench/batch_timing.sh [BUILD_DIR] [WORK_DIR]
#   BUILD_DIR  CMake build directory (default: build)
#   WORK_DIR   where the demo suite is kept between runs (default: /tmp/saldix-batch-timing)
#   RUNS       environment: how many times each is measured (default 3)
#   FORMATE    environment: further formats whose writing step is measured against the
#              same dump, by catalogue identifier (default "DATEV BMD DVO SBS Varial"; their demo
#              profiles come from `saldix-suite demo`)
#   FORMAT     environment: the catalogue identifier of the format to time (default: the
#              demo's active one, DATEV 700), written with its demo profile
# The demo suite is built once (a few minutes); delete WORK_DIR to build it again.
# Exit code: 0 measured, 1 a step failed.
set -euo pipefail

BUILD=${1:-build}
WORK=${2:-/tmp/saldix-batch-timing}
RUNS=${RUNS:-3}
BOOKINGS=700000   # over 24 months and two clients: about 245,000 for client 1 in 2025
YEAR=2025
MAND=1

if [ ! -x /usr/bin/time ]; then
  echo "batch_timing: /usr/bin/time fehlt (scripts/install-deps.sh)" >&2
  exit 1
fi

cmake --build "$BUILD" --target saldix saldix-suite bench_batchlauf >/dev/null
SALDIX="$BUILD/src/saldix"
SUITE="$BUILD/src/tools/saldix-suite"
BENCH="$BUILD/bench/bench_batchlauf"

mkdir -p "$WORK/home"
export SALDIX_HOME="$WORK/home" SALDIX_RECHNER=1
TEMPLATE="$WORK/vorlage.db"
RUN_DB="$WORK/lauf.db"

# Julian day offsets as the suite stores dates: days since 30 Dec 1899.
FROM=$(( ($(date -u -d "$YEAR-01-01" +%s) - $(date -u -d 1899-12-30 +%s)) / 86400 ))
TO=$(( ($(date -u -d "$((YEAR + 1))-01-01" +%s) - $(date -u -d 1899-12-30 +%s)) / 86400 ))

if [ ! -f "$TEMPLATE" ]; then
  echo "Demo-Suite mit $BOOKINGS Buchungen wird angelegt ..."
  rm -f "$TEMPLATE.tmp"
  "$SUITE" init --db "$TEMPLATE.tmp" >/dev/null
  "$SUITE" demo --db "$TEMPLATE.tmp" --bookings "$BOOKINGS" --until 2026-12 >/dev/null
  # The demo has already settled all but the last two months; the year under test is
  # opened again so that the run exports all of it.
  sqlite3 "$TEMPLATE.tmp" "
    UPDATE fbde SET abr_jahr = 0, abr_nr = 0
      WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = $YEAR;
    DELETE FROM fbex WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = $YEAR;
    PRAGMA wal_checkpoint(TRUNCATE);"
  mv "$TEMPLATE.tmp" "$TEMPLATE"
fi

OPEN_ROWS="SELECT * FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = 0 AND abr_nr = 0
  AND export_kz = 'J' AND belegdatum >= $FROM AND belegdatum < $TO"
COUNT=$(sqlite3 "$TEMPLATE" "SELECT COUNT(*) FROM ($OPEN_ROWS)")

fresh_copy() {
  rm -f "$RUN_DB" "$RUN_DB-wal" "$RUN_DB-shm"
  cp "$TEMPLATE" "$RUN_DB"
  if [ -n "${FORMAT:-}" ]; then
    sqlite3 "$RUN_DB" "UPDATE settings_store SET value = '$FORMAT' WHERE program = 'SALDIX'
      AND mask = 'FIBUEXPO' AND scope = 'G' AND key = 'FIBUAKTEXP'"
  fi
  rm -rf "$SALDIX_HOME/export"
}

# CPU seconds (user + system) of a /usr/bin/time -f "%e %U %S %M" line.
cpu() { awk '{ printf "%.2f", $2 + $3 }' <<<"$1"; }
per_second() { awk -v n="$1" -v s="$2" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }'; }

# The faster of two /usr/bin/time -f "%e %U %S %M" lines by the field given (1 wall, 0 CPU).
faster() {
  awk -v a="$1" -v b="$2" -v wall="$3" 'BEGIN {
    if (a == "") { print b; exit }
    split(a, x, " "); split(b, y, " ")
    ka = wall ? x[1] : x[2] + x[3]; kb = wall ? y[1] : y[2] + y[3]
    print (kb < ka ? b : a) }'
}

# The dump first, so that both read from a warm file cache.
DUMP=""
for _ in $(seq "$RUNS"); do
  fresh_copy
  LINE=$( { /usr/bin/time -f "%e %U %S %M" sqlite3 -csv "$RUN_DB" "$OPEN_ROWS" >"$WORK/dump.csv"; } 2>&1 )
  DUMP=$(faster "$DUMP" "$LINE" 0)
done

RUN=""
for _ in $(seq "$RUNS"); do
  fresh_copy
  LINE=$( { SALDIX_DB="$RUN_DB" /usr/bin/time -f "%e %U %S %M" \
            "$SALDIX" -MAND:$MAND -VDATUM:0101$YEAR -BDATUM:3112$YEAR; } 2>&1 | tail -1 )
  FILED=$(sqlite3 "$RUN_DB" "SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND
    abr_jahr = $YEAR AND belegdatum >= $FROM AND belegdatum < $TO")
  if [ "$FILED" -ne "$COUNT" ]; then
    echo "batch_timing: der Lauf hat $FILED von $COUNT Buchungen exportiert" >&2
    SALDIX_DB="$RUN_DB" "$SUITE" log --tail 5 >&2 || true
    exit 1
  fi
  RUN=$(faster "$RUN" "$LINE" 1)
done

# Writing alone: CPU seconds per test export of the loaded list, in the active format or
# the one given.
write_seconds() {
  fresh_copy
  if [ -n "${1:-}" ]; then
    sqlite3 "$RUN_DB" "UPDATE settings_store SET value = '$1' WHERE program = 'SALDIX'
      AND mask = 'FIBUEXPO' AND scope = 'G' AND key = 'FIBUAKTEXP'"
  fi
  local ms
  ms=$(SALDIX_BENCH_DB="$RUN_DB" SALDIX_BENCH_MAND=$MAND SALDIX_BENCH_JAHR=$YEAR \
    "$BENCH" --benchmark_filter=BM_Schreiben --benchmark_format=csv 2>/dev/null |
    awk -F, '/^"BM_Schreiben/ { print $4 }')
  if [ -z "$ms" ]; then
    echo "batch_timing: der Schreib-Benchmark${1:+ für $1} hat kein Ergebnis geliefert" \
         "(fehlt das Demoprofil? $WORK löschen, um die Suite neu anzulegen)" >&2
    return 1
  fi
  awk -v ms="$ms" 'BEGIN { printf "%.2f", ms / 1000 }'
}
WRITE_S=$(write_seconds) || exit 1

read -r RUN_WALL RUN_USER RUN_SYS RUN_KB <<<"$RUN"
RUN_CPU=$(cpu "$RUN")
DUMP_CPU=$(cpu "$DUMP")
echo "Buchungen von Mandant $MAND im Jahr $YEAR: $COUNT (schnellster von $RUNS Läufen)"
echo "Ganzer Batchlauf:  ${RUN_WALL} s Wand, ${RUN_USER} s user + ${RUN_SYS} s sys," \
     "Spitze $((RUN_KB / 1024)) MB"
echo "                   $(per_second "$COUNT" "$RUN_CPU") Buchungen/s CPU," \
     "$(per_second "$COUNT" "$RUN_WALL") Buchungen/s Wand"
echo "Schreiben allein:  ${WRITE_S} s CPU, $(per_second "$COUNT" "$WRITE_S") Buchungen/s"
echo "sqlite3 -csv:      ${DUMP_CPU} s CPU für dieselben Zeilen"
echo "Verhältnis Schreiben / sqlite3 -csv: $(awk -v a="$WRITE_S" -v b="$DUMP_CPU" \
     'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
for FORMAT in ${FORMATE-DATEV BMD DVO SBS Varial}; do
  FORMAT_S=$(write_seconds "$FORMAT") || exit 1
  echo "Schreiben $FORMAT: ${FORMAT_S} s CPU, Verhältnis zu sqlite3 -csv: $(ratio "$FORMAT_S" "$DUMP_CPU")"
done
