// Temporary folders and stand-in programs that report how they were started.
#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace kebo::test {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kebo-qt-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    // A new folder inside.
    std::filesystem::path sub(const std::string& name) const {
        std::filesystem::create_directories(path_ / name);
        return path_ / name;
    }

private:
    std::filesystem::path path_;
};

// An executable shell script that, once started (and once `go` exists, when given: it waits up to
// 10 s for it), writes the name it was started under ($0) and its arguments into `marker`, all at
// once, whatever PATH it is started with.
inline void writeStub(const std::filesystem::path& file, const std::filesystem::path& marker,
                      const std::filesystem::path& go = {}) {
    {
        std::ofstream script(file);
        script << "#!/bin/sh\nPATH=/usr/bin:/bin\n";
        if (!go.empty()) {
            script << "for _ in $(seq 1000); do [ -e '" << go.string()
                   << "' ] && break; sleep 0.01; done\n";
        }
        script << "printf '%s' \"$0${*:+ $*}\" > '" << marker.string() << ".part' && mv '"
               << marker.string() << ".part' '" << marker.string() << "'\n";
    }
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

// Points the desktop's configuration (the XDG base directories, where the MIME applications lists
// and the desktop entries are) at empty folders under `root`, so that the machine's own default
// applications stay out of the test. GIO reads them once a process, at its first use.
inline void usePrivateDesktop(const std::filesystem::path& root) {
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
        std::filesystem::create_directories(root / name);
        ::setenv(name, (root / name).c_str(), 1);
    }
}

// What a stub wrote into `marker`, or "" when nothing came within `timeout`.
inline std::string waitForMarker(const std::filesystem::path& marker,
                                 std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::ifstream in(marker); in) {
            std::ostringstream text;
            text << in.rdbuf();
            return text.str();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "";
}

}  // namespace kebo::test
