#!/usr/bin/env bash
# Builds the site engine's tests with a sanitizer and runs them headless.
#
#   scripts/sanitize.sh address|thread [test name...]
#
# address: AddressSanitizer with UndefinedBehaviorSanitizer, in build-asan/;
# thread: ThreadSanitizer, in build-tsan/ ($TW_SANITIZE_BUILD_DIR overrides
# the folder; CC/CXX choose the compiler, e.g. CC=clang CXX=clang++;
# TW_SANITIZE_JOBS limits the build jobs). Without test names every test
# under tests/function/Youtube is built and run. Any report ends its test at once with a failure, so the
# script's exit status says whether the run was clean.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

kind="${1:-}"
case "$kind" in
  address) folder=build-asan ;;
  thread) folder=build-tsan ;;
  *) echo "usage: $0 address|thread [test name...]" >&2; exit 2 ;;
esac
shift
# The compiler comes from CC and CXX (gcc when unset); each compiler builds
# in a folder of its own, as a build folder keeps the compiler it began with.
cc="${CC:-gcc}"
cxx="${CXX:-g++}"
case "$(basename "$cxx")" in
  g++*|c++) ;;
  *) folder="$folder-$(basename "$cxx")" ;;
esac
build="${TW_SANITIZE_BUILD_DIR:-$here/$folder}"

if [ $# -gt 0 ]; then
  tests=("$@")
else
  mapfile -t tests < <(grep -rhoE --include=CMakeLists.txt 'tw_add_test\(tst_[A-Za-z0-9_]+' \
                         "$here/tests/function/Youtube" | sed 's/^tw_add_test(//' | sort -u)
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_SANITIZE="$kind" \
  -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build" --parallel "${TW_SANITIZE_JOBS:-$(nproc)}" --target "${tests[@]}"

# Debian's Qt is not instrumented: ignore_noninstrumented_modules keeps the
# thread checker from judging the memory Qt's own code copies and frees
# (its locks still count), and tests/tsan.supp names what is left inside Qt.
export TSAN_OPTIONS="halt_on_error=1 exitcode=66 second_deadlock_stack=1 ignore_noninstrumented_modules=1 suppressions=$here/tests/tsan.supp ${TSAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp ${LSAN_OPTIONS:-}"
export ASAN_OPTIONS="halt_on_error=1 exitcode=66 detect_leaks=1 strict_string_checks=1 detect_stack_use_after_return=1 ${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1 ${UBSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen

pattern="^($(IFS='|'; echo "${tests[*]}"))\$"
cd "$build"
ctest -R "$pattern" --output-on-failure --parallel "$(nproc)" --timeout 900
