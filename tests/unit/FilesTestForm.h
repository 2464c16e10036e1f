#pragma once
// The main window's fixture with helpers to move settings files through it as bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/MajorForm.h"
#include "files/FileKeys.h"
#include "files/SettingsFile.h"
#include "tests/support/FormTest.h"

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

class FilesForm : public testing_support::FormTest {
protected:
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
};

}  // namespace files_test
