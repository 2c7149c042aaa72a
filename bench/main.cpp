#include "benchinputs.h"
#include "referencedecoder.h"

#include "core/files.h"
#include "core/usererror.h"
#include "gamedata/lists.h"
#include "preview/framedecoder.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Below this speed-up over the reference decoder the run fails.
constexpr double kRequiredRatio = 100.0;
// Reading a list or finding a message happens while the user waits on a window.
constexpr double kListLimitSeconds = 2e-3;

struct FrameCase {
    const char* label; // as shown in the names of the benchmarks
    QString path;
    // The frame that fills the box is judged. For a small frame at half size, opening the two
    // files costs more than the few pixels drawn, so its ratio is shown but not judged.
    bool judged = true;
};

const char* const kModeNames[] = {"full", "half"};

std::string frameBenchName(const FrameCase& frame, int mode, const char* who) {
    return std::string("frame/") + kModeNames[mode] + "/" + frame.label + "/" + who;
}

// Keeps the console output as usual and notes each benchmark's time per iteration: the
// median when repetitions were aggregated, else the mean of the runs.
class CapturingReporter : public benchmark::ConsoleReporter {
public:
    using benchmark::ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const double seconds =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            Times& t = m_times[run.run_name.function_name];
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                t.median = seconds;
            } else if (run.run_type == Run::RT_Iteration) {
                t.sum += seconds;
                ++t.runs;
            }
        }
    }

    // Seconds per iteration, or a negative value when the benchmark did not run.
    double seconds(const std::string& name) const {
        const auto it = m_times.find(name);
        if (it == m_times.end())
            return -1;
        if (it->second.median >= 0)
            return it->second.median;
        return it->second.runs > 0 ? it->second.sum / it->second.runs : -1;
    }

private:
    struct Times {
        double median = -1;
        double sum = 0;
        int runs = 0;
    };
    std::map<std::string, Times> m_times;
};

std::string humanTime(double seconds) {
    char text[32];
    if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.3g ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(text, sizeof text, "%.3g us", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.3g ns", seconds * 1e9);
    return text;
}

// What the editor does for a picture: both files read, then the frame decoded.
QImage renderFromFiles(const QString& framePath, const QString& palettePath, int mode) {
    return zantrel::renderFrame(zantrel::readFileBytes(framePath),
                                zantrel::Palette::fromBytes(zantrel::readFileBytes(palettePath)),
                                mode);
}

// Fails the start-up when the two decoders disagree, since a fast wrong picture would
// make every ratio meaningless.
void checkFramesAgree(const std::vector<FrameCase>& frames, const QString& palette) {
    const QByteArray paletteName = palette.toLocal8Bit();
    for (const FrameCase& frame : frames) {
        const QByteArray frameName = frame.path.toLocal8Bit();
        for (int mode = 0; mode < 2; ++mode) {
            const QImage ours = renderFromFiles(frame.path, palette, mode);
            const QImage reference =
                referenceRenderFrame(frameName.constData(), paletteName.constData(), mode);
            if (ours != reference)
                throw std::runtime_error(std::string("frame ") + frame.label + ", " +
                                         kModeNames[mode] +
                                         " size: our picture differs from the reference");
            if (ours == zantrel::greyPicture())
                throw std::runtime_error(std::string("frame ") + frame.label + ", " +
                                         kModeNames[mode] + " size: nothing was painted");
        }
    }
}

void checkListsRead(const BenchInputs& in) {
    const zantrel::ListContents list =
        zantrel::readListBytes(zantrel::readFileBytes(in.scriptList), zantrel::ListMode::First12);
    if (list.count != in.scriptLines || list.entries.value(0) != QLatin1String("zdcrate0001."))
        throw std::runtime_error("scripts.lst did not read back as written");
    const QString expected = QStringLiteral("Name %1 ").arg(in.lastMessage);
    for (auto variant : {zantrel::MessageVariant::ObjectName, zantrel::MessageVariant::ProtoMsg})
        if (zantrel::findMessageIn(zantrel::readFileBytes(in.messages), in.lastMessage, variant) !=
            expected)
            throw std::runtime_error("the last message was not found");
}

void registerFrameBenchmarks(const std::vector<FrameCase>& frames, const QString& palette) {
    const QByteArray paletteName = palette.toLocal8Bit();
    for (const FrameCase& frame : frames) {
        const QByteArray frameName = frame.path.toLocal8Bit();
        for (int mode = 0; mode < 2; ++mode) {
            const QString framePath = frame.path;
            benchmark::RegisterBenchmark(frameBenchName(frame, mode, "ours").c_str(),
                                         [framePath, palette, mode](benchmark::State& state) {
                                             for (auto _ : state) {
                                                 const QImage image =
                                                     renderFromFiles(framePath, palette, mode);
                                                 benchmark::DoNotOptimize(image.constBits());
                                             }
                                         })
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
            // Not judged: shows how much of our time is the decoding and how much the two
            // file reads, which a slow file layer can make dominant for small frames.
            const QByteArray frameBytes = zantrel::readFileBytes(frame.path);
            const zantrel::Palette colours =
                zantrel::Palette::fromBytes(zantrel::readFileBytes(palette));
            benchmark::RegisterBenchmark(frameBenchName(frame, mode, "ours_in_memory").c_str(),
                                         [frameBytes, colours, mode](benchmark::State& state) {
                                             for (auto _ : state) {
                                                 const QImage image = zantrel::renderFrame(
                                                     frameBytes, colours, mode);
                                                 benchmark::DoNotOptimize(image.constBits());
                                             }
                                         })
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
            benchmark::RegisterBenchmark(frameBenchName(frame, mode, "reference").c_str(),
                                         [frameName, paletteName, mode](benchmark::State& state) {
                                             for (auto _ : state) {
                                                 const QImage image = referenceRenderFrame(
                                                     frameName.constData(), paletteName.constData(),
                                                     mode);
                                                 benchmark::DoNotOptimize(image.constBits());
                                             }
                                         })
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
        }
    }
}

struct ListCase {
    const char* name;
    const char* summary;
};

const ListCase kListCases[] = {
    {"lists/readlist_first12_1500_lines", "readlist First12, 1,500-line scripts.lst"},
    {"lists/findmessage_last_of_3000_object_name", "findmessage ObjectName, last of 3,000 lines"},
    {"lists/findmessage_last_of_3000_proto_msg", "findmessage ProtoMsg, last of 3,000 lines"},
};

// Medians of nine runs, so that one slow run (a page-cache miss, another process) does not
// decide the figure.
void registerListBenchmarks(const BenchInputs& in) {
    const QString list = in.scriptList;
    const QString messages = in.messages;
    const qint64 last = in.lastMessage;
    const std::vector<std::function<void(benchmark::State&)>> bodies = {
        [list](benchmark::State& state) {
            for (auto _ : state) {
                const zantrel::ListContents contents = zantrel::readListBytes(
                    zantrel::readFileBytes(list), zantrel::ListMode::First12);
                benchmark::DoNotOptimize(contents.count);
            }
        },
        [messages, last](benchmark::State& state) {
            for (auto _ : state) {
                const QString text = zantrel::findMessageIn(zantrel::readFileBytes(messages), last,
                                                            zantrel::MessageVariant::ObjectName);
                benchmark::DoNotOptimize(text.constData());
            }
        },
        [messages, last](benchmark::State& state) {
            for (auto _ : state) {
                const QString text = zantrel::findMessageIn(zantrel::readFileBytes(messages), last,
                                                            zantrel::MessageVariant::ProtoMsg);
                benchmark::DoNotOptimize(text.constData());
            }
        },
    };
    for (std::size_t i = 0; i < bodies.size(); ++i)
        benchmark::RegisterBenchmark(kListCases[i].name, bodies[i])
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
}

// Prints the figures the runs are judged by; false when one misses its mark.
bool printSummary(const CapturingReporter& reporter, const std::vector<FrameCase>& frames) {
    bool ok = true;
    std::printf("\n");
    for (const FrameCase& frame : frames) {
        for (int mode = 0; mode < 2; ++mode) {
            const double ours = reporter.seconds(frameBenchName(frame, mode, "ours"));
            const double reference = reporter.seconds(frameBenchName(frame, mode, "reference"));
            if (ours <= 0 || reference <= 0)
                continue; // filtered out on the command line
            const double ratio = reference / ours;
            const bool enough = !frame.judged || ratio >= kRequiredRatio;
            ok = ok && enough;
            std::printf("frame decode %s size, %s: ours %s, reference %s, ratio %.0fx%s\n",
                        kModeNames[mode], frame.label, humanTime(ours).c_str(),
                        humanTime(reference).c_str(), ratio,
                        !frame.judged ? " (not judged)"
                        : enough      ? ""
                                      : "  << below the required 100x");
            const double inMemory = reporter.seconds(frameBenchName(frame, mode, "ours_in_memory"));
            if (inMemory > 0)
                std::printf(
                    "    decoding alone, files already read: %s, ratio %.0fx (not judged)\n",
                    humanTime(inMemory).c_str(), reference / inMemory);
        }
    }
    for (const ListCase& c : kListCases) {
        const double median = reporter.seconds(c.name);
        if (median <= 0)
            continue;
        const bool fast = median <= kListLimitSeconds;
        ok = ok && fast;
        std::printf("%s: median %s%s\n", c.summary, humanTime(median).c_str(),
                    fast ? "" : "  << above the 2 ms limit");
    }
    std::printf("%s\n", ok ? "all figures within their limits" : "FAILED: see the marked lines");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "zantrel_bench: cannot make a scratch folder\n");
        return 2;
    }
    BenchInputs in;
    std::vector<FrameCase> frames;
    try {
        in = writeBenchInputs(folder.path());
        frames = {{"157x117", in.fullBoxFrame, true}, {"80x60", in.smallFrame, false}};
        checkFramesAgree(frames, in.palette);
        checkListsRead(in);
    } catch (const zantrel::UserError& e) {
        std::fprintf(stderr, "zantrel_bench: %s\n", qPrintable(e.text()));
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zantrel_bench: %s\n", e.what());
        return 2;
    }

    registerFrameBenchmarks(frames, in.palette);
    registerListBenchmarks(in);

    CapturingReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                     : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return printSummary(reporter, frames) ? 0 : 1;
}
