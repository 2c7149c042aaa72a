#include "datafolder.h"

#include "core/files.h"

#include <QDir>
#include <QFileInfo>

namespace zantrel {

bool artListFor(int objtype, DataKind& kind, QString& name) {
    static const struct {
        DataKind kind;
        const char* name;
    } lists[] = {{DataKind::ItemArt, "items.lst"},      {DataKind::CritterArt, "critters.lst"},
                 {DataKind::SceneryArt, "scenery.lst"}, {DataKind::WallArt, "walls.lst"},
                 {DataKind::TileArt, "tiles.lst"},      {DataKind::MiscArt, "misc.lst"}};
    if (objtype < 0 || objtype > 5)
        return false;
    kind = lists[objtype].kind;
    name = QLatin1String(lists[objtype].name);
    return true;
}

QString nameMessageFile(int objtype) {
    static const char* const files[] = {"pro_item.msg", "pro_crit.msg", "pro_scen.msg",
                                        "pro_wall.msg", "pro_tile.msg", "pro_misc.msg"};
    return objtype >= 0 && objtype <= 5 ? QLatin1String(files[objtype]) : QString();
}

} // namespace zantrel
