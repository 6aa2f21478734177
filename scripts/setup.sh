#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; only what is missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libxlsxwriter-dev libminizip-dev libexpat1-dev libgtest-dev libgmock-dev
      libbenchmark-dev xdg-utils python3 python3-dbfread tinyproxy microsocks poppler-utils
      pkgconf python3-openpyxl fonts-liberation2 qt6-translations-l10n)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
