#include "sim/win32/SharedBench.h"

namespace sim::win32 {

TSimLibrary& SharedBench() {
    static TSimLibrary library{TSimStateFile(TSimStateFile::DefaultPath())};
    return library;
}

}  // namespace sim::win32
