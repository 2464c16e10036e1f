#include "ui/BenchIdentity.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace ui {
namespace {

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "-";
    return name;
}

// The account of the process's real user; $USER where the account has no entry (a
// container started under a bare user id).
std::string UserName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_name != nullptr && found->pw_name[0] != '\0')
        return found->pw_name;
    const char* user = std::getenv("USER");
    return user != nullptr && user[0] != '\0' ? user : "-";
}

}  // namespace

TBenchIdentity ThisBench() { return {HostName(), UserName()}; }

}  // namespace ui
