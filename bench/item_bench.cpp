// Opening an item prototype end to end through the editor window, under the offscreen
// platform: a 1,500-line script list, 600-line item and inventory art lists, the header and
// the item page filled, and both pictures (frames that fill the 157 x 117 boxes) drawn at
// full size. The same opening with the art files absent shows what the drawing costs, and
// with game-sized proto.msg, perk.msg and stat.msg what naming the weapon's lists costs.
#include "benchshell.h"
#include "ui/app.h"
#include "ui/editorwindow.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// A frame as large as the picture box, about two thirds of it painted.
QByteArray boxFrame() {
    const int w = 157, h = 117;
    QByteArray f(62, '\0');
    for (int v : {w, h})
        f.append(char(v >> 8)).append(char(v & 0xFF));
    f.append(QByteArray(8, '\0'));
    for (int i = 0; i < w * h; ++i)
        f.append(char(i % 3 ? 1 + i % 200 : 0));
    return f;
}

QTemporaryDir* g_folder = nullptr;
zantrel::Shell* g_shell = nullptr;
SilentPrompter* g_prompter = nullptr;

void setUp() {
    g_folder = new QTemporaryDir;
    const QString src = g_folder->filePath(QStringLiteral("Source"));
    const QString game = g_folder->filePath(QStringLiteral("Game"));
    writeBenchFile(src + "/scripts.lst", benchScriptList(1500));
    QByteArray items, inven, names;
    for (int i = 0; i < 600; ++i) {
        items += "zit" + QByteArray::number(i).rightJustified(5, '0') + ".frm\r\n";
        inven += "zin" + QByteArray::number(i).rightJustified(5, '0') + ".frm\r\n";
        names += "{" + QByteArray::number(i * 100) + "}{}{Item " + QByteArray::number(i) + "}\r\n";
    }
    writeBenchFile(src + "/items.lst", items);
    writeBenchFile(src + "/inven.lst", inven);
    writeBenchFile(src + "/pro_item.msg", names);
    QByteArray palette;
    for (int i = 0; i < 256; ++i)
        palette += QByteArray(1, char(i % 64)) + char((i / 4) % 64) + char((255 - i) % 64);
    writeBenchFile(src + "/color.pal", palette);
    // The item shows frame 300 on the ground and inventory picture 450.
    writeBenchFile(game + "/data/art/items/zit00300.frm", boxFrame());
    writeBenchFile(game + "/data/art/inven/zin00450.frm", boxFrame());
    // The same lists beside the game's message files, each about the size of the game's.
    const QString named = g_folder->filePath(QStringLiteral("Named"));
    QByteArray perks, stats, protoMsg;
    const QByteArray about(160, 'x');
    for (int i = 0; i < 119; ++i) {
        perks += "{" + QByteArray::number(101 + i) + "}{}{Perk " + QByteArray::number(i) + "}\r\n";
        perks += "{" + QByteArray::number(1101 + i) + "}{}{" + about + "}\r\n";
    }
    for (int i = 0; i < 38; ++i) {
        stats += "{" + QByteArray::number(100 + i) + "}{}{Stat " + QByteArray::number(i) + "}\r\n";
        stats += "{" + QByteArray::number(200 + i) + "}{}{" + about + "}\r\n";
    }
    for (int i = 100; i < 1600; i += 3)
        protoMsg += "{" + QByteArray::number(i) + "}{}{Name " + QByteArray::number(i) + "}\r\n";
    writeBenchFile(named + "/perk.msg", perks);
    writeBenchFile(named + "/stat.msg", stats);
    writeBenchFile(named + "/proto.msg", protoMsg);
    for (const char* f : {"scripts.lst", "items.lst", "inven.lst", "pro_item.msg", "color.pal"})
        QFile::copy(src + "/" + f, named + "/" + f);
    // A weapon of the game's length: the kind's tab with its perk and caliber lists.
    QByteArray proto =
        QByteArray::fromHex("0000012C000075300000012C000000000000000000002008000000000000005D");
    proto += QByteArray::fromHex("0000000300000001000000140000000500000064070001C2");
    proto += QByteArray(122 - proto.size(), '\x01');
    writeBenchFile(g_folder->filePath(QStringLiteral("i.pro")), proto);

    g_prompter = new SilentPrompter;
    g_shell = makeBenchShell(g_folder->path(), g_prompter, src);
    g_shell->settings.gameFolder = game;
    g_shell->settings.imageSize = QStringLiteral("0");
}

bool painted(const char* box) {
    const QImage img = g_shell->editor->findChild<QLabel*>(QLatin1String(box))->pixmap().toImage();
    return img.pixel(78, 58) != qRgb(128, 128, 128);
}

// Argument 1: both frame files present; 0: the game folder holds no art, nothing is drawn;
// 2: the pictures and the game's message files for the names.
void BM_OpenItem(benchmark::State& state) {
    const bool pictures = state.range(0) >= 1;
    g_shell->settings.gameFolder =
        g_folder->filePath(pictures ? QStringLiteral("Game") : QStringLiteral("NoGame"));
    g_shell->settings.sourcesFolder = g_folder->filePath(
        state.range(0) == 2 ? QStringLiteral("Named") : QStringLiteral("Source"));
    zantrel::EditorWindow* editor = g_shell->editor;
    for (auto _ : state) {
        editor->openFromTree(g_folder->filePath(QStringLiteral("i.pro")));
        benchmark::DoNotOptimize(editor->document().isOpened());
    }
    const auto* inventory = editor->findChild<QComboBox*>(QStringLiteral("ComboBox8"));
    if (g_prompter->messages || !editor->document().isOpened() || inventory->count() != 601 ||
        inventory->currentIndex() != 450 ||
        (pictures && !(painted("Image12") && painted("Image13"))))
        state.SkipWithError("the item did not open as expected");
}
BENCHMARK(BM_OpenItem)
    ->ArgName("pictures")
    ->Arg(1)
    ->Arg(0)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return runEditorBenchmarks(argc, argv, setUp, [] { return g_shell; });
}
