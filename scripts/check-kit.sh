#!/usr/bin/env bash
# Builds and runs the examples against an installed kit, outside the source
# tree, as an embedder would: with find_package, with pkg-config for the
# number formats, and the C example as plain C11.
#   scripts/check-kit.sh PREFIX [full]
# full: the kit has the static libraries too (a whole install, not only the
# shared libraries); every object of them must link against the shared ones.
set -euo pipefail
prefix=$(realpath "$1")
mode=${2:-full}
source=$(realpath "$(dirname "$0")/..")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every header of the kit includes only headers the kit installs, or the system's.
missing=0
while IFS= read -r header; do
  while IFS= read -r included; do
    if [ ! -e "$prefix/include/$included" ] && [ ! -e "$prefix/include/vantor/$included" ]; then
      echo "$header includes $included, which is not installed" >&2
      missing=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$header")
done < <(find "$prefix/include/vantor" -name '*.h*')
[ $missing -eq 0 ]

build() { # build NAME [cmake args]: configure, build and run one example
  local name=$1; shift
  cp -r "$source/examples/$name" "$work/$name"
  cmake -S "$work/$name" -B "$work/$name/build" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$work/$name/build" -j2 >/dev/null
}

echo "== examples against $prefix"
build numfmt
"$work/numfmt/build/numfmt-example"
build c-entry
"$work/c-entry/build/c-entry"
build embed-host
"$work/embed-host/build/embed-host"

echo "== numfmt with pkg-config, C example with the compiler alone"
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
g++ -std=c++20 "$source/examples/numfmt/main.cpp" -o "$work/numfmt-pc" \
  $(pkg-config --define-prefix --cflags --libs vantor-numfmt)
LD_LIBRARY_PATH="$prefix/lib" "$work/numfmt-pc" >/dev/null
gcc -std=c11 -Wall -Werror -DVANTOR_LIBRARY="\"$prefix/lib/libvantor.so.1\"" \
  $(pkg-config --define-prefix --cflags vantor) "$source/examples/c-entry/main.c" -o "$work/c-entry-plain" -ldl
"$work/c-entry-plain" >/dev/null

if [ "$mode" = full ]; then
  echo "== every object of the static libraries links against the shared ones"
  cp -r "$source/cmake/link-check" "$work/link-check"
  cmake -S "$work/link-check" -B "$work/link-check/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
  cmake --build "$work/link-check/build" -j2 >/dev/null
fi
echo "kit at $prefix: all examples built and ran"
