#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Surabe need, only those missing.
# With --checks, also what the fuzzers and the memory checks of CI need.
set -euo pipefail

packages=(
    cmake g++ make pkg-config        # build
    qt6-base-dev qt6-base-dev-tools  # Qt 6 Widgets, Qt Test and their tools
    libgtest-dev                     # engine tests
    fonts-noto-cjk                   # the default font must show Japanese
    xvfb xdotool x11-utils x11-apps  # real-window tests (xdpyinfo, xwd)
    weston qt6-wayland               # the Wayland start-up test, in a headless compositor
    desktop-file-utils appstream     # install checks of the desktop entry and metainfo
    dpkg-dev file fakeroot lintian   # the .deb package and Debian's checker of it
    man-db groff-base                # the manual pages' own check
)
if [[ "${1:-}" == --checks ]]; then
    packages+=(clang libclang-rt-dev valgrind)  # libFuzzer with the sanitizers; memcheck
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
