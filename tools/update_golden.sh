#!/usr/bin/env bash
# Writes the pinned whole plans of tests/core/golden/ again from the built dawnrule-cli
# code (build/ by default), then shows what changed: read the diff before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
cmake --build "$build_dir" --target dawnrule_core_tests
DAWNRULE_UPDATE_GOLDEN=1 "$build_dir/bin/dawnrule_core_tests" --gtest_filter='PlanGolden.*' >/dev/null
git --no-pager diff --stat -- tests/core/golden
