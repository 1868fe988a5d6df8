#!/usr/bin/env bash
# Times every tqhost command that works on a whole project, with its peak
# resident set, against stream on the same project: a project of N demo
# objects (three modules each, values set), for each N given (default 1,000
# and 10,000). Each command should take at most twice stream's time and 1.5
# times its memory. Prints one table per N, in the form docs/performance.md
# shows it.
# The last column is the exit code (diff's 1: the projects differ).
# Usage: bench/time-commands.sh [BUILD_DIR] [N ...]
set -euo pipefail
build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000)
tqhost="$(cd "$build" && pwd)/bin/tqhost"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QORDB_REGISTRY="$work/registry.xml" LC_ALL=C

"$tqhost" new -o "$work/one.xml" --name "Boiler room" --modules EB4AI2AO,EB8DIC,EB4AO >/dev/null
"$tqhost" set "$work/one.xml" Priority=2 Behaviour_OnCommFailure=1 MaxTimeBetweenComm=120 \
  EB1/AI/2/sensortype=0 EB1/AI/2/range=1 EB1/AI/2/linear_span=50 EB2/DI/1/PulsesPerCount=10 \
  EB3/AO/4/OutputMode=3 >/dev/null

# The object element repeated with its own unique ID, keys and export index.
project() {
  awk -v n="$1" '
    /<Object / { inside = 1 }
    inside { object = object $0 "\n"; if (/<\/Object>/) { inside = 0; emit = 1 }; next }
    emit { for (i = 1; i <= n; i++) { o = object; gsub(/uniqueId="1"/, "uniqueId=\"" i "\"", o);
                                      gsub(/exportIndex="1"/, "exportIndex=\"" i "\"", o);
                                      gsub(/TQ4600_1/, "TQ4600_" i, o); printf "%s", o }; emit = 0 }
    { print }' "$work/one.xml"
}

# Seconds and peak resident megabytes of one run; the project is copied
# first, so that a command that writes it starts from the same file.
measure() {
  cp "$work/a.xml" "$work/p.xml"
  local code=0
  /usr/bin/time -f '%e %M' -o "$work/time" "$tqhost" "$@" >/dev/null 2>"$work/err" || code=$?
  read -r seconds kilobytes < <(tail -n 1 "$work/time")
  echo "$seconds $((kilobytes / 1024)) $code"
}

for n in "${sizes[@]}"; do
  project "$n" >"$work/a.xml"
  awk '/<Object / { n++ } n % 10 == 1 && /<Priority>2</ { sub(/<Priority>2</, "<Priority>3<") } { print }' \
    "$work/a.xml" >"$work/b.xml"
  "$tqhost" export "$work/a.xml" -o "$work/values.csv" >/dev/null
  p="$work/p.xml"
  read -r base_s base_m _ < <(measure stream "$p")
  printf '\n%s objects, %s MB of XML\n\n' "$n" "$(($(stat -c %s "$work/a.xml") / 1000000))"
  printf '| command | time | x stream | peak resident | x stream | exit |\n|---|---|---|---|---|---|\n'
  printf '| stream | %s s | 1.0 | %s MB | 1.0 | 0 |\n' "$base_s" "$base_m"
  while IFS= read -r line; do
    read -r -a words <<<"$line"
    read -r s m code < <(measure "${words[@]}")
    printf '| %s | %s s | %.1f | %s MB | %.1f | %s |\n' "${words[0]}" "$s" \
      "$(echo "$s / $base_s" | bc -l)" "$m" "$(echo "$m / $base_m" | bc -l)" "$code"
  done <<EOF
check $p
explain $p
diff $p $work/b.xml
get $p --object $n
export $p -o $work/out.csv
import $p $work/values.csv
save $p -o $work/saved.xml
set $p --object $n Priority=3
points $p -o $work/points.csv
connections $p
add-object $p --modules EB8DI
EOF
done
