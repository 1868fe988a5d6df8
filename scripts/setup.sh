#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run.
#   scripts/setup.sh           what building, testing and running need
#   scripts/setup.sh checks    also what checking the install and the packages
#                              needs (scripts/check-install.sh, check-package.sh)
# Idempotent: packages already present are not fetched again, and the
# package lists are refreshed at most once per run.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libpugixml-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  locales
  qt6-base-dev fonts-dejavu-core
  poppler-utils unzip
  python3                # runs the examples of the documentation (tests/docs)
  dpkg-dev file binutils
  time bc                # the command timings (bench/time-commands.sh)
)
if [ "${1:-}" = checks ]; then
  # Debian's package checker, the desktop's validators and caches, the file
  # type query and the shell completion's helpers.
  packages+=(lintian desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl bash-completion)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The number rules are tested in a comma locale as well as in a point locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "setup: generating de_DE.UTF-8"
  $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
