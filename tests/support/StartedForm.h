#pragma once
// The main window started headless as the program starts it, the transport chosen,
// in front of a simulated bench with a factory handset on the link. No program settings
// file exists beside its executable, so start-up touches no file. The fuzz targets and
// the benchmarks start the program this way.

#include <filesystem>
#include <string>

#include "app/MajorForm.h"
#include "sim/SimBench.h"
#include "sim/SimLibrary.h"
#include "ui/Headless.h"

namespace testing_support {

inline std::string NowhereExecutable() {
    return (std::filesystem::temp_directory_path() / "zenta-no-such-folder" / "ZENTAUserProgrammer.exe")
        .string();
}

struct TStartedForm {
    TStartedForm() {
        Form.FormCreate();
        Form.FormShow();
        Form.Timer1.Fire();
    }

    ui::THeadlessServices Env;
    sim::TSimBench Bench;
    sim::TSimLibrary Library{Bench};
    app::TMajorForm Form{Env.Services, Library, NowhereExecutable()};
};

}  // namespace testing_support
