# Shared by ./run and ./test: install the Debian packages the build needs
# when any is missing, then configure and build into ./build.
set -euo pipefail

STICKWELL_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6svg6
  libgtest-dev libgmock-dev
  fonts-liberation2 fonts-dejavu-core
  poppler-utils fonts-symbola qt6-image-formats-plugins
  libzint-dev zbar-tools zxing-cpp-tools zlib1g-dev
  dpkg-dev desktop-file-utils libxml2-utils man-db shared-mime-info
  cups-daemon cups-client
  # RTF from other programs for the rich-text tests (LibreOffice is used
  # too when it is installed, but it is too heavy to install here).
  pandoc abiword
)

stickwell_install_packages() {
  local missing=()
  for p in "${STICKWELL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# stickwell_build [folder [cmake options...]]: configures and builds into
# ./build, or into the folder given (relative to the top) with the options.
stickwell_build() {
  local top
  top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  local folder="${1:-build}"
  [ $# -gt 0 ] && shift
  local launcher=()
  # A compiler cache, when the machine has one, makes rebuilds of a fresh
  # clone cheap; the build does not need it.
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$top" -B "$top/$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
  cmake --build "$top/$folder" -j"$(nproc)" -- --no-print-directory
}
