#include "theme.h"

#include <QFile>
#include <QWidget>

// The sheet is compiled into this static library; its resource must be registered.
static void initTheme() {
    Q_INIT_RESOURCE(theme);
}

namespace zantrel {

QString themeStyleSheet() {
    initTheme();
    QFile file(QStringLiteral(":/theme/theme.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QString(); // never: it is built in
    return QString::fromUtf8(file.readAll());
}

void applyTheme(QWidget* window) {
    static const QString sheet = themeStyleSheet();
    window->setStyleSheet(sheet);
}

} // namespace zantrel
