// Where the chip libraries are looked for: the program's folder, Windows' folders, then
// PATH, never the current folder; and what an installer is told when they are in none.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/LibrarySearch.h"

namespace {

using Folders = std::vector<std::string>;

TEST(LibrarySearch, ProgramFolderThenWindowsThenTheAbsoluteFoldersOnPath) {
    const Folders windows{"C:\\Windows\\system32", "C:\\Windows\\system", "C:\\Windows"};
    const Folders first{"D:\\Prog\\", "C:\\Windows\\system32\\", "C:\\Windows\\system\\", "C:\\Windows\\"};
    const auto with = [&](Folders more) {
        Folders all = first;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    const struct {
        const char* Name;
        const char* Path;
        Folders Expected;
    } cases[] = {
        {"no PATH", "", first},
        {"one folder", "C:\\Kit\\bin", with({"C:\\Kit\\bin\\"})},
        {"order kept, separators added once", "E:\\a\\;F:\\b", with({"E:\\a\\", "F:\\b\\"})},
        {"quotes removed", "\"C:\\Program Files\\Kit\";E:\\x", with({"C:\\Program Files\\Kit\\", "E:\\x\\"})},
        {"empty entries skipped", ";;E:\\a;;", with({"E:\\a\\"})},
        {"the current folder and relative folders never", ".;.\\bin;bin;\\tools;C:;C:tools;E:\\a", with({"E:\\a\\"})},
        {"UNC folders and forward slashes", "\\\\server\\kit;E:/kit/", with({"\\\\server\\kit\\", "E:/kit/"})},
        {"a folder named twice, in any case, keeps its first place", "c:\\WINDOWS;E:\\a;e:\\A\\;D:\\prog",
         with({"E:\\a\\"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(devlink::LibrarySearchFolders("D:\\Prog\\", windows, c.Path), c.Expected);
    }
}

TEST(LibrarySearch, TheMessageForAMissingLibraryNamesEveryFolderSearched) {
    const std::string text =
        devlink::MissingLibrary("TESTFLASH.DLL", {"D:\\Łódź\\", "C:\\Windows\\system32\\"}, "zenta.exe");
    EXPECT_EQ(text,
              "The chip library TESTFLASH.DLL could not be found. It was looked for in these folders:\n\n"
              "D:\\Łódź\\\nC:\\Windows\\system32\\\n\n"
              "Put the chip maker's TESTENGINE.DLL and TESTFLASH.DLL beside zenta.exe, or in a folder on PATH. "
              "The current folder is not searched.\n\nThe program will end.");
}

}  // namespace
