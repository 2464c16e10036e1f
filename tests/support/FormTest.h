#pragma once
// The fixture of tests that drive the main window: a folder of the test's own for the
// executable and the files it touches, the platform services, a simulated link with its
// call recorder, and the window, started again whenever a test asks.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/CallRecorder.h"
#include "tests/support/StartedForm.h"

namespace testing_support {

class FormTest : public ::testing::Test {
protected:
    FormTest() : folder(FolderOfThisTest()) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~FormTest() override {
        form.reset();
        // A test may have taken the write permission away.
        std::error_code error;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     error);
        std::filesystem::remove_all(folder, error);
    }

    void SetUp() override { Start(); }

    // A fresh window in the test's folder, replacing any earlier one; the calls of its
    // start-up are forgotten.
    app::TMajorForm& Start(TStartStage until = TStartStage::Shown) {
        form.reset();
        form = StartProgram(env, recorder, Executable(), until);
        recorder.Calls.clear();
        return *form;
    }
    std::string Executable() const { return (folder / "ZENTAUserProgrammer.exe").string(); }

    // The prompts shown so far, oldest first, and forget them.
    std::vector<ui::TPromptWindow> TakePrompts() {
        std::vector<ui::TPromptWindow> shown = std::move(env.Prompts.Shown);
        env.Prompts.Shown.clear();
        return shown;
    }

    const std::filesystem::path folder;
    ui::THeadlessServices env;
    TSimulatedLink link;
    sim::TSimBench& bench = link.Bench;
    TCallRecorder recorder{link.Library};
    std::unique_ptr<app::TMajorForm> form;

private:
    static std::filesystem::path FolderOfThisTest() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("zenta-") + test->test_suite_name() + "-" + test->name();
        for (char& c : name)
            if (c == '/') c = '_';  // parameterised test names hold "/"
        return std::filesystem::temp_directory_path() / name;
    }
};

}  // namespace testing_support
