# Installs the Debian 12 packages that building, running and testing the reader need.
# Sourced by ./run and ./test; installs only what is missing.
lumora_packages=(
  cmake g++ make pkgconf
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev
  xvfb xauth
  fonts-wqy-zenhei
)

lumora_install_missing() {
  local missing=()
  for package in "${lumora_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

lumora_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE="${1:-RelWithDebInfo}" >/dev/null
  cmake --build build -j"$(nproc)"
}

# The engine refuses its sandbox when run as root; only then run it without one.
# Its start-up report of GL settings is noise on a terminal.
lumora_engine_environment() {
  if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
  export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.webenginecontext.info=false}"
}
