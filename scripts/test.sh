#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/,
#                                with the tests' own person field (ORVANEL_TEST_FIELD)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build test

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEL_BUILD_TESTS=ON -DORVANEL_BUILD_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  # The tests' own person field rides along: this is the build that proves a field added later
  # leaves older registers working.
  cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DORVANEL_SANITIZE=ON -DORVANEL_TEST_FIELD=ON
              -DORVANEL_BUILD_TESTS=ON -DORVANEL_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp"
fi

cmake -S . -B "$build_dir" "${cmake_args[@]}"
cmake --build "$build_dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure --timeout 300 -j"$(nproc)"
