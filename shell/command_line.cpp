#include "shell/command_line.h"

#include "shell/trace_history_file.h"
#include "shell/translation_loader.h"

#include "history/history_csv.h"
#include "history/history_model.h"

#include <QCommandLineParser>
#include <QFile>
#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

#include <cstdio>

namespace {

// The options QGuiApplication and QApplication take from the command line themselves. Known
// here so that they are no mistake, and hidden from the help, as Qt documents them.
const char* const qtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "display",     "geometry",           "title",         "name",       "icon"};
const char* const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

void describe(QCommandLineParser& parser)
{
    // Qt's options are written with one dash: -platform is one option, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Service tool for the controller of a vending coffee machine."));
    // Not addHelpOption(): its --help-all would promise Qt's options, which need a display.
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      QCoreApplication::translate("CommandLine", "Displays this help.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                      QCoreApplication::translate("CommandLine", "Displays the version.")});
    parser.addOption({QStringLiteral("trace"),
                      QCoreApplication::translate(
                          "CommandLine", "Append the trace of the link to the controller to FILE, line by line."),
                      QCoreApplication::translate("CommandLine", "FILE")});
    parser.addOption({QStringLiteral("history"),
                      QCoreApplication::translate("CommandLine",
                                                  "Open the History window of the trace FILE, connecting to nothing."),
                      QCoreApplication::translate("CommandLine", "FILE")});
    parser.addOption({QStringLiteral("history-csv"),
                      QCoreApplication::translate("CommandLine",
                                                  "Write the history of the trace FILE as CSV to standard output."),
                      QCoreApplication::translate("CommandLine", "FILE")});
    parser.addOption(
        {QStringLiteral("check"),
         QCoreApplication::translate("CommandLine",
                                     "Run the machine check with no display, one line per step; exit 0 "
                                     "when every step passed, 1 when one failed, 2 when it could not run.")});
    parser.addOption({QStringLiteral("checklist"),
                      QCoreApplication::translate("CommandLine", "With --check: the steps of FILE (JSON)."),
                      QCoreApplication::translate("CommandLine", "FILE")});
    parser.addOption(
        {QStringLiteral("junit"),
         QCoreApplication::translate("CommandLine", "With --check: write the results to FILE as JUnit XML."),
         QCoreApplication::translate("CommandLine", "FILE")});
    parser.addOption({QStringLiteral("machine"),
                      QCoreApplication::translate("CommandLine", "Start with the machine NAME chosen."),
                      QCoreApplication::translate("CommandLine", "NAME")});
    parser.addOption({QStringLiteral("report"),
                      QCoreApplication::translate("CommandLine",
                                                  "Write the service report of the visit in FOLDER to the file of --out."),
                      QCoreApplication::translate("CommandLine", "FOLDER")});
    parser.addOption({QStringLiteral("out"),
                      QCoreApplication::translate("CommandLine", "The report's file, .pdf or .html."),
                      QCoreApplication::translate("CommandLine", "FILE")});
    parser.addOption({QStringLiteral("with-address"),
                      QCoreApplication::translate("CommandLine", "Name the controller's address in the report.")});
    const auto addHidden = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : qtOptionsWithValue)
        addHidden(name, QStringLiteral("value"));
    for (const char* name : qtFlags)
        addHidden(name, QString());
}

void print(std::FILE* stream, const QString& output)
{
    std::fputs(output.toLocal8Bit().constData(), stream);
}

// The history of the trace at `path` as CSV on standard output: 0, or 1 with the reason.
int printHistoryCsv(const QString& path)
{
    HistoryModel history;
    QString error;
    if (!readTraceHistoryFile(path, history, &error)) {
        print(stderr, QStringLiteral("Quellaro: %1\n").arg(error));
        return 1;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !HistoryCsv::write(history, out))
        return 1;
    return 0;
}

} // namespace

CommandLine readCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);

    CommandLine line;
    const bool help = parser.isSet(QStringLiteral("help"));
    const bool csv = parser.isSet(QStringLiteral("history-csv"));
    if (!help && !csv && !parser.isSet(QStringLiteral("version"))) {
        if (!parsed) {
            print(stderr, QStringLiteral("Quellaro: %1\n").arg(parser.errorText()));
            line.exitNow = true;
            line.exitCode = 1;
        }
        line.traceGiven = parser.isSet(QStringLiteral("trace"));
        line.traceFile = parser.value(QStringLiteral("trace"));
        line.historyFile = parser.value(QStringLiteral("history"));
        line.check = parser.isSet(QStringLiteral("check"));
        line.checklistFile = parser.value(QStringLiteral("checklist"));
        line.junitFile = parser.value(QStringLiteral("junit"));
        line.machineName = parser.value(QStringLiteral("machine"));
        line.reportFolder = parser.value(QStringLiteral("report"));
        line.reportOut = parser.value(QStringLiteral("out"));
        line.withAddress = parser.isSet(QStringLiteral("with-address"));
        if (parsed && parser.isSet(QStringLiteral("report")) && line.reportOut.isEmpty()) {
            print(stderr, QStringLiteral("Quellaro: %1\n")
                              .arg(QCoreApplication::translate("CommandLine", "--report needs --out FILE")));
            line.exitNow = true;
            line.exitCode = 1;
        }
        return line;
    }

    // The help's usage line needs an application object, its texts the translation: a core
    // application needs no display.
    int coreArgc = 1;
    QCoreApplication core(coreArgc, argv);
    QTranslator translator;
    prepareApplication(translator);
    if (csv && parsed) {
        line.exitCode = printHistoryCsv(parser.value(QStringLiteral("history-csv")));
    } else if (csv) {
        print(stderr, QStringLiteral("Quellaro: %1\n").arg(parser.errorText()));
        line.exitCode = 1;
    } else if (help) {
        QCommandLineParser translated;
        describe(translated);
        print(stdout, translated.helpText());
    } else {
        print(stdout,
              QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QStringLiteral(QUELLARO_VERSION)));
    }
    line.exitNow = true;
    return line;
}
