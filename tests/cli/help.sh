# Every command explains itself with --help, on standard output and with exit code 0, and
# a bad command line gives one line and exit code 2.
. "$(dirname "$0")/lib/common.sh"

expect_exit 0 --help
mv out commands.txt
for command in show diff check read program restart; do
    expect_in commands.txt "  $command "
    expect_exit 0 "$command" --help
    head -1 out | grep -qE "^usage: zenta $command( |$)" || fail "zenta $command --help: $(head -1 out)"
    expect_in out "Exit status:"
    expect_in out "docs/cli.md"
    expect_exit 2 "$command" --no-such-option
    expect_lines err 1
    expect_in err "zenta $command: unknown option --no-such-option"
done
expect_exit 2 show
expect_in err "FILE.wpx is missing"
expect_exit 2 diff a.wpx
expect_in err "B.wpx is missing"
expect_exit 2 program --count
expect_in err "--count needs a value"
expect_exit 2 program --count -3 a.wpx
expect_exit 2 restart now
expect_in err "unexpected argument now"
# `zenta sim` is a command of sub-commands, each explaining itself and named in its refusals.
expect_in commands.txt "  sim COMMAND "
for command in show attach unit fail hang pull corrupt read-length spi-ports latency clear reset; do
    expect_exit 0 sim "$command" --help
    head -1 out | grep -qE "^usage: zenta sim $command( |$)" || fail "zenta sim $command --help: $(head -1 out)"
done
expect_exit 2 sim attach gateway --no-such-option
expect_lines err 1
expect_in err "zenta sim attach: unknown option --no-such-option (see zenta sim attach --help)"
