#!/usr/bin/env bash
# Installs exactly the Debian packages that Saldix builds and tests with.
# Idempotent and quiet when everything is present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev sqlite3 time libjemalloc-dev
  libgtest-dev libbenchmark-dev
  # qt6-base-dev brings Widgets, Test and PrintSupport (print preview, PDF output).
  qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core fontconfig
  libcurl4-openssl-dev libxml2-dev libxml2-utils python3-pyftpdlib python3-aiosmtpd python3-openssl openssl
  openssh-server openssh-client
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
