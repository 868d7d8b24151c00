// kebo's command line: --help and --version, answered without a display. Qt's own options
// (-platform, -display, -style...) go to Qt; anything else on it is a mistake, told before a
// display is looked for.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace kebo::qt {

class CommandLine {
public:
    CommandLine();

    // Before QApplication, with or without a display: prints the help or the version on stdout
    // when asked and returns the exit status, 0; prints one usage line on stderr and returns 2
    // for an option that is neither kebo's nor Qt's, or for an argument; nothing when the
    // launcher is to start.
    std::optional<int> answerBeforeQt(int& argc, char** argv);

    // After QApplication has taken Qt's options: one that Qt's platform in use does not take
    // (-display on Wayland) is left over, and is a mistake too (status 2).
    std::optional<int> rejectLeftovers(const QStringList& arguments);

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
};

}  // namespace kebo::qt
