#!/usr/bin/env bash
# Prints what the accessibility bus (AT-SPI) tells a screen reader of the running editor, with
# a critter opened through the tree window by keys alone: the editor on the demo data under a
# virtual display, a session bus and the accessibility bus of its own. Not part of the tests:
# it needs at-spi2-core and python3-pyatspi (apt-get install python3-pyatspi).
#   scripts/atspi-dump.sh [output file]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-/dev/stdout}
[ -x build/zantrel ] || bash scripts/build.sh
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
  set -u
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  sleep 1
  cd build
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 ./zantrel &
  editor=$!
  /usr/bin/python3 ../tools/atspi/dump.py
  status=$?
  kill $editor $bus 2>/dev/null
  exit $status
' > "$out"
