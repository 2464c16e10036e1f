#pragma once
// What a fuzz target does when a promise is broken: says which, and aborts, so that
// libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzzing {

inline void Require(bool held, const std::string& what) {
    if (held) return;
    std::fprintf(stderr, "broken: %s\n", what.c_str());
    std::abort();
}

inline void RequireNone(const std::vector<std::string>& broken) {
    for (const std::string& what : broken) std::fprintf(stderr, "broken: %s\n", what.c_str());
    if (!broken.empty()) std::abort();
}

}  // namespace fuzzing
