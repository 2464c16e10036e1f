# A file that cannot be written gives the plain message, and what was there stays.
start
dialog "missing/settings.wpx"
click SaveFileButton
expect-message "The file could not be saved"
expect-no-file "missing/settings.wpx"

file "kept.wpx" "old content"
readonly "kept.wpx"
dialog "kept.wpx"
click SaveFileButton
expect-message "The file could not be saved"
expect-file "kept.wpx" "old content"
expect-no-file "kept.wpx.0.tmp"
expect-no-prompt
