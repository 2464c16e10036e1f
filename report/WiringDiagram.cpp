#include "report/WiringDiagram.h"

#include <algorithm>
#include <string_view>

#include "report/HtmlText.h"

namespace report {
namespace {

// The drawing's own units; the sheet scales it to the width of the page.
constexpr int kWidth = 720;
constexpr int kTop = 46;  // below the two blocks' titles
constexpr int kRow = 40;
constexpr int kGatewayPin = 214;
constexpr int kRadioPin = 540;
constexpr int kMiddle = (kGatewayPin + kRadioPin) / 2;

std::string Number(int value) { return std::to_string(value); }

void Text(std::string& svg, int x, int y, std::string_view cssClass, std::string_view text) {
    svg.append("<text x=\"").append(Number(x)).append("\" y=\"").append(Number(y)).append("\" class=\"");
    svg.append(cssClass).append("\">").append(Escaped(text)).append("</text>");
}

// The arrow points at the side that reads the line: the radio for an output.
void Arrow(std::string& svg, bool output, int y) {
    const int tip = output ? kRadioPin - 8 : kGatewayPin + 8;
    const int back = output ? tip - 13 : tip + 13;
    svg.append("<polygon class=\"arrow\" points=\"")
        .append(Number(tip) + "," + Number(y) + " " + Number(back) + "," + Number(y - 6) + " " + Number(back) + "," +
                Number(y + 6))
        .append("\"/>");
}

// The line's level while active, as a pulse drawn up from low or down from high.
void LevelMark(std::string& svg, bool activeHigh, int y) {
    const int high = y - 6;
    const int low = y + 5;
    const int rest = activeHigh ? low : high;
    const int active = activeHigh ? high : low;
    svg.append("<path class=\"level\" d=\"M556 ").append(Number(rest));
    svg.append(" H562 V").append(Number(active)).append(" H574 V").append(Number(rest)).append(" H580\"/>");
}

void Line(std::string& svg, const TSheetLine& line, int index) {
    const int y = kTop + index * kRow + kRow / 2;
    const bool output = line.Output();
    svg.append("<g class=\"line").append(line.Disabled() ? " disabled" : "").append("\">");
    const bool changed = std::ranges::any_of(line.Cells, &TSheetSetting::Changed);
    Text(svg, kGatewayPin - 22, y - 2, "name", (changed ? std::string(kChangedMark) + " " : "") + line.Line->Caption);
    std::string direction = line.IO().Shown.Value;
    if (line.Line->Fixed) direction += " \u00b7 fixed";
    Text(svg, kGatewayPin - 22, y + 12, "direction", direction);
    svg.append("<line class=\"wire\" x1=\"").append(Number(kGatewayPin + 5)).append("\" y1=\"").append(Number(y));
    svg.append("\" x2=\"").append(Number(kRadioPin - 5)).append("\" y2=\"").append(Number(y)).append("\"/>");
    Arrow(svg, output, y);
    for (const int pin : {kGatewayPin, kRadioPin})
        svg.append("<circle class=\"pin\" cx=\"")
            .append(Number(pin))
            .append("\" cy=\"")
            .append(Number(y))
            .append("\" r=\"4.5\"/>");
    Text(svg, kMiddle, y - 7, "function", line.Function().Shown.Value);
    Text(svg, kMiddle, y + 15, "pulse", "pulse " + line.Pulse().Shown.Value + " ms");
    const std::string& active = line.Active().Shown.Value;
    LevelMark(svg, active.find("High") != std::string::npos, y);
    Text(svg, 588, y + 4, "level-text", "active " + active);
    svg.append("</g>");
}

}  // namespace

std::string WiringDiagramSvg(std::span<const TSheetLine> lines) {
    const int height = kTop + static_cast<int>(lines.size()) * kRow + 10;
    std::string svg = "<svg class=\"wiring\" viewBox=\"0 0 " + Number(kWidth) + " " + Number(height) +
                      "\" role=\"img\" aria-labelledby=\"wiring-title\">";
    svg += "<title id=\"wiring-title\">The gateway's I/O lines to the radio</title>";
    svg += "<rect class=\"box\" x=\"1\" y=\"1\" width=\"" + Number(kGatewayPin - 1) + "\" height=\"" +
           Number(height - 2) + "\" rx=\"6\"/>";
    svg += "<rect class=\"box\" x=\"" + Number(kRadioPin) + "\" y=\"1\" width=\"" + Number(kWidth - kRadioPin - 1) +
           "\" height=\"" + Number(height - 2) + "\" rx=\"6\"/>";
    Text(svg, 16, 28, "box-title", "GATEWAY");
    Text(svg, kRadioPin + 16, 28, "box-title", "RADIO");
    Text(svg, kMiddle, 28, "column", "function and pulse");
    for (std::size_t i = 0; i < lines.size(); ++i) Line(svg, lines[i], static_cast<int>(i));
    svg += "</svg>";
    return svg;
}

}  // namespace report
