#!/usr/bin/env bash
# Configures and builds one build folder. Usage: scripts/build.sh FOLDER [cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$1
shift
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B "$folder" -G Ninja "$@" >/dev/null
cmake --build "$folder" -j "$jobs"
