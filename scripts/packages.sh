# Debian packages the build and the tests need, and a helper that installs the
# missing ones. Sourced by run.sh and test.sh.

BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libicu-dev libcurl4-openssl-dev
                ca-certificates fonts-wqy-microhei)
TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev xvfb xauth x11-utils
               xdotool xclip imagemagick dpkg-dev desktop-file-utils appstream)

# Installs whichever of the named packages are not installed yet; quiet and
# quick when nothing is missing.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "error: missing packages (${missing[*]}) and neither root nor sudo" >&2
      return 1
    fi
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}
