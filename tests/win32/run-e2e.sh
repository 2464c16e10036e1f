#!/usr/bin/env bash
# End-to-end test of the Windows program under Wine and Xvfb, with the simulated chip
# libraries beside it. Two runs, each in a Wine prefix of its own architecture:
#
#   x86, the main run: the 32-bit build under 32-bit Wine, as installers use it with the
#   chip maker's 32-bit libraries. With a simulated handset on the bench: start the
#   program beside a settings file of an older version, which it moves aside; wait for
#   the transport in its caption; check the edition buttons' keyboard styles; READ DEVICE
#   and answer the NOTE; check that a value of the unit's record shows in its control;
#   tick a box and choose a list item through real window messages; PROGRAM DEVICE and
#   answer Yes; check the record the simulated unit now stores and that it was restarted
#   once; restart it by Alt+T; save and load settings files; read a Kesto gateway; end
#   the program; start it without its chip libraries.
#
#   x64, the shorter run of the 64-bit build: start-up, caption, a read, a change, a
#   program, E&XIT.
#
# Before the runs, the simulated libraries of both builds are checked to export exactly
# the ordinals the program binds (check-exports.sh). The window is driven by
# zenta-windriver.exe (WinDriver.cpp) of the run's own architecture. With --screenshots
# DIR, the x86 run saves a picture of every settings page there as well.
#
#   bash tests/win32/run-e2e.sh [--screenshots docs/screenshots] [x86|x64]
set -euo pipefail
cd "$(dirname "$0")/../.."
. tests/win32/xvfb.sh
root="$PWD"
shots=""
archs=(x86 x64)
while [ $# -gt 0 ]; do
  case "$1" in
    --screenshots) shots="$(realpath -m "${2:?--screenshots needs a folder}")"; shift 2 ;;
    x86|x64) archs=("$1"); shift ;;
    *) echo "usage: run-e2e.sh [--screenshots DIR] [x86|x64]" >&2; exit 2 ;;
  esac
done

# wine32:i386 runs the 32-bit build; Debian needs the i386 architecture for it.
bash tools/install-packages.sh wine wine32:i386 wine64 xvfb imagemagick
bash tools/build-windows.sh --werror
for arch in "${archs[@]}"; do bash tests/win32/check-exports.sh "$arch"; done

# One run of ARCH; in a subshell of its own, so that its Xvfb and Wine server end with it.
run_e2e() {
  arch="$1"
  full=no
  [ "$arch" = x86 ] && full=yes
  [ "$arch" = x86 ] || shots=""
  bin="$root/build/bin/windows/$arch"
  work="$root/build/e2e-windows/$arch"
  run="$work/run"
  rm -rf "$run" && mkdir -p "$run"
  cp "$bin/ZENTAUserProgrammer.exe" "$bin/zenta.exe" "$bin/zenta-windriver.exe" \
     "$bin/sim/TESTENGINE.DLL" "$bin/sim/TESTFLASH.DLL" "$run/"

  # A 32-bit prefix runs only 32-bit programs, the driver included.
  wine_arch=win64
  [ "$arch" = x86 ] && wine_arch=win32
  export WINEPREFIX="$work/prefix" WINEARCH="$wine_arch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineserver -k >/dev/null 2>&1 || true
  state="$work/sim-unit.txt"
  rm -f "$state"

  start_xvfb 91 130 e2e

  passed=0
  failed=0
  check() {  # check WHAT EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
      echo "ok    $arch $1: $3"; passed=$((passed + 1))
    else
      echo "FAIL  $arch $1: expected '$2', got '$3'"; failed=$((failed + 1))
    fi
  }
  finish() {
    echo "windows-e2e $arch: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
  }

  echo "e2e: preparing the $wine_arch Wine prefix $WINEPREFIX"
  timeout 300 wineboot -i >/dev/null 2>&1
  # Wine's own fonts (MS Sans Serif, Tahoma, Marlett for the title bar buttons), where this
  # Wine does not find them by itself.
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # One virtual desktop for the program and the driver, so that they see each other's windows.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x800 /f >/dev/null 2>&1
  ZENTA_SIM_STATE="$(winepath -w "$state")"
  export ZENTA_SIM_STATE

  cd "$run"
  drive() { wine zenta-windriver.exe "$@" | tr -d '\r'; }
  # Word N (0-based) of a PS key in the state file, as 4 hex digits.
  key_word() { awk -v key="$1" -v n="$2" '$1 == "key" && $2 == key { print $(3 + n) }' "$state"; }
  unit_restarts() { awk '$1 == "restarts" { print $2 }' "$state"; }

  wine zenta.exe sim attach handset | tr -d '\r'
  # The unit's Out of Range Auto Turn Off Timer: 12 hours, not the factory 8.
  awk '$1 == "key" && $2 == "0x02AB" { $4 = "000C" } { print }' "$state" > "$state.new" && mv "$state.new" "$state"
  check "handset record word 1 before the read" "000C" "$(key_word 0x02AB 1)"
  word0_before="$(key_word 0x02AB 0)"

  # A program settings file of an older version beside the program: moved aside at start-up.
  printf '[Setting]\r\nProgramVersion=v2.04\r\n' > ZENTAUserProgrammer.INI

  echo "e2e: starting the desktop and the programmer"
  wine explorer /desktop=Default,1024x800 >/dev/null 2>&1 &
  sleep 3  # the desktop first, as a person's session has it; a window made meanwhile lacks its frame
  wine ZENTAUserProgrammer.exe >/dev/null 2>&1 &
  note="$(drive answer NOTE "&OK" 60 || true)"
  check "start-up note on the old settings file" "yes" \
    "$(echo "$note" | grep -q "ZENTAUserProgrammer.INI' is saved as" && echo yes || echo no)"
  check "old settings file moved aside" "gone, ZENTAUserProgrammer_v2.04.INI" \
    "$([ -e ZENTAUserProgrammer.INI ] && echo there || echo gone), $(ls ZENTAUserProgrammer_*.INI 2>/dev/null)"
  caption='ZENTA User Programmer, v2.05A, Transport = \\.\CSR0'
  if drive wait-caption "$caption" 90; then check "caption" "$caption" "$caption"; else check "caption" "$caption" "(not reached)"; finish; return; fi

  # Windows' keyboard rules for the edition group: WS_GROUP on its first button and on the
  # control after it; Tab reaches only the selected button, since focus on an unselected
  # one would select it and run the edition rule.
  check "Ardex keyboard style at start-up" "group tabstop" "$(drive keyboard-style butModelArdex)"
  check "Kesto keyboard style at start-up" "none" "$(drive keyboard-style butModelKesto)"
  check "the control after the edition group ends it" "group tabstop" "$(drive keyboard-style MasterPageControl)"
  # The version text crossed the binding from the simulated TESTENGINE.DLL.
  check "first log line" "TestEngine version = TestEngine (simulated) 1.0" \
    "$(drive get InfoMemo | head -1 | sed 's/^<[0-9:.]*>| //')"

  # A picture of the main window, with whatever prompt stands over it, when asked for.
  shoot() {
    [ -n "$shots" ] || return 0
    sleep 1.5
    import -window root -crop "$(drive rect)" +repage "$shots/$1.png"
    echo "e2e: screenshot $shots/$1.png"
  }
  if [ -n "$shots" ]; then
    mkdir -p "$shots"
    pages=(handset-user-experience handset-audio-levels handset-emergency handset-hardware)
    drive tab MasterPageControl 0
    for i in 0 1 2 3; do drive tab HandsetPageControl "$i"; shoot "${pages[$i]}"; done
    drive tab MasterPageControl 1
    drive tab CradlePageControl 0; shoot gateway-audio-levels
    drive tab CradlePageControl 1; shoot gateway-hardware
    drive tab MasterPageControl 0
    drive tab HandsetPageControl 0
  fi

  echo "e2e: READ DEVICE"
  drive click ReadDeviceButton
  drive answer NOTE "&OK" 60 || check "read prompt" "NOTE" "(none)"
  check "Out of Range Auto Turn Off Timer after the read" "12" "$(drive get AutoTurnOffTimerStaticText)"
  check "Mute Speaker On PTT after the read" "unticked" "$(drive get MuteSpeakerOnPTTCheckBox)"

  if [ "$full" = yes ]; then
    echo "e2e: the developer view: Ctrl-click and Shift-click on the picture"
    check "log before" "hidden" "$(drive shown InfoMemo)"
    drive held-click rctrl MainImage
    check "log after a right-Ctrl click" "shown" "$(drive shown InfoMemo)"
    shoot developer-view
    check "client height with the log" "744" "$(drive client-height)"
    drive held-click lctrl MainImage
    check "log after a left-Ctrl click" "hidden" "$(drive shown InfoMemo)"
    check "client height without the log" "650" "$(drive client-height)"
    drive held-click lshift MainImage
    check "Audio Integrity after a left-Shift click" "shown" "$(drive shown AudioIntegrityStaticText)"
  fi

  echo "e2e: editing"
  drive tab HandsetPageControl 0
  drive toggle MuteSpeakerOnPTTCheckBox
  check "Mute Speaker On PTT after the click" "ticked" "$(drive get MuteSpeakerOnPTTCheckBox)"
  drive spin AutoTurnOffTimerUpDown up
  check "Out of Range Auto Turn Off Timer after the up arrow" "13" "$(drive get AutoTurnOffTimerStaticText)"
  drive tab HandsetPageControl 3
  drive select HirosePin2FunctionComboBox "Battery +ve"
  check "Hirose Pin 2 Function after the choice" "Battery +ve" "$(drive get HirosePin2FunctionComboBox)"

  echo "e2e: PROGRAM DEVICE"
  drive click ProgramDeviceButton
  if drive wait-prompt NOTE 60; then
    check "focused button of the restart question" "&No" "$(drive focused NOTE)"
    shoot restart-question
    drive escape NOTE && check "Escape leaves the restart question open" "open" "open" \
      || check "Escape leaves the restart question open" "open" "closed"
  fi
  drive answer NOTE "&Yes" 60 || check "program prompt" "NOTE" "(none)"
  expected_word0="$(printf '%04X' $((0x$word0_before | 0x0820)))"
  check "handset record word 0 (Mute Speaker On PTT, Battery +ve)" "$expected_word0" "$(key_word 0x02AB 0)"
  check "handset record word 1 (Auto Turn Off Timer)" "000D" "$(key_word 0x02AB 1)"
  check "restarts of the unit" "1" "$(unit_restarts)"

  if [ "$full" = yes ]; then
    echo "e2e: RESTART DEVICE by its accelerator, the restart question closed by its close button"
    drive alt-key t
    check "restarts after Alt+T" "2" "$(unit_restarts)"
    drive click ProgramDeviceButton
    drive wait-prompt NOTE 60 && drive close-prompt NOTE
    check "restarts after closing the restart question" "2" "$(unit_restarts)"
    check "prompts left open" "" "$(drive no-prompt NOTE 1 2>&1)"

    echo "e2e: SAVE FILE and LOAD FILE"
    saved="$work/saved.wpx"
    rm -f "$saved"
    drive click SaveFileButton
    drive file-dialog "Save As" "$(winepath -w "$saved")" 30
    check "lines in the saved settings file" "105" "$(tr -d '\r' < "$saved" 2>/dev/null | grep -c '=' || true)"
    drive click LoadFileButton
    drive file-dialog "Open" "$(winepath -w "$work/no-such-file.wpx")" 30
    check "message for a file that is not there" \
      "ZENTA User Programmer, v2.05A: The file could not be opened" "$(drive answer "ZENTA User Programmer, v2.05A" OK 30)"

    echo "e2e: a Kesto gateway"
    wine zenta.exe sim attach gateway --edition kesto | tr -d '\r'
    drive click ReadDeviceButton
    drive answer NOTE "&OK" 60 || check "gateway read prompt" "NOTE" "(none)"
    check "top-level page after reading a gateway" "1" "$(drive page MasterPageControl)"
    check "edition after reading a Kesto gateway" "ticked" "$(drive get butModelKesto)"
    check "Multi Operational Mics with Kesto" "disabled" "$(drive enabled GWMultiOperationalMicsCheckBox)"
    check "Kesto keyboard style after the read" "tabstop" "$(drive keyboard-style butModelKesto)"
    check "Ardex keyboard style after the read" "group" "$(drive keyboard-style butModelArdex)"
    drive toggle butModelArdex
    check "edition after clicking Ardex" "unticked" "$(drive get butModelKesto)"
    check "Multi Operational Mics with Ardex" "enabled" "$(drive enabled GWMultiOperationalMicsCheckBox)"
    check "Ardex keyboard style after its click" "group tabstop" "$(drive keyboard-style butModelArdex)"
    check "Kesto keyboard style after the click on Ardex" "none" "$(drive keyboard-style butModelKesto)"
  fi

  drive click ExitButton
  # The window goes once Wine has run the close through; a loaded machine takes longer.
  window=open
  for _ in $(seq 60); do
    drive rect >/dev/null 2>&1 || { window=closed; break; }
    sleep 0.5
  done
  check "main window after E&XIT" "closed" "$window"

  if [ "$full" = yes ]; then
    echo "e2e: without the chip libraries beside it"
    mkdir -p "$work/alone"
    cp ZENTAUserProgrammer.exe "$work/alone/"
    (cd "$work/alone" && { timeout 120 wine ZENTAUserProgrammer.exe >/dev/null 2>&1 && code=0 || code=$?; echo "$code" > exit-code; }) &
    alone_pid=$!
    message="$(drive answer "ZENTA User Programmer" OK 60 || true)"
    check "missing library named" "yes" "$(echo "$message" | grep -q 'TESTENGINE.DLL could not be found' && echo yes || echo no)"
    check "program's folder among those searched" "yes" "$(echo "$message" | grep -qF "$(winepath -w "$work/alone" 2>/dev/null)" && echo yes || echo no)"
    wait "$alone_pid"
    check "exit code without the libraries" "1" "$(cat "$work/alone/exit-code" 2>/dev/null)"
  fi

  finish
}

# Each run stops at its first broken step (set -e in its subshell); the other run goes on.
status=0
set +e
for arch in "${archs[@]}"; do
  (set -e; run_e2e "$arch")
  [ $? -eq 0 ] || status=1
done
exit "$status"
