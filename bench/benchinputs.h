#pragma once

#include <QByteArray>
#include <QString>

// The files the benchmarks read, made at start-up in a scratch folder so that no game
// data is needed.
struct BenchInputs {
    QString palette;      // color.pal: 256 entries, components 0..63
    QString smallFrame;   // 80 x 60, about 70 % of the pixels painted
    QString fullBoxFrame; // 157 x 117, exactly the picture box
    QString scriptList;   // scripts.lst
    QString messages;     // a message file with ascending numbers
    int scriptLines = 0;  // lines of scripts.lst
    qint64 firstMessage = 0;
    qint64 lastMessage = 0; // the number looked up: found only after every other line
};

// Writes every input into folder. Throws std::runtime_error when a file cannot be written.
BenchInputs writeBenchInputs(const QString& folder);

// A frame file with one direction of one frame, pixels drawn from seed.
QByteArray makeFrameFile(int width, int height, int paintedPercent, unsigned seed);
