#!/usr/bin/env bash
# Installs the Debian packages the game needs that are not there yet.
#   install-deps.sh             what building and playing needs
#   install-deps.sh --package   that, plus what making the .deb needs
#   install-deps.sh --windows   that, plus what making the Windows downloads needs
#   install-deps.sh --test      all of that, plus what the test suites need
set -euo pipefail

# Qt's Traditional Chinese translation is compiled into the game, and so is
# its font, cut from fonts-noto-cjk by tools/make_font.py (only the test of
# that tool needs the whole font).
packages=(cmake ninja-build g++ qt6-base-dev libx11-dev qt6-translations-l10n)
if [[ "${1:-}" == "--package" || "${1:-}" == "--windows" || "${1:-}" == "--test" ]]; then
  # dpkg-shlibdeps works out the package's dependencies; dpkg-source checks
  # and unpacks Qt's source for the Windows build
  packages+=(dpkg-dev)
fi
if [[ "${1:-}" == "--windows" || "${1:-}" == "--test" ]]; then
  # Qt and the game built for Windows, and the installer
  packages+=(g++-mingw-w64-x86-64-posix nsis python3)
fi
if [[ "${1:-}" == "--test" ]]; then
  packages+=(libgtest-dev clang libclang-rt-14-dev
             xvfb openbox icewm xdotool x11-utils x11-apps x11-xserver-utils
             libxfixes3 wmctrl python3
             python3-pil python3-numpy python3-fonttools fonts-noto-cjk fontconfig librsvg2-bin
             lintian desktop-file-utils appstream
             # the game on Wayland: weston's headless back end, XWayland, Qt's plugin
             weston xwayland qt6-wayland
             # the start-up benchmark's probe
             libxdamage-dev libxtst-dev
             # the Windows step: GoogleTest's sources for MinGW-w64, Wine,
             # xclip to read what the Windows program copies
             googletest wine wine64 xclip)
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
