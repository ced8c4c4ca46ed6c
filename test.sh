#!/usr/bin/env bash
# Installs what is missing, checks the code's format, builds the test build (AddressSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors), runs clang-tidy over the sources changed against
# main and runs every test with CTest.
# Extra arguments go to ctest (for example: -R Canvas).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh
./scripts/check-format.sh
./scripts/configure.sh build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DQM_TESTS=ON -DQM_SANITIZE=ON -DQM_WERROR=ON
./scripts/build.sh build/test
./scripts/check-tidy.sh build/test
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
set +e
ctest --test-dir build/test -j"$(nproc)" --output-on-failure --timeout 900 "$@" >build/test/ctest.log 2>&1
status=$?
set -e
if [ $status -ne 0 ]; then
  grep -vE '^\s+(Start|[0-9]+/[0-9]+ Test) .*(Passed|\.\.\.)' build/test/ctest.log | tail -n 200
else
  tail -n 3 build/test/ctest.log
fi
exit $status
