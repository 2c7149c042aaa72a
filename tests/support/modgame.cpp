#include "modgame.h"

#include "proto/fieldcodec.h"
#include "proto/records.h"

namespace {

const char* const kArtFolders[] = {"items",    "critters", "scenery", "walls",    "tiles",   "misc",
                                   "intrface", "inven",    "heads",   "backgrnd", "skilldex"};
const char* const kProtoFolders[] = {"items", "critters", "scenery", "walls", "tiles", "misc"};
const char* const kNameFiles[] = {"pro_item", "pro_crit", "pro_scen",
                                  "pro_wall", "pro_tile", "pro_misc"};

// Lines of the format with each "%" replaced by the line's number, counted from first.
QByteArray numberedLines(int lines, const QByteArray& format, int first = 0) {
    QByteArray out;
    for (int i = first; i < first + lines; ++i)
        out += QByteArray(format).replace("%", QByteArray::number(i)) + "\r\n";
    return out;
}

} // namespace

QString writeGameFolder(const TempFolder& folder, const QString& game, int lines, int prototypes) {
    const QString data = game + "/data/";
    folder.write(data + "scripts/scripts.lst", numberedLines(lines, "s%.int ; Script %"));
    for (const char* art : kArtFolders)
        folder.write(data + QStringLiteral("art/%1/%1.lst").arg(art),
                     numberedLines(lines, QByteArray(art) + "%.frm"));
    for (int type = 0; type < 6; ++type) {
        folder.write(data + QStringLiteral("text/english/game/%1.msg").arg(kNameFiles[type]),
                     numberedLines(lines, "{%}{}{Object %}", 100));
        QByteArray list;
        for (int n = 1; n <= prototypes; ++n) {
            const QByteArray name = QByteArray::number(n).rightJustified(8, '0') + ".pro";
            list += name + "\r\n";
            QByteArray proto = makeCleanPrototype(type, n % (type == 0 ? 7 : 6));
            zantrel::setFieldValue(proto, 0, 4, std::uint32_t(type) << 24 | std::uint32_t(n));
            folder.write(data + QStringLiteral("proto/%1/").arg(kProtoFolders[type]) + name, proto);
        }
        folder.write(data + QStringLiteral("proto/%1/%1.lst").arg(kProtoFolders[type]), list);
    }
    folder.write(data + "text/english/game/proto.msg",
                 "{100}{}{Glass}\r\n{101}{}{Metal}\r\n{102}{}{Plastic}\r\n{103}{}{Wood}\r\n");
    return folder.file(game);
}

QByteArray makeCleanPrototype(int type, int kind) {
    QByteArray bytes(57, '\0');
    bytes[0] = char(type);
    zantrel::setFieldValue(bytes, 32, 4, std::uint32_t(kind));
    const zantrel::Record shape = zantrel::recordFor(bytes);
    bytes.resize(shape.expectedLength);
    bytes.fill('\0');
    bytes[0] = char(type);
    if (type == 0 || type == 2)
        zantrel::setFieldValue(bytes, 32, 4, std::uint32_t(kind));
    const zantrel::Record record = zantrel::recordFor(bytes);
    using zantrel::Display;
    for (const zantrel::RecordRow& row : record.rows) {
        std::uint32_t v = 0;
        if (row.offset == 0)
            v = std::uint32_t(type) << 24 | 1;
        else if (row.offset == 4)
            v = 100;
        else if (row.display == Display::FrameId)
            v = (row.offset == 8 ? std::uint32_t(type) : 1u) << 24 | 1;
        else if (row.display == Display::ScriptId)
            v = std::uint32_t(type == 1 ? 4 : 3) << 24 | 1;
        else if (row.display == Display::ProtoId || row.display == Display::Picture ||
                 row.name.endsWith(QLatin1String("(art type)")))
            v = 0xFFFFFFFFu;
        else if (row.offset == 32 && (type == 0 || type == 2))
            v = std::uint32_t(kind);
        zantrel::setFieldValue(bytes, row.offset, row.width, v);
    }
    return bytes;
}

const std::vector<ObjectShape>& everyShape() {
    static const std::vector<ObjectShape> shapes = [] {
        std::vector<ObjectShape> out;
        for (int type = 0; type < 6; ++type) {
            const int kinds = type == 0 ? 7 : type == 2 ? 6 : 1;
            for (int kind = 0; kind < kinds; ++kind)
                out.push_back({type, kind});
        }
        return out;
    }();
    return shapes;
}
