// kebo's command line: --help and --version, answered without a display. Everything else on it
// belongs to Qt (-platform, -display, -style...), which QApplication takes out; whatever is left
// after that is a mistake.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace kebo::qt {

class CommandLine {
public:
    CommandLine();

    // Before QApplication: prints the help or the version on stdout when asked and returns the
    // exit status, 0; nothing when the launcher is to start. Options it does not know are left
    // for Qt.
    std::optional<int> answerInformationOptions(int& argc, char** argv);

    // After QApplication has taken Qt's options: anything left prints one usage line on stderr
    // and returns the exit status, 2; nothing when the command line was clean.
    std::optional<int> rejectLeftovers(const QStringList& arguments);

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
};

}  // namespace kebo::qt
