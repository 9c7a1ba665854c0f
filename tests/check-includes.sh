#!/usr/bin/env bash
# Fails when a file under src/ includes a folder its own folder may not use: includes run
# one way, from the start routine down to the desktop layers, so that each folder builds
# and tests without the ones above it.
set -uo pipefail
source=${1:-.}
declare -A allowed=(
  [app]="app shell markup undo settings services info post platform"
  [shell]="shell markup undo settings services info post platform"
  [markup]="markup post platform"
  [undo]="undo platform"
  [settings]="settings markup post platform"
  [services]="services markup settings post platform"
  [info]="info settings services platform"
  [post]="post platform"
  [platform]="platform"
)
status=0
while IFS=: read -r file included; do
  folder=${file#"$source"/src/}
  folder=${folder%%/*}
  if [ -z "${allowed[$folder]+set}" ]; then
    echo "$file: folder src/$folder/ has no include rule"
    status=1
    continue
  fi
  case " ${allowed[$folder]} " in
    *" $included "*) ;;
    *) echo "$file: src/$folder/ may not include src/$included/"; status=1 ;;
  esac
done < <(grep -rHE '^\s*#\s*include\s*"[a-z]+/' --include='*.cpp' --include='*.h' "$source/src" |
  sed -E 's@^([^:]+):\s*#\s*include\s*"([a-z]+)/.*@\1:\2@')
exit $status
