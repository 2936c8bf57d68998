#!/usr/bin/env bash
# Installs what is missing (QScintilla included), builds the benchmarks in a release
# folder and runs them under the offscreen platform. Arguments go to editor-bench, e.g.
#   bash scripts/bench.sh --mib 1,10 --subjects yorel,scintilla --runs 3
# The studio's opening of a file is measured at the largest size given.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages libqscintilla2-qt6-dev
build build-bench -DCMAKE_BUILD_TYPE=Release -DYOREL_BUILD_BENCH=ON -DYOREL_BUILD_TESTS=OFF
cd "$ROOT/build-bench"
uname -srm
grep -m1 "model name" /proc/cpuinfo || true
echo "cores: $(nproc), memory: $(free -g | awk '/Mem:/ {print $2}') GiB"
echo
./bench/typing-bench --mib 10
echo
QT_QPA_PLATFORM=offscreen ./bench/editor-bench "$@"
echo
largest=$(printf '%s\n' "$@" | grep -A1 -x -- --mib | tail -1 | tr ',' '\n' | sort -n | tail -1 || true)
QT_QPA_PLATFORM=offscreen ./bench/studio-open-bench --mib "${largest:-50}"
echo
QT_QPA_PLATFORM=offscreen ./bench/search-bench
echo
./bench/build-output-bench
