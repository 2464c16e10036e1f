#include "report/SheetStyle.h"

namespace report {

// The page's margins are the sheet's; its size is whatever paper the printer is given.
// Greys and one dark blue only, each dark or light enough to stay apart in black and white.
const std::string_view kSheetStyle = R"css(
@page { margin: 12mm 12mm 13mm; }
html { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body {
  margin: 0; background: #e6e9ed; color: #16191d;
  font: 9pt/1.35 "Segoe UI", "Helvetica Neue", Arial, "Liberation Sans", "DejaVu Sans", sans-serif;
}
.sheet {
  box-sizing: border-box; max-width: 210mm; margin: 8mm auto; padding: 12mm 13mm;
  background: #fff; box-shadow: 0 1px 6px rgba(0, 0, 0, .25);
}
@media print {
  body { background: none; }
  .sheet { max-width: none; margin: 0; padding: 0; box-shadow: none; }
}
h2, h3, h4 { margin: 0; font-weight: 700; break-after: avoid; }
code { font: 7.6pt/1.3 "DejaVu Sans Mono", "Liberation Mono", Consolas, monospace; overflow-wrap: anywhere; }

.masthead { border-bottom: 2.5pt solid #1b3a5c; padding-bottom: 3mm; margin-bottom: 4mm; break-inside: avoid; }
.brand { display: flex; align-items: baseline; gap: 4mm; margin-bottom: 3mm; }
.product { font-size: 24pt; font-weight: 800; letter-spacing: .12em; color: #1b3a5c; }
.document { font-size: 13pt; font-weight: 600; letter-spacing: .04em; text-transform: uppercase; color: #39414b; }
dl { margin: 0; }
dt { font-size: 6.8pt; font-weight: 600; letter-spacing: .06em; text-transform: uppercase; color: #59626d; }
dd { margin: 0; font-weight: 600; overflow-wrap: anywhere; }
.facts { display: grid; grid-template-columns: repeat(4, 1fr); gap: 2.2mm 5mm; }
.facts > div { border-left: 1.2pt solid #b8c0c9; padding-left: 2mm; }
.legend { margin: 3mm 0 0; font-size: 7.8pt; color: #39414b; }
.mark { font-size: 7.5pt; color: #000; }

.programming { margin-bottom: 4mm; break-inside: avoid; }
.programming h3 {
  font-size: 9.5pt; letter-spacing: .08em; text-transform: uppercase; color: #1b3a5c; margin-bottom: 2mm;
}
.finding { margin: 2mm 0 0; padding: 1.5mm 3mm; border-left: 2.5pt solid #1b3a5c; background: #e9edf2; }
.finding.alert { border: 1.5pt solid #000; border-left-width: 5pt; background: #fff; font-weight: 700; }

.unit + .unit { break-before: page; }
.unit-head { display: flex; align-items: flex-end; gap: 6mm; margin: 1mm 0 3mm; break-inside: avoid; }
.unit-head h2 {
  font-size: 17pt; color: #fff; background: #1b3a5c; padding: 1mm 4mm 1.2mm; border-radius: 1.2mm;
  letter-spacing: .03em;
}
.unit-facts { display: flex; gap: 6mm; flex: 1; }
.unit-facts > div:last-child { flex: 1; }

.page { margin-bottom: 4mm; }
.page h3 {
  font-size: 9.5pt; letter-spacing: .08em; text-transform: uppercase; color: #1b3a5c;
  border-bottom: .8pt solid #1b3a5c; padding-bottom: .8mm; margin-bottom: 1.5mm;
}
.page h4 { font-size: 8.5pt; color: #39414b; margin: 2.5mm 0 1mm; }
.block { break-inside: avoid; }

table { width: 100%; border-collapse: collapse; }
th, td { text-align: left; vertical-align: top; padding: .9mm 2mm; border-bottom: .5pt solid #c6ccd3; }
thead th {
  font-size: 6.8pt; font-weight: 600; letter-spacing: .06em; text-transform: uppercase; color: #59626d;
  border-bottom: .9pt solid #59626d;
}
tr { break-inside: avoid; }
.settings col.caption { width: 54%; }
.settings col.value { width: 23%; }
td.default { color: #4a525c; }
tr.changed td, td.changed { background: #e9edf2; }
tr.changed td.value, td.changed { font-weight: 700; }
table.grid { table-layout: fixed; }
.grid thead th { font-size: 7.4pt; letter-spacing: 0; text-transform: none; }
.grid thead th:first-child { width: 19%; }
.grid tbody th { font-weight: 700; }
.grid td .default { display: block; font-size: 7pt; font-weight: 400; color: #4a525c; }
.none { font-style: italic; color: #59626d; }
svg.tick {
  width: 1.05em; height: 1.05em; vertical-align: -.18em; margin-right: .4em;
  fill: none; stroke: currentColor; stroke-width: 1.1;
}
svg.tick path { stroke-width: 1.7; stroke-linecap: round; stroke-linejoin: round; }

figure.wiring { margin: 0 0 2.5mm; }
svg.wiring { display: block; width: 100%; height: auto; font-family: inherit; }
svg.wiring .box { fill: #f2f4f7; stroke: #1b3a5c; stroke-width: 1.2; }
svg.wiring .box-title { font-size: 12px; font-weight: 800; letter-spacing: 2px; fill: #1b3a5c; }
svg.wiring .column { font-size: 9.5px; letter-spacing: 1px; text-transform: uppercase; fill: #59626d; text-anchor: middle; }
svg.wiring .name { font-size: 13px; font-weight: 700; fill: #16191d; text-anchor: end; }
svg.wiring .direction { font-size: 10px; fill: #4a525c; text-anchor: end; }
svg.wiring .function { font-size: 12.5px; font-weight: 700; fill: #16191d; text-anchor: middle; }
svg.wiring .pulse { font-size: 10px; fill: #39414b; text-anchor: middle; }
svg.wiring .level-text { font-size: 11px; fill: #16191d; }
svg.wiring .wire { stroke: #16191d; stroke-width: 2; }
svg.wiring .arrow { fill: #16191d; }
svg.wiring .pin { fill: #fff; stroke: #16191d; stroke-width: 1.5; }
svg.wiring .level { fill: none; stroke: #16191d; stroke-width: 1.4; }
svg.wiring .disabled .wire { stroke: #8c939b; stroke-dasharray: 6 5; }
svg.wiring .disabled .arrow { fill: #8c939b; }
svg.wiring .disabled .function { fill: #6a727c; font-weight: 400; font-style: italic; }
figcaption { font-size: 7.4pt; color: #4a525c; margin-top: 1mm; }

.handover { display: grid; grid-template-columns: 1fr 1fr 1fr; gap: 6mm; margin-top: 7mm; break-inside: avoid; }
.handover div { border-top: .8pt solid #16191d; padding-top: 1mm; font-size: 7pt; color: #4a525c; }
)css";

}  // namespace report
