#include "ui/ScratchFolder.h"

#include <random>
#include <string>
#include <system_error>

namespace ui {
namespace fs = std::filesystem;

TScratchFolder::TScratchFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    // create_directory is false when the name is taken: then another name is drawn.
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = fs::absolute(fs::temp_directory_path()) / ("zenta-script-" + std::to_string(random()));
        if (fs::create_directory(path_)) return;
    }
    throw fs::filesystem_error("no fresh temporary folder", path_, std::make_error_code(std::errc::file_exists));
}

// Write permission comes back first, or removal would stop at an unwritable folder.
TScratchFolder::~TScratchFolder() {
    std::error_code error;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    for (auto entry = fs::recursive_directory_iterator(path_, error); !error && entry != fs::end(entry);
         entry.increment(error)) {
        std::error_code ignored;
        if (!entry->is_symlink(ignored))
            fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, error);
}

fs::path TScratchFolder::Resolve(const fs::path& path) const { return path.is_absolute() ? path : path_ / path; }

TCurrentFolder::TCurrentFolder(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }

TCurrentFolder::~TCurrentFolder() {
    std::error_code error;
    fs::current_path(previous_, error);
}

}  // namespace ui
