#pragma once
// A main window started headless in a fresh folder of its own, with helpers to move
// settings files through it as bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FakeLibrary.h"
#include "app/MajorForm.h"
#include "files/FileKeys.h"
#include "files/SettingsFile.h"
#include "ui/Headless.h"

namespace files_test {

namespace fs = std::filesystem;

// Every key's value as a file would hold it, in file order.
using TSnapshot = std::vector<std::pair<int, std::int32_t>>;

inline TSnapshot Snapshot(const editor::TSettingsEditor& settings) {
    TSnapshot values;
    for (const files::TFileKey& key : files::FileKeys()) values.emplace_back(key.Key, files::FileValue(settings, key));
    return values;
}

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class FilesForm : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("zenta-files-") + test->test_suite_name() + "-" + test->name();
        for (char& c : name)
            if (c == '/') c = '-';
        folder = fs::temp_directory_path() / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        form = StartForm(env);
    }
    void TearDown() override {
        std::error_code error;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(folder, error);
    }

    std::unique_ptr<app::TMajorForm> StartForm(ui::THeadlessServices& services) {
        auto started = std::make_unique<app::TMajorForm>(services.Services, library, (folder / "ZENTAUserProgrammer.exe").string());
        started->FormCreate();
        started->FormShow();
        return started;
    }

    void Load(const std::string& bytes) {
        std::istringstream in(bytes);
        files::ApplySettingsFile(*form, in);
    }
    std::string Saved() const {
        std::ostringstream out;
        files::WriteSettingsFile(*form, out);
        return out.str();
    }
    std::int32_t Value(int key) const { return files::FileValue(*form, *files::FindFileKey(key)); }

    // The flows, through the dialogs as the user answers them; "" cancels.
    // An empty answer cancels the dialog.
    app::TFileResult SaveThrough(const std::string& answer) {
        env.Dialogs.Answers.push_back(answer);
        return form->SaveFileButtonClick();
    }
    app::TFileResult LoadThrough(const std::string& answer) {
        env.Dialogs.Answers.push_back(answer);
        return form->LoadFileButtonClick();
    }
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
    ui::THeadlessServices env;
    testing_support::TStartupLibrary library;
    std::unique_ptr<app::TMajorForm> form;
};

}  // namespace files_test
