#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, moves the install elsewhere
# and checks the moved copy as a user and an integrator would meet it:
#  - no installed program or library names the build tree;
#  - tqhost writes and streams a project with the plug-ins and the catalogue
#    installed beside it, and registers the installed component;
#  - the example host (examples/host) builds against the installed SDK, once
#    through its CMake package and once through pkg-config, prints the same
#    stream as tqhost and hears the object's notifications through a sink it
#    handed over without keeping;
#  - the Debian packages build, and show their dependencies and files.
#   scripts/check-install.sh [BUILD]      default: build/ (scripts/test.sh's)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(cd "${1:-build}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "check-install: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$work/installed" >/dev/null
mv "$work/installed" "$work/moved"
prefix="$work/moved"
component="$prefix/lib/tq4600/plugins/O_TQ4600/O_TQ4600.so"
catalogue="$prefix/share/tq4600/snvt/snvt.xml"
for file in "$prefix/bin/tqhost" "$prefix"/lib/*.so.* "$prefix"/lib/tq4600/plugins/*/*.so; do
  [ -L "$file" ] && continue
  readelf -d "$file" | grep "$build" >/dev/null && fail "$file names the build tree $build"
done

export QORDB_REGISTRY="$work/registry.xml"
"$prefix/bin/tqhost" new -o "$work/two.qor.xml" --modules EB4AI2AO,EB8DI >/dev/null
"$prefix/bin/tqhost" stream "$work/two.qor.xml" >"$work/tqhost.txt"
grep -q "$component" "$QORDB_REGISTRY" || fail "tqhost did not register $component"

cmake -S examples/host -B "$work/example" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
grep -q "^Qcom_DIR:PATH=$prefix/" "$work/example/CMakeCache.txt" ||
  fail "the example did not find the SDK installed in $prefix"
cmake --build "$work/example" >/dev/null
"$work/example/example-host" "$component" "$catalogue" >"$work/cmake-example.txt" 2>"$work/cmake-example.err"
diff -u "$work/tqhost.txt" "$work/cmake-example.txt" || fail "the example's stream differs"
grep -q "announced [1-9][0-9]* changes" "$work/cmake-example.err" ||
  fail "the example's sink heard no change: $(cat "$work/cmake-example.err")"

# shellcheck disable=SC2046 # pkg-config prints words
g++ -std=c++20 examples/host/main.cpp -o "$work/pc-example" -Wl,-rpath,"$prefix/lib" \
  $(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs qcom)
"$work/pc-example" "$component" "$catalogue" >"$work/pc-example.txt"
diff -u "$work/tqhost.txt" "$work/pc-example.txt" || fail "the pkg-config example's stream differs"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null 2>&1) ||
  fail "cpack failed"
runtime=("$work"/deb/tq4600_*.deb)
sdk=("$work"/deb/tq4600-dev_*.deb)
[ -f "${runtime[0]}" ] && [ -f "${sdk[0]}" ] || fail "cpack made no tq4600 and tq4600-dev packages"
depends="$(dpkg-deb -f "${runtime[0]}" Depends)"
for needed in libpugixml1v5 libqt6widgets6 libstdc++6; do
  [[ "$depends" == *"$needed"* ]] || fail "tq4600 does not depend on $needed: $depends"
done
dpkg-deb -c "${runtime[0]}" | grep '\./usr/lib/tq4600/plugins/O_TQ4600/O_TQ4600\.so$' >/dev/null ||
  fail "tq4600 lacks the component"
dpkg-deb -c "${sdk[0]}" | grep '\./usr/lib/cmake/Qcom/QcomConfig\.cmake$' >/dev/null ||
  fail "tq4600-dev lacks the CMake package"
for deb in "${runtime[0]}" "${sdk[0]}"; do
  echo "$(basename "$deb"): $(dpkg-deb -c "$deb" | grep -vc '/$') files; Depends: $(dpkg-deb -f "$deb" Depends)"
done
echo "check-install: the moved install, the example host and the packages are as expected"
