#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, and either starts the configurator ("run")
# or runs every test ("test"). Installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-test}
build=${QV_BUILD_DIR:-build}
# pkg-config finds pugixml; the font is what the windows (and the tests' rendered text) draw with;
# smitools, python3-pysmi and libxml2-utils check the generated description files; the grid writes and
# reads workbooks with libxlsxwriter and libzip and documents with libzip, queries SQLite files through
# Qt SQL's driver, and its tests cross-check workbooks with openpyxl and documents with python-docx.
# The toolkit starts the font system (fontconfig) itself, overlapped with the rest of the start.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev libpugixml-dev libjpeg62-turbo-dev
          libfontconfig-dev
          libgtest-dev libbenchmark-dev fonts-dejavu-core xvfb xauth
          smitools python3-pysmi libxml2-utils
          libxlsxwriter-dev libzip-dev python3-openpyxl python3-docx
          libqt6sql6-sqlite)
# The test run also builds the fuzz targets: clang with libFuzzer and the sanitizers' run-time; a headless
# browser and a PDF text reader check the HTML pages the grid writes as a browser lays them out, and the
# PDF reader the pages the grid prints.
[ "$mode" = test ] && packages+=(clang-14 libclang-rt-14-dev llvm-14 chromium poppler-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON \
      -DCMAKE_UNITY_BUILD_BATCH_SIZE=16
cmake --build "$build" -j "$jobs"

case "$mode" in
  run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec xvfb-run -a "$build/quenvarrow"
    fi
    exec "$build/quenvarrow"
    ;;
  test)
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    chmod 0700 "$XDG_RUNTIME_DIR"
    # A second build with clang and the address and undefined-behaviour sanitizers: every fuzz target over
    # its seeds and the inputs that once failed, plus a few seconds of fuzzing; then the toolkit's and the
    # grid library's tests under the sanitizers (the grid lifetime tests among them).
    fuzz_build=${QV_FUZZ_BUILD_DIR:-build-fuzz}
    CC=clang-14 CXX=clang++-14 cmake -S . -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 -DQV_FUZZ=ON -DQV_BUILD_TESTS=ON \
      -DQV_BUILD_BENCH=OFF
    cmake --build "$fuzz_build" -j "$jobs" --target fuzz_targets toolkit_tests controls_tests
    bash fuzz/run.sh "$fuzz_build" "${QV_FUZZ_SECONDS:-5}"
    for t in toolkit_tests controls_tests; do
      QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp "$fuzz_build/tests/$t" --gtest_brief=1
    done
    # The whole suite last, so its summary closes the run.
    cd "$build"
    exec ctest --output-on-failure -j "$jobs" --timeout 300
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
