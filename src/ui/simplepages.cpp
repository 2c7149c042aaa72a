#include "simplepages.h"

#include "ui/framepicture.h"
#include "ui/recordpages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace zantrel {

namespace {

constexpr int kPictureHeight = 117; // as the item pictures

const struct {
    const char* title;
    const char* button;
    const char* buttonCaption;
    const char* memo;
    const char* size;
    const char* kind; // for accessible names
} kPages[4] = {
    {QT_TRANSLATE_NOOP("zantrel::SimplePages", "Individual Part - Scenery"), "Button4",
     QT_TRANSLATE_NOOP("zantrel::SimplePages", "Refresh Scenery Description"), "Memo1", "Edit10",
     QT_TRANSLATE_NOOP("zantrel::SimplePages", "Scenery")},
    {QT_TRANSLATE_NOOP("zantrel::SimplePages", "Individual Part - Walls"), "Button6",
     QT_TRANSLATE_NOOP("zantrel::SimplePages", "Refresh Wall Description"), "Memo3", "Edit14",
     QT_TRANSLATE_NOOP("zantrel::SimplePages", "Wall")},
    {QT_TRANSLATE_NOOP("zantrel::SimplePages", "Individual Part - Tiles"), "Button7",
     QT_TRANSLATE_NOOP("zantrel::SimplePages", "Refresh Tile Description"), "Memo4", "Edit15",
     QT_TRANSLATE_NOOP("zantrel::SimplePages", "Tile")},
    {QT_TRANSLATE_NOOP("zantrel::SimplePages", "Individual Part - Misc"), "Button8",
     QT_TRANSLATE_NOOP("zantrel::SimplePages", "Refresh Misc Description"), "Memo5", "Edit16",
     QT_TRANSLATE_NOOP("zantrel::SimplePages", "Misc")},
};

} // namespace

SimplePages::SimplePages(QTabWidget* pages, const PageContext& context) : QObject(pages) {
    for (int i = 0; i < 4; ++i) {
        QWidget* page = pages->widget(2 + i);
        const auto& p = kPages[i];
        const QString kind = tr(p.kind);
        auto* title = new QLabel(tr(p.title), page);
        title->setGeometry(0, 6, 375, 24);
        title->setAlignment(Qt::AlignHCenter);
        QFont italic(QStringLiteral("DS Sofachrome"));
        italic.setItalic(true);
        italic.setPointSize(12);
        title->setFont(italic);

        auto* button = new QPushButton(tr(p.buttonCaption), page);
        button->setObjectName(QLatin1String(p.button));
        button->setGeometry(3, 40, 369, 18);
        QFont courier(QStringLiteral("Courier New"));
        courier.setBold(true);
        courier.setStyleHint(QFont::Monospace);
        courier.setPointSize(9);
        button->setFont(courier);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, &SimplePages::refreshRequested);

        auto* memo = new QPlainTextEdit(page);
        memo->setObjectName(QLatin1String(p.memo));
        memo->setGeometry(2, 60, 371, 47);
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setAccessibleName(tr("%1 description").arg(kind));

        auto* sizeLabel = new QLabel(tr("Size:"), page);
        sizeLabel->setGeometry(230, 376, 36, 20);
        sizeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* size = new QLineEdit(page);
        size->setObjectName(QLatin1String(p.size));
        size->setGeometry(270, 376, 97, 20);
        size->setReadOnly(true);
        size->setAccessibleName(tr("%1 file size").arg(kind));

        m_pages[i] = createRecordPage(page, 2 + i, context, size);
        // Below the record's fields, left of the size: scenery's kinds leave it less height.
        const QRect place =
            i == 0 ? QRect(2, 312, 161, 88) : QRect(2, i == 2 ? 174 : 202, 161, kPictureHeight + 4);
        m_pictures[i] = new FramePicture(page, 2 + i, context, place);
        m_memos[i] = memo;
    }
}

QPlainTextEdit* SimplePages::memo(int objtype) const {
    return objtype >= 2 && objtype <= 5 ? m_memos[objtype - 2] : nullptr;
}

FramePicture* SimplePages::picture(int objtype) const {
    return objtype >= 2 && objtype <= 5 ? m_pictures[objtype - 2] : nullptr;
}

TypePage* SimplePages::page(int objtype) const {
    return objtype >= 2 && objtype <= 5 ? m_pages[objtype - 2].get() : nullptr;
}

SimplePages::~SimplePages() = default;

} // namespace zantrel
