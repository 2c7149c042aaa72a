#pragma once

#include "core/usererror.h"

#include "settings/settingsfile.h"
#include "tempfolder.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

// A small game data set in <folder>/Source, side by side: a script list of ten lines,
// six art lists of eight lines, an inventory list of two, the six object-name message files
// (numbers 100 .. 1000). a proto.msg with two body and two kill types, and images/notav.bmp for the
// critter preview. Returns settings that read it.
zantrel::Settings writeGameData(const TempFolder& folder);

// The default check list's files where an installed game keeps them below its data root
// ("art/critters/CRITTERS.LST", "text/english/game/PROTO.MSG", ...).
QStringList installedCheckFiles();
// Writes them loose, as a game without archives has them, into <folder>/<game>/data.
void writeLooseGame(const TempFolder& folder, const QString& game);

// A prototype of the given type and length: object id 1, text id 100, frame type = type,
// frame id 2, flags 00002008, script 5 (when the file reaches it), and a byte pattern after
// (for critters, values that pass the range checks).
QByteArray makePrototype(int type, int length);

// A frame file: the 62-byte file header, width and height, the rest of the frame header,
// then the pixels (as many as given, which may be fewer than width × height).
QByteArray makeFrame(int width, int height, const QByteArray& pixels);

// A frame file of several frames a direction: fps in its header, directions 1 or 6, and frame
// k of direction d a width × height block of palette index 1 + d × perDirection + k.
QByteArray makeAnimation(int fps, int perDirection, int directions, int width, int height);

// The bounding box of the pixels of a picture that are not the grey background.
QRect paintedArea(const QImage& picture);

// Settings naming <t>/Game as the game folder and <t>/Source as the sources folder, with the
// given sources flag.
zantrel::Settings gameAndSources(const TempFolder& t, const char* useSources);

// What a call throws, as "text @ path", or "no error".
template <typename F> QString errorOf(F f) {
    try {
        f();
    } catch (const zantrel::UserError& e) {
        return e.text() + " @ " + e.path();
    }
    return "no error";
}
