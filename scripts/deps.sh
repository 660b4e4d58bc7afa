# Sourced by scripts/run, scripts/test and scripts/package: installs what the
# build needs from Debian's packages, and skips apt entirely when everything is
# present.
# Usage: sahdict_deps PACKAGE...
sahdict_deps() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages and not root: run as root or install them: ${missing[*]}" >&2
    return 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

SAHDICT_BUILD_DEPS=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev libhunspell-dev
  zlib1g-dev qt6-translations-l10n)
# The test dependencies include the programs that read the exports (sdcv,
# dictd and dict, dictzip, xmllint) and ss to find a free port for dictd.
SAHDICT_TEST_DEPS=(clang libclang-rt-14-dev fonts-dejavu-core hunspell-ru desktop-file-utils appstream
  sdcv dictd dict dictzip libxml2-utils iproute2)
SAHDICT_RUN_DEPS=(qt6-qpa-plugins fonts-dejavu-core hunspell-ru qt6-translations-l10n)
# dpkg-shlibdeps (dpkg-dev) and file find the libraries the package depends on.
SAHDICT_PACKAGE_DEPS=(dpkg-dev file gzip lintian desktop-file-utils appstream)
