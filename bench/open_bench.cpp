// Opening a prototype end to end through the editor window, under the offscreen platform:
// the file read, a 1,500-line script list and a 2,300-line art list into their boxes, the
// header filled, the flags decoded and the description refreshed.
#include "benchshell.h"
#include "ui/editorwindow.h"
#include "ui/prompter.h"
#include "ui/app.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QTemporaryDir* g_folder = nullptr;
zantrel::Shell* g_shell = nullptr;
SilentPrompter* g_prompter = nullptr;

void setUp() {
    g_folder = new QTemporaryDir;
    const QString src = g_folder->filePath(QStringLiteral("Source"));
    QDir().mkpath(src);
    writeBenchFile(src + "/scripts.lst", benchScriptList(1500));
    QByteArray art;
    for (int i = 0; i < 2300; ++i)
        art += "zsc" + QByteArray::number(i).rightJustified(5, '0') + ".frm\r\n";
    writeBenchFile(src + "/scenery.lst", art);
    QByteArray names;
    for (int i = 1; i <= 2300; ++i)
        names +=
            "{" + QByteArray::number(i * 100) + "}{}{Scenery " + QByteArray::number(i) + "}\r\n";
    writeBenchFile(src + "/pro_scen.msg", names);
    QByteArray proto =
        QByteArray::fromHex("0200044C0001AD70020008FB00000000000000000000200800000000000005DB");
    proto += QByteArray(17, '\x11');
    writeBenchFile(g_folder->filePath(QStringLiteral("s.pro")), proto);

    g_prompter = new SilentPrompter;
    g_shell = makeBenchShell(g_folder->path(), g_prompter, src);
}

void BM_OpenScenery(benchmark::State& state) {
    zantrel::EditorWindow* editor = g_shell->editor;
    for (auto _ : state) {
        editor->openFromTree(g_folder->filePath(QStringLiteral("s.pro")));
        benchmark::DoNotOptimize(editor->document().isOpened());
    }
    if (g_prompter->messages || !editor->document().isOpened() ||
        editor->document().scriptCount() != 1500 || editor->document().artCount() != 2300)
        state.SkipWithError("the prototype did not open as expected");
}
BENCHMARK(BM_OpenScenery)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return runEditorBenchmarks(argc, argv, setUp, [] { return g_shell; });
}
