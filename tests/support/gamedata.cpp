#include "gamedata.h"

#include <QBuffer>
#include <QImage>

zantrel::Settings writeGameData(const TempFolder& folder) {
    QByteArray scripts;
    for (int i = 0; i < 10; ++i)
        scripts += QByteArray("s" + QByteArray::number(i) + ".int").leftJustified(16, ' ') +
                   "; Script number " + QByteArray::number(i) + "\r\n";
    folder.write("Source/scripts.lst", scripts);
    for (const char* list :
         {"items.lst", "critters.lst", "scenery.lst", "walls.lst", "tiles.lst", "misc.lst"}) {
        QByteArray lines;
        for (int i = 0; i < 8; ++i)
            lines += QByteArray(list).left(3) + QByteArray::number(i) +
                     (QByteArray(list) == "critters.lst" ? ",11,1" : ".frm") + "\r\n";
        folder.write(QStringLiteral("Source/") + list, lines);
    }
    folder.write("Source/inven.lst", "inv0.frm\r\ninv1.frm\r\n");
    for (const char* msg : {"pro_item.msg", "pro_crit.msg", "pro_scen.msg", "pro_wall.msg",
                            "pro_tile.msg", "pro_misc.msg"}) {
        QByteArray lines;
        for (int i = 1; i <= 10; ++i)
            lines += "{" + QByteArray::number(i * 100) + "}{}{" + QByteArray(msg).mid(4, 4) + " " +
                     QByteArray::number(i) + "}\r\n";
        folder.write(QStringLiteral("Source/") + msg, lines);
    }
    folder.write("Source/proto.msg",
                 "# Body Types\r\n#\r\n{400}{}{Biped}\r\n{401}{}{Quadruped}\r\n#\r\n"
                 "# Kill Types names\r\n#\r\n# Kill Types names\r\n#\r\n{1450}{}{Drifter}\r\n"
                 "{1451}{}{Scout}\r\n#\r\n");
    // The critter preview's "not available" picture, below the program (and start) folder.
    QImage notav(16, 16, QImage::Format_RGB32);
    notav.fill(Qt::darkGreen);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    notav.save(&buffer, "BMP");
    folder.write("images/notav.bmp", bmp);
    zantrel::Settings s;
    s.gameFolder = folder.file("Game");
    s.sourcesFolder = folder.file("Source");
    s.useSources = "1";
    s.imageSize = "0";
    return s;
}

QByteArray makePrototype(int type, int length) {
    QByteArray p(length, '\0');
    for (int i = 32; i < length; ++i)
        p[i] = char((i * 7 + 3) & 0xFF);
    const QByteArray header =
        QByteArray::fromHex("00AB000100000064000000020000000000000000000020080000000000000005");
    for (int i = 0; i < header.size() && i < length; ++i)
        p[i] = header[i];
    if (type == 1) {
        // A critter whose values all pass the page's range checks: primary statistics 5,
        // hit points 50, action points 8, everything else 0 (body and kill type 0 name the
        // first entries of proto.msg).
        for (int i = 32; i < length; ++i)
            p[i] = 0;
        for (int offset = 48; offset <= 72 && offset + 3 < length; offset += 4)
            p[offset + 3] = 5;
        if (length > 83) {
            p[79] = 50;
            p[83] = 8;
        }
    }
    // Script ids carry their type byte, as the game stores them: 4 for critters, 3 else.
    if (length > 28)
        p[28] = char(type == 1 ? 4 : 3);
    if (type == 4) {
        // A tile has no light fields: flags at 12, flags for use at 16, script at 20 and
        // material at 24.
        const QByteArray tile = QByteArray::fromHex("00002008000000000300000500000003");
        for (int i = 0; i < tile.size() && 12 + i < length; ++i)
            p[12 + i] = tile[i];
    }
    if (length > 0)
        p[0] = char(type);
    if (length > 8)
        p[8] = char(type);
    return p;
}

QStringList installedCheckFiles() {
    QStringList out = {"art/critters/CRITTERS.LST", "art/items/ITEMS.LST",
                       "art/misc/MISC.LST",         "art/scenery/SCENERY.LST",
                       "scripts/SCRIPTS.LST",       "art/tiles/TILES.LST",
                       "art/walls/WALLS.LST",       "COLOR.PAL"};
    for (const char* name :
         {"PRO_CRIT", "PRO_ITEM", "PRO_MISC", "PRO_SCEN", "PRO_TILE", "PRO_WALL", "PROTO"})
        out << QStringLiteral("text/english/game/%1.MSG").arg(QLatin1String(name));
    return out;
}

void writeLooseGame(const TempFolder& folder, const QString& game) {
    for (const QString& name : installedCheckFiles())
        folder.write(game + "/data/" + name, "x\r\n");
}

QByteArray makeFrame(int width, int height, const QByteArray& pixels) {
    QByteArray f(62, '\0');
    f[3] = 4; // version
    for (int v : {width, height})
        f.append(char(v >> 8)).append(char(v & 0xFF));
    return f + QByteArray(8, '\0') + pixels;
}

QByteArray makeAnimation(int fps, int perDirection, int directions, int width, int height) {
    const auto be = [](QByteArray& d, int at, quint32 v, int n) {
        for (int i = n - 1; i >= 0; --i, v >>= 8)
            d[at + i] = char(v & 0xFF);
    };
    QByteArray header(62, '\0'), data;
    be(header, 0, 4, 4);
    be(header, 4, quint32(fps), 2);
    be(header, 8, quint32(perDirection), 2);
    for (int d = 0; d < directions; ++d) {
        for (int dd = d; dd < (directions == 1 ? 6 : d + 1); ++dd)
            be(header, 34 + 4 * dd, quint32(data.size()), 4);
        for (int k = 0; k < perDirection; ++k) {
            QByteArray frame(12, '\0');
            be(frame, 0, quint32(width), 2);
            be(frame, 2, quint32(height), 2);
            be(frame, 4, quint32(width * height), 4);
            data += frame + QByteArray(width * height, char(1 + d * perDirection + k));
        }
    }
    be(header, 58, quint32(data.size()), 4);
    return header + data;
}

QRect paintedArea(const QImage& picture) {
    const QRgb grey = qRgb(128, 128, 128);
    QRect r;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != grey)
                r |= QRect(x, y, 1, 1);
    return r;
}

zantrel::Settings gameAndSources(const TempFolder& t, const char* useSources) {
    zantrel::Settings s;
    s.gameFolder = t.file("Game");
    s.sourcesFolder = t.file("Source");
    s.useSources = QString::fromLatin1(useSources);
    return s;
}
