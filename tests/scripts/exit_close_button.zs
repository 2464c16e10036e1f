# The title bar's close button ends the program too, here before the timer's tick,
# which then never comes.
start
close
expect Window.closed 1
wait 1000
expect Window.caption "ZENTA User Programmer, v2.05A"
expect-no-prompt
