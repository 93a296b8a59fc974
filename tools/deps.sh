# Installs the Debian packages the game and its tests need, when missing.
# Sourced by ./play and ./test.

MG_PACKAGES=(cmake g++ make qt6-base-dev qt6-multimedia-dev qt6-l10n-tools qt6-tools-dev
  libgl-dev zlib1g-dev libgtest-dev libbenchmark-dev ccache
  qt6-qpa-plugins fonts-dejavu-core espeak-ng xvfb xauth xdotool
  dpkg-dev file lintian desktop-file-utils appstream)

mg_install_missing() {
  local missing=()
  for package in "${MG_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
