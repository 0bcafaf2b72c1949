// One keystroke of the place finder as the user meets it: a letter typed into the City box of
// the main window, with the search, the suggestions' list and its popup laid out before the
// next letter, over the same names as bench_place_finder, letter by letter. Goal: p99 <= 16 ms.
// Runs on any Qt platform; without a display: QT_QPA_PLATFORM=offscreen.
#include "TypedQueries.h"

#include "ui/frmMain.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

void KeystrokeInTheWindow(benchmark::State& state) {
    frmMain window;
    window.show();
    QApplication::setActiveWindow(&window);
    auto* city = window.findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    city->setFocus(Qt::OtherFocusReason); // reads the list of places
    QCoreApplication::processEvents();
    std::vector<double> wall;
    std::vector<double> processor;
    for (auto _ : state) {
        for (const QString& name : TypedNames()) {
            city->clear();
            for (const QChar letter : name) {
                const auto start = std::chrono::steady_clock::now();
                const std::clock_t startClock = std::clock();
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
                QCoreApplication::sendEvent(city, &press);
                QCoreApplication::processEvents();
                processor.push_back(1000.0 * double(std::clock() - startClock) / CLOCKS_PER_SEC);
                wall.push_back(std::chrono::duration<double, std::milli>(
                                   std::chrono::steady_clock::now() - start)
                                   .count());
            }
        }
    }
    const auto* completer = window.findChild<QCompleter*>();
    if (completer == nullptr || completer->completionModel()->rowCount() == 0) {
        state.SkipWithError("the place finder gave no suggestions");
        return;
    }
    std::sort(wall.begin(), wall.end());
    std::sort(processor.begin(), processor.end());
    const auto p99 = [](std::size_t n) { return n * 99 / 100; };
    state.counters["keys"] = double(wall.size());
    state.counters["p50_ms"] = wall[wall.size() / 2];
    state.counters["p99_ms"] = wall[p99(wall.size())];
    state.counters["cpu_p99_ms"] = processor[p99(processor.size())];
}
BENCHMARK(KeystrokeInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
