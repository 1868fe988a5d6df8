#!/usr/bin/env bash
# Sets everything up, builds, and runs the main job on the bundled data: a
# project with one TQ4600 object and three expansion modules, a device and a
# few channel parameters set, the configuration stream printed, and the
# project saved in the normal and the simulator form and its documentation
# report written as a PDF (in BUILD/demo/).
#   scripts/run.sh           the normal build in build/
#   scripts/run.sh asan      the sanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
preset="${1:-default}"
case "$preset" in
  default) build=build ;;
  *) build="build-$preset" ;;
esac
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2 >/dev/null

demo="$build/demo"
mkdir -p "$demo"
# Runs tqhost and shows the command first, as it would be typed.
tqhost() {
  local line="\$ tqhost" word
  for word in "$@"; do
    case "$word" in
      *" "*) line+=" \"$word\"" ;;
      *) line+=" $word" ;;
    esac
  done
  echo "$line"
  "./$build/bin/tqhost" "$@"
}
tqhost new -o "$demo/demo.qor.xml" --force --name "Boiler room" --modules EB4AI2AO,EB8DIC,EB4AO
tqhost set "$demo/demo.qor.xml" Priority=2 Behaviour_OnCommFailure=1 MaxTimeBetweenComm=120 \
  EB1/AI/2/sensortype=0 EB1/AI/2/range=1 EB1/AI/2/linear_span=50 \
  EB2/DI/1/PulsesPerCount=10 EB3/AO/4/OutputMode=3
tqhost stream "$demo/demo.qor.xml"
tqhost save "$demo/demo.qor.xml" -o "$demo/demo.sim.xml" --form sim
tqhost report "$demo/demo.qor.xml" -o "$demo/demo.pdf"
