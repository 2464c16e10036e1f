# Sourced by the Wine tests: start_xvfb FIRST LAST NAME [SIZE] starts a private Xvfb of
# SIZE (WIDTHxHEIGHT, 1024x800 unless told) on the first free display from :FIRST to
# :LAST, exports DISPLAY, and on exit ends Wine's server and the display again. NAME
# prefixes the message when no display is free.
start_xvfb() {
  local n
  display=""
  for n in $(seq "$1" "$2"); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "$3: no free X display" >&2; exit 1; }
  Xvfb "$display" -screen 0 "${4:-1024x800}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  trap stop_xvfb EXIT
}

stop_xvfb() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" >/dev/null 2>&1 || true
  wait "$xvfb_pid" 2>/dev/null || true
}
