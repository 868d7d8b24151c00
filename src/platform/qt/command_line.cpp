#include "platform/qt/command_line.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

namespace kebo::qt {

namespace {

constexpr int kUsageError = 2;

// Qt's own options, as Qt 6 takes them out of the command line (QCoreApplication,
// QGuiApplication, QApplication and its xcb platform), so that they are told from mistakes before
// Qt can be started.
constexpr const char* kQtOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
    "session style stylesheet qmljsdebugger display geometry title icon name visual";
constexpr const char* kQtFlags = "reverse testability widgetcount sync nograb dograb";

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

int usageError(const QString& mistake) {
    std::fprintf(stderr, "kebo: %s Usage: kebo [--help] [--version] [Qt options]\n",
                 qPrintable(mistake));
    return kUsageError;
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
    const auto addQtOptions = [this](const char* names, const QString& valueName) {
        for (const QString& name : QString(names).split(' ')) {
            QCommandLineOption option(name, {}, valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser_.addOption(option);
        }
    };
    addQtOptions(kQtOptionsWithValue, "value");
    addQtOptions(kQtFlags, {});
}

std::optional<int> CommandLine::answerBeforeQt(int& argc, char** argv) {
    const bool parsed = parser_.parse(argumentList(argc, argv));
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
    if (!parsed) {
        return usageError(parser_.errorText());
    }
    if (!parser_.positionalArguments().isEmpty()) {
        return usageError(
            QString("Unexpected argument '%1'.").arg(parser_.positionalArguments().first()));
    }
    return std::nullopt;
}

std::optional<int> CommandLine::rejectLeftovers(const QStringList& arguments) {
    if (arguments.size() <= 1) {
        return std::nullopt;
    }
    return usageError(QString("Qt's %1 platform does not take '%2'.")
                          .arg(QGuiApplication::platformName(), arguments.at(1)));
}

}  // namespace kebo::qt
