// Opening a critter prototype end to end through the editor window, under the offscreen
// platform: a 1,500-line script list and a 550-line critter art list into their boxes, the
// header filled, a 320-line proto.msg read for the type lists and both type names, all six
// critter tabs filled with their range checks, and the facing-3 preview picture loaded.
#include "benchshell.h"
#include "datwriter/datwriter.h"
#include "ui/app.h"
#include "ui/editorwindow.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QByteArray bitmap(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 40));
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    picture.save(&out, "BMP");
    return bytes;
}

// proto.msg of 320 lines: item labels, then the body types, then two kill type headers (the
// first is passed over) with their names, as the game's file is laid out.
QByteArray protoMsg() {
    QByteArray text = "# Prototype messages of the benchmark\r\n# Kill Types names\r\n";
    int lines = 2;
    for (int i = 100; lines < 200; ++i, ++lines)
        text += "{" + QByteArray::number(i) + "}{}{Label " + QByteArray::number(i) + "}\r\n";
    text += "# Body Types\r\n#\r\n";
    lines += 2;
    for (int i = 0; i < 20; ++i, ++lines)
        text += "{" + QByteArray::number(400 + i) + "}{}{Body " + QByteArray::number(i) + "}\r\n";
    text += "#\r\n# Kill Types names\r\n#\r\n";
    lines += 3;
    for (int i = 0; lines < 320; ++i, ++lines)
        text += "{" + QByteArray::number(1450 + i) + "}{}{Kill " + QByteArray::number(i) + "}\r\n";
    return text;
}

// Two critters whose every field differs, opened in turn, so that each opening changes every
// box and runs its change handling.
QByteArray critter(int variant) {
    QByteArray p(416, '\0');
    const QByteArray header =
        QByteArray::fromHex("0100002A00001068010000110000000800010000000020080000B8000000000F");
    p.replace(0, header.size(), header);
    for (int offset = 48; offset <= 396; offset += 4)
        p[offset + 3] = char(1 + (offset / 4 + variant) % 4); // small: every pair in range
    p[184 + 3] = char(variant);
    p[324 + 3] = char(variant);
    p[403] = char(3 + variant);
    p[411] = char(7 + variant);
    p[415] = char(2 + variant);
    p[19] = char(0x10 + variant); // glow intensity
    return p;
}

QTemporaryDir* g_folder = nullptr;
zantrel::Shell* g_shell = nullptr;
SilentPrompter* g_prompter = nullptr;

void setUp() {
    g_folder = new QTemporaryDir;
    const QString src = g_folder->filePath(QStringLiteral("Source"));
    writeBenchFile(src + "/scripts.lst", benchScriptList(1500));
    QByteArray art;
    for (int i = 0; i < 550; ++i)
        art += "zc" + QByteArray::number(i).rightJustified(5, '0') + ",11,1\r\n";
    writeBenchFile(src + "/critters.lst", art);
    QByteArray names;
    for (int i = 1; i <= 550; ++i)
        names +=
            "{" + QByteArray::number(i * 100) + "}{}{Critter " + QByteArray::number(i) + "}\r\n";
    writeBenchFile(src + "/pro_crit.msg", names);
    writeBenchFile(src + "/proto.msg", protoMsg());
    // Frame id 17 of the prototype: "zc00017".
    for (int n = 1; n <= 6; ++n)
        writeBenchFile(g_folder->filePath(QStringLiteral("images/critters/zc00017_%1.bmp").arg(n)),
                       bitmap(100, 100));
    writeBenchFile(g_folder->filePath(QStringLiteral("images/notav.bmp")), bitmap(100, 100));
    for (int variant : {0, 1})
        writeBenchFile(g_folder->filePath(QStringLiteral("c%1.pro").arg(variant)),
                       critter(variant));

    // The same files as the game installs them: inside master.dat among 30,000 other entries,
    // the prototypes too.
    QList<DatEntryIn> master;
    for (int i = 0; i < 30000; ++i)
        master.append({QStringLiteral("art\\misc\\filler%1.frm").arg(i), "x", false});
    master.append({"scripts\\scripts.lst", benchScriptList(1500), true});
    master.append({"art\\critters\\critters.lst", art, true});
    master.append({"text\\english\\game\\pro_crit.msg", names, true});
    master.append({"text\\english\\game\\proto.msg", protoMsg(), true});
    for (int variant : {0, 1})
        master.append(
            {QStringLiteral("proto\\critters\\c%1.pro").arg(variant), critter(variant), true});
    writeBenchFile(g_folder->filePath(QStringLiteral("Game/master.dat")), buildDat(master));

    // The preview pictures are found below the folder current when the editor is made.
    QDir::setCurrent(g_folder->path());
    g_prompter = new SilentPrompter;
    g_shell = makeBenchShell(g_folder->path(), g_prompter, src);
}

void BM_OpenCritter(benchmark::State& state) {
    zantrel::EditorWindow* editor = g_shell->editor;
    const QString files[2] = {g_folder->filePath(QStringLiteral("c0.pro")),
                              g_folder->filePath(QStringLiteral("c1.pro"))};
    int turn = 0;
    for (auto _ : state) {
        editor->openFromTree(files[turn]);
        turn ^= 1;
        benchmark::DoNotOptimize(editor->document().isOpened());
    }
    const auto* name = editor->findChild<QLineEdit*>(QStringLiteral("Edit8"));
    const auto* picture = editor->findChild<QLabel*>(QStringLiteral("Image1"));
    if (g_prompter->messages || !editor->document().isOpened() || !editor->fieldsValid() ||
        editor->document().scriptCount() != 1500 || editor->document().artCount() != 550 || !name ||
        (name->text() != QLatin1String("Kill 7 ") && name->text() != QLatin1String("Kill 8 ")) ||
        !picture || picture->pixmap().isNull())
        state.SkipWithError("the critter did not open as expected");
}
BENCHMARK(BM_OpenCritter)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The same opening with every file read from the game's archive (sources off).
void BM_OpenCritterFromArchive(benchmark::State& state) {
    zantrel::EditorWindow* editor = g_shell->editor;
    g_shell->settings.gameFolder = g_folder->filePath(QStringLiteral("Game"));
    g_shell->settings.useSources = QStringLiteral("0");
    g_shell->gameData(); // the archive's directory is read once, when the settings change
    const QString files[2] = {QStringLiteral("proto/critters/c0.pro"),
                              QStringLiteral("proto/critters/c1.pro")};
    int turn = 0;
    for (auto _ : state) {
        editor->openFromGame(files[turn]);
        turn ^= 1;
        benchmark::DoNotOptimize(editor->document().isOpened());
    }
    if (g_prompter->messages || !editor->document().isOpened() || !editor->fieldsValid() ||
        editor->document().scriptCount() != 1500 || editor->document().artCount() != 550)
        state.SkipWithError("the archived critter did not open as expected");
    g_shell->settings.useSources = QStringLiteral("1");
}
BENCHMARK(BM_OpenCritterFromArchive)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return runEditorBenchmarks(argc, argv, setUp, [] { return g_shell; });
}
