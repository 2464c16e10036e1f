# E&XIT closes the window at once: no question, nothing saved.
start
click ExitButton
expect Window.closed 1
expect-no-prompt
expect-no-file "ZENTAUserProgrammer.INI"
expect Sim.opens 0
