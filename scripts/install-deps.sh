#!/usr/bin/env bash
# Installs the Debian packages the game needs that are not there yet.
#   install-deps.sh          what building and playing needs
#   install-deps.sh --test   that, plus what the test suites need
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libx11-dev fonts-noto-cjk)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(libgtest-dev clang libclang-rt-14-dev
             xvfb openbox xdotool x11-utils x11-apps x11-xserver-utils
             libxfixes3 python3
             g++-mingw-w64-x86-64-posix wine wine64)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
