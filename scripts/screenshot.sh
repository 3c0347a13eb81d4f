#!/usr/bin/env bash
# Takes docs/screenshot.png: the main window on the bundled condition-based example with one
# pathway selected, so the handles, the highlighted chain and the properties show. Renders on
# Qt's offscreen platform, so it needs no display. Usage: scripts/screenshot.sh [BUILD-FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/build.sh" "$build" -DVANTREL_BENCH=OFF
QT_QPA_PLATFORM=offscreen "$build/tests/gui/vantrel_screenshot" \
  "$root/examples/coastal-town.pathway" "$root/docs/screenshot.png" "Dikes with floating homes"
echo "Wrote $root/docs/screenshot.png"
