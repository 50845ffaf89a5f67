#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo data folder when there is
# none, and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
folder="${DOSSET_DEMO_FOLDER:-$PWD/demo-data}"
if [ ! -e "$folder/fund.mdb" ]; then
  ./build/dosset-setup "$folder" --demo
else
  # A demo folder made by an earlier build gets what it lacks, keeping its rows.
  ./build/dosset-setup "$folder" --update
fi
echo "Starting dosset on $folder (demo password: dosset)"
exec ./build/dosset --data-folder "$folder"
