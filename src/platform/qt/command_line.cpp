#include "platform/qt/command_line.h"

#include <QCoreApplication>
#include <cstdio>

namespace kebo::qt {

namespace {

constexpr int kUsageError = 2;

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

}  // namespace

CommandLine::CommandLine()
    : help_({"h", "help"}, "Displays this help and exits."),
      version_({"v", "version"}, "Displays the version and exits.") {
    parser_.setApplicationDescription(
        "A joke launcher: one window whose one button opens the text editor, after a while.\n"
        "Qt's own options (-platform, -display, -style...) are accepted too.");
    // Qt's options are single-dash words: "-platform" must not read as -p -l -a -t...
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(help_);
    parser_.addOption(version_);
}

std::optional<int> CommandLine::answerInformationOptions(int& argc, char** argv) {
    // Options unknown here may be Qt's, so a failed parse says nothing yet.
    parser_.parse(argumentList(argc, argv));
    if (parser_.isSet(help_)) {
        // The usage line names the program as it was called, which the parser reads from the
        // application object; a core application needs no display.
        const QCoreApplication app(argc, argv);
        std::fputs(qPrintable(parser_.helpText()), stdout);
        return 0;
    }
    if (parser_.isSet(version_)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> CommandLine::rejectLeftovers(const QStringList& arguments) {
    QString mistake;
    if (!parser_.parse(arguments)) {
        mistake = parser_.errorText();
    } else if (!parser_.positionalArguments().isEmpty()) {
        mistake = QString("Unexpected argument '%1'.").arg(parser_.positionalArguments().first());
    } else {
        return std::nullopt;
    }
    std::fprintf(stderr, "kebo: %s Usage: kebo [--help] [--version] [Qt options]\n",
                 qPrintable(mistake));
    return kUsageError;
}

}  // namespace kebo::qt
