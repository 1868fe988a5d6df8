#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, moves the install elsewhere
# and checks the moved copy as a user and an integrator would meet it:
#  - no installed program or library names the build tree; nothing built for
#    one architecture lies below share/, and each link of the plug-in folder
#    leads to its data there;
#  - tqhost writes and streams a project with the plug-ins and the catalogue
#    installed beside it, and registers the installed component;
#  - the example host (examples/host) builds against the installed SDK, once
#    through its CMake package and once through pkg-config, prints the same
#    stream as tqhost and hears the object's notifications through a sink it
#    handed over without keeping; every installed header compiles on its own;
#  - the desktop entry is valid, a project file is of the project type and
#    that type opens with the entry; the shell completion offers commands,
#    options, template IDs and parameter names.
#   scripts/check-install.sh [BUILD]      default: build/ (scripts/test.sh's)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh checks
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
libdir="$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")"
private="$prefix/$libdir/tq4600"
component="$private/plugins/O_TQ4600/O_TQ4600.so"
catalogue="$prefix/share/tq4600/snvt/snvt.xml"
[ -f "$component" ] || fail "no component at $component"
for file in "$prefix/bin/tqhost" "$private"/*.so.* "$private"/plugins/*/*.so; do
  [ -L "$file" ] && continue
  readelf -d "$file" | grep "$build" >/dev/null && fail "$file names the build tree $build"
done
elf="$(find "$prefix/share" -type f -exec file {} + | grep ELF || true)"
[ -z "$elf" ] || fail "architecture-dependent files below share/: $elf"
links=0
while read -r link; do
  target="$(readlink -f "$link")"
  [[ -e "$target" && "$target" == "$prefix/share/tq4600/plugins/"* ]] ||
    fail "$link does not lead to its data below share/: $(readlink "$link")"
  links=$((links + 1))
done < <(find "$private/plugins" -type l)
[ "$links" -gt 0 ] || fail "the plug-in folder $private/plugins holds no links to its data"

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
g++ -std=c++20 examples/host/main.cpp -o "$work/pc-example" \
  $(PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig" pkg-config --cflags --libs qcom)
"$work/pc-example" "$component" "$catalogue" >"$work/pc-example.txt"
diff -u "$work/tqhost.txt" "$work/pc-example.txt" || fail "the pkg-config example's stream differs"

# Each header alone, as a host's first include: it must bring what it uses.
headers=0
while read -r header; do
  echo "#include \"$header\"" |
    g++ -std=c++20 -Wall -Wextra -Werror -fsyntax-only -I"$prefix/include/qcom" -x c++ - ||
    fail "the installed header $header does not compile on its own"
  headers=$((headers + 1))
done < <(cd "$prefix/include/qcom" && find . -name '*.h' | sed 's|^\./||' | sort)
[ "$headers" -gt 0 ] || fail "no headers installed below $prefix/include/qcom"

# All headers together after a host's own declarations of the names such a host
# already has (its platform's GUID, IID, HRESULT, BSTR...): the SDK keeps its
# names in namespace qcom, so nothing clashes.
{
  cat <<'EOF'
struct GUID { unsigned long a; };
typedef GUID IID;
typedef GUID CLSID;
typedef long HRESULT;
typedef unsigned short* BSTR;
struct IUnknown { int x; };
struct IDispatch { int x; };
struct VARIANT { int x; };
typedef int LONG;
typedef unsigned long ULONG;
void SysFreeString(BSTR);
int CoCreateInstance();
EOF
  (cd "$prefix/include/qcom" && find . -name '*.h' | sed 's|^\./||' | sort | sed 's/.*/#include "&"/')
  echo 'int main() { GUID g{1}; qcom::GUID q{}; return static_cast<int>(g.a) + static_cast<int>(sizeof q) - 16 - 1; }'
} >"$work/clash.cpp"
g++ -std=c++20 -Wall -Wextra -Werror -fsyntax-only -I"$prefix/include/qcom" "$work/clash.cpp" ||
  fail "the installed headers declare names in the global namespace that a host's own clash with"

# The desktop, as its caches would be after the package's triggers ran, with
# nothing of this machine's own desktop settings in the way.
desktop-file-validate "$prefix/share/applications/tq4600.desktop" || fail "the desktop entry is not valid"
export XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$work/data-home" XDG_CONFIG_HOME="$work/config-home"
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
project_type=application/x-qor-project+xml
type="$(xdg-mime query filetype "$work/two.qor.xml")"
[ "$type" = "$project_type" ] || fail "a project file is of type $type, not $project_type"
entry="$(xdg-mime query default "$project_type")"
[ "$entry" = tq4600.desktop ] || fail "a project opens with '$entry', not tq4600.desktop"

# The completion, as bash runs it for the installed tqhost: the words of a
# line and the place of the cursor in, the offered words out.
completions() {
  PATH="$prefix/bin:$PATH" bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    complete -p tqhost >/dev/null || exit 1
    compopt() { :; }  # only a running completion may set its options
    COMP_LINE="tqhost $2" COMP_POINT=${#COMP_LINE}
    read -ra COMP_WORDS <<<"$COMP_LINE"
    [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _tqhost
    printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "
  ' completion "$prefix/share/bash-completion/completions/tqhost" "$1"
}
while IFS='|' read -r line expected; do
  got="$(completions "$line")" || fail "the completion for tqhost is not registered"
  [ "$got" = "$expected" ] || fail "completing 'tqhost $line' offers '$got', not '$expected'"
done <<EOF
st|stream |
set $work/two.qor.xml --|--force --help --object --plugins --snvt --units --wait |
set $work/two.qor.xml --units |si us |
set $work/two.qor.xml EB2/DI/1/C|EB2/DI/1/ContactType= |
new -o x.qor.xml --modules EB4AI2AO,EB8D|EB4AI2AO,EB8DI EB4AI2AO,EB8DIC EB4AI2AO,EB8DO |
list parameters --template EB4A|EB4AI2AO EB4AO |
list p|parameters |
save $work/two.qor.xml --form |interop normal sim |
help exp|explain export |
help remove-|remove-module remove-object |
connections $work/two.qor.xml --format |json text |
EOF
echo "check-install: the moved install, the example host, the $headers headers, the desktop entry and the completion are as expected"
