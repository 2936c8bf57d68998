#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in their own build folder, and runs the whole suite through ctest.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build build-tests -DCMAKE_BUILD_TYPE=Debug -DYOREL_SANITIZE=ON -DYOREL_BUILD_TESTS=ON
cd "$ROOT/build-tests"
ctest --output-on-failure -j2 "$@"
