// The recipes dialog of one build, measured in a process of its own so that builds can be
// compared side by side. Shows the dialog with the recipes file FILE and prints, one "name
// value" a line: shown_ns, the first showing until painted; rss_mb, the resident memory
// after it; later_ms and save_ms, the medians of three later showings and of three Saves.
//
//     bench_recipes FILE
#include "bench/measure.h"
#include "bench/show_painted.h"
#include "recipes/receptsdialog.h"
#include "settings/settings_store.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SettingsStore::setApplicationNames();
    SettingsStore::setReceptsFilePath(QString::fromLocal8Bit(argv[1]));
    ReceptsDialog dialog;

    const double first = showPainted(&dialog);
    const double rss = Measure::residentMb();
    closeAndSettle(&dialog);
    std::vector<double> later, save;
    for (int i = 0; i < 3; ++i) {
        later.push_back(showPainted(&dialog));
        const double start = Measure::now();
        const bool saved = dialog.SaveReceptsToFile();
        save.push_back(Measure::now() - start);
        closeAndSettle(&dialog);
        if (!saved)
            return 1;
    }
    std::printf("shown_ns %lld\nrss_mb %.3f\nlater_ms %.3f\nsave_ms %.3f\n", static_cast<long long>(first * 1e9),
                rss, median(later) * 1000, median(save) * 1000);
    return 0;
}
