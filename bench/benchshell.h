#pragma once

// What the benchmarks that drive the editor window share.
#include "ui/prompter.h"

#include <QByteArray>
#include <QString>

namespace zantrel {
struct Shell;
}

// Answers nothing; a message during a benchmark is a failure, printed and counted.
class SilentPrompter : public zantrel::Prompter {
public:
    int messages = 0;
    void error(QWidget*, const QString& title, const QString& text) override;
    bool confirm(QWidget*, const QString&, const QString&) override { return true; }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString folder(QWidget*, const QString&, const QString&) override { return {}; }
};

// The main of a benchmark that drives the editor window: an application on the offscreen
// platform, the inputs and windows made by setUp, the runs, then the windows destroyed.
int runEditorBenchmarks(int argc, char** argv, void (*setUp)(), zantrel::Shell* (*shell)());

// A script list of the given length, each description from the 19th character.
QByteArray benchScriptList(int lines);

// The four windows in programFolder, reading their data from the sources folder.
zantrel::Shell* makeBenchShell(const QString& programFolder, SilentPrompter* prompter,
                               const QString& sources);

// Writes a generated input (folders created); aborts the run when it cannot.
void writeBenchFile(const QString& path, const QByteArray& bytes);
