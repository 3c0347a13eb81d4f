#!/usr/bin/env bash
# Installs what is missing, builds Vantrel and opens the bundled coastal-town example.
# Without a display the example's map is rendered to a PNG instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release -DVANTREL_TESTS=OFF -DVANTREL_BENCH=OFF

example="$root/examples/coastal-town.pathway"
gui="$root/build/src/gui/vantrel"
cli="$root/build/src/cli/vantrel-cli"

if [ -x "$gui" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$gui" "$example"
fi

[ -x "$gui" ] && echo "No display found: rendering the example's map instead of opening the window."
if "$cli" --help | grep -q '^  render '; then
  out="$root/build/coastal-town.png"
  QT_QPA_PLATFORM=offscreen "$cli" render "$example" --out "$out"
  echo "The map of $example is in $out"
else
  "$cli" info "$example"
fi
