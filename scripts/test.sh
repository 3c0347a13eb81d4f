#!/usr/bin/env bash
# Installs what is missing, then builds and runs every check that CI runs:
#   1. formatting of the sources (clang-format, the committed .clang-format);
#   2. the test suite, warnings as errors;
#   3. the test suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. the project-reader fuzzer for a bounded time (VANTREL_FUZZ_SECONDS, default 60).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc 2>/dev/null || echo 2)

echo "== Formatting"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h'
else
  find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 -r clang-format --dry-run -Werror

echo "== Tests"
"$root/scripts/build.sh" "$root/build-ci" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=ON
ctest --test-dir "$root/build-ci" --output-on-failure -j "$jobs"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVANTREL_WERROR=ON \
  -DVANTREL_SANITIZE=ON -DVANTREL_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:suppressions="$root/scripts/asan.supp" \
LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== Fuzzing the project reader"
CC=clang CXX=clang++ "$root/scripts/build.sh" "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTREL_FUZZ=ON -DVANTREL_SANITIZE=ON
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/build-fuzz/fuzz/fuzz_project_reader" -max_total_time="${VANTREL_FUZZ_SECONDS:-60}" \
  -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  "$work" "$root/examples" "$root/tests/data" "$root/tests/data/cli" 2>&1 | tail -n 15
echo "Fuzzing found no fault."
