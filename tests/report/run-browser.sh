#!/usr/bin/env bash
# The configuration sheets as a browser prints them: the sheets of a handset and a gateway,
# made from a settings file and from a simulated unit, of a file giving both kinds, and
# the certificate of a gateway a production run programmed, printed by headless Chromium
# to PDF on A4 and on Letter. Each PDF must keep to two pages per unit kind, hold the
# caption and value of every setting of its kinds as `zenta show` and `zenta read` give
# them, and for a gateway the nine lines of its wiring diagram; the certificate must also
# name the unit's adapter and the digest of the words read back from it, and confirm both
# the job file and the read-back; the browser must log no console message. With
# ZENTA_SHEET_PICTURES=DIR the pages of the gateway's sheet and of the certificate are
# left there as PNG pictures.
#   tests/report/run-browser.sh [ZENTA_BINARY]     (default: build/bin/zenta)
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/install-packages.sh chromium poppler-utils jq

ZENTA=$(realpath "${1:-build/bin/zenta}")
PICTURES=${ZENTA_SHEET_PICTURES:+$(realpath -m "$ZENTA_SHEET_PICTURES")}
DATA=$(realpath tests/data)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/zenta-sheets-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
export ZENTA_SIM_STATE="$WORK/sim-unit.txt"
cd "$WORK"

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
    if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $1" >&2; fi
}

# print HTML PDF PAPER: the page as Chromium prints it on that paper (the sheet leaves the
# size to the printer, as a user's print dialog does), its log beside the PDF.
print() {
    local profile
    profile=$(mktemp -d "$WORK/profile-XXXXXX")
    sed "s|<style>|<style>@page { size: $3; }|" "$1" >"${2%.pdf}.printed.html"
    timeout 90 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" --enable-logging=stderr --v=0 \
        --print-to-pdf="$WORK/$2" --no-pdf-header-footer "file://$WORK/${2%.pdf}.printed.html" >"${2%.pdf}.log" 2>&1 || true
    rm -rf "$profile"
}

# Chromium logs every console message of the page as a CONSOLE line: a page that logs an
# error proves the check sees one.
no_console_message() { ! grep -q "CONSOLE" "$1"; }
printf '<!DOCTYPE html><html><head><style></style></head><body><script>console.error("seen")</script></body></html>' \
    >noisy.html
print noisy.html noisy.pdf A4
check "the console check sees a page's console error" grep -q 'CONSOLE.*"seen"' noisy.log

# A settings file of the defaults with some lines replaced and, when KEYS is given, only
# the lines whose key matches it.
settings() {  # settings FILE KEYS KEY=VALUE...
    local file=$1 keys=$2
    shift 2
    grep -E "^(9000|$keys)=" "$DATA/defaults.wpx" >"$file"
    local change
    for change in "$@"; do sed -i "s/^${change%%=*}=[^\r]*/${change}/" "$file"; done
}
settings handset.wpx '00[0-9][0-9]' 0002=1 0005=1 0012=4 0013=3600 0021=0 0022=6 0023=3 0044=1500
gateway_changes=(1006=6 1010=60 1022=1 1033=0 1039=1000 1053=7)
settings gateway.wpx '10[0-9][0-9]' "${gateway_changes[@]}"
cp "$DATA/defaults.wpx" both.wpx
# A production run takes only a file with no findings: the gateway's settings in a whole file.
settings job.wpx '[0-9]{4}' "${gateway_changes[@]}"

# What every setting of the sheet's kinds shows: "caption<TAB>value" lines, a grid's
# caption split into its row and its column.
expected() {  # expected JSON
    jq -r '.settings[] | select(.page != "Model") | (.caption | split(": ")[]), .value' "$1"
}

"$ZENTA" report handset.wpx --output handset-file.html >/dev/null
"$ZENTA" show --json handset.wpx | jq '{settings: [.settings[] | select(.page | startswith("Handset"))]}' \
    >handset-file.json
"$ZENTA" report gateway.wpx --output gateway-file.html >/dev/null
"$ZENTA" show --json gateway.wpx | jq '{settings: [.settings[] | select(.page | startswith("Gateway"))]}' \
    >gateway-file.json
"$ZENTA" report both.wpx --output both-file.html >/dev/null
"$ZENTA" show --json both.wpx >both-file.json
"$ZENTA" sim attach handset >/dev/null
"$ZENTA" program handset.wpx >/dev/null 2>&1
"$ZENTA" report --unit --output handset-unit.html >/dev/null 2>&1
"$ZENTA" read --json >handset-unit.json 2>/dev/null
"$ZENTA" sim attach gateway --edition kesto --version 0x0312 >/dev/null
"$ZENTA" program gateway.wpx >/dev/null 2>&1
"$ZENTA" report --unit --output gateway-unit.html >/dev/null 2>&1
"$ZENTA" read --json >gateway-unit.json 2>/dev/null
# The same gateway programmed by a production run, then certified from its record: the
# settings on the certificate are those the unit was read back with.
"$ZENTA" program job.wpx --count 1 --log record.jsonl >/dev/null 2>&1
"$ZENTA" report --record record.jsonl --entry 1 --output certificate.html >/dev/null 2>&1
cp gateway-unit.json certificate.json

# text_of PDF [FIRST [LAST]]: the text of the pages, all white space one blank.
text_of() { pdftotext -q ${2:+-f "$2"} ${3:+-l "$3"} "$1" - | tr -s ' \n\t\f' '    ' | tr -s ' '; }

holds_every_setting() {  # holds_every_setting PDF JSON
    local text missing=0
    text=$(text_of "$1")
    while IFS= read -r part; do
        [ -z "$part" ] && continue
        [[ "$text" == *"$part"* ]] || { echo "$1 lacks '$part'" >&2; missing=1; }
    done < <(expected "$2")
    return "$missing"
}

pages_of() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }

# The certificate names the unit's adapter and the digest of the words read back, even
# where a digest is broken across lines, and confirms the file and the read-back.
certifies_the_unit() {
    local text adapter digest
    text=$(text_of "$1")
    adapter=$(jq -r .adapter record.jsonl)
    digest=$(jq -r .read_back_sha256 record.jsonl)
    [[ "$text" == *"$adapter"* ]] || { echo "$1 lacks the adapter '$adapter'" >&2; return 1; }
    [[ "$(tr -d ' ' <<<"$text")" == *"$digest"* ]] || { echo "$1 lacks the read-back digest" >&2; return 1; }
    [ "$(grep -oF "Confirmed." <<<"$text" | wc -l)" = 2 ] && [[ "$text" != *"Attention."* ]]
}

# The diagram's nine lines: each line's name beside its active level, and in the table.
draws_nine_lines() {
    local text
    text=$(text_of "$1")
    [ "$(grep -oE 'active (Low|High)' <<<"$text" | wc -l)" = 9 ] || return 1
    local line
    for line in "Radio PTT" "Radio Emergency" "Radio COR" "Function 1" "Function 2" "Function 3" "Function 4" \
        "Function 5" "Function 6"; do
        [ "$(grep -oF "$line" <<<"$text" | wc -l)" -ge 2 ] || { echo "$1: '$line' is not drawn" >&2; return 1; }
    done
}

# The gateway's sheet starts on a new page after at most two of the handset's.
gateway_from_page_3() {
    local first=""
    for page in $(seq "$(pages_of "$1")"); do
        if [[ "$(text_of "$1" "$page" "$page")" == *"Monitor Emergency Input Alert Tone"* ]]; then
            first=$page
            break
        fi
    done
    [ "$first" = 3 ]
}

for sheet in handset-file gateway-file handset-unit gateway-unit both-file certificate; do
    kinds=1
    [ "$sheet" = both-file ] && kinds=2
    for paper in A4 Letter; do
        pdf="$sheet-$paper.pdf"
        print "$sheet.html" "$pdf" "$paper"
        check "$pdf printed" test -s "$pdf"
        [ -s "$pdf" ] || continue
        check "$pdf on $paper paper" grep -qi "($paper)" <(pdfinfo "$pdf")
        check "$pdf: $(pages_of "$pdf") pages for $kinds unit kind(s)" test "$(pages_of "$pdf")" -le $((2 * kinds))
        check "$pdf holds every caption and value" holds_every_setting "$pdf" "$sheet.json"
        check "$pdf: no console message" no_console_message "${pdf%.pdf}.log"
        [[ "$sheet" == handset-* ]] || check "$pdf draws the nine lines" draws_nine_lines "$pdf"
        [ "$sheet" = both-file ] && check "$pdf: the gateway from page 3" gateway_from_page_3 "$pdf"
        [ "$sheet" = certificate ] && check "$pdf certifies the unit" certifies_the_unit "$pdf"
    done
done

if [ -n "$PICTURES" ]; then
    mkdir -p "$PICTURES"
    pdftoppm -r 100 -png gateway-file-A4.pdf "$PICTURES/gateway-sheet"
    pdftoppm -r 100 -png certificate-A4.pdf "$PICTURES/certificate"
fi

echo "browser sheets: $passed passed, $failed failed"
[ "$failed" = 0 ]
