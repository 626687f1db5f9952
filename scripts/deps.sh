# Debian packages the build and the tests need, and the code that installs them.
# Sourced by ./run and ./test; the one list to change when a dependency changes.

# Building and running the program and its tests (window tests run offscreen and need
# the platform plugins and a font; the core tests need the time-zone data and man, which
# shows them the manual pages as a user sees them).
TW_BUILD_PACKAGES=(
  cmake
  ninja-build
  g++
  qt6-base-dev
  qt6-base-dev-tools
  qt6-charts-dev
  libgl1-mesa-dev
  qt6-qpa-plugins
  fonts-dejavu-core
  fonts-liberation
  googletest
  libgtest-dev
  libbenchmark-dev
  tzdata
  man-db
)

# Checking the desktop integration and the Debian package: the validators of the desktop
# entry and the AppStream data, the MIME database and a reader of it, the package's
# shared-library dependencies and lintian.
TW_DESKTOP_PACKAGES=(
  desktop-file-utils
  appstream
  shared-mime-info
  libfile-mimeinfo-perl
  file
  dpkg-dev
  lintian
)

# Remaking the README's picture (scripts/screenshot.sh): a virtual X server, a way to find
# the window, a screen grabber and the sample register's writer.
TW_SCREENSHOT_PACKAGES=(
  xvfb
  xdotool
  imagemagick
  python3
)

# The fuzz build: clang and its libFuzzer runtime.
TW_FUZZ_PACKAGES=(
  clang
  libclang-rt-14-dev
)

# Prints every named package that dpkg does not report as installed.
tw_missing_packages() {
  local pkg status
  for pkg in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
    if [[ "$status" != "installed" ]]; then
      printf '%s\n' "$pkg"
    fi
  done
}

# Installs the missing ones when run as root; otherwise prints the command and fails.
tw_ensure_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "warning: dpkg-query not found; not checking for: $*" >&2
    return 0
  fi
  local missing
  mapfile -t missing < <(tw_missing_packages "$@")
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  if [[ "$(id -u)" != "0" ]]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    return 1
  fi
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # A mirror can hiccup; one retry of each step is enough to ride it out.
  apt-get update -q || { sleep 5; apt-get update -q; }
  apt-get install -y -q "${missing[@]}" </dev/null ||
    { sleep 5; apt-get install -y -q "${missing[@]}" </dev/null; }
}
