# Shared by scripts/run, scripts/test and scripts/package: install what is
# missing, then configure and build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
release="$root/build-release"

packages=(
  cmake g++ make
  qt6-base-dev qt6-qpa-plugins libqt6opengl6-dev libgl-dev
  qt6-translations-l10n  # Qt's own texts in German
  libxcb1-dev  # the program tries its X display before Qt, which aborts when it does not answer
  libgtest-dev libgmock-dev libbenchmark-dev librapidcheck-dev nlohmann-json3-dev
  xvfb xauth xdotool x11-utils x11-apps imagemagick
  fonts-liberation2  # the window's sans-serif font, see ui/fonts.cpp
  clang libclang-rt-14-dev
  desktop-file-utils appstream
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi  # the click storm reads the window as a screen reader would
  python3-xlib  # and closes the About box as a window manager would
  dpkg-dev file lintian  # the Debian package: its dependencies found in its binaries, then checked
)

ensure_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_all() {
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --parallel "$(nproc)"
}

# The release build, without tests or benchmarks, and its Debian package; sets
# package to the package's path. Debian's own compiler and linker flags, with
# every hardening feature, harden the program as Debian's packages are.
build_package() {
  local flags=(env -C "$root" DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get)
  cmake -S "$root" -B "$release" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAVREL_WITH_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$("${flags[@]}" CPPFLAGS) $("${flags[@]}" CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$("${flags[@]}" LDFLAGS)" >/dev/null
  cmake --build "$release" --parallel "$(nproc)"
  package=$(cd "$release" && cpack | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
  [ -n "$package" ]
}
