// The benchmark (scripts/bench.sh): start-up time and peak memory of the program against a bare
// Qt Widgets program, CPU use of a polling panel (its history recording), the age of its values
// behind a 4800-baud gateway, the event loop's longest pause under a flood of replies, memory
// growth over many openings of a panel and of the recipes dialog, the recipes dialog's showing
// time by file size, and the history: memory for a million events, the History window's opening
// with them, the curve's drawing, the time an event takes to add to a full history. Each figure
// is printed beside its baseline or target, with the ratio of the two.
//
//     quellaro_bench DIR    DIR holds bench_bare, bench_quellaro and cm-simulator
#include "bench/measure.h"
#include "bench/show_painted.h"
#include "history/history_dialog.h"
#include "history/history_model.h"
#include "history/temperature_chart.h"
#include "panels/testboilerdialog.h"
#include "recipes/receptsdialog.h"
#include "recipes/receptsfile.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMap>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int StartupRuns = 15;
constexpr int RecipesRuns = 3;
constexpr int CpuSeconds = 20;
constexpr int PanelOpenings = 1000;
constexpr int RecipesShowings = 200;

struct Row
{
    QString figure;
    QString measured;
    QString baseline;
    double ratio;
    double limit; // the ratio must stay at or below this
};

std::vector<Row> rows;

void report(const QString& figure, const QString& measured, const QString& baseline, double ratio, double limit)
{
    rows.push_back({figure, measured, baseline, ratio, limit});
    std::printf("  %-52s %12s  %-22s %7.2fx  (target <= %.2fx) %s\n", qPrintable(figure), qPrintable(measured),
                qPrintable(baseline), ratio, limit, ratio <= limit ? "ok" : "MISSED");
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

QString ms(double value)
{
    return QStringLiteral("%1 ms").arg(value, 0, 'f', 1);
}

QString mb(double value)
{
    return QStringLiteral("%1 MB").arg(value, 0, 'f', 2);
}

// Runs the event loop for `ms` milliseconds without spinning.
void spin(int ms)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

struct StartupFigures
{
    double bareMs = 0, bareMb = 0, progMs = 0, progMb = 0, menuMs = 0, progCpuMs = 0;
};

// The runs of one build's bench_quellaro, and of its bench_bare when it has one.
struct StartupSamples
{
    StartupSamples(QString buildDir, bool bare)
        : dir(std::move(buildDir))
        , withBare(bare)
    {
    }

    QString dir;
    bool withBare;
    std::vector<double> bareMs, bareMb, progMs, progMb, menuMs, progCpu;

    bool runOnce()
    {
        if (withBare) {
            const Measure::Run bare = Measure::runChild(dir + QStringLiteral("/bench_bare"));
            if (!bare.ok)
                return false;
            bareMs.push_back(bare.shownMs);
            bareMb.push_back(bare.maxRssMb);
        }
        const Measure::Run prog = Measure::runChild(dir + QStringLiteral("/bench_quellaro"));
        if (!prog.ok)
            return false;
        progMs.push_back(prog.shownMs);
        progMb.push_back(prog.maxRssMb);
        menuMs.push_back(prog.menuMs);
        progCpu.push_back(prog.cpuMs);
        return true;
    }

    StartupFigures medians() const
    {
        return {median(bareMs), median(bareMb), median(progMs), median(progMb), median(menuMs), median(progCpu)};
    }
};

// Medians of StartupRuns start-ups of each build, run in turn so that each figure and the one it
// is compared with meet the same load: Qt 5 with its bare program, the baseline (if any), Qt 6
// with its bare program (if any).
bool measureStartup(const QString& dir, const QString& baselineDir, const QString& qt6Dir, StartupFigures* qt5,
                    StartupFigures* baseline, StartupFigures* qt6)
{
    std::vector<StartupSamples> builds{{dir, true}};
    if (!baselineDir.isEmpty())
        builds.emplace_back(baselineDir, false);
    if (!qt6Dir.isEmpty())
        builds.emplace_back(qt6Dir, true);
    for (int i = 0; i < StartupRuns; ++i) {
        for (StartupSamples& build : builds) {
            if (!build.runOnce()) {
                std::printf("  a start-up run in %s failed\n", qPrintable(build.dir));
                return false;
            }
        }
    }
    *qt5 = builds.front().medians();
    if (!baselineDir.isEmpty())
        *baseline = builds[1].medians();
    if (!qt6Dir.isEmpty())
        *qt6 = builds.back().medians();
    return true;
}

// Start-up to the main menu shown and peak memory, Qt 5 against commit 3e29178 built beside
// it, and Qt 6 against Qt 5; a bare program on each shows what Qt itself costs.
void startup(const QString& dir, const QString& qt6Dir, const QString& startupBaselineDir)
{
    std::printf("Start-up to the main menu shown, and peak memory (median of %d runs each, the builds in turn)\n",
                StartupRuns);
    StartupFigures qt5, base, qt6;
    if (!measureStartup(dir, startupBaselineDir, qt6Dir, &qt5, &base, &qt6))
        return;
    std::printf("  (of which the main menu's constructor, with the dialogs and panels it makes: %s)\n",
                qPrintable(ms(qt5.menuMs)));
    report(QStringLiteral("Qt 5 start-up to main menu shown"), ms(qt5.progMs), QStringLiteral("bare ") + ms(qt5.bareMs),
           qt5.progMs / qt5.bareMs, 1.5);
    report(QStringLiteral("Qt 5 peak memory (max RSS)"), mb(qt5.progMb), QStringLiteral("bare ") + mb(qt5.bareMb),
           qt5.progMb / qt5.bareMb, 1.5);
    if (!startupBaselineDir.isEmpty()) {
        report(QStringLiteral("Qt 5 start-up against commit 3e29178"), ms(qt5.progMs),
               QStringLiteral("3e29178 ") + ms(base.progMs), qt5.progMs / base.progMs, 1.0);
        // The CPU time a start-up takes, which other work on a shared machine disturbs less than
        // the time it takes on the clock.
        report(QStringLiteral("Qt 5 start-up CPU time against commit 3e29178"), ms(qt5.progCpuMs),
               QStringLiteral("3e29178 ") + ms(base.progCpuMs), qt5.progCpuMs / base.progCpuMs, 1.0);
        report(QStringLiteral("Qt 5 peak memory against commit 3e29178"), mb(qt5.progMb),
               QStringLiteral("3e29178 ") + mb(base.progMb), qt5.progMb / base.progMb, 1.0);
    }
    if (qt6Dir.isEmpty())
        return;
    report(QStringLiteral("Qt 6 start-up to main menu shown"), ms(qt6.progMs), QStringLiteral("Qt 5 ") + ms(qt5.progMs),
           qt6.progMs / qt5.progMs, 1.15);
    report(QStringLiteral("Qt 6 peak memory (max RSS)"), mb(qt6.progMb), QStringLiteral("Qt 5 ") + mb(qt5.progMb),
           qt6.progMb / qt5.progMb, 1.15);
    std::printf("  bare Qt 6 program against bare Qt 5: start-up %s against %s (%.2fx), peak memory %s against %s "
                "(%.2fx)\n",
                qPrintable(ms(qt6.bareMs)), qPrintable(ms(qt5.bareMs)), qt6.bareMs / qt5.bareMs,
                qPrintable(mb(qt6.bareMb)), qPrintable(mb(qt5.bareMb)), qt6.bareMb / qt5.bareMb);
    std::printf("  the program's own share: start-up %s on Qt 6, %s on Qt 5; memory %s on Qt 6, %s on Qt 5\n",
                qPrintable(ms(qt6.progMs - qt6.bareMs)), qPrintable(ms(qt5.progMs - qt5.bareMs)),
                qPrintable(mb(qt6.progMb - qt6.bareMb)), qPrintable(mb(qt5.progMb - qt5.bareMb)));
}

// One build's recipes dialog with files of 0, 100 and 500 recipes, medians of RecipesRuns.
struct RecipesFigures
{
    QMap<int, double> firstMs, rssMb, laterMs, saveMs;
};

bool measureRecipes(const QString& dir, const QDir& files, RecipesFigures* figures)
{
    for (int count : {0, 100, 500}) {
        std::vector<double> first, rss, later, save;
        for (int i = 0; i < RecipesRuns; ++i) {
            const Measure::Run run = Measure::runChild(dir + QStringLiteral("/bench_recipes"),
                                                       {files.filePath(QStringLiteral("recepts-%1.xml").arg(count))});
            if (!run.ok) {
                std::printf("  a run of %s/bench_recipes with %d recipes failed\n", qPrintable(dir), count);
                return false;
            }
            first.push_back(run.shownMs);
            rss.push_back(run.values.value(QStringLiteral("rss_mb")));
            later.push_back(run.values.value(QStringLiteral("later_ms")));
            save.push_back(run.values.value(QStringLiteral("save_ms")));
        }
        figures->firstMs[count] = median(first);
        figures->rssMb[count] = median(rss);
        figures->laterMs[count] = median(later);
        figures->saveMs[count] = median(save);
    }
    return true;
}

// The recipes dialog of the build in `dir` against that of commit 27fada5 built beside it, each
// in processes of its own.
void recipesAgainstBaseline(const QString& qt, const QString& dir, const QString& baselineDir, const QDir& files)
{
    std::printf("%s: recipes dialog against commit 27fada5 (median of %d runs each)\n", qPrintable(qt), RecipesRuns);
    RecipesFigures now, base;
    if (!measureRecipes(dir, files, &now) || !measureRecipes(baselineDir, files, &base))
        return;
    for (int count : {0, 100, 500})
        std::printf("  %3d recipes: first showing %s (27fada5 %s), memory %s (27fada5 %s), later showings %s (%s), "
                    "Save %s (%s)\n",
                    count, qPrintable(ms(now.firstMs[count])), qPrintable(ms(base.firstMs[count])),
                    qPrintable(mb(now.rssMb[count])), qPrintable(mb(base.rssMb[count])),
                    qPrintable(ms(now.laterMs[count])), qPrintable(ms(base.laterMs[count])),
                    qPrintable(ms(now.saveMs[count])), qPrintable(ms(base.saveMs[count])));
    report(qt + QStringLiteral(" recipes first showing, 100 recipes"), ms(now.firstMs[100]),
           QStringLiteral("27fada5 ") + ms(base.firstMs[100]), now.firstMs[100] / base.firstMs[100], 0.25);
    const double perRecipeKb = (now.rssMb[100] - now.rssMb[0]) * 1024 / 100;
    const double basePerRecipeKb = (base.rssMb[100] - base.rssMb[0]) * 1024 / 100;
    report(qt + QStringLiteral(" recipes memory per recipe (100)"), QStringLiteral("%1 kB").arg(perRecipeKb, 0, 'f', 0),
           QStringLiteral("150 kB (27fada5 %1)").arg(basePerRecipeKb, 0, 'f', 0), perRecipeKb / 150, 1.0);
    const double added500 = now.rssMb[500] - now.rssMb[0];
    report(qt + QStringLiteral(" recipes memory, 500 against none"), mb(added500),
           QStringLiteral("100 MB (27fada5 %1)").arg(mb(base.rssMb[500] - base.rssMb[0])), added500 / 100, 1.0);
    report(qt + QStringLiteral(" recipes later showings, 100 recipes"), ms(now.laterMs[100]),
           QStringLiteral("27fada5 ") + ms(base.laterMs[100]), now.laterMs[100] / base.laterMs[100], 1.0);
    report(qt + QStringLiteral(" recipes Save, 100 recipes"), ms(now.saveMs[100]),
           QStringLiteral("27fada5 ") + ms(base.saveMs[100]), now.saveMs[100] / base.saveMs[100], 1.0);
}

// The CPU share of the boiler panel polling for CpuSeconds while "Boiler On" keeps the
// temperature changing at every poll, alone or with the History window open beside it.
double boilerPanelCpu(bool withHistory, bool* answered)
{
    TestBoilerDialog panel;
    showPainted(&panel);
    spin(1000); // connected and answering
    auto* heat = panel.findChild<QPushButton*>(QStringLiteral("BoilerOnButton"));
    QTimer heating;
    QObject::connect(&heating, &QTimer::timeout, heat, &QPushButton::click);
    heating.start(9000);
    heat->click();
    QPointer<HistoryDialog> history = withHistory ? HistoryDialog::showForProgram() : nullptr;
    spin(500);
    const double rss0 = Measure::residentMb();
    const double cpu0 = Measure::cpuSeconds();
    const double t0 = Measure::now();
    spin(CpuSeconds * 1000);
    const double cpu = Measure::cpuSeconds() - cpu0;
    const double wall = Measure::now() - t0;
    const auto* mode = panel.findChild<QLineEdit*>(QStringLiteral("curentModelineEdit"));
    *answered = mode && !mode->text().isEmpty();
    heating.stop();
    if (history)
        closeAndSettle(history);
    closeAndSettle(&panel);
    std::printf("  (memory growth over the %d s: %s)\n", CpuSeconds, qPrintable(mb(Measure::residentMb() - rss0)));
    return 100.0 * cpu / wall;
}

void pollingCpu()
{
    std::printf("Boiler panel (100 ms polling, heating) open against the simulator for %d s\n", CpuSeconds);
    bool answered = false;
    const double alone = boilerPanelCpu(false, &answered);
    report(QStringLiteral("CPU while polling%1").arg(answered ? "" : " (NO ANSWERS SHOWN)"),
           QStringLiteral("%1 %").arg(alone, 0, 'f', 2), QStringLiteral("0.5 % of one core"), alone / 0.5, 1.0);
    std::printf("The same with the History window open beside it\n");
    const double beside = boilerPanelCpu(true, &answered);
    report(QStringLiteral("CPU while polling, History window beside%1").arg(answered ? "" : " (NO ANSWERS SHOWN)"),
           QStringLiteral("%1 %").arg(beside, 0, 'f', 2),
           QStringLiteral("1 % of one core (panel alone %1 %)").arg(alone, 0, 'f', 2), beside / 1.0, 1.0);
}

// A history of `count` events: mostly temperatures, with states and commands between them.
void fillHistory(HistoryModel& history, int count)
{
    QVector<HistoryEvent> events(count);
    for (int i = 0; i < count; ++i) {
        HistoryEvent& event = events[i];
        event.msSinceEpoch = 1700000000000 + qint64(i) * 100;
        event.link = 1 + i / 100000;
        event.kind = i % 50 == 0 ? HistoryEvent::Kind::State
                                 : (i % 997 == 0 ? HistoryEvent::Kind::Command : HistoryEvent::Kind::Temperature);
        event.code = i % 50 == 0 ? 100 + i % 40 : 3;
        event.value = 850 + i % 90;
    }
    history.appendAll(events);
}

// The CPU time each event costs that a live panel adds, one at a time, to `history` shown in
// the History window: the append, the event loop pass after it, its share of the table's and
// the curve's taking new rows.
double appendMicroseconds(HistoryModel& history)
{
    constexpr int Appends = 30000; // three of the full history's block drops
    HistoryDialog window(&history);
    showPainted(&window);
    HistoryEvent event;
    event.link = 9;
    event.kind = HistoryEvent::Kind::Temperature;
    const double start = Measure::cpuSeconds();
    for (int i = 0; i < Appends; ++i) {
        event.msSinceEpoch = 1800000000000 + qint64(i) * 100;
        event.value = 850 + i % 90;
        history.append(event);
        QCoreApplication::processEvents();
    }
    spin(HistoryDialog::FollowIntervalMs + 200); // the table takes the last rows
    const double seconds = Measure::cpuSeconds() - start;
    closeAndSettle(&window);
    return seconds * 1e6 / Appends;
}

void historyAppend()
{
    std::printf("Events added one by one to a history shown in the History window\n");
    HistoryModel empty;
    const double fromEmpty = appendMicroseconds(empty);
    HistoryModel full;
    fillHistory(full, HistoryModel::DefaultLimit);
    const double toFull = appendMicroseconds(full);
    report(QStringLiteral("time per event added to a full history"), QStringLiteral("%1 us").arg(toFull, 0, 'f', 1),
           QStringLiteral("empty %1 us").arg(fromEmpty, 0, 'f', 1), toFull / fromEmpty, 1.5);
}

void historyFigures()
{
    constexpr int Events = 1000000;
    std::printf("History of %d events\n", Events);
    const double rss0 = Measure::residentMb();
    {
        auto history = std::make_unique<HistoryModel>();
        fillHistory(*history, Events);
        const double memory = Measure::residentMb() - rss0;
        report(QStringLiteral("memory for 1,000,000 history events"), mb(memory), QStringLiteral("100 MB"),
               memory / 100, 1.0);
        HistoryDialog window(history.get());
        const double shown = showPainted(&window);
        report(QStringLiteral("History window shown, 1,000,000 events"), ms(shown * 1000), QStringLiteral("1000 ms"),
               shown, 1.0);
        closeAndSettle(&window);
    }
    HistoryModel curve;
    fillHistory(curve, 306500); // 300,000 of them temperatures
    TemperatureChart chart(&curve);
    chart.resize(900, 250);
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        const double start = Measure::now();
        chart.render(&image);
        times.push_back(Measure::now() - start);
    }
    const double drawn = median(times) * 1000;
    report(QStringLiteral("temperature curve drawn, 300,000 points"), ms(drawn), QStringLiteral("30 ms"), drawn / 30,
           1.0);
}

void panelOpenings()
{
    std::printf("Memory growth over %d openings and closings of the boiler panel\n", PanelOpenings);
    TestBoilerDialog panel;
    auto openClose = [&panel] {
        panel.show();
        spin(10); // the client connects
        closeAndSettle(&panel);
    };
    for (int i = 0; i < 20; ++i)
        openClose();
    const double rss0 = Measure::residentMb();
    for (int i = 0; i < PanelOpenings; ++i)
        openClose();
    const double growth = Measure::residentMb() - rss0;
    report(QStringLiteral("memory growth, %1 panel openings").arg(PanelOpenings), mb(growth), QStringLiteral("1 MB"),
           growth / 1.0, 1.0);
}

std::vector<Recept> sampleRecepts(int count)
{
    std::vector<Recept> records(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Recept& r = records[size_t(i)];
        r.shortName = QStringLiteral("Drink %1").arg(i + 1);
        r.fullName = QStringLiteral("Coffee drink number %1").arg(i + 1);
        r.sugarRashod = i % 10;
        r.waterRashod = 40 + i % 100;
        for (int k = 0; k < Recept::SlotCount; ++k) {
            r.component[size_t(k)] = (i + k) % 6;
            r.ingridientRashod[size_t(k)] = (i * 7 + k) % 200;
            r.ingridientWater[size_t(k)] = (i * 13 + k) % 200;
        }
    }
    return records;
}

// A recipes dialog reading a file of `count` recipes.
std::unique_ptr<ReceptsDialog> recipesDialog(const QDir& dir, int count)
{
    const QString path = dir.filePath(QStringLiteral("recepts-%1.xml").arg(count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(receptsFileBytes(sampleRecepts(count))) < 0)
        std::printf("  cannot write %s\n", qPrintable(path));
    file.close();
    SettingsStore::setReceptsFilePath(path);
    return std::make_unique<ReceptsDialog>();
}

void recipesShowings(const QDir& dir)
{
    std::printf("Memory growth over %d showings of the recipes dialog with 50 recipes\n", RecipesShowings);
    const auto dialog = recipesDialog(dir, 50);
    for (int i = 0; i < 5; ++i) {
        showPainted(dialog.get());
        closeAndSettle(dialog.get());
    }
    const double rss0 = Measure::residentMb();
    for (int i = 0; i < RecipesShowings; ++i) {
        showPainted(dialog.get());
        closeAndSettle(dialog.get());
    }
    const double growth = Measure::residentMb() - rss0;
    if (!dialog->lastError().isEmpty())
        std::printf("  the dialog reported: %s\n", qPrintable(dialog->lastError()));
    report(QStringLiteral("memory growth, %1 recipes showings").arg(RecipesShowings), mb(growth),
           QStringLiteral("1 MB"), growth / 1.0, 1.0);
}

void recipesShowingTime(const QDir& dir)
{
    std::printf("Recipes dialog showing time by file size (first showing; later ones: median of 2)\n");
    QMap<int, double> seconds;
    for (int count : {10, 100, 500}) {
        const auto dialog = recipesDialog(dir, count);
        std::vector<double> times;
        for (int i = 0; i < 3; ++i) {
            times.push_back(showPainted(dialog.get()));
            closeAndSettle(dialog.get());
        }
        // The first showing makes the forms; later ones refill them.
        seconds[count] = times.front();
        std::printf("  %4d recipes: first showing %.3f s, later showings %.3f s\n", count, times.front(),
                    median({times[1], times[2]}));
    }
    report(QStringLiteral("recipes dialog shown, 100 recipes"), QStringLiteral("%1 s").arg(seconds[100], 0, 'f', 3),
           QStringLiteral("0.3 s"), seconds[100] / 0.3, 1.0);
    // Linear growth keeps the time per recipe; fixed costs only make the larger file cheaper.
    const double perRecipe100 = seconds[100] / 100, perRecipe500 = seconds[500] / 500;
    report(QStringLiteral("time per recipe, 500 against 100 recipes"),
           QStringLiteral("%1 ms").arg(perRecipe500 * 1000, 0, 'f', 2),
           QStringLiteral("%1 ms").arg(perRecipe100 * 1000, 0, 'f', 2), perRecipe500 / perRecipe100, 1.2);
}

// The simulator on a free port of 127.0.0.1, stopped when this goes.
class Simulator
{
public:
    explicit Simulator(const QString& program, const QStringList& faults = {})
    {
        process.start(program,
                      QStringList{QStringLiteral("--address"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                                  QStringLiteral("0")}
                          + faults);
        QByteArray out;
        while (port == 0 && process.waitForReadyRead(10000)) {
            out += process.readAllStandardOutput();
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral(":(\\d+)")).match(QString::fromUtf8(out));
            if (m.hasMatch())
                port = m.captured(1).toInt();
        }
    }
    ~Simulator()
    {
        process.kill();
        process.waitForFinished();
    }
    int port = 0;

private:
    QProcess process;
};

// The longest the event loop stood still while the boiler panel read a controller that answers
// its first poll with a megabyte of replies and garbage. The simulator runs in its own process,
// so only the program's reading is measured.
void eventLoopPauseUnderFlood(const QString& dir)
{
    std::printf("Boiler panel against a controller that floods a megabyte at once\n");
    Simulator flooding(dir + QStringLiteral("/cm-simulator"), {QStringLiteral("--flood"), QStringLiteral("1048576")});
    const QString port = SettingsStore::controllerPort();
    SettingsStore::setControllerPort(QString::number(flooding.port));
    TestBoilerDialog panel;
    showPainted(&panel);
    double longest = 0;
    double last = Measure::now();
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const double t = Measure::now();
        longest = std::max(longest, t - last);
        last = t;
    });
    ticker.start(1);
    spin(3000);
    ticker.stop();
    closeAndSettle(&panel);
    SettingsStore::setControllerPort(port);
    report(QStringLiteral("longest event loop pause, flood of 1 MB"), ms(longest * 1000), QStringLiteral("50 ms"),
           longest * 1000 / 50, 1.0);
}

// The polls written and the replies delivered, as the link trace tells them: the controller
// answers in order, so each reply answers the oldest request not yet answered.
std::vector<double> pollsWritten;
std::vector<double> ages;

void noteLinkEvent(QtMsgType, const QMessageLogContext&, const QString& text)
{
    if (text.contains(QLatin1String(" poll to ")) && text.endsWith(QLatin1String(": 04 00"))) {
        pollsWritten.push_back(Measure::now());
    } else if (text.contains(QLatin1String(" reply delivered: 04 ")) && !pollsWritten.empty()) {
        ages.push_back(Measure::now() - pollsWritten.front());
        pollsWritten.erase(pollsWritten.begin());
    }
}

// How old the boiler panel's values are when shown, behind a 4800-baud gateway, where a reply 4
// takes 106 ms on the line: one poll in flight keeps them within one reply and one period.
void valuesAgeAtSlowBaud(const QString& dir)
{
    std::printf("Boiler panel against the simulator at --baud 4800 for %d s\n", CpuSeconds / 2);
    Simulator slow(dir + QStringLiteral("/cm-simulator"), {QStringLiteral("--baud"), QStringLiteral("4800")});
    const QString port = SettingsStore::controllerPort();
    SettingsStore::setControllerPort(QString::number(slow.port));
    QLoggingCategory::setFilterRules(QStringLiteral("quellaro.link.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(noteLinkEvent);
    TestBoilerDialog panel;
    showPainted(&panel);
    spin(CpuSeconds * 500);
    closeAndSettle(&panel);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("quellaro.link.debug=false"));
    SettingsStore::setControllerPort(port);
    const double largest = ages.empty() ? 1e9 : *std::max_element(ages.begin(), ages.end()) * 1000;
    std::printf("  (%zu replies shown, median age %s)\n", ages.size(), qPrintable(ms(median(ages) * 1000)));
    report(QStringLiteral("largest age of shown values, 4800 baud"), ms(largest), QStringLiteral("250 ms"),
           largest / 250, 1.0);
}

} // namespace

void writeRecipesFiles(const QDir& dir)
{
    for (int count : {0, 100, 500}) {
        QFile file(dir.filePath(QStringLiteral("recepts-%1.xml").arg(count)));
        if (!file.open(QIODevice::WriteOnly) || file.write(receptsFileBytes(sampleRecepts(count))) < 0)
            std::printf("  cannot write %s\n", qPrintable(file.fileName()));
    }
}

// Start-up with a route of 200 machines stored, one of them chosen, against none stored: the
// start-up reads the chosen machine's file only.
void machinesStartup(const QString& dir)
{
    QTemporaryDir none, route;
    const QString folder = route.filePath(QStringLiteral("Orbanek/Quellaro/machines"));
    QDir().mkpath(folder);
    for (int i = 1; i <= 200; ++i) {
        QFile file(QStringLiteral("%1/machine-%2.json").arg(folder).arg(i));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(QStringLiteral("{\"format\": \"quellaro-machine\", \"version\": 1, \"name\": \"Machine %1\", "
                                         "\"site\": \"Site %1\", \"serial\": \"SN-%1\", \"notes\": \"\", "
                                         "\"address\": \"10.0.%2.%3\", \"port\": 2050}\n")
                              .arg(i)
                              .arg(i / 250)
                              .arg(i % 250 + 1)
                              .toUtf8())
                < 0)
            std::printf("  cannot write %s\n", qPrintable(file.fileName()));
    }
    QSettings(QStringLiteral("Orbanek"), QStringLiteral("Quellaro"))
        .setValue(QStringLiteral("/Machines/Current"), QStringLiteral("machine-100"));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    std::vector<double> noneMs, routeMs;
    for (int i = 0; i < StartupRuns; ++i) {
        for (auto [home, samples] : {std::make_pair(&none, &noneMs), std::make_pair(&route, &routeMs)}) {
            qputenv("XDG_DATA_HOME", home->path().toLocal8Bit());
            const Measure::Run run = Measure::runChild(dir + QStringLiteral("/bench_quellaro"));
            if (!run.ok) {
                std::printf("  a start-up run failed\n");
                qputenv("XDG_DATA_HOME", dataHome);
                return;
            }
            samples->push_back(run.shownMs);
        }
    }
    qputenv("XDG_DATA_HOME", dataHome);
    report(QStringLiteral("Qt 5 start-up with 200 machines stored"), ms(median(routeMs)),
           QStringLiteral("none stored ") + ms(median(noneMs)), median(routeMs) / median(noneMs), 1.05);
}

// quellaro_bench DIR [QT6_DIR [STARTUP_BASELINE_DIR [RECIPES_BASELINE_DIR [RECIPES_BASELINE_QT6_DIR]]]]
int main(int argc, char* argv[])
{
    const auto arg = [argc, argv](int i) { return argc > i ? QString::fromLocal8Bit(argv[i]) : QString(); };
    const QString dir = argc > 1 ? arg(1) : QStringLiteral(".");
    const QString qt6Dir = arg(2);
    // Settings of this run only, for the child programs too.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", scratch.filePath(QStringLiteral("data")).toLocal8Bit());

    const bool cpuOnly = qEnvironmentVariableIsSet("QUELLARO_BENCH_CPU_ONLY"); // the polling figures alone
    // The polling figures and the history's: what a change to the history needs measured.
    const bool historyOnly = qEnvironmentVariableIsSet("QUELLARO_BENCH_HISTORY_ONLY");
    if (!cpuOnly && !historyOnly)
    {
        startup(dir, qt6Dir, arg(3));
        machinesStartup(dir);
    }
    if (qEnvironmentVariableIsSet("QUELLARO_BENCH_STARTUP_ONLY")) // scripts/bench.sh --startup
        return 0;
    const QDir files(scratch.path());
    writeRecipesFiles(files);
    if (!arg(4).isEmpty() && !cpuOnly && !historyOnly)
        recipesAgainstBaseline(QStringLiteral("Qt 5"), dir, arg(4), files);
    if (!arg(5).isEmpty() && !qt6Dir.isEmpty() && !cpuOnly && !historyOnly)
        recipesAgainstBaseline(QStringLiteral("Qt 6"), qt6Dir, arg(5), files);

    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    SettingsStore::setApplicationNames();

    Simulator simulator(dir + QStringLiteral("/cm-simulator"));
    if (simulator.port == 0) {
        std::printf("cm-simulator did not start\n");
        return 1;
    }
    SettingsStore::setControllerHost(QStringLiteral("127.0.0.1"));
    SettingsStore::setControllerPort(QString::number(simulator.port));

    pollingCpu();
    if (cpuOnly)
        return 0;
    if (!historyOnly) {
        valuesAgeAtSlowBaud(dir);
        eventLoopPauseUnderFlood(dir);
        panelOpenings();
        recipesShowings(QDir(scratch.path()));
        recipesShowingTime(QDir(scratch.path()));
    }
    historyFigures();
    historyAppend();

    const long missed = std::count_if(rows.begin(), rows.end(), [](const Row& r) { return r.ratio > r.limit; });
    std::printf("%zu figures, %ld missed their target\n", rows.size(), missed);
    return 0;
}
