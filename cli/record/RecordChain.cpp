#include "cli/record/RecordChain.h"

#include "report/Sha256.h"

namespace cli {
namespace {

bool IsDigest(std::string_view text) {
    return text.size() == kChainStart.size() && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

}  // namespace

bool EndsAsWritten(std::string_view line) {
    const std::optional<TChainLink> link = ChainLinkOf(line);
    return link && IsDigest(link->Chain) && link->Tail == ChainTail(link->Chain);
}

std::string_view ChainValueAfter(std::string_view line) {
    return EndsAsWritten(line) ? ChainLinkOf(line)->Chain : kChainStart;
}

bool CutOffWithinChain(std::string_view line, const TChainLink& link, std::string_view computed) {
    if (!link.Tail.empty()) {
        const std::string tail = ChainTail(computed);
        return link.Tail.size() < tail.size() && std::string_view(tail).starts_with(link.Tail);
    }
    const std::size_t prevEnd = static_cast<std::size_t>(link.Prev.data() - line.data()) + link.Prev.size();
    const std::string_view rest = line.substr(prevEnd);
    return rest.empty() || (rest.front() == '"' && kChainMember.starts_with(rest.substr(1)));
}

std::string ChainTail(std::string_view chain) {
    std::string tail(kChainMember);
    tail.append(chain).append("\"}");
    return tail;
}

std::string ChainedLine(std::string_view line, std::string_view lastLine) {
    std::string chained(line.substr(0, line.size() - 1));
    chained.append(kPrevMember).append(ChainValueAfter(lastLine)).push_back('"');
    const std::string chain = report::Sha256Hex(chained);
    return chained.append(ChainTail(chain));
}

std::optional<TChainLink> ChainLinkOf(std::string_view line) {
    const std::size_t at = line.rfind(kChainMember);
    const std::size_t prev = line.substr(0, at).rfind(kPrevMember);
    if (at == std::string_view::npos && prev == std::string_view::npos) return std::nullopt;
    TChainLink link;
    link.Hashed = line.substr(0, at);
    if (at != std::string_view::npos) {
        link.Tail = line.substr(at);
        const std::string_view chain = link.Tail.substr(kChainMember.size());
        link.Chain = chain.substr(0, chain.find('"'));
    }
    if (prev != std::string_view::npos) {
        const std::string_view value = line.substr(prev + kPrevMember.size());
        link.Prev = value.substr(0, value.find('"'));
    }
    return link;
}

}  // namespace cli
