#!/usr/bin/env bash
# Builds the fuzz targets of the data store with clang (AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for a bounded time, starting from the seeds in fuzz/seeds/ and the
# sample register. A crash, a leak, a failed check or an input slower than one second fails the run;
# the input that did it is kept in build-fuzz/findings/.
#   fuzz/run.sh [SECONDS]     seconds per target, 60 unless given
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

bash scripts/install-deps.sh build fuzz
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANEL_FUZZ=ON -DORVANEL_BUILD_TESTS=OFF -DORVANEL_BUILD_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target fuzz_load fuzz_file_date fuzz_person_id \
  fuzz_gedcom fuzz_vcard fuzz_csv

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in load file_date person_id gedcom vcard csv; do
  corpus="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  extra=()
  if [ "$target" = load ]; then
    cp data/zok.xml "$corpus/sample-register.xml"
    extra=(-dict=fuzz/xml.dict -max_len=16384)
  fi
  log="build-fuzz/fuzz-$target.log"
  echo "== fuzz_$target for ${seconds}s"
  if build-fuzz/fuzz/"fuzz_$target" "$corpus" "fuzz/seeds/$target" "${extra[@]}" \
      -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/" >"$log" 2>&1; then
    grep -E "DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" "$log"
  else
    status=1
    echo "fuzz_$target FAILED; the log is $log, the input in $findings/"
    grep -E "FINDING|ERROR|SUMMARY|Test unit written" "$log" || tail -n 30 "$log"
  fi
done
exit "$status"
