#pragma once
// Who works where: the computer's name and the signed-in user, so that the production
// records, backups and configuration sheets of a site with several benches tell apart
// where and by whom each was made.

#include <string>

namespace ui {

struct TBenchIdentity {
    std::string Bench;     // the computer's name; "-" when the system gives none
    std::string Operator;  // the signed-in user's name; "-" when the system gives none
};

// This computer and its user, as the system names them now.
TBenchIdentity ThisBench();

}  // namespace ui
