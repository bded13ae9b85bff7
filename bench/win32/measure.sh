#!/bin/sh
# Start-up and peak working set of wannianli.exe under wine, next to an empty Win32
# window's. Needs a Windows build (scripts/build-windows) and Xvfb.
#   bench/win32/measure.sh [BUILD_DIR] [RUNS]
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build-windows}
runs=${2:-7}
out=$build/bench-win32
mkdir -p "$out"
cxx=x86_64-w64-mingw32-g++-posix
$cxx -std=c++20 -O2 -municode -mwindows -static "$top/bench/win32/empty_window.cpp" -o "$out/empty_window.exe"
$cxx -std=c++20 -O2 -municode -static "$top/bench/win32/startup_probe.cpp" -o "$out/startup_probe.exe" -lpsapi
"$build/wine-run" --make-prefix
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c '
  "$1/wine-run" "$2/startup_probe.exe" "$3" "$2/empty_window.exe" "$1/wannianli.exe"
  "$1/wine-run" --wait' sh "$build" "$out" "$runs"
