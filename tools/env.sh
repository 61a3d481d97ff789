# shellcheck shell=bash
# Shared set-up of ./run, ./test and the Windows test runner: packages, builds, the Wine prefix.

YANXI_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Code page 936 comes from the locale under Wine; Wine's own logging stays off unless asked for.
export LC_ALL=zh_CN.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}

YANXI_PACKAGES=(cmake make g++ googletest libgtest-dev g++-mingw-w64-i686-posix
  wine wine32 wine64 xvfb xauth imagemagick fonts-wqy-microhei xdotool locales)

yanxi_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

yanxi_install_packages() {
  local missing=() p
  for p in "${YANXI_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    # wine32 lives in the i386 architecture.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      yanxi_as_root dpkg --add-architecture i386
    fi
    yanxi_as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive yanxi_as_root apt-get install -y -qq \
      "${missing[@]}" >/dev/null
  fi
  # Wine needs only the variable; the generated locale keeps the shell from warning about it.
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    yanxi_as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    yanxi_as_root locale-gen >/dev/null
  fi
}

# yanxi_build native|windows [build folder]
yanxi_build() {
  local kind=$1 dir=${2:-$YANXI_ROOT/build/$1} toolchain=()
  [ "$kind" = windows ] && toolchain=(-DCMAKE_TOOLCHAIN_FILE="$YANXI_ROOT/cmake/mingw-i686.cmake")
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$YANXI_ROOT" -B "$dir" "${toolchain[@]}" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

# yanxi_prepare_prefix PREFIX [SETTINGS.reg ...]
# A prefix is made once (wineboot costs about 20 s) and given tools/wine-prefix.reg (CJK font
# replacements, so that the names the program draws with resolve to an installed font, and no
# debugger on a crash) and any further settings. The stamp holds the settings' checksum, so that
# a change reaches existing prefixes too.
yanxi_prepare_prefix() {
  local prefix=$1
  shift
  local settings=("$YANXI_ROOT/tools/wine-prefix.reg" "$@")
  mkdir -p "$prefix"
  (
    flock 9
    local sum file reg
    sum=$(cat "${settings[@]}" | sha1sum | cut -d' ' -f1)
    [ "$(cat "$prefix/.yanxi-ready" 2>/dev/null)" = "$sum" ] && exit 0
    export WINEPREFIX=$prefix
    # No Mono or Gecko: the program needs neither, and their installers would ask for a download.
    [ -f "$prefix/system.reg" ] || WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    for file in "${settings[@]}"; do
      reg=$(mktemp --suffix=.reg)
      iconv -f UTF-8 -t UTF-16 "$file" >"$reg"
      wine regedit "$reg" >/dev/null 2>&1
      rm -f "$reg"
    done
    wineserver -w
    echo "$sum" >"$prefix/.yanxi-ready"
  ) 9>"$prefix.lock"
}

# The prefix of a cross build's tests and benchmarks.
yanxi_prepare_test_prefix() {
  yanxi_prepare_prefix "$1" "$YANXI_ROOT/tools/wine-test-prefix.reg"
}
