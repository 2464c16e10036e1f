# zenta restart: RESTART DEVICE on the simulated unit, after the chip check.
. "$(dirname "$0")/lib/common.sh"

expect_exit 0 restart
expect_in out "restart sent"
"$ZENTA" sim show >show.txt
expect_in show.txt "restarts: 1"

"$ZENTA" sim attach none >/dev/null
expect_exit 4 restart
expect_in err "ERROR: ZENTA not detected."
