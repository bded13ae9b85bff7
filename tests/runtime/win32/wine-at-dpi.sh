#!/bin/sh
# Runs a Windows program for CTest as cmake/wine-run.sh does, on a screen of DPI dots
# per inch:
#   wine-at-dpi.sh WINE_RUN PREFIX DPI PROGRAM.exe [ARGS...]
#   wine-at-dpi.sh WINE_RUN PREFIX DPI --wait      wait until that prefix's wine has ended
# WINE_RUN is cmake/wine-run.sh and PREFIX the build tree's wine prefix. The program runs
# in PREFIX-DPI-dpi, a copy of PREFIX (made first if missing) whose user display setting,
# HKCU\Control Panel\Desktop LogPixels, is DPI: wine takes it for the system's dots per
# inch, for every program of the prefix. Copying is much quicker than making a prefix.
set -u
run=$1 base=$2 dpi=$3
shift 3
prefix=$base-$dpi-dpi
ready=$prefix/.wnl-dpi-ready

if [ "${1:-}" = --wait ]; then
  WINEPREFIX=$prefix exec "$run" --wait
fi

if [ ! -e "$ready" ]; then
  WINEPREFIX=$base "$run" --make-prefix || exit 1
  (
    flock 9
    [ -e "$ready" ] && exit 0
    [ ! -e "$prefix" ] || WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
    rm -rf "$prefix"
    cp -a "$base" "$prefix" &&
      # The copy's server is a server of its own.
      rm -f "$prefix/wineserver" &&
      WINEPREFIX=$prefix "$run" reg.exe add 'HKCU\Control Panel\Desktop' \
        /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null &&
      WINEPREFIX=$prefix "$run" --wait &&
      touch "$ready"
  ) 9>"$prefix.lock" || exit 1
fi
WINEPREFIX=$prefix exec "$run" "$@"
