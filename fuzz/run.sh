#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each for a bounded time.
#
#   fuzz/run.sh [seconds per target, default 60] [target ...]
#
# FUZZ_RUNS=N also stops a target after N executions; FUZZ_BUILD names the build folder
# (default build-fuzz); FUZZ_NO_BUILD=1 runs what is built. Each target grows its corpus in
# $FUZZ_BUILD/corpus/<target>, seeded from fuzz/corpus/<target>; an input that fails lands in
# $FUZZ_BUILD/artifacts/<target>/. One process per target, one target after another.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source_dir="$(dirname "$here")"
build="${FUZZ_BUILD:-$source_dir/build-fuzz}"
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_dictionary fuzz_formtable fuzz_entrytext fuzz_inifile fuzz_voicetags fuzz_speechpage fuzz_import)
fi

if [ -z "${FUZZ_NO_BUILD:-}" ]; then
  CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" -G Ninja -DTOLKARIN_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  nice cmake --build "$build" --parallel 2 --target "${targets[@]}"
fi

# Leaks count as findings; a report stops the run at once.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The INI and import targets write files at every run; in memory that costs no disk syncs.
if [ -d /dev/shm ]; then
  export TMPDIR="${TMPDIR:-/dev/shm}"
fi

status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target/"
  mkdir -p "$corpus" "$artifacts"
  # -max_len lets inputs grow large enough that quadratic work exceeds -timeout; the memory
  # limits catch runaway allocation before the machine does.
  echo "== $target: ${seconds}s"
  if ! nice "$build/fuzz/$target" "$corpus" "$here/corpus/$target" \
      -max_total_time="$seconds" ${FUZZ_RUNS:+-runs="$FUZZ_RUNS"} \
      -max_len=65536 -timeout=2 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
      -artifact_prefix="$artifacts" -print_final_stats=1 \
      >"$build/$target.log" 2>&1; then
    status=1
    echo "   FAILED, see $build/$target.log and $artifacts"
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+.*DONE' "$build/$target.log" | sed 's/^/   /' || true
done
exit $status
