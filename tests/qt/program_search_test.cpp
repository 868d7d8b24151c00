#include "platform/qt/program_search.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/qt/program_start.h"
#include "platform/qt/translations.h"
#include "stub_programs.h"

namespace kebo::qt {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::writeStub;

TEST(FindOnPath, SearchesOnlyAbsoluteEntriesForExecutableFiles) {
    const TempDir root;
    const fs::path first = root.sub("first");
    const fs::path second = root.sub("second");
    // A plain file of that name is not a program; the search goes on past it.
    std::ofstream(first / "tool") << "not a program\n";
    writeStub(second / "tool", root.path() / "ran");
    const std::string path = first.string() + ":" + second.string();
    EXPECT_EQ(findOnPath("tool", path), (second / "tool").string());

    // Planted in the current directory: reachable through an empty or relative entry only.
    const fs::path cwd = fs::current_path();
    fs::current_path(root.path());
    writeStub(root.path() / "planted", root.path() / "ran");
    fs::create_directory(root.path() / "rel");
    writeStub(root.path() / "rel" / "planted", root.path() / "ran");
    EXPECT_EQ(findOnPath("planted", ""), std::nullopt);
    EXPECT_EQ(findOnPath("planted", ":.:rel:" + first.string() + ":"), std::nullopt);
    EXPECT_TRUE(startProgram("planted", "::rel:.").has_value());
    fs::current_path(cwd);

    // A name with a directory part is never looked up.
    EXPECT_EQ(findOnPath("second/tool", root.path().string()), std::nullopt);
    EXPECT_EQ(findOnPath("", path), std::nullopt);
}

TEST(LocalProgramName, PaintProgramsHaveFixedNames) {
    EXPECT_EQ(programName(Program::Paint, "/nonexistent"), "kolourpaint");
    EXPECT_EQ(programName(Program::SimplePaint, "/nonexistent"), "mtpaint");
}

struct EditorCase {
    const char* what;
    // The desktop entry set as the default for text/plain (none when null), and its keys.
    const char* entry;
    const char* keys;
    bool listedEditorsInstalled;  // kate and gedit
    const char* program;          // the name the editor is known by
    const char* started;          // with its arguments; "" for a failure
};

// GIO reads the desktop's configuration once a process: each case runs in a child process that
// has not used it yet, with a private desktop and the stubs' folder as its PATH.
TEST(StartTextEditor, TheDesktopsDefaultElseTheFirstListedEditor) {
    const EditorCase cases[] = {
        {"the default, from its Exec line without files", "editor.desktop",
         "Exec=myeditor --new-window %U\n", true, "editor.desktop", "myeditor --new-window"},
        {"no default", nullptr, "", true, "gedit", "gedit"},
        {"no default and no editor", nullptr, "", false, "gnome-text-editor", ""},
        {"a default whose program is missing", "editor.desktop", "Exec=not-installed\n", true,
         "gedit", "gedit"},
        {"kebo's entry as the default", "org.kebo.kebo.desktop", "Exec=myeditor\n", true, "gedit",
         "gedit"},
        {"kebo as the default's program", "editor.desktop", "Exec=kebo\n", true, "gedit", "gedit"},
        {"a default that cannot start (no terminal)", "editor.desktop",
         "Exec=myeditor\nTerminal=true\n", true, "editor.desktop", "gedit"},
        {"...nor any listed editor", "editor.desktop", "Exec=myeditor\nTerminal=true\n", false,
         "editor.desktop", ""},
    };
    for (const EditorCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TempDir root;
        const fs::path bin = root.sub("bin");
        const fs::path marker = root.path() / "started";
        for (const char* stub : {"myeditor", "kebo"}) {
            writeStub(bin / stub, marker);
        }
        if (c.listedEditorsInstalled) {
            writeStub(bin / "kate", marker);
            writeStub(bin / "gedit", marker);
        }
        if (c.entry != nullptr) {
            std::ofstream(root.sub("XDG_CONFIG_HOME") / "mimeapps.list")
                << "[Default Applications]\ntext/plain=" << c.entry << "\n";
            std::ofstream(root.sub("XDG_DATA_HOME/applications") / c.entry)
                << "[Desktop Entry]\nType=Application\nName=Editor\n"
                << c.keys;
        }
        EXPECT_EXIT(
            {
                test::usePrivateDesktop(root.path());
                ::setenv("PATH", bin.c_str(), 1);
                const std::string editor = programName(Program::TextEditor, bin.string());
                const auto failure = startProgram(editor, bin.string());
                std::fprintf(stderr, "\n%s %s\n", editor.c_str(),
                             failure ? ("failed: " + *failure).c_str() : "started");
                std::_Exit(0);
            },
            testing::ExitedWithCode(0),
            std::string("\n") + c.program + (*c.started != '\0' ? " started" : " failed: .+"));
        if (*c.started != '\0') {
            EXPECT_EQ(test::waitForMarker(marker, std::chrono::seconds(10)),
                      (bin / c.started).string());
        } else {
            EXPECT_FALSE(fs::exists(marker));
        }
    }
}

TEST(StartProgram, StartsTheProgramFoundOnThePathWithoutWaiting) {
    const TempDir root;
    const fs::path bin = root.sub("bin");
    const fs::path marker = root.path() / "ran";
    const fs::path go = root.path() / "go";
    writeStub(bin / "editor", marker, go);
    EXPECT_EQ(startProgram("editor", "relative:" + bin.string()), std::nullopt);
    // The stub writes only once told to go: a start that waited for it would find it done.
    EXPECT_FALSE(fs::exists(marker));
    std::ofstream{go};
    EXPECT_EQ(test::waitForMarker(marker, std::chrono::seconds(10)), (bin / "editor").string());
}

// The launcher reports a failure itself, with the system's reason.
TEST(StartProgram, AFailureGivesTheSystemsReasonAndPrintsNothing) {
    const TempDir root;
    const fs::path bin = root.sub("bin");
    // Executable, but its interpreter does not exist: found, and still it cannot start.
    std::ofstream(bin / "broken") << "#!/nonexistent/interpreter\n";
    fs::permissions(bin / "broken", fs::perms::owner_all);

    testing::internal::CaptureStderr();
    EXPECT_EQ(startProgram("missing", bin.string()), "No such file or directory");
    const std::optional<std::string> broken = startProgram("broken", bin.string());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_TRUE(broken.has_value());
    EXPECT_FALSE(broken->empty());
    EXPECT_EQ(broken->find('\n'), std::string::npos) << *broken;
    std::printf("a program whose interpreter is missing: %s\n", broken->c_str());
}

TEST(Translations, AJapaneseDesktopGetsJapaneseButtonLabels) {
    installQtTranslations(*QCoreApplication::instance(),
                          QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("はい(&Y)"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QString("いいえ(&N)"));
}

}  // namespace
}  // namespace kebo::qt

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
