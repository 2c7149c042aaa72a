// zantrel-cli's "check" and "show --json" over a mod of 2,000 prototypes of every type and
// kind, against a generated game of real sizes, as the commands run them (the process
// start aside). The reference in the same run: walking the folder and reading the files.
#include "cli/modcheck.h"
#include "cli/showoutput.h"
#include "core/files.h"
#include "medianreporter.h"
#include "proto/fieldcodec.h"
#include "support/modgame.h"
#include "support/tempfolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kFiles = 2000;
constexpr int kLines = 1500;      // scripts.lst, art lists, pro_*.msg
constexpr int kPrototypes = 200;  // of each type in the game
constexpr int kBrokenEvery = 10;  // one file in ten has one problem
constexpr double kCheckLimit = 1; // seconds for the whole mod

const char* const kTypeFolders[] = {"items", "critters", "scenery", "walls", "tiles", "misc"};

void set(QByteArray& bytes, const char* name, std::uint32_t value) {
    const zantrel::Record record = zantrel::recordFor(bytes);
    if (const zantrel::RecordRow* row = zantrel::findRow(record, QString::fromLatin1(name)))
        zantrel::setFieldValue(bytes, row->offset, row->width, value);
}

// The i-th prototype of the mod: references spread over the game's lists, every
// kBrokenEvery-th one pointing past them or holding a value its field does not allow.
QByteArray modPrototype(int i) {
    const ObjectShape& shape = everyShape()[std::size_t(i) % everyShape().size()];
    QByteArray b = makeCleanPrototype(shape.type, shape.kind);
    const std::uint32_t type = std::uint32_t(shape.type);
    set(b, "Object id", type << 24 | std::uint32_t(i + 1));
    set(b, "Text id", 100 + std::uint32_t(i % kLines));
    set(b, "Frame id", type << 24 | std::uint32_t(i % kLines));
    set(b, "Script id", std::uint32_t(type == 1 ? 4 : 3) << 24 | std::uint32_t(i % kLines));
    set(b, "Ammo prototype id", std::uint32_t(1 + i % kPrototypes));
    set(b, "Projectile prototype id", 5u << 24 | std::uint32_t(1 + i % kPrototypes));
    if (i % kBrokenEvery == 0) {
        switch (i / kBrokenEvery % 4) {
        case 0:
            set(b, "Text id", 100 + kLines);
            break;
        case 1:
            set(b, "Frame id", type << 24 | kLines);
            break;
        case 2:
            set(b, "Object id", 9u << 24 | 1); // an object type the game does not have
            b[0] = 9;
            break;
        default:
            b += '\0'; // one byte too many
            break;
        }
    }
    return b;
}

struct Inputs {
    TempFolder folder;
    QString game = writeGameFolder(folder, "Game", kLines, kPrototypes);
    QString mod = folder.mkdir("mod");

    Inputs() {
        for (int i = 0; i < kFiles; ++i) {
            const QByteArray b = modPrototype(i);
            const int type = i % int(everyShape().size());
            folder.write(QStringLiteral("mod/proto/%1/%2.pro")
                             .arg(kTypeFolders[everyShape()[std::size_t(type)].type])
                             .arg(i + 1, 8, 10, QLatin1Char('0')),
                         b);
        }
    }
};

std::unique_ptr<Inputs> g_inputs;

// The reference: the folder walked and every file read.
void BM_ReadFolder2000(benchmark::State& state) {
    qsizetype bytes = 0;
    for (auto _ : state) {
        QStringList missing;
        std::vector<zantrel::Finding> findings;
        bytes = 0;
        for (const QString& f : zantrel::prototypeFiles({g_inputs->mod}, missing, findings))
            bytes += zantrel::readFileBytes(f).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = double(bytes);
}

// "check --game Game mod": the game opened, the folder walked, every file read and checked.
void BM_CheckFolder2000(benchmark::State& state) {
    std::size_t problems = 0;
    for (auto _ : state) {
        const zantrel::GameView view(g_inputs->game);
        const zantrel::GameNames names(view);
        problems = zantrel::checkPaths({g_inputs->mod}, &names).findings.size();
        benchmark::DoNotOptimize(problems);
    }
    state.counters["problems"] = double(problems);
}

// "show --game Game --json mod/proto/*/*.pro": every field of every file with its name.
void BM_ShowJsonFolder2000(benchmark::State& state) {
    qsizetype size = 0;
    for (auto _ : state) {
        const zantrel::GameView view(g_inputs->game);
        const zantrel::GameNames names(view);
        QStringList missing;
        std::vector<zantrel::Finding> findings;
        QJsonArray records;
        for (const QString& f : zantrel::prototypeFiles({g_inputs->mod}, missing, findings))
            records.append(zantrel::recordJson(f, zantrel::readFileBytes(f), &names));
        const QByteArray json = QJsonDocument(records).toJson();
        size = json.size();
        benchmark::DoNotOptimize(json.constData());
    }
    state.counters["bytes"] = double(size);
}

// The same in memory and without names: the record tables and the JSON text alone.
void BM_ShowJson2000(benchmark::State& state) {
    std::vector<QByteArray> files;
    for (int i = 0; i < kFiles; ++i)
        files.push_back(modPrototype(i));
    for (auto _ : state) {
        QJsonArray records;
        for (std::size_t i = 0; i < files.size(); ++i)
            records.append(
                zantrel::recordJson(QStringLiteral("proto/%1.pro").arg(i), files[i], nullptr));
        const QByteArray json = QJsonDocument(records).toJson();
        benchmark::DoNotOptimize(json.constData());
    }
}

BENCHMARK(BM_ReadFolder2000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(BM_CheckFolder2000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_ShowJsonFolder2000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_ShowJson2000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

// The mod must hold exactly its planted problems, or the figures mean nothing.
bool inputsHold() {
    const zantrel::GameView view(g_inputs->game);
    const zantrel::GameNames names(view);
    const zantrel::CheckResult result = zantrel::checkPaths({g_inputs->mod}, &names);
    const std::size_t planted = kFiles / kBrokenEvery;
    // An unknown object type also makes a length problem.
    const std::size_t expected = planted + (planted + 3) / 4;
    if (result.files == kFiles && result.findings.size() == expected && result.unreadable.isEmpty())
        return true;
    std::fprintf(stderr, "zantrel_bench_cli: %d files, %zu problems (%zu expected)\n", result.files,
                 result.findings.size(), expected);
    for (std::size_t i = 0; i < result.findings.size() && i < 10; ++i)
        std::fprintf(stderr, "  %s: %s\n", qPrintable(result.findings[i].file),
                     qPrintable(result.findings[i].problem));
    return false;
}

void printRatio(const MedianReporter& reporter, const char* what, const char* name,
                double reference) {
    const double seconds = reporter.median(name);
    if (seconds > 0 && reference > 0)
        std::printf("%s, %d prototypes: %.1f ms, %.1fx reading them alone\n", what, kFiles,
                    seconds * 1e3, seconds / reference);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    g_inputs = std::make_unique<Inputs>();
    if (!inputsHold())
        return 2;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double reading = reporter.median("BM_ReadFolder2000");
    if (reading > 0)
        std::printf("reading %d prototypes: %.1f ms\n", kFiles, reading * 1e3);
    printRatio(reporter, "check", "BM_CheckFolder2000", reading);
    printRatio(reporter, "show --json", "BM_ShowJsonFolder2000", reading);
    const double check = reporter.median("BM_CheckFolder2000");
    benchmark::Shutdown();
    g_inputs.reset();
    if (check > kCheckLimit) {
        std::printf("check takes more than %.0f s: too slow\n", kCheckLimit);
        return 1;
    }
    return 0;
}
