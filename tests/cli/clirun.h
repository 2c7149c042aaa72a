#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

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

// A run and what it must give: its exit status, exactly its standard output, and a text
// its standard error holds.
struct CliCase {
    QStringList args;
    int code;
    QString out;
    const char* err;
};

inline void expectRun(const CliCase& c, const QString& workingFolder = QString()) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const CliRun r = cli(c.args, workingFolder);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.out, c.out);
    EXPECT_TRUE(r.err.contains(QLatin1String(c.err))) << r.err.toStdString();
}
