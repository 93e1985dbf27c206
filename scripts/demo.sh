#!/usr/bin/env bash
# Demonstrates Saldix on a fresh demo suite.
set -euo pipefail
BUILD_DIR="${1:-build}"
echo "Saldix ist gebaut (${BUILD_DIR})."
echo "Es ist noch kein Exportformat vorhanden; die Demo eines DATEV-Exports folgt mit dem Format."
