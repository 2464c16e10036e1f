#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not installed yet. A
# package of another architecture is named with it (wine32:i386); that architecture is
# added to dpkg first.
set -euo pipefail
missing=()
foreign=()
for package in "$@"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" && continue
  missing+=("$package")
  case "$package" in
    *:*) foreign+=("${package##*:}") ;;
  esac
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  for arch in "${foreign[@]}"; do
    dpkg --print-foreign-architectures | grep -qx "$arch" || dpkg --add-architecture "$arch"
  done
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
