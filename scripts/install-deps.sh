#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Quellow need.
# As root it runs apt-get; otherwise it uses sudo when that is available; failing
# both it prints the exact command to run and stops.
set -euo pipefail

PACKAGES=(
  # build
  g++ cmake make pkg-config git ccache
  # game libraries
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libpng-dev libjpeg62-turbo-dev zlib1g-dev
  libfreetype-dev
  # data tools: images, sound and music
  libcairo2-dev librsvg2-dev libvorbis-dev libogg-dev libfluidsynth-dev fluid-soundfont-gm
  # fonts the game and its art use
  fonts-liberation2 fonts-comic-neue fonts-comfortaa fonts-quicksand fonts-leckerli-one
  fonts-cabinsketch fonts-tomsontalks fonts-goudybookletter fonts-ebgaramond
  # OpenGL (software rendering works without a GPU)
  libgl1-mesa-dri libglx-mesa0 libegl-mesa0
  # tests: GoogleTest, a virtual display, sanitizers and fuzzing
  libgtest-dev xvfb xauth clang libclang-rt-14-dev
  # tests of full screen: a small window manager, and moving the pointer through X
  evilwm libxtst-dev
  # tests of the installed game: the desktop entry's and the software-centre description's validators
  desktop-file-utils appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1; then
  SUDO=(sudo)
else
  echo "Please run as root:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
