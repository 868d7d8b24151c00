#include "platform/web/virtual_folders.h"

#include <algorithm>

namespace kebo::web {

namespace {

constexpr std::string_view kWindowsFolder = "C:\\WINDOWS";
constexpr std::string_view kSystemFolder = "C:\\WINDOWS\\system32";

bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

std::string inFolder(std::string_view folder, std::string_view file) {
    std::string path(folder);
    path += VirtualFolders::kSeparator;
    path += file;
    return path;
}

}  // namespace

// Where Windows keeps them: the text editor in both folders, the paint program in the system
// folder.
VirtualFolders::VirtualFolders(bool withPaint)
    : files_{{inFolder(kWindowsFolder, "notepad.exe"), PageProgram::Notepad},
             {inFolder(kSystemFolder, "notepad.exe"), PageProgram::Notepad}} {
    if (withPaint) {
        files_.push_back({inFolder(kSystemFolder, "mspaint.exe"), PageProgram::Paint});
    }
}

std::string VirtualFolders::path(Folder folder) const {
    return std::string(folder == Folder::Windows ? kWindowsFolder : kSystemFolder);
}

bool VirtualFolders::contains(std::string_view fullPath) const {
    return std::any_of(files_.begin(), files_.end(),
                       [&](const File& file) { return sameName(file.fullPath, fullPath); });
}

std::optional<PageProgram> VirtualFolders::find(std::string_view fileName) const {
    for (const std::string_view folder : {kWindowsFolder, kSystemFolder}) {
        const std::string candidate = inFolder(folder, fileName);
        for (const File& file : files_) {
            if (sameName(file.fullPath, candidate)) {
                return file.program;
            }
        }
    }
    return std::nullopt;
}

}  // namespace kebo::web
