#!/usr/bin/env bash
# Makes the Debian packages tq4600 and tq4600-dev of a build tree (cpack, into
# that tree) and checks them as Debian would:
#  - each holds its pieces where Debian's layout wants them: the runtime
#    libraries and plug-ins in tq4600's private folder below the multiarch
#    triplet's, the data below /usr/share, the SDK's CMake package and
#    pkg-config file below the triplet's folder;
#  - tq4600 depends on the Debian packages its binaries need;
#  - lintian -I -E --pedantic finds no error and no warning, and every
#    override of the packages is still used. Its whole output is shown.
#   scripts/check-package.sh [BUILD]      default: build/ (scripts/test.sh's)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh checks
build="$(cd "${1:-build}" && pwd)"
fail() {
  echo "check-package: $*" >&2
  exit 1
}

rm -f "$build"/tq4600_*.deb "$build"/tq4600-dev_*.deb
(cd "$build" && cpack --config "$build/CPackConfig.cmake" -B "$build" >"$build/cpack.log" 2>&1) ||
  fail "cpack failed; see $build/cpack.log"
runtime=("$build"/tq4600_*.deb)
sdk=("$build"/tq4600-dev_*.deb)
if [ ! -f "${runtime[0]}" ] || [ ! -f "${sdk[0]}" ]; then
  fail "cpack made no tq4600 and tq4600-dev packages"
fi

libdir="$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")"
private="usr/$libdir/tq4600"
contents() { dpkg-deb -c "$1" | awk '{print $6}' | sed 's|^\./||'; }
contents "${runtime[0]}" >"$build/tq4600.files"
contents "${sdk[0]}" >"$build/tq4600-dev.files"
for file in usr/bin/tqhost "$private/libqcom.so.1" "$private/plugins/O_TQ4600/O_TQ4600.so" \
  "$private/plugins/TQ4600" usr/share/tq4600/plugins/TQ4600/TQ4600.xml \
  usr/share/tq4600/snvt/snvt.xml usr/share/man/man1/tqhost.1.gz \
  usr/share/applications/tq4600.desktop usr/share/mime/packages/tq4600.xml \
  usr/share/icons/hicolor/scalable/apps/tq4600.svg usr/share/bash-completion/completions/tqhost \
  usr/share/doc/tq4600/copyright usr/share/doc/tq4600/changelog.gz; do
  grep -qx "$file" "$build/tq4600.files" || fail "tq4600 lacks $file"
done
for file in "usr/$libdir/cmake/Qcom/QcomConfig.cmake" "usr/$libdir/pkgconfig/qcom.pc" \
  "$private/libqcom.so" usr/include/qcom/com/Creation.h \
  usr/share/doc/tq4600-dev/copyright usr/share/doc/tq4600-dev/changelog.gz; do
  grep -qx "$file" "$build/tq4600-dev.files" || fail "tq4600-dev lacks $file"
done
public="$(grep -hE "^usr/lib/([^/]*/)?lib[^/]*\.so" "$build/tq4600.files" "$build/tq4600-dev.files" || true)"
[ -z "$public" ] || fail "libraries outside the private folder: $public"
depends="$(dpkg-deb -f "${runtime[0]}" Depends)"
for needed in libpugixml1v5 libqt6widgets6 libstdc++6; do
  [[ "$depends" == *"$needed"* ]] || fail "tq4600 does not depend on $needed: $depends"
done
for deb in "${runtime[0]}" "${sdk[0]}"; do
  echo "$(basename "$deb"): $(grep -vc '/$' "$build/$(dpkg-deb -f "$deb" Package).files") files; Depends: $(dpkg-deb -f "$deb" Depends)"
done

# lintian exits non-zero on errors only: the verdict is read from its tags.
# It is not meant to run as root; then it runs as nobody, on copies nobody
# can read.
lintian=(lintian -I -E --pedantic --color never)
debs=("${runtime[0]}" "${sdk[0]}")
if [ "$(id -u)" -eq 0 ]; then
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  chmod 755 "$work"
  install -m 644 "${debs[@]}" "$work"
  debs=("$work/$(basename "${runtime[0]}")" "$work/$(basename "${sdk[0]}")")
  lintian=(runuser -u nobody -- "${lintian[@]}")
fi
(cd / && "${lintian[@]}" "${debs[@]}") >"$build/lintian.txt" 2>&1 || true
echo "lintian -I -E --pedantic:"
sed 's/^/  /' "$build/lintian.txt"
if grep -E '^(E|W): |unused-override|mismatched-override' "$build/lintian.txt" >/dev/null; then
  fail "lintian reports errors, warnings or stale overrides (above)"
fi
grep -E '^[A-Z]: |^N: ' "$build/lintian.txt" >/dev/null || [ ! -s "$build/lintian.txt" ] ||
  fail "lintian did not run: $(head -n 3 "$build/lintian.txt")"
echo "check-package: the packages are laid out as expected and lintian finds no error or warning"
