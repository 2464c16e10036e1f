#pragma once
// A main window started headless, as the program starts it, in a temporary folder of
// its own, with a library that answers only the start-up calls.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "FakeLibrary.h"
#include "app/MajorForm.h"
#include "ui/Headless.h"

namespace testing_support {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("zenta-") + info->test_suite_name() + "-" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';  // parameterised test names hold "/"
        folder = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        form = std::make_unique<app::TMajorForm>(env.Services, library, (folder / "ZENTAUserProgrammer.exe").string());
        form->FormCreate();
        form->FormShow();
    }
    void TearDown() override {
        form.reset();
        std::filesystem::remove_all(folder);
    }

    // The prompts shown so far, oldest first, and forget them.
    std::vector<ui::TPromptWindow> TakePrompts() {
        std::vector<ui::TPromptWindow> shown = std::move(env.Prompts.Shown);
        env.Prompts.Shown.clear();
        return shown;
    }

    std::filesystem::path folder;
    ui::THeadlessServices env;
    TStartupLibrary library;
    std::unique_ptr<app::TMajorForm> form;

};

}  // namespace testing_support
