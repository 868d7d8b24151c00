// The page's Windows folder and system folder, which exist only in memory: what the launcher's
// file tests and program search find there, and which of the page's programs each file is.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace kebo::web {

// The programs the page itself draws as windows of its own.
enum class PageProgram { Notepad, Paint };

class VirtualFolders {
public:
    static constexpr char kSeparator = '\\';

    // Without a paint program when `withPaint` is false.
    explicit VirtualFolders(bool withPaint);

    std::string path(Folder folder) const;
    // As Windows compares file names: without regard to the case of ASCII letters.
    bool contains(std::string_view fullPath) const;
    // The program a bare file name starts, found in the Windows folder or the system folder.
    std::optional<PageProgram> find(std::string_view fileName) const;

private:
    struct File {
        std::string fullPath;
        PageProgram program;
    };
    std::vector<File> files_;
};

}  // namespace kebo::web
