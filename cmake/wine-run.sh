#!/bin/sh
# Runs a Windows program under wine for CTest and the build:
#   WINEPREFIX=DIR wine-run.sh PROGRAM.exe [ARGS...]   run it, exit with its status
#   WINEPREFIX=DIR wine-run.sh --make-prefix           make the prefix if it is missing
#   WINEPREFIX=DIR wine-run.sh --wait                  wait until the prefix's wine has ended
# Wine's helper processes (wineserver, services.exe, winedevice.exe) outlive the program
# and inherit its descriptors. Were they CTest's pipes, ctest would wait for the helpers,
# or hang for good with a lingering server. So wine reads /dev/null and writes into a
# file, and the file is printed once the program has ended, with wine's CRLF line ends
# made plain (test discovery parses that output line by line).
set -u
: "${WINEPREFIX:?names the wine prefix to use}"
export WINEPREFIX
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or HTML, and their installers would prompt.
export WINEDLLOVERRIDES="mscoree,mshtml="

quiet() {
  # quiet SECONDS COMMAND...: run COMMAND off our descriptors, print its output if it fails.
  limit=$1
  shift
  out=$(mktemp)
  timeout "$limit" "$@" >"$out" 2>&1 </dev/null
  status=$?
  [ "$status" -eq 0 ] || { echo "wine-run: '$*' failed ($status)" >&2; cat "$out" >&2; }
  rm -f "$out"
  return "$status"
}

# A new prefix is made once, explicitly and under a lock, so that tests started in
# parallel do not each begin making it. A prefix left half made (a run killed during
# its making) has no ready mark and is made again.
make_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -e "$WINEPREFIX/.wnl-ready-2" ] && exit 0
    wineserver -k >/dev/null 2>&1
    rm -rf "$WINEPREFIX"
    quiet 300 wine wineboot.exe --init &&
      # With wine's debugger attached, a crashed program often ends with status 0: a
      # crashing test would pass. A debugger that cannot start leaves the crash's own
      # status (0xC0000005 ends as 5) and no dialog.
      quiet 60 wine reg.exe add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /t REG_SZ /d none /f &&
      # The test display has no window manager: wine then frames its windows itself,
      # rather than waiting for a manager at every window that closes.
      quiet 60 wine reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f &&
      # Windows' Song face, under its two names, is the Song face this machine has.
      quiet 60 wine reg.exe add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v 宋体 /t REG_SZ /d 'AR PL UMing CN' /f &&
      quiet 60 wine reg.exe add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v SimSun /t REG_SZ /d 'AR PL UMing CN' /f &&
      quiet 120 wineserver -w &&
      touch "$WINEPREFIX/.wnl-ready-2"
  ) 9>"$WINEPREFIX.lock"
}

if [ "${1:-}" = --wait ]; then
  [ -e "$WINEPREFIX" ] || exit 0
  quiet 120 wineserver -w
  exit
fi
[ -e "$WINEPREFIX/.wnl-ready-2" ] || make_prefix || exit 1
[ "${1:-}" != --make-prefix ] || exit 0

log=$(mktemp)
trap 'rm -f "$log"' EXIT
wine "$@" >"$log" 2>&1 </dev/null
status=$?
sed 's/\r$//' "$log"
exit "$status"
