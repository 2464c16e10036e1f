// The grammar of the simulated unit and of the script's own files.

#include <cstdint>
#include <optional>

#include "script/ScriptError.h"
#include "script/ScriptGrammar.h"
#include "script/ScriptRunner.h"

namespace script {
namespace {

constexpr std::int64_t kMaxCount = 1000000;

std::optional<std::uint16_t> KeyOption(const std::map<std::string, std::string>& options, std::string_view what) {
    const auto key = options.find("key");
    if (key == options.end()) return std::nullopt;
    return TScriptArguments::ToWord(key->second, what);
}

// The simulated unit.

TScriptAction ParseUnit(TScriptArguments& a) {
    static const std::map<std::string, sim::TUnitKind, std::less<>> kKinds{
        {"handset", sim::TUnitKind::Handset}, {"gateway", sim::TUnitKind::Gateway}, {"none", sim::TUnitKind::None}};
    const std::string kindName = a.Text("handset, gateway or none");
    const auto kind = kKinds.find(kindName);
    if (kind == kKinds.end())
        throw TScriptError("unit: the unit is handset, gateway or none, not " + QuoteText(kindName));
    const auto options = a.Options({"type", "version", "chip"});
    std::optional<std::uint16_t> type, version;
    std::optional<std::string> chip;
    if (options.count("type")) type = TScriptArguments::ToWord(options.at("type"), "unit: type");
    if (options.count("version")) version = TScriptArguments::ToWord(options.at("version"), "unit: version");
    if (options.count("chip")) chip = options.at("chip");
    return [kind = kind->second, type, version, chip](TScriptRunner& r) { r.PutUnit(kind, type, version, chip); };
}

TScriptAction ParsePsKey(TScriptArguments& a) {
    const std::uint16_t key = TScriptArguments::ToWord(a.Text("0xKEY"), "pskey: KEY");
    std::vector<std::uint16_t> words;
    while (!a.AtEnd()) words.push_back(TScriptArguments::ToWord(a.Text("W"), "pskey: W"));
    return [key, words](TScriptRunner& r) { r.SetPsKey(key, words); };
}

TScriptAction ParsePsKeyAbsent(TScriptArguments& a) {
    const std::uint16_t key = TScriptArguments::ToWord(a.Text("0xKEY"), "pskey-absent: KEY");
    a.End();
    return [key](TScriptRunner& r) { r.RemovePsKey(key); };
}

TScriptAction ParseFail(TScriptArguments& a) {
    const std::string callName = a.Text("open, read or write");
    const auto call = sim::ParseCall(callName);
    if (!call) throw TScriptError("fail: the call is open, read or write, not " + QuoteText(callName));
    const auto count = static_cast<unsigned>(a.Number("COUNT", 0, kMaxCount));
    const auto options = a.Options({"key"});
    const auto key = KeyOption(options, "fail: key");
    if (key && *call == sim::TSimCall::Open) throw TScriptError("fail: an open names no key");
    return [call = *call, count, key](TScriptRunner& r) { r.FailNext(call, count, key); };
}

TScriptAction ParseReadLength(TScriptArguments& a) {
    const auto length = static_cast<std::uint16_t>(a.Number("N", 0, 0xFFFF));
    const auto key = KeyOption(a.Options({"key"}), "read-length: key");
    return [length, key](TScriptRunner& r) { r.MisreportNextRead(length, key); };
}

// Files.

TScriptAction ParseFile(TScriptArguments& a) {
    std::string path = a.Text("PATH");
    std::string content = a.Text("CONTENT");
    a.End();
    return [path, content](TScriptRunner& r) { r.WriteFile(path, content); };
}

TScriptAction ParseReadOnly(TScriptArguments& a) {
    std::string path = a.Text("PATH");
    a.End();
    return [path](TScriptRunner& r) { r.MakeReadOnly(path); };
}

}  // namespace

void AddUnitCommands(TCommandTable& table) {
    table.insert({"unit", ParseUnit});
    table.insert({"pskey", ParsePsKey});
    table.insert({"pskey-absent", ParsePsKeyAbsent});
    table.insert({"fail", ParseFail});
    table.insert({"read-length", ParseReadLength});
    table.insert({"file", ParseFile});
    table.insert({"readonly", ParseReadOnly});
}

}  // namespace script
