# Sourced by the acceptance tests of the command line. Each test runs in a temporary
# folder of its own with a simulated unit of its own (ZENTA_SIM_STATE there), so that no
# test touches the user's state file. Arguments of a test: the zenta binary and the
# folder of the test data.
set -eu

ZENTA=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
DATA=$(cd "$2" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/zenta-cli-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
export ZENTA_SIM_STATE="$WORK/sim-unit.txt"
cd "$WORK"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_for FILE TEXT: until the file holds the text, at most 20 s.
wait_for() {
    local i
    for i in $(seq 200); do
        if grep -qF -- "$2" "$1" 2>/dev/null; then return 0; fi
        sleep 0.1
    done
    fail "no '$2' in $1: $(cat "$1")"
}

# expect_exit CODE ARGS...: runs zenta ARGS with standard output to out and standard
# error to err, and wants the exit code CODE.
expect_exit() {
    local want=$1
    shift
    local got=0
    "$ZENTA" "$@" >out 2>err || got=$?
    [ "$got" = "$want" ] || fail "zenta $*: exit $got, expected $want; stderr: $(cat err); stdout: $(head -5 out)"
}

# expect_in FILE TEXT: the file holds the text (as a fixed string).
expect_in() {
    grep -qF -- "$2" "$1" || fail "$1 lacks '$2'; it holds: $(head -20 "$1")"
}

expect_not_in() {
    if grep -qF -- "$2" "$1"; then fail "$1 holds '$2'"; fi
}

expect_lines() {
    local count
    count=$(wc -l <"$1")
    [ "$count" = "$2" ] || fail "$1 has $count lines, expected $2: $(cat "$1")"
}

# A settings file: the defaults with lines replaced, each given as KEY=VALUE.
settings_file() {
    local file=$1
    shift
    cp "$DATA/defaults.wpx" "$file"
    local change
    for change in "$@"; do
        sed -i "s/^${change%%=*}=[^\r]*/${change}/" "$file"
    done
}

# The JSON is valid, when a JSON reader is at hand.
expect_json() {
    if command -v python3 >/dev/null; then
        python3 -m json.tool "$1" >/dev/null || fail "$1 is not valid JSON: $(cat "$1")"
    fi
}
