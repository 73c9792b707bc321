#!/usr/bin/env bash
# Runs the libFuzzer targets of tests/fuzz, each for a given time.
#
#   scripts/fuzz.sh [seconds] [target...]
#
# seconds: how long each target runs (default 60). Without target names every
# target runs. Builds with clang in build-fuzz/ ($TW_FUZZ_BUILD_DIR overrides),
# with AddressSanitizer and UndefinedBehaviorSanitizer; the first report of
# either stops the target. At most $TW_FUZZ_PARALLEL targets (default 3) run
# at once. Installs Debian's clang packages when they are missing. The corpus
# grows in <build>/corpus/<target>, seeded from tests/fixtures (inputs that
# once failed are kept in tests/fixtures/fuzz/<target>/); a crashing input
# is left in <build>/findings/<target>/. The exit status says whether
# every target ran clean.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

seconds="${1:-60}"
if [ $# -gt 0 ]; then shift; fi
case "$seconds" in (*[!0-9]*|'') echo "usage: $0 [seconds] [target...]" >&2; exit 2 ;; esac

all=(fuzz_item_json fuzz_playlist_json fuzz_progress_lines fuzz_zip fuzz_settings fuzz_update_descriptions
     fuzz_subtitle_list fuzz_downloading_json fuzz_account_file)
if [ $# -gt 0 ]; then targets=("$@"); else targets=("${all[@]}"); fi

packages=(clang llvm libclang-rt-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing ${missing[*]}"
  ${SUDO:-} apt-get install -y "${missing[@]}"
fi

build="${TW_FUZZ_BUILD_DIR:-$here/build-fuzz}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --parallel "${TW_FUZZ_JOBS:-3}" --target "${targets[@]}"

fixtures="$here/tests/fixtures"
seed() {
  local target="$1" dir="$build/corpus/$1"
  mkdir -p "$dir"
  case "$target" in
    fuzz_item_json|fuzz_playlist_json) cp -f "$fixtures"/analyser/*.json "$dir/" ;;
    fuzz_progress_lines) cp -f "$fixtures"/downloader/*.txt "$dir/" ;;
    fuzz_zip) cp -f "$fixtures/fuzz/pack.zip" "$dir/" ;;
    fuzz_settings) cp -f "$fixtures/fuzz/config.ini" "$dir/" ;;
    fuzz_update_descriptions) cp -f "$fixtures/fuzz/version.json" "$dir/" ;;
    fuzz_subtitle_list) cp -f "$fixtures/fuzz/subtitles.txt" "$dir/" ;;
    fuzz_downloading_json) cp -f "$fixtures/fuzz/downloading.json" "$dir/" ;;
    fuzz_account_file) cp -f "$fixtures/fuzz/AP" "$dir/" ;;
  esac
  # Inputs that once failed stay in the corpus.
  if [ -d "$fixtures/fuzz/$target" ]; then cp -f "$fixtures/fuzz/$target"/* "$dir/"; fi
}

export ASAN_OPTIONS="halt_on_error=1 detect_leaks=0 allocator_may_return_null=1 ${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1 ${UBSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen

run_one() {
  local target="$1"
  local findings="$build/findings/$target"
  mkdir -p "$findings"
  seed "$target"
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -max_len=262144 \
       -print_final_stats=1 -artifact_prefix="$findings/" "$build/corpus/$target" \
       >"$build/findings/$target.log" 2>&1; then
    echo "$target: clean ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/findings/$target.log" | grep -o '[0-9]*$') runs)"
  else
    echo "$target: FAILED, see $build/findings/$target.log"
    return 1
  fi
}

status=0
pids=()
names=()
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "${TW_FUZZ_PARALLEL:-3}" ]; do sleep 1; done
  run_one "$t" &
  pids+=($!)
  names+=("$t")
done
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || status=1
done
exit $status
