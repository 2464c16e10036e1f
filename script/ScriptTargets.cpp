#include "script/ScriptTargets.h"

#include "script/ScriptError.h"
#include "script/ScriptLexer.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Pages.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

namespace script {
namespace {

template <typename T>
const T* As(const ui::TControl& control) {
    return dynamic_cast<const T*>(&control);
}

std::string Flag(bool value) { return value ? "1" : "0"; }

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += separator;
        text += parts[i];
    }
    return text;
}

std::optional<std::string> Caption(const ui::TControl& c) {
    if (auto* b = As<ui::TButton>(c)) return b->Caption;
    if (auto* b = As<ui::TCheckBox>(c)) return b->Caption;
    if (auto* b = As<ui::TRadioButton>(c)) return b->Caption;
    if (auto* l = As<ui::TLabel>(c)) return l->Caption;
    if (auto* g = As<ui::TGroupBox>(c)) return g->Caption;
    if (auto* t = As<ui::TTabSheet>(c)) return t->Caption;
    return std::nullopt;
}

std::optional<std::string> Text(const ui::TControl& c) {
    if (auto* list = As<ui::TComboBox>(c)) return list->Text();
    if (auto* label = As<ui::TLabel>(c)) return label->Caption;
    if (auto* box = As<ui::TStaticText>(c)) return box->Text();
    if (auto* memo = As<ui::TMemo>(c)) return Joined(memo->Lines, "\n");
    return std::nullopt;
}

std::optional<std::string> Count(const ui::TControl& c) {
    if (auto* list = As<ui::TComboBox>(c)) return std::to_string(list->Count());
    if (auto* memo = As<ui::TMemo>(c)) return std::to_string(memo->Lines.size());
    if (auto* pages = As<ui::TPageControl>(c)) return std::to_string(pages->Pages().size());
    return std::nullopt;
}

std::optional<std::string> Checked(const ui::TControl& c) {
    if (auto* box = As<ui::TCheckBox>(c)) return Flag(box->Checked());
    if (auto* button = As<ui::TRadioButton>(c)) return Flag(button->Checked());
    return std::nullopt;
}

std::optional<std::string> SpinProperty(const ui::TControl& c, std::string_view property) {
    auto* spin = As<ui::TUpDown>(c);
    if (spin == nullptr) return std::nullopt;
    if (property == "position") return std::to_string(spin->Position());
    if (property == "min") return std::to_string(spin->Min());
    if (property == "max") return std::to_string(spin->Max());
    return std::to_string(spin->Increment());
}

std::optional<std::string> ListProperty(const ui::TControl& c, std::string_view property) {
    auto* list = As<ui::TComboBox>(c);
    if (list == nullptr) return std::nullopt;
    if (property == "index") return std::to_string(list->ItemIndex());
    return Joined(list->Items(), "|");
}

std::optional<std::string> ActivePage(const ui::TControl& c) {
    auto* pages = As<ui::TPageControl>(c);
    if (pages == nullptr) return std::nullopt;
    return pages->ActivePage() ? pages->ActivePage()->Name : "";
}

// Log.count, Log.last, Log.N (from 1), each line with its stamp.
std::optional<std::string> LogTarget(TScriptSession& session, std::string_view what) {
    const std::vector<std::string>& lines = session.Form().InfoMemo.Lines;
    if (what == "count") return std::to_string(lines.size());
    if (what == "last") return lines.empty() ? std::nullopt : std::optional(lines.back());
    const auto n = ParseNumber(what);
    if (!n || *n < 1) throw TScriptError("unknown target Log." + std::string(what));
    if (static_cast<std::size_t>(*n) > lines.size()) return std::nullopt;
    return lines[static_cast<std::size_t>(*n - 1)];
}

// Transports.count and Transports.N (from 0): "port name|transport string".
std::optional<std::string> TransportsTarget(TScriptSession& session, std::string_view what) {
    const devlink::TTransportTable& table = session.Form().Transports;
    if (what == "count") return std::to_string(table.Count);
    const auto n = ParseNumber(what);
    if (!n || *n < 0) throw TScriptError("unknown target Transports." + std::string(what));
    if (*n >= table.Count) return std::nullopt;
    const auto i = static_cast<std::size_t>(*n);
    return table.PortNames[i] + "|" + table.TransportStrings[i];
}

std::optional<std::string> SimTarget(TScriptSession& session, std::string_view what) {
    const sim::TSimCounters& counters = session.Bench.Counters;
    if (what == "opens") return std::to_string(counters.Opens);
    if (what == "closes") return std::to_string(counters.Closes);
    if (what == "open") return std::to_string(session.Bench.OpenConnections());
    if (what == "reads") return std::to_string(counters.Reads);
    if (what == "writes") return std::to_string(counters.Writes);
    if (what == "restarts") return std::to_string(counters.Restarts);
    if (what == "slept") return std::to_string(session.Env.Sleeper.Slept);
    if (what.starts_with("key.")) {
        const auto key = ParseNumber(what.substr(4));
        if (key && *key >= 0 && *key <= 0xFFFF) return session.Bench.Unit().KeyText(static_cast<std::uint16_t>(*key));
    }
    throw TScriptError("unknown target Sim." + std::string(what));
}

std::optional<std::string> WindowTarget(TScriptSession& session, std::string_view what) {
    app::TMajorForm& form = session.Form();
    if (what == "caption") return form.Caption;
    if (what == "clientheight") return std::to_string(form.ClientHeight);
    if (what == "closed") return Flag(form.Closed);
    if (what == "undo") return Flag(form.History.CanUndo());
    if (what == "redo") return Flag(form.History.CanRedo());
    throw TScriptError("unknown target Window." + std::string(what));
}

std::optional<std::string> TransportTarget(TScriptSession& session, std::string_view what) {
    const devlink::TTransportTable& table = session.Form().Transports;
    if (what == "chosen") return std::to_string(table.Chosen);
    if (what == "usb") return Flag(table.Usb);
    throw TScriptError("unknown target Transport." + std::string(what));
}

std::optional<std::string> NamedTarget(TScriptSession& session, const std::string& name, std::string_view property) {
    app::TMajorForm& form = session.Form();
    if (name == form.Timer1.Name) {
        if (property == "enabled") return Flag(form.Timer1.Enabled());
        throw TScriptError("Timer1 has no property '" + std::string(property) + "'");
    }
    const ui::TControl* control = session.FindControl(name);
    if (control == nullptr) throw TScriptError("unknown control " + name);
    auto value = ControlProperty(*control, property);
    if (!value) throw TScriptError(name + " has no property '" + std::string(property) + "'");
    return value;
}

}  // namespace

std::optional<std::string> ControlProperty(const ui::TControl& c, std::string_view property) {
    if (property == "enabled") return Flag(c.Enabled);
    if (property == "visible") return Flag(c.Visible);
    if (property == "checked") return Checked(c);
    if (property == "index" || property == "items") return ListProperty(c, property);
    if (property == "text") return Text(c);
    if (property == "count") return Count(c);
    if (property == "position" || property == "min" || property == "max" || property == "step")
        return SpinProperty(c, property);
    if (property == "active") return ActivePage(c);
    if (property == "caption") return Caption(c);
    return std::nullopt;
}

std::optional<std::string> ReadTarget(TScriptSession& session, std::string_view target) {
    const std::size_t dot = target.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == target.size())
        throw TScriptError("a target is NAME.PROPERTY, not '" + std::string(target) + "'");
    const std::string head(target.substr(0, dot));
    const std::string_view rest = target.substr(dot + 1);
    if (head == "Sim") return SimTarget(session, rest);
    if (head == "Window") return WindowTarget(session, rest);
    if (head == "Application") {
        if (rest != "title") throw TScriptError("unknown target Application." + std::string(rest));
        session.Form();
        return session.Env.Application.Title;
    }
    if (head == "Log") return LogTarget(session, rest);
    if (head == "Transports") return TransportsTarget(session, rest);
    if (head == "Transport") return TransportTarget(session, rest);
    return NamedTarget(session, head, rest);
}

}  // namespace script
