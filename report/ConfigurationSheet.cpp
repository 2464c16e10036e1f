#include "report/ConfigurationSheet.h"

#include <cstdio>
#include <vector>

#include "report/HtmlText.h"
#include "report/RecordDigest.h"
#include "report/SheetContent.h"
#include "report/SheetStyle.h"
#include "report/WiringDiagram.h"

namespace report {
namespace {

using E = editor::TSettingsEditor;

struct TFact {
    std::string Label;
    std::string Value;
    bool Code = false;  // a digest, set in a typewriter face
};

std::string DateTime(const ui::TLocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.Year, t.Month, t.Day, t.Hour, t.Minute);
    return text;
}

const char* SourceLabel(TSheetSource source) {
    switch (source) {
    case TSheetSource::SettingsFile: return "Settings file";
    case TSheetSource::Unit: return "Adapter";
    case TSheetSource::Window: break;
    }
    return "Source";
}

std::string KindCaption(const E& settings, const records::TUnitKind& kind) { return (settings.*kind.Pages).Caption; }

void Facts(std::string& html, const char* cssClass, const std::vector<TFact>& facts) {
    html.append("<dl class=\"").append(cssClass).append("\">");
    for (const TFact& fact : facts) {
        html.append("<div><dt>").append(Escaped(fact.Label)).append("</dt><dd>");
        html.append(fact.Code ? "<code>" : "").append(Escaped(fact.Value)).append(fact.Code ? "</code>" : "");
        html.append("</dd></div>");
    }
    html.append("</dl>");
}

// A tick box drawn as the window draws it, ahead of its word, so that the sheet reads
// alike on screen, on paper and in a text search.
std::string ValueText(const files::TShownSetting& shown, const std::string& value) {
    if (value.empty()) return "<span class=\"none\">(none)</span>";
    if (shown.Key->Kind() != files::TKeyKind::Tick) return Escaped(value);
    const bool ticked = value == "ticked";
    std::string box =
        "<svg class=\"tick\" viewBox=\"0 0 12 12\" aria-hidden=\"true\"><rect x=\"0.75\" y=\"0.75\" "
        "width=\"10.5\" height=\"10.5\" rx=\"1.5\"/>";
    if (ticked) box += "<path d=\"M3 6.2 5.1 8.4 9.2 3.6\"/>";
    return box + "</svg>" + Escaped(value);
}

std::string MarkedValue(const TSheetSetting& setting) {
    std::string html;
    if (setting.Changed()) html.append("<span class=\"mark\">").append(kChangedMark).append("</span> ");
    return html + ValueText(setting.Shown, setting.Shown.Value);
}

// A cell of one of the two grids: the value, and the default beneath it where it differs.
std::string GridCell(const TSheetSetting& setting) {
    std::string html = setting.Changed() ? "<td class=\"changed\">" : "<td>";
    html += MarkedValue(setting);
    if (setting.Changed())
        html.append("<span class=\"default\">default ")
            .append(ValueText(setting.Shown, setting.Default))
            .append("</span>");
    return html + "</td>";
}

void SettingsTable(std::string& html, const std::vector<TSheetSetting>& settings) {
    html +=
        "<table class=\"settings\"><colgroup><col class=\"caption\"><col class=\"value\"><col "
        "class=\"value\"></colgroup><thead><tr><th>Setting</th><th>Value</th><th>Factory "
        "default</th></tr></thead><tbody>";
    for (const TSheetSetting& setting : settings) {
        html.append(setting.Changed() ? "<tr class=\"changed\">" : "<tr>");
        html.append("<td>").append(Escaped(setting.Shown.Caption)).append("</td>");
        html.append("<td class=\"value\">").append(MarkedValue(setting)).append("</td>");
        html.append("<td class=\"default\">").append(ValueText(setting.Shown, setting.Default)).append("</td></tr>");
    }
    html += "</tbody></table>";
}

void GridHead(std::string& html, const char* first, std::span<const char* const> columns) {
    html.append("<thead><tr><th>").append(first).append("</th>");
    for (const char* column : columns) html.append("<th>").append(Escaped(column)).append("</th>");
    html += "</tr></thead><tbody>";
}

void ButtonMap(std::string& html, const std::vector<TSheetButton>& buttons) {
    html += "<div class=\"block\"><h4>Button Assignments</h4><table class=\"grid\">";
    GridHead(html, "Button", editor::kButtonColumns);
    for (const TSheetButton& button : buttons) {
        html.append("<tr><th scope=\"row\">").append(Escaped(button.Row->Caption)).append("</th>");
        for (const TSheetSetting& cell : button.Cells) html += GridCell(cell);
        html += "</tr>";
    }
    html += "</tbody></table></div>";
}

void Wiring(std::string& html, const std::vector<TSheetLine>& lines) {
    html += "<figure class=\"block wiring\">";
    html += WiringDiagramSvg(lines);
    html +=
        "<figcaption>Arrows point to the side that reads the line: to the radio for an output the gateway "
        "drives, to the gateway for an input. A dashed line has no function.</figcaption></figure>";
    html += "<div class=\"block\"><h4>I/O Lines</h4><table class=\"grid\">";
    GridHead(html, "Line", editor::kLineColumns);
    for (const TSheetLine& line : lines) {
        html.append("<tr><th scope=\"row\">").append(Escaped(line.Line->Caption)).append("</th>");
        for (const TSheetSetting& cell : line.Cells) html += GridCell(cell);
        html += "</tr>";
    }
    html += "</tbody></table></div>";
}

void Page(std::string& html, const std::string& caption) {
    html.append("<section class=\"page\"><h3>").append(Escaped(caption)).append("</h3>");
}

// A file names only the edition; the record's digest is the one a unit of it would get.
records::TUnitIdentity IdentityOnSheet(const E& settings, const TSheetUnit& unit) {
    return unit.Unit.value_or(
        records::TUnitIdentity{unit.Kind->Type, settings.ArdexSelected() ? records::kArdexEdition : std::uint16_t{0}});
}

std::string UnitRecordSha256(const E& settings, const TSheetUnit& unit) {
    return RecordSha256(settings, *unit.Kind, IdentityOnSheet(settings, unit));
}

void UnitSection(std::string& html, const E& settings, const TSheetUnit& unit) {
    const records::TUnitKind& kind = *unit.Kind;
    const TUnitSheetContent content = SheetContentOf(settings, kind);
    std::vector<TFact> facts;
    if (unit.Unit) facts.push_back({"Unit version", records::VersionText(kind, *unit.Unit)});
    facts.push_back({"Changed settings", std::to_string(content.ChangedCount())});
    facts.push_back({"Record SHA-256", UnitRecordSha256(settings, unit), true});

    html.append("<section class=\"unit\" id=\"").append(kind.Name).append("\"><header class=\"unit-head\"><h2>");
    html.append(Escaped(KindCaption(settings, kind))).append("</h2>");
    Facts(html, "unit-facts", facts);
    html += "</header>";
    for (const TSheetPage& page : content.Pages) {
        Page(html, page.Caption);
        html += "<div class=\"block\">";
        SettingsTable(html, page.Settings);
        html += "</div>";
        if (page.Caption == editor::PageCaption(editor::TPage::Hardware) && !content.Buttons.empty())
            ButtonMap(html, content.Buttons);
        html += "</section>";
    }
    if (!content.Lines.empty()) {
        Page(html, editor::PageCaption(editor::TPage::GWHardware));
        Wiring(html, content.Lines);
        html += "</section>";
    }
    html += "</section>";
}

// A statement the certificate makes, set apart; one that puts the unit's settings in
// doubt stands out in black and white as well.
void Finding(std::string& html, bool good, const std::string& text) {
    html.append(good ? "<p class=\"finding\"><strong>Confirmed.</strong> "
                     : "<p class=\"finding alert\"><strong>Attention.</strong> ");
    html.append(Escaped(text)).append("</p>");
}

// What the record says of the unit's programming, and what it proves of the settings
// shown: that the job file is the one programmed, and that the unit held their record
// afterwards.
void Programming(std::string& html, const E& settings, const TSheetUnit& unit, const TProductionFacts& facts) {
    html += "<section class=\"programming\"><h3>Programming, as the production record gives it</h3>";
    Facts(html, "facts",
          {{"Record entry", facts.Entry},
           {"Programmed", facts.Time},
           {"Adapter", facts.Adapter},
           {"Bench", facts.Bench},
           {"Operator", facts.Operator},
           {"Program", facts.ProgramVersion},
           {"Result", facts.Result},
           {"Record written", facts.Written},
           {"Read back", facts.Verification},
           {"Read-back SHA-256", facts.ReadBackSha256, true},
           {"Job file SHA-256", facts.FileSha256, true}});
    if (!facts.FileUnchanged) {
        Finding(html, false,
                "The job file given does not have the SHA-256 recorded: it was changed after this unit was "
                "programmed, or is another file. The settings it holds are not shown, since they need not be "
                "this unit's.");
        html += "</section>";
        return;
    }
    const std::string unitText = std::string("a ") + unit.Kind->Name + " of the " +
                                 (IdentityOnSheet(settings, unit).Ardex() ? "Ardex" : "Kesto") + " edition";
    Finding(html, true,
            "The job file has the SHA-256 recorded: the settings below are those it gave " + unitText + ".");
    if (facts.ReadBackSha256 == UnitRecordSha256(settings, unit))
        Finding(html, true,
                "The words read back from the unit after the write are the record these settings give " + unitText +
                    ": the read-back SHA-256 equals the record SHA-256 below.");
    else
        Finding(html, false,
                "The words read back from the unit after the write are not the record these settings give " + unitText +
                    ": the read-back SHA-256 differs from the record SHA-256 below.");
    html += "</section>";
}

std::string UnitsText(const E& settings, std::span<const TSheetUnit> units) {
    std::string text;
    for (const TSheetUnit& unit : units)
        text.append(text.empty() ? "" : " and ").append(KindCaption(settings, *unit.Kind));
    return text;
}

}  // namespace

std::string ConfigurationSheet(const E& settings, std::span<const TSheetUnit> units, const TSheetFacts& facts) {
    const std::string unitsText = UnitsText(settings, units);
    // A sheet of one unit names the unit's edition, which its settings need not hold.
    const bool ardex = units.size() == 1 && units.front().Unit ? units.front().Unit->Ardex() : settings.ArdexSelected();
    const std::string edition = ardex ? settings.butModelArdex.Caption : settings.butModelKesto.Caption;
    const std::optional<TProductionFacts>& production = facts.Production;
    const char* document = production ? "Unit Certificate" : "Configuration Sheet";

    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">";
    html.append("<title>ZENTA ").append(production ? "unit certificate" : "configuration sheet").append(": ");
    html.append(Escaped(unitsText)).append(", ");
    html.append(DateTime(facts.MadeAt)).append("</title><style>").append(kSheetStyle).append("</style></head><body>");
    html +=
        "<main class=\"sheet\"><header class=\"masthead\"><div class=\"brand\"><span "
        "class=\"product\">ZENTA</span><span class=\"document\">";
    html.append(document).append("</span></div>");
    // A certificate's own making is told apart from the unit's programming.
    Facts(html, "facts",
          {{"Unit kind", unitsText},
           {"Edition", edition},
           {SourceLabel(facts.From), facts.Source},
           {production ? "Certificate made" : "Date and time", DateTime(facts.MadeAt)},
           {production ? "Made on bench" : "Bench", facts.Bench},
           {production ? "Made by" : "Operator", facts.Operator},
           {"Program", "ZENTA User Programmer " + facts.ProgramVersion}});
    html.append("<p class=\"legend\"><span class=\"mark\">").append(kChangedMark);
    html +=
        "</span> differs from the factory default. The record SHA-256 names the 25 words programming these "
        "settings writes to a unit of the kind and edition.</p></header>";
    if (production) Programming(html, settings, units.front(), *production);
    if (!production || production->FileUnchanged)
        for (const TSheetUnit& unit : units) UnitSection(html, settings, unit);
    // Filled in by hand when the unit is handed over.
    html +=
        "<footer class=\"handover\"><div>Vehicle and radio</div><div>Installed by</div><div>Signature and "
        "date</div></footer></main></body></html>\n";
    return html;
}

}  // namespace report
