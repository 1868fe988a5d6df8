#!/usr/bin/env bash
# Times tqhost stream, check, explain and diff on a project of many demo
# objects (1,000 by default): each of the three should take at most twice as
# long as stream. Usage: scripts/time-stream-tools.sh [BUILD_DIR] [OBJECTS]
set -euo pipefail
build=${1:-build}
objects=${2:-1000}
tqhost="$(cd "$build" && pwd)/bin/tqhost"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QORDB_REGISTRY="$work/registry.xml" LC_ALL=C

"$tqhost" new -o "$work/one.xml" --name "Boiler room" --modules EB4AI2AO,EB8DIC,EB4AO >/dev/null
"$tqhost" set "$work/one.xml" Priority=2 Behaviour_OnCommFailure=1 MaxTimeBetweenComm=120 \
  EB1/AI/2/sensortype=0 EB1/AI/2/range=1 EB1/AI/2/linear_span=50 EB2/DI/1/PulsesPerCount=10 \
  EB3/AO/4/OutputMode=3 >/dev/null

# The object element repeated with its own unique ID and keys; B differs from
# A in one value of every tenth object.
awk -v n="$objects" '
  /<Object / { inside = 1 }
  inside { object = object $0 "\n"; if (/<\/Object>/) { inside = 0; emit = 1 }; next }
  emit { for (i = 1; i <= n; i++) { o = object; gsub(/uniqueId="1"/, "uniqueId=\"" i "\"", o);
                                    gsub(/TQ4600_1/, "TQ4600_" i, o); printf "%s", o }; emit = 0 }
  { print }' "$work/one.xml" >"$work/a.xml"
awk '/<Object / { n++ } n % 10 == 1 && /<Priority>2</ { sub(/<Priority>2</, "<Priority>3<") } { print }' \
  "$work/a.xml" >"$work/b.xml"

run() {
  local start end
  start=$(date +%s.%N)
  "$tqhost" "$@" >/dev/null 2>&1 || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
stream=$(run stream "$work/a.xml")
printf '%-8s %6.2f s\n' stream "$stream"
for command in check explain diff; do
  if [ "$command" = diff ]; then seconds=$(run diff "$work/a.xml" "$work/b.xml"); else seconds=$(run "$command" "$work/a.xml"); fi
  printf '%-8s %6.2f s  %.2f x stream\n' "$command" "$seconds" "$(echo "$seconds / $stream" | bc -l)"
done
