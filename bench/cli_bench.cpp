// "show --json" over 2,000 prototypes of every type and kind, as the command runs it for
// each file: the record, every shown value, the JSON text. No game names, no process.
#include "cli/showoutput.h"
#include "proto/fieldcodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kFiles = 2000;

// Type, kind word and length of each record, cycled through.
struct Shape {
    int type, kind, length;
};
const Shape kShapes[] = {{0, 0, 129}, {0, 1, 65}, {0, 2, 125},  {0, 3, 122}, {0, 4, 81},
                         {0, 5, 69},  {0, 6, 61}, {1, -1, 416}, {2, 0, 49},  {2, 1, 49},
                         {2, 2, 49},  {2, 3, 45}, {2, 4, 45},   {2, 5, 45},  {3, -1, 36},
                         {4, -1, 28}, {5, -1, 28}};

std::vector<QByteArray> prototypes() {
    std::vector<QByteArray> out;
    for (int i = 0; i < kFiles; ++i) {
        const Shape& s = kShapes[i % std::size(kShapes)];
        QByteArray b(s.length, '\0');
        for (int k = 12; k < s.length; ++k)
            b[k] = char((k * 13 + i) & 0x7F);
        zantrel::setFieldValue(b, 0, 4, std::uint32_t(s.type) << 24 | std::uint32_t(i + 1));
        if (s.kind >= 0)
            zantrel::setFieldValue(b, 32, 4, std::uint32_t(s.kind));
        out.push_back(b);
    }
    return out;
}

void BM_ShowJson2000(benchmark::State& state) {
    const std::vector<QByteArray> files = prototypes();
    qsizetype size = 0;
    for (auto _ : state) {
        QJsonArray records;
        for (std::size_t i = 0; i < files.size(); ++i)
            records.append(
                zantrel::recordJson(QStringLiteral("proto/%1.pro").arg(i), files[i], nullptr));
        const QByteArray json = QJsonDocument(records).toJson();
        size = json.size();
        benchmark::DoNotOptimize(json.constData());
    }
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_ShowJson2000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
