#include "platform/qt/program_search.h"

#include <unistd.h>

#include <array>
#include <filesystem>

#include "platform/qt/desktop_entry.h"

namespace kebo::qt {

namespace {

constexpr std::array<std::string_view, 9> kTextEditors{
    "gnome-text-editor", "gedit",  "kate", "kwrite", "mousepad", "pluma", "xed",
    "featherpad",        "leafpad"};

bool isExecutableFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> findOnPath(std::string_view name, std::string_view searchPath) {
    if (name.empty() || name.find('/') != std::string_view::npos) {
        return std::nullopt;
    }
    while (true) {
        const std::size_t colon = searchPath.find(':');
        const std::filesystem::path directory(searchPath.substr(0, colon));
        if (directory.is_absolute() && isExecutableFile(directory / name)) {
            return (directory / name).string();
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        searchPath.remove_prefix(colon + 1);
    }
}

std::optional<std::string> listedTextEditor(std::string_view searchPath) {
    for (const std::string_view editor : kTextEditors) {
        if (findOnPath(editor, searchPath)) {
            return std::string(editor);
        }
    }
    return std::nullopt;
}

std::string programName(Program program, std::string_view searchPath) {
    switch (program) {
        case Program::TextEditor:
            if (std::optional<std::string> editor = defaultTextEditor()) {
                return *editor;
            }
            return listedTextEditor(searchPath).value_or(std::string(kTextEditors.front()));
        case Program::Paint:
            return "kolourpaint";
        case Program::SimplePaint:
            return "mtpaint";
    }
    return {};
}

}  // namespace kebo::qt
