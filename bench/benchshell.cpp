#include "benchshell.h"

#include "ui/app.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

void SilentPrompter::error(QWidget*, const QString& title, const QString& text) {
    ++messages;
    std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
}

void writeBenchFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
}

int runEditorBenchmarks(int argc, char** argv, void (*setUp)(), zantrel::Shell* (*shell)()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    setUp();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    zantrel::destroyWindows(*shell());
    return 0;
}

QByteArray benchScriptList(int lines) {
    QByteArray scripts;
    for (int i = 0; i < lines; ++i)
        scripts += QByteArray("zs" + QByteArray::number(i).rightJustified(5, '0') + ".int")
                       .leftJustified(16, ' ') +
                   "; Script of the benchmark number " + QByteArray::number(i) + "\r\n";
    return scripts;
}

zantrel::Shell* makeBenchShell(const QString& programFolder, SilentPrompter* prompter,
                               const QString& sources) {
    auto* shell = new zantrel::Shell;
    shell->programFolder = programFolder;
    shell->prompter = prompter;
    shell->quit = [] {};
    zantrel::createWindows(*shell);
    shell->settings.sourcesFolder = sources;
    shell->settings.useSources = QStringLiteral("1");
    return shell;
}
