// Cost of the update reminder's settings round trip (read the record, write a new one)
// through the hardened store, against the plain QSettings round trip it replaces. Both work
// on an INI file in a temporary folder; the store adds a private copy for QSettings to parse
// and its own lock and atomic write.
#include "platform/QtSettingsStore.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString application = QStringLiteral("qv-vantrel");
const QString section = QStringLiteral("Settings");
const QString key = QStringLiteral("\u2122\u00ca\u00c7\u00b6\u00c9\u00be\u00c4\u00c3");
const QString value = QStringLiteral("\u2026\u0081\u201e\u2026\u2026\u201a");

void plainQSettings(benchmark::State& state) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("qv-vantrel.ini"));
    for (auto _ : state) {
        QSettings settings(file, QSettings::IniFormat);
        settings.beginGroup(section);
        benchmark::DoNotOptimize(settings.value(key).toString());
        settings.setValue(key, value);
        settings.endGroup();
        settings.sync();
    }
}
BENCHMARK(plainQSettings)->Unit(benchmark::kMicrosecond);

void hardenedStore(benchmark::State& state) {
    QTemporaryDir folder;
    platform::QtSettingsStore store(folder.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.read(application, section, key));
        benchmark::DoNotOptimize(store.write(application, section, key, value));
    }
}
BENCHMARK(hardenedStore)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
