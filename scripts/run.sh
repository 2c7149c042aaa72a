#!/usr/bin/env bash
# Sets up, builds and starts the editor on the bundled demo data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build # the start folder: the critter preview pictures lie below it
exec ./zantrel "$@"
