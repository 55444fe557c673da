#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running need, plus any named on the
# command line, but only those that are missing. Uses sudo when not run as root.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libjpeg62-turbo-dev libgif-dev libspng-dev zlib1g-dev valgrind
          fonts-dejavu-core fonts-liberation qt6-translations-l10n qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools clang-format clang-tidy git "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
