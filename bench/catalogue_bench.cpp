// The game's objects at the size of a stock install: about 9,300 prototypes of the six types,
// their lists and message files packed in a master.dat of our writer among 20,000 other
// entries. Measured: building the whole catalogue, one keystroke of the Prototypes window's
// filter over the 3,891 tiles (the filter and the table redrawn), and `zantrel-cli list
// --json` as a whole process. The reference in the same run is the plain way of building the
// catalogue: each list line's whole file read on its own and the message file looked up.
#include "datwriter/datwriter.h"
#include "gamedata/catalogue.h"
#include "gamedata/gamedata.h"
#include "gamedata/listfile.h"
#include "gamedata/messagefile.h"
#include "medianreporter.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "ui/prototypemodel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace zantrel;

struct TypeSize {
    const char* folder;
    const char* messages;
    int count;
};
// The stock game's list lengths.
constexpr TypeSize kTypes[kObjectTypeCount] = {
    {"items", "pro_item.msg", 596},    {"critters", "pro_crit.msg", 549},
    {"scenery", "pro_scen.msg", 2300}, {"walls", "pro_wall.msg", 1943},
    {"tiles", "pro_tile.msg", 3891},   {"misc", "pro_misc.msg", 20}};
constexpr int kOtherEntries = 20000; // art, maps, sounds ... as the archive holds them

constexpr double kCatalogueLimit = 0.100; // seconds
constexpr double kKeystrokeLimit = 0.016;
constexpr double kListLimit = 0.5;

const char* const kWords[] = {"Metal",  "Leather", "Desert", "Cave",  "Vault",  "Wood",
                              "Ruined", "Glass",   "Stone",  "Rusty", "Broken", "Old"};

QString objectName(int type, int n) {
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(kWords[n % 12]), QLatin1String(kWords[(n / 12 + type) % 12]))
        .arg(n);
}

QByteArray prototype(int type, int n) {
    // Kinds spread as in the game: items and scenery of every kind.
    const int kind = type == 0 ? n % 7 : type == 2 ? n % 6 : 0;
    QByteArray b = defaultRecord(type, kind);
    setFieldValue(b, 0, 4, std::uint32_t(type) << 24 | std::uint32_t(n));
    setFieldValue(b, 4, 4, std::uint32_t(n) * 100);
    setFieldValue(b, 8, 4, std::uint32_t(type) << 24 | std::uint32_t(n % 1500));
    return b;
}

QByteArray makeArchive() {
    QList<DatEntryIn> entries;
    for (int type = 0; type < kObjectTypeCount; ++type) {
        const QString folder = QStringLiteral("proto\\%1\\").arg(kTypes[type].folder);
        QByteArray list, messages;
        for (int n = 1; n <= kTypes[type].count; ++n) {
            const QString file = QStringLiteral("%1.pro").arg(n, 8, 10, QLatin1Char('0'));
            list += file.toLatin1() + (n % 5 == 0 ? " ; a comment" : "") + "\r\n";
            entries.append({folder + file, prototype(type, n), true});
            messages += "{" + QByteArray::number(n * 100) + "}{}{" +
                        objectName(type, n).toLatin1() + "}\r\n{" +
                        QByteArray::number(n * 100 + 1) + "}{}{A description of the " +
                        objectName(type, n).toLatin1() + ", long as the game's are.}\r\n";
        }
        entries.append({folder + kTypes[type].folder + ".lst", list, true});
        entries.append(
            {QStringLiteral("text\\english\\game\\") + kTypes[type].messages, messages, true});
    }
    const char* const others[] = {"art\\critters\\", "art\\items\\", "art\\scenery\\",
                                  "art\\tiles\\",    "maps\\",       "sound\\sfx\\"};
    for (int i = 0; i < kOtherEntries; ++i)
        entries.append({QString::fromLatin1(others[i % 6]) +
                            QStringLiteral("obj%1.frm").arg(i, 5, 10, QLatin1Char('0')),
                        QByteArray(64 + i % 64, char(i & 0x7F)), i % 2 == 0});
    return buildDat(entries);
}

struct Inputs {
    QTemporaryDir dir;
    QString game = dir.path() + QStringLiteral("/Game");
    std::unique_ptr<GameData> data;

    Inputs() {
        QDir().mkpath(game);
        QFile f(game + QStringLiteral("/master.dat"));
        const QByteArray dat = makeArchive();
        if (!f.open(QIODevice::WriteOnly) || f.write(dat) != dat.size())
            std::abort();
        f.close();
        Settings s;
        s.gameFolder = game;
        s.useSources = QStringLiteral("0");
        data = std::make_unique<GameData>(s);
    }
};

std::unique_ptr<Inputs> g_inputs;
QString g_cli; // zantrel-cli next to this program

int entryCount(const Catalogue& c) {
    int n = 0;
    for (int type = 0; type < kObjectTypeCount; ++type)
        n += int(c.entries(ObjectType(type)).size());
    return n;
}

void BM_CatalogueBuild(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        const Catalogue c(*g_inputs->data);
        n = entryCount(c);
        benchmark::DoNotOptimize(n);
    }
    state.counters["prototypes"] = n;
}

// The same with the game opened first (fallout2.cfg looked for, master.dat's index read), as
// the first F5 after a start pays it.
void BM_CatalogueWithGame(benchmark::State& state) {
    Settings s;
    s.gameFolder = g_inputs->game;
    s.useSources = QStringLiteral("0");
    int n = 0;
    for (auto _ : state) {
        const GameData data(s);
        const Catalogue c(data);
        n = entryCount(c);
        benchmark::DoNotOptimize(n);
    }
    state.counters["prototypes"] = n;
}

// The plain way: each file read whole by its own lookup, its text id looked up by number.
void BM_CatalogueReference(benchmark::State& state) {
    const GameView& view = *g_inputs->data->view();
    int named = 0;
    for (auto _ : state) {
        named = 0;
        for (int type = 0; type < kObjectTypeCount; ++type) {
            const QString folder = QStringLiteral("proto/%1/").arg(kTypes[type].folder);
            const ListFile list(view.read(folder + kTypes[type].folder + ".lst"));
            const MessageFile messages(g_inputs->data->read(
                DataKind::Messages, QString::fromLatin1(kTypes[type].messages)));
            for (int line = 0; line < list.count(); ++line) {
                const QString file = QString::fromLatin1(list.name(line));
                const QByteArray bytes = view.read(folder + file);
                if (bytes.size() < 8)
                    continue;
                const std::uint32_t textId = fieldValue(bytes, 4, 4);
                named += messages.find(qint64(textId)) != nullptr;
            }
        }
        benchmark::DoNotOptimize(named);
    }
    state.counters["prototypes"] = named;
}

// One keystroke in the tiles' filter box: the rows filtered and the visible table redrawn.
void BM_FilterKeystroke(benchmark::State& state) {
    const Catalogue catalogue(*g_inputs->data);
    PrototypeModel model(ObjectType::Tile);
    model.setEntries(catalogue.entries(ObjectType::Tile));
    PrototypeFilter filter;
    filter.setSourceModel(&model);
    QTableView view;
    view.setModel(&filter);
    view.setSortingEnabled(true);
    view.sortByColumn(PrototypeModel::IdColumn, Qt::AscendingOrder);
    view.resize(760, 480);
    view.show();
    QApplication::processEvents();
    // Typing "stone 1" and clearing it again: each step is one keystroke.
    const QString typed = QStringLiteral("stone 1");
    int step = 0;
    for (auto _ : state) {
        const int n = step % (2 * typed.size());
        filter.setText(n < typed.size() ? typed.left(n + 1) : typed.left(2 * typed.size() - n - 1));
        view.viewport()->repaint();
        ++step;
        benchmark::DoNotOptimize(filter.rowCount());
    }
}

// `zantrel-cli --game Game list --json`, the process as a whole.
void BM_ListJson(benchmark::State& state) {
    qsizetype size = 0;
    for (auto _ : state) {
        QProcess p;
        p.start(g_cli, {QStringLiteral("--game"), g_inputs->game, QStringLiteral("list"),
                        QStringLiteral("--json")});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            state.SkipWithError("zantrel-cli list --json failed");
            break;
        }
        size = p.readAllStandardOutput().size();
    }
    state.counters["bytes"] = double(size);
}

BENCHMARK(BM_CatalogueBuild)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(BM_CatalogueWithGame)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_CatalogueReference)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_FilterKeystroke)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_ListJson)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

// The generated game must read back whole, or the figures mean nothing.
bool inputsHold() {
    const Catalogue c(*g_inputs->data);
    int expected = 0, named = 0;
    for (int type = 0; type < kObjectTypeCount; ++type) {
        expected += kTypes[type].count;
        for (const CatalogueEntry& e : c.entries(ObjectType(type)))
            named += e.problems == 0 && e.name == objectName(type, e.index);
    }
    if (named == expected)
        return true;
    std::fprintf(stderr, "zantrel_bench_catalogue: %d of %d prototypes read back clean\n", named,
                 expected);
    return false;
}

// One line per figure; false when it misses its mark.
bool judge(const MedianReporter& reporter, const char* what, const char* name, double limit) {
    const double seconds = reporter.median(name);
    if (seconds < 0) {
        std::printf("%s: not measured\n", what);
        return false;
    }
    const bool passes = seconds < limit;
    std::printf("%s: %.2f ms (limit %.0f ms)%s\n", what, seconds * 1e3, limit * 1e3,
                passes ? "" : "  <-- too slow");
    return passes;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    g_cli = QStringLiteral(ZANTREL_CLI_PATH);
    g_inputs = std::make_unique<Inputs>();
    if (!inputsHold())
        return 2;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool passes =
        judge(reporter, "catalogue of 9,299 prototypes", "BM_CatalogueBuild", kCatalogueLimit);
    const double reference = reporter.median("BM_CatalogueReference");
    const double ours = reporter.median("BM_CatalogueBuild");
    if (reference > 0 && ours > 0)
        std::printf("  reference (each file read on its own): %.1f ms, ratio %.1fx\n",
                    reference * 1e3, reference / ours);
    const double withGame = reporter.median("BM_CatalogueWithGame");
    if (withGame > 0)
        std::printf("  with the game opened first (master.dat's index read): %.1f ms\n",
                    withGame * 1e3);
    passes &=
        judge(reporter, "filter keystroke over 3,891 tiles", "BM_FilterKeystroke", kKeystrokeLimit);
    passes &= judge(reporter, "zantrel-cli list --json (per run)", "BM_ListJson", kListLimit);
    benchmark::Shutdown();
    return passes ? 0 : 1;
}
