# Sourced by the Wine tests. check WHAT EXPECTED ACTUAL prints one line, "ok" or "FAIL",
# and counts it in passed or failed; check_prefix, when set, starts each line's subject.
# contains TEXT PART answers "yes", or "no: " and the text.
passed=0
failed=0
check() {
  if [ "$2" = "$3" ]; then
    echo "ok    ${check_prefix:-}$1: $3"; passed=$((passed + 1))
  else
    echo "FAIL  ${check_prefix:-}$1: expected '$2', got '$3'"; failed=$((failed + 1))
  fi
}
contains() { case "$1" in *"$2"*) echo yes ;; *) echo "no: $1" ;; esac; }
