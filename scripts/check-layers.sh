#!/usr/bin/env bash
# Fails when a source folder includes a folder above it. The folders, bottom
# up; folders on one line are side by side and may not include each other.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(
  "com"
  "xml platform"
  "faces"
  "ports"
  "values"
  "points"
  "modules"
  "plugin"
  "ui hostkit"
  "component host"
)
declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done
status=0
for folder in "${!rank[@]}"; do
  [ -d "src/$folder" ] || continue
  while IFS=: read -r file line target; do
    [ "$target" = "$folder" ] && continue
    if [ -z "${rank[$target]+x}" ]; then
      echo "$file:$line: includes $target/, a folder with no place in the layers"
      status=1
    elif [ "${rank[$target]}" -ge "${rank[$folder]}" ]; then
      echo "$file:$line: $folder/ includes $target/, which is not below it"
      status=1
    fi
  done < <(grep -rnoE '^#include "[a-z_]+/' "src/$folder" | sed -E 's#^([^:]+):([0-9]+):\#include "([a-z_]+)/#\1:\2:\3#')
done
# Qt is the editor's windows' toolkit (ui/qt) and the hosts' and host kit's own
# business; the model and everything below it never include it.
while IFS= read -r hit; do
  echo "$hit: includes Qt outside ui/qt, hostkit and the hosts"
  status=1
done < <(grep -rnE '^#include <Q[A-Za-z]*>' src | grep -vE '^src/(ui/qt|hostkit|host)/' || true)
exit $status
