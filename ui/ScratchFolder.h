#pragma once
// A fresh, empty folder of its own under the system's temporary folder, removed with
// everything in it (also what a script made unwritable) when the object goes; and the
// process's current folder moved into it for a while.

#include <filesystem>

namespace ui {

class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // A relative path is taken inside the folder; an absolute one stays as it is.
    std::filesystem::path Resolve(const std::filesystem::path& path) const;

private:
    std::filesystem::path path_;
};

// Makes `folder` the current folder until the object goes, so that every relative path,
// also one the program under test is handed, lands inside it.
class TCurrentFolder {
public:
    explicit TCurrentFolder(const std::filesystem::path& folder);
    ~TCurrentFolder();
    TCurrentFolder(const TCurrentFolder&) = delete;
    TCurrentFolder& operator=(const TCurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace ui
