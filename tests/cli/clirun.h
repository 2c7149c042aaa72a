#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The built zantrel-cli run as a user runs it.
struct CliRun {
    int code = -1;
    QString out;
    QString err;
    QByteArray bytes; // standard output as it came
};

inline CliRun cli(const QStringList& args, const QString& workingFolder = QString()) {
    QProcess p;
    p.setWorkingDirectory(workingFolder);
    p.start(QStringLiteral(ZANTREL_CLI), args);
    CliRun r;
    if (!p.waitForFinished(30000))
        return r;
    r.code = p.exitCode();
    r.bytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.bytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}
