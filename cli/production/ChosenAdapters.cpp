#include "cli/production/ChosenAdapters.h"

#include <algorithm>

#include "cli/framework/CommandLine.h"

namespace cli {

std::vector<TChosenAdapter> ResolveAdapters(devlink::IChipLibrary& library, const std::vector<std::string>& specs) {
    devlink::TTransportTable transports;
    devlink::EnumerateTransports(library, transports);
    std::vector<std::string> named = specs;
    if (std::find(specs.begin(), specs.end(), "all") != specs.end()) {
        if (specs.size() > 1) throw TUsageError("--transport all stands alone");
        named.clear();
        for (int index = 0; index < transports.Count; ++index) named.push_back(std::to_string(index));
    }
    std::vector<TChosenAdapter> adapters;
    for (const std::string& spec : named) {
        TChosenAdapter adapter{spec, devlink::ResolveTransport(transports, spec)};
        for (const TChosenAdapter& earlier : adapters) {
            if (earlier.Transport.TransportString == adapter.Transport.TransportString) {
                std::string problem = "--transport ";
                problem.append(earlier.Spec).append(" and ").append(spec).append(" name the same transport, ");
                throw TUsageError(problem.append(adapter.Transport.Name));
            }
        }
        adapters.push_back(std::move(adapter));
    }
    return adapters;
}

}  // namespace cli
