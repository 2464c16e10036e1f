#pragma once
// Who programmed a unit where: the computer's name and the signed-in user, so that the
// records of a site with several benches tell their lines apart.

#include <string>

namespace cli {

struct TBenchIdentity {
    std::string Bench;     // the computer's name; "-" when the system gives none
    std::string Operator;  // the signed-in user's name; "-" when the system gives none
};

// This computer and its user, as the system names them now.
TBenchIdentity ThisBench();

}  // namespace cli
