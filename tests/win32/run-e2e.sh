#!/usr/bin/env bash
# End-to-end test of the Windows program under Wine and Xvfb, with the simulated chip
# libraries beside it. Two runs, each in a Wine prefix of its own architecture:
#
#   x86, the main run: the 32-bit build under 32-bit Wine, as installers use it with the
#   chip maker's 32-bit libraries. With a simulated handset on the bench: start the
#   program beside a settings file of an older version, which it moves aside; wait for
#   the transport in its caption; check the edition buttons' keyboard styles; READ DEVICE
#   and answer the NOTE; check that a value of the unit's record shows in its control;
#   undo and redo the read and a run of spin steps by Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and the
#   system menu's mnemonics; ask a screen reader's name of every control on show on every
#   page of both tab sets (AccessibleObjectFromWindow), each of which must have one;
#   compare the read handset with a file from the system menu's "Compare with &File...",
#   read the dialog's rows, names, keys and growth, take "Load This File" and undo it, and
#   compare with a file that gives what the editor holds; Tab round every page, switch pages and tick a box, move spins and choose a list item
#   by real keys alone; PROGRAM DEVICE and
#   answer Yes; check the record the simulated unit now stores and that it was restarted
#   once; check the log after 200 more reads and time READ DEVICE, PROGRAM DEVICE, SAVE
#   FILE and LOAD FILE; restart it by Alt+T; save and load settings files; read a Kesto
#   gateway, compare it with a file, load that and compare again; save its configuration sheet from
#   the system menu's "Save Configuration S&heet..." under the name suggested and decline to open
#   it; end the program; start it again with an SPI adapter listed first and a
#   settings file named on its command line, which loads; choose the handset's USB device
#   in the transport picker from the system menu and read it; start it without its chip
#   libraries.
#
#   x64, the shorter run of the 64-bit build: start-up, caption, a read, undo and redo, the
#   screen reader's names, the handset's compare, the keyboard, a program, the log and the
#   timings, E&XIT, and the start with an SPI adapter, the file and the picker.
#
#   x86-dpi, the 32-bit build at 150 % display scaling (144 DPI) in the x86 prefix: the
#   client area, a button and controls on two pages stand where the 96-DPI layout scaled
#   puts them; told by WM_DPICHANGED that its monitor is of 96 DPI and then of 144 again,
#   the window lays itself out for each, and so do the compare dialog's columns; the
#   developer view's height scales. x64-dpi is
#   the same run of the 64-bit build; it runs only when named.
#
# Before the runs, the simulated libraries of both builds are checked to export exactly
# the ordinals the program binds (check-exports.sh). The window is driven by
# zenta-windriver.exe (WinDriver.cpp) of the run's own architecture. With --screenshots
# DIR, the x86 run saves a picture of every settings page there as well, and the DPI run
# pictures of two pages, the compare dialog and a prompt at 150 % and, in a run of its own,
# at 200 %.
#
#   bash tests/win32/run-e2e.sh [--screenshots docs/screenshots] [x86|x64|x86-dpi|x64-dpi]
set -euo pipefail
cd "$(dirname "$0")/../.."
. tests/win32/xvfb.sh
. tests/win32/wine.sh
root="$PWD"
shots=""
# wine32:i386 runs the 32-bit build; Debian needs the i386 architecture for it. Wine is
# installed before anyone asks which architectures it runs, so that a fresh machine gives
# the installers' build its full run.
bash tools/install-packages.sh wine wine32:i386 wine64 xvfb imagemagick
# The full run is the 32-bit build's; on a machine that runs no 32-bit programs the
# 64-bit build takes its place, the full run and the DPI run alike.
full_arch=x86
wine_runs x86 || full_arch=x64
runs=(x86 x64 "$full_arch-dpi")
while [ $# -gt 0 ]; do
  case "$1" in
    --screenshots) shots="$(realpath -m "${2:?--screenshots needs a folder}")"; shift 2 ;;
    x86|x64|x86-dpi|x64-dpi) runs=("$1"); shift ;;
    *) echo "usage: run-e2e.sh [--screenshots DIR] [x86|x64|x86-dpi|x64-dpi]" >&2; exit 2 ;;
  esac
done
archs=()
for run in "${runs[@]}"; do
  case " ${archs[*]} " in *" ${run%-dpi} "*) ;; *) archs+=("${run%-dpi}") ;; esac
done

bash tools/build-windows.sh --werror
for arch in "${archs[@]}"; do bash tests/win32/check-exports.sh "$arch"; done

# One run of ARCH at DPI (96 unless told); in a subshell of its own, so that its Xvfb and
# Wine server end with it.
run_e2e() {
  arch="$1"
  dpi="${2:-96}"
  full=no
  [ "$arch" = "$full_arch" ] && [ "$dpi" = 96 ] && full=yes
  # One architecture's pictures at each scaling: the full run's, or a DPI run's.
  [ "$arch" = "$full_arch" ] || [ "$dpi" != 96 ] || shots=""
  # The screen and Wine's desktop grow with the scaling, so that the scaled window fits.
  desktop="$((1024 * dpi / 96))x$((800 * dpi / 96))"
  bin="$root/build/bin/windows/$arch"
  work="$root/build/e2e-windows/$arch"
  run="$work/run"
  rm -rf "$run" && mkdir -p "$run"
  cp "$bin/ZENTAUserProgrammer.exe" "$bin/zenta.exe" "$bin/zenta-windriver.exe" \
     "$bin/sim/TESTENGINE.DLL" "$bin/sim/TESTFLASH.DLL" "$run/"

  # A 32-bit prefix runs only 32-bit programs, the driver included.
  skip_unless_wine_runs "$arch" e2e
  use_wine "$arch" "$work/wine-bin"
  wine_arch="$WINEARCH"
  export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineserver -k >/dev/null 2>&1 || true
  state="$work/sim-unit.txt"
  rm -f "$state"

  start_xvfb 91 130 e2e "$desktop"

  check_prefix="$arch "
  . "$root/tests/win32/checks.sh"
  finish() {
    echo "windows-e2e $arch: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
  }

  echo "e2e: preparing the $wine_arch Wine prefix $WINEPREFIX and starting its desktop"
  prepare_prefix "$desktop" "$dpi"
  ZENTA_SIM_STATE="$(winepath -w "$state")"
  export ZENTA_SIM_STATE

  cd "$run"
  drive() { wine zenta-windriver.exe "$@" | tr -d '\r'; }
  # The desktop stays open between the programs the run starts, until its server ends.
  wine zenta-windriver.exe hold-desktop >/dev/null 2>&1 &
  # Word N (0-based) of a PS key in the state file, as 4 hex digits.
  key_word() { tr -d '\r' <"$state" | awk -v key="$1" -v n="$2" '$1 == "pskey" && $2 == key { w = $(3 + n); sub(/^0x/, "", w); print w }'; }
  unit_restarts() { awk '$1 == "restarts" { print $2 }' "$state"; }

  wine zenta.exe sim attach handset | tr -d '\r'
  # The unit's Out of Range Auto Turn Off Timer: 12 hours, not the factory 8.
  wine zenta.exe sim pskey 0x02AB $(tr -d '\r' <"$state" | awk '$1 == "pskey" && $2 == "0x02AB" { $4 = "0x000C"; $1 = $2 = ""; print }') \
    | tr -d '\r' >/dev/null
  check "handset record word 1 before the read" "000C" "$(key_word 0x02AB 1)"
  word0_before="$(key_word 0x02AB 0)"

  # A program settings file of an older version beside the program: moved aside at start-up.
  printf '[Setting]\r\nProgramVersion=v2.04\r\n' > ZENTAUserProgrammer.INI

  echo "e2e: starting the programmer"
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

  # A picture of the main window, with whatever prompt stands over it, when asked for.
  shoot() {
    [ -n "$shots" ] || return 0
    sleep 1.5
    mkdir -p "$shots"
    import -window root -crop "$(drive rect)" +repage "$shots/$1.png"
    echo "e2e: screenshot $shots/$1.png"
  }
  # E&XIT, then wait until the window is gone: once Wine has run the close through; a
  # loaded machine takes longer.
  exit_program() {
    drive click ExitButton
    window=open
    for _ in $(seq 60); do
      drive rect >/dev/null 2>&1 || { window=closed; break; }
      sleep 0.5
    done
    check "main window after E&XIT" "closed" "$window"
  }

  # The system menu's "Compare with &File..." (Alt+Space, F) with FILE chosen in its dialog.
  compare_with() {
    drive system-menu f
    drive file-dialog "Open" "$(winepath -w "$1")" 30
    drive wait-prompt "Compare with ${1##*/}" 30 || check "compare dialog" "open" "(not opened)"
  }

  if [ "$dpi" != 96 ]; then
    echo "e2e: the window at $dpi DPI"
    # A place WIDTHxHEIGHT+X+Y (or a size, or a length) of the 96-DPI layout at DPI,
    # rounded as MulDiv rounds.
    scaled() {
      echo "$1" | awk -v dpi="$2" '{ n = split($0, v, /[x+]/); s = ""
        for (i = 1; i <= n; i++) s = s (i == 1 ? "" : i == 2 ? "x" : "+") int((v[i] * dpi + 48) / 96); print s }'
    }
    # Each edge is scaled on its own: a length may differ from the scaled length by a pixel,
    # one per native window the control stands in.
    check_near() {  # check_near WHAT EXPECTED ACTUAL: each number within 2 pixels
      if awk -v a="$2" -v b="$3" 'BEGIN { n = split(a, x, /[x+]/); if (n < 1 || split(b, y, /[x+]/) != n) exit 1
            for (i = 1; i <= n; i++) if (x[i] - y[i] > 2 || y[i] - x[i] > 2) exit 1 }'; then
        echo "ok    $arch $1: $3 (expected $2)"; passed=$((passed + 1))
      else
        echo "FAIL  $arch $1: expected '$2' within 2 pixels, got '$3'"; failed=$((failed + 1))
      fi
    }
    percent=$((dpi * 100 / 96))
    check_near "client size at $dpi DPI" "$(scaled 769x629 "$dpi")" "$(drive client-size)"
    check_near "READ DEVICE at $dpi DPI" "$(scaled 158x58+14+556 "$dpi")" "$(drive place ReadDeviceButton)"
    shoot "handset-user-experience-$percent"
    tick_place="$(drive place MuteSpeakerOnPTTCheckBox)"
    drive tab MasterPageControl 1
    drive tab CradlePageControl 1
    shoot "gateway-hardware-$percent"
    pulse_place="$(drive place GWRadioFunction6PulseStaticText)"

    echo "e2e: moved to a monitor of 96 DPI and back (WM_DPICHANGED)"
    drive dpi-changed 96
    check "client size at 96 DPI" "769x629" "$(drive client-size)"
    check "READ DEVICE at 96 DPI" "158x58+14+556" "$(drive place ReadDeviceButton)"
    check_near "Mute Speaker On PTT at $dpi DPI, against 96 DPI" \
      "$(scaled "$(drive place MuteSpeakerOnPTTCheckBox)" "$dpi")" "$tick_place"
    check_near "Function 6 pulse box at $dpi DPI, against 96 DPI" \
      "$(scaled "$(drive place GWRadioFunction6PulseStaticText)" "$dpi")" "$pulse_place"
    drive dpi-changed "$dpi"
    check_near "client size back at $dpi DPI" "$(scaled 769x629 "$dpi")" "$(drive client-size)"

    echo "e2e: the compare dialog at $dpi DPI, told of 96 DPI and back"
    printf '0012=12\r\n9000=0\r\n' > "$work/standard.wpx"
    compare_with "$work/standard.wpx"
    shoot "compare-with-file-$percent"
    columns_at() { echo "$((150 * $1 / 96)) $((240 * $1 / 96)) $((110 * $1 / 96)) $((110 * $1 / 96))"; }
    check "compare dialog's columns at $dpi DPI" "$(columns_at "$dpi")" "$(drive columns "Compare with standard.wpx")"
    drive dpi-changed 96 "Compare with standard.wpx"
    check "compare dialog's columns at 96 DPI" "$(columns_at 96)" "$(drive columns "Compare with standard.wpx")"
    drive dpi-changed "$dpi" "Compare with standard.wpx"
    check "compare dialog's columns back at $dpi DPI" "$(columns_at "$dpi")" "$(drive columns "Compare with standard.wpx")"
    drive key "Compare with standard.wpx" escape
    drive held-click rctrl MainImage
    check_near "client height with the log at $dpi DPI" "$(scaled 744 "$dpi")" "$(drive client-height)"
    if [ -n "$shots" ]; then
      drive click ReadDeviceButton
      drive wait-prompt NOTE 60 && shoot "read-note-$percent"
      drive answer NOTE "&OK" 60 >/dev/null
    fi
    exit_program
    finish
    return
  fi
  if [ -n "$shots" ]; then
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

  check "focus after the read's NOTE" "ReadDeviceButton" "$(drive focus)"

  echo "e2e: undo and redo"
  drive keys ctrl+z
  check "timer after Ctrl+Z took the read back" "8" "$(drive get AutoTurnOffTimerStaticText)"
  drive system-menu d
  check "timer after the system menu's Re&do" "12" "$(drive get AutoTurnOffTimerStaticText)"
  drive tab-to AutoTurnOffTimerStaticText
  drive keys up up
  check "timer after two steps up" "14" "$(drive get AutoTurnOffTimerStaticText)"
  drive keys ctrl+z
  check "timer after Ctrl+Z took both steps back" "12" "$(drive get AutoTurnOffTimerStaticText)"
  drive keys ctrl+shift+z
  check "timer after Ctrl+Shift+Z" "14" "$(drive get AutoTurnOffTimerStaticText)"
  drive system-menu u
  check "timer after the system menu's &Undo" "12" "$(drive get AutoTurnOffTimerStaticText)"
  check "focus after undo and redo" "AutoTurnOffTimerStaticText" "$(drive focus)"

  echo "e2e: the names a screen reader gets"
  names="$work/screen-reader-names.txt"
  if drive name-walk > "$names" 2>&1; then check "every control on show named as a sighted user reads it, on every page" "ok" "ok"
  else check "every control on show named as a sighted user reads it, on every page" "ok" "$(grep -A300 'without their name for' "$names")"; fi
  tail -1 "$names" | sed 's/^/      /'
  for pair in "MainImage=ZENTA product picture" "InfoMemo=Activity log" "MasterPageControl=Handset" \
    "HandsetPageControl=User Experience" "AutoTurnOffTimerUpDown=Out of Range Auto Turn Off Timer (in hours)" \
    "AutoTurnOffTimerStaticText=Out of Range Auto Turn Off Timer (in hours)" \
    "HirosePin2FunctionComboBox=Hirose Pin 2 Function" "Top1ShortPressComboBox=Top 1 Short Press" \
    "GWRadioFunction3PulseStaticText=Function 3 Pulse (ms)" "GWRadioCORIOComboBox=Radio COR I/O" \
    "grpModelBox=Model" "MuteSpeakerOnPTTCheckBox=Mute Speaker On PTT"; do
    check "screen reader's name of ${pair%%=*}" "${pair#*=}" "$(drive accessible-name "${pair%%=*}" 2>&1)"
  done

  # Compare with File from the system menu (Alt+Space, F): the rows are what LOAD FILE
  # would make of the file from the editor now; the Kesto edition it names runs the Kesto
  # rule, which unticks a gateway setting the file does not name. Enter in the list is
  # "Load This File", which Ctrl+Z takes back; a file that gives what the editor holds has
  # no rows, and Escape closes it. The focus comes back each time.
  echo "e2e: Compare with File, a handset"
  standard="$work/standard.wpx"
  printf '0012=8\r\n9000=0\r\n0005=1\r\n' > "$standard"
  compared="Compare with standard.wpx"
  drive tab-to AutoTurnOffTimerStaticText
  compare_with "$standard"
  shoot compare-with-file
  check "compare rows, the edition first, then the unit on show" "$(printf '%s\n' \
    "4 settings in the editor differ from what the file gives:" "  Page | Setting | Now | In the file" \
    "* Model | Edition | Ardex | Kesto" "  Handset / User Experience | Mute Speaker On PTT | unticked | ticked" \
    "  Handset / User Experience | Out of Range Auto Turn Off Timer (in hours) | 12 | 8" \
    "  Gateway / Audio Levels | Multi Operational Mics | ticked | unticked")" "$(drive rows "$compared")"
  if out="$(drive dialog-names "$compared" 2>&1)"; then check "every control of the compare dialog named" "ok" "ok"
  else check "every control of the compare dialog named" "ok" "$out"; fi
  check "compare dialog's list grows with it" "120x80" "$(drive grow "$compared" 120 80)"
  check "focus in the compare dialog" "SysListView32" "$(drive focused "$compared")"
  drive key "$compared" down
  check "selected row after Down" "* Handset / User Experience | Mute Speaker On PTT | unticked | ticked" \
    "$(drive rows "$compared" | grep '^\*')"
  drive key "$compared" enter
  check "edition after Load This File" "ticked" "$(drive get butModelKesto)"
  check "timer after Load This File" "8" "$(drive get AutoTurnOffTimerStaticText)"
  check "Multi Operational Mics after Load This File" "unticked disabled" \
    "$(drive get GWMultiOperationalMicsCheckBox) $(drive enabled GWMultiOperationalMicsCheckBox)"
  check "focus after the compare dialog" "AutoTurnOffTimerStaticText" "$(drive focus)"
  drive keys ctrl+z
  check "edition and timer after Ctrl+Z took the load back" "unticked 12" \
    "$(drive get butModelKesto) $(drive get AutoTurnOffTimerStaticText)"
  printf '0012=12\r\n9000=1\r\n' > "$work/same.wpx"
  compare_with "$work/same.wpx"
  check "compare rows of a file that gives what the editor holds" \
    "The editor holds what the file gives: no setting differs." "$(drive rows "Compare with same.wpx")"
  check "focus in the compare dialog without rows" "Load This File" "$(drive focused "Compare with same.wpx")"
  drive key "Compare with same.wpx" tab
  check "focus after Tab" "Close" "$(drive focused "Compare with same.wpx")"
  drive key "Compare with same.wpx" escape
  check "focus after Escape closed the compare dialog" "AutoTurnOffTimerStaticText" "$(drive focus)"

  # Every page by keyboard alone: Tab round each page and Shift+Tab back (the driver checks
  # that every control that takes the focus is reached, in reading order, each page after
  # its tab set), Ctrl+Tab and its kin between the inner pages, the arrows on the outer tabs.
  tab_cycle() {  # tab_cycle WHAT
    if out="$(drive tab-cycle 2>&1)"; then check "Tab round $1" "ok" "ok"; else check "Tab round $1" "ok" "$out"; fi
    echo "      $out"
  }
  echo "e2e: editing by keyboard"
  drive tab HandsetPageControl 0
  drive tab-to MuteSpeakerOnPTTCheckBox
  tab_cycle "Handset, User Experience"
  drive keys space
  check "Mute Speaker On PTT after Space" "ticked" "$(drive get MuteSpeakerOnPTTCheckBox)"
  drive tab-to AutoTurnOffTimerStaticText
  drive keys up
  check "Out of Range Auto Turn Off Timer after Up" "13" "$(drive get AutoTurnOffTimerStaticText)"
  drive tab-to LowBatteryBeepVoltageStaticText
  drive keys up
  check "Low Battery Beep Voltage after Up" "3.6" "$(drive get LowBatteryBeepVoltageStaticText)"
  drive spin LowBatteryBeepVoltageUpDown down
  check "Low Battery Beep Voltage after a click on the down arrow" "3.5" "$(drive get LowBatteryBeepVoltageStaticText)"
  drive keys ctrl+tab
  check "inner page after Ctrl+Tab" "1" "$(drive page HandsetPageControl)"
  check "focus after Ctrl+Tab left the page" "HandsetPageControl" "$(drive focus)"
  tab_cycle "Handset, Audio Levels"
  drive keys ctrl+pgdn
  check "inner page after Ctrl+PgDn" "2" "$(drive page HandsetPageControl)"
  tab_cycle "Handset, Emergency"
  drive keys ctrl+tab
  tab_cycle "Handset, Hardware"
  drive tab-to HirosePin2FunctionComboBox
  drive keys down
  check "Hirose Pin 2 Function after Down" "Battery +ve" "$(drive get HirosePin2FunctionComboBox)"
  drive keys ctrl+shift+tab
  check "inner page after Ctrl+Shift+Tab" "2" "$(drive page HandsetPageControl)"
  drive keys ctrl+pgup
  check "inner page after Ctrl+PgUp" "1" "$(drive page HandsetPageControl)"
  drive tab-to MasterPageControl
  drive keys right
  check "outer page after Right on the tab set" "1" "$(drive page MasterPageControl)"
  tab_cycle "Gateway, Audio Levels"
  drive tab-to CradlePageControl
  drive keys ctrl+tab
  check "gateway page after Ctrl+Tab" "1" "$(drive page CradlePageControl)"
  tab_cycle "Gateway, Hardware"
  drive tab-to MasterPageControl
  drive keys ctrl+shift+tab
  check "outer page after Ctrl+Shift+Tab on the tab set" "0" "$(drive page MasterPageControl)"

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

  echo "e2e: the window's own time for each action, 200 reads first; the log keeps every line"
  timed() {  # timed ACTION COUNT [PATH]: the figures, and the window's own time within the aim
    out="$(drive time-action "$@" 2>&1)" || true
    echo "      $out"
    check "$1: the window's own time" "aim 50 ms: met" "$(echo "$out" | grep -o 'aim 50 ms: [a-z ]*')"
  }
  log_field() { drive log-view | sed -n "s/.*$1 \([0-9-]*\).*/\1/p"; }
  drive held-click rctrl MainImage
  lines_before="$(log_field lines)"
  drive time-action read 1 >/dev/null || true
  per_read=$(( $(log_field lines) - lines_before ))
  drive held-click lctrl MainImage
  timed read 200
  # Shown again, the log holds every line of the 200 reads; the version text that crossed
  # the binding from the simulated TESTENGINE.DLL is still its first.
  drive held-click rctrl MainImage
  check "log lines after 200 more reads" "$((lines_before + 201 * per_read))" "$(log_field lines)"
  check "log past the edit control's default limit" "yes" "$( [ "$(log_field characters)" -gt 32767 ] && echo yes || echo no)"
  check "first log line" "TestEngine version = TestEngine (simulated) 1.0" \
    "$(drive get InfoMemo | head -1 | sed 's/^<[0-9:.]*>| //')"
  check "log follows its newest line" "yes" "$(drive log-view | sed -n 's/.*caret on the newest line \([a-z]*\).*/\1/p')"
  drive log-scroll -100000
  drive time-action read 1 >/dev/null || true
  check "log scrolled back keeps its place" "0" "$(log_field 'first shown')"
  drive log-select 3 40
  drive time-action read 1 >/dev/null || true
  check "log keeps the marked text" "3-40" "$(log_field selection)"
  check "the place stays with the marked text" "0" "$(log_field 'first shown')"
  drive held-click lctrl MainImage
  timed program 100
  timed save 20 "$(winepath -w "$work/timed.wpx")"
  timed load 20 "$(winepath -w "$work/timed.wpx")"

  if [ "$full" = yes ]; then
    echo "e2e: RESTART DEVICE by its accelerator from a page, the restart question closed by its close button"
    drive tab-to InternalMicGainStaticText
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
    check "focus after the save dialog" "SaveFileButton" "$(drive focus)"
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

    echo "e2e: Compare with File, a gateway"
    printf '1007=6\r\n9000=0\r\n0012=3\r\n' > "$work/kesto.wpx"
    compared="Compare with kesto.wpx"
    compare_with "$work/kesto.wpx"
    check "compare rows, the gateway on show first" "$(printf '%s\n' \
      "3 settings in the editor differ from what the file gives:" "  Page | Setting | Now | In the file" \
      "* Model | Edition | Ardex | Kesto" "  Gateway / Audio Levels | Receive Input Gain From Radio | 3 | 6" \
      "  Handset / User Experience | Out of Range Auto Turn Off Timer (in hours) | 13 | 3")" "$(drive rows "$compared")"
    drive answer "$compared" "Load This File" 30 >/dev/null
    check "gateway after Load This File" "ticked 6 3" \
      "$(drive get butModelKesto) $(drive get GWReceiveInputGainStaticText) $(drive get AutoTurnOffTimerStaticText)"
    compare_with "$work/kesto.wpx"
    check "compare rows after the load" "The editor holds what the file gives: no setting differs." \
      "$(drive rows "$compared")"
    drive answer "$compared" Close 30 >/dev/null

    # Save Configuration Sheet (Alt+Space, H): the gateway on show, under the kind and
    # today's date in the folder chosen; the sheet is that of the settings loaded above.
    echo "e2e: Save Configuration Sheet, the gateway"
    sheet_dir="$work/sheets"
    rm -rf "$sheet_dir" && mkdir -p "$sheet_dir"
    suggested="gateway-$(date +%F).html"
    drive system-menu h
    check "name suggested for the sheet" "$suggested" "$(drive file-name "Save As" 30)"
    drive file-dialog "Save As" "$(winepath -w "$sheet_dir/$suggested")" 30
    check "offer to open the saved sheet" "yes" \
      "$(drive answer NOTE "&No" 30 | grep -qF "Open it to read or print it?" && echo yes || echo no)"
    check "files in the sheet's folder" "$suggested" "$(ls "$sheet_dir")"
    for part in '<!DOCTYPE html>' '<dt>Source</dt><dd>the window</dd>' '<dt>Edition</dt><dd>Kesto</dd>' \
      '<h2>Gateway</h2>' '<svg'; do
      check "the saved sheet holds $part" "yes" "$(grep -qF "$part" "$sheet_dir/$suggested" && echo yes || echo no)"
    done
    check "the saved sheet is the gateway's alone" "no" \
      "$(grep -qF '<h2>Handset</h2>' "$sheet_dir/$suggested" && echo yes || echo no)"
    check "prompts left open after the sheet" "" "$(drive no-prompt NOTE 1 2>&1)"
  fi

  exit_program

  echo "e2e: an SPI adapter listed first, a settings file named on the command line, the transport picker"
  wine zenta.exe sim attach handset --transport '\\.\CSR0' | tr -d '\r'
  wine zenta.exe sim spi-ports "USB SPI A" "SPITRANS=USB SPIPORT=A" | tr -d '\r'
  given="$work/given.wpx"
  printf '0012=30\r\n' > "$given"
  wine ZENTAUserProgrammer.exe "$(winepath -w "$given")" >/dev/null 2>&1 &
  spi_caption='ZENTA User Programmer, v2.05A, Transport = USB SPI A'
  if drive wait-caption "$spi_caption" 90; then check "caption with the SPI adapter first" "$spi_caption" "$spi_caption"
  else check "caption with the SPI adapter first" "$spi_caption" "(not reached)"; finish; return; fi
  check "timer box from the file named on the command line, outside 0..24" "30" \
    "$(drive get AutoTurnOffTimerStaticText)"
  drive spin AutoTurnOffTimerUpDown up
  check "timer box after a step up from outside the range: the nearer end" "24" \
    "$(drive get AutoTurnOffTimerStaticText)"
  drive click ReadDeviceButton
  check "READ DEVICE on the SPI adapter, where no unit is" "yes" \
    "$(drive answer ERROR "&OK" 60 | grep -q 'ZENTA not detected' && echo yes || echo no)"
  drive system-menu t
  check "the picker from the system menu's \"Select &Transport...\" (Alt+Space, T)" "open" \
    "$(drive wait-prompt "Select Transport" 30 && echo open || echo "(not opened)")"
  check "picker: the transports, the current one selected" "$(printf '* USB SPI A\n  \\\\.\\CSR0')" \
    "$(drive list "Select Transport")"
  drive key "Select Transport" down
  drive key "Select Transport" escape
  check "caption after Escape in the picker" "unchanged" \
    "$(drive wait-caption "$spi_caption" 1 >/dev/null 2>&1 && echo unchanged || echo changed)"
  drive system-menu t
  drive wait-prompt "Select Transport" 30 || check "picker again" "open" "(not opened)"
  drive key "Select Transport" down
  drive key "Select Transport" enter
  usb_caption='ZENTA User Programmer, v2.05A, Transport = \\.\CSR0'
  check "caption after OK in the picker" "$usb_caption" \
    "$(drive wait-caption "$usb_caption" 10 >/dev/null 2>&1 && echo "$usb_caption" || echo "(not reached)")"
  drive click ReadDeviceButton
  drive answer NOTE "&OK" 60 >/dev/null || check "read prompt on USB" "NOTE" "(none)"
  check "timer box after reading the handset on USB" "8" "$(drive get AutoTurnOffTimerStaticText)"
  drive close
  window=open
  for _ in $(seq 60); do
    drive rect >/dev/null 2>&1 || { window=closed; break; }
    sleep 0.5
  done
  check "main window after its close button" "closed" "$window"

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
for run in "${runs[@]}"; do
  case "$run" in
    *-dpi) dpis=(144); [ -n "$shots" ] && dpis+=(192) ;;
    *) dpis=(96) ;;
  esac
  for dpi in "${dpis[@]}"; do
    (set -e; run_e2e "${run%-dpi}" "$dpi")
    [ $? -eq 0 ] || status=1
  done
done
exit "$status"
