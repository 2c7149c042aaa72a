#pragma once

#include "typepage.h"

#include <QObject>

#include <memory>

class QPlainTextEdit;
class QTabWidget;

namespace zantrel {

class FramePicture;

// The scenery, walls, tiles and misc pages: a title, the description refresh button, the
// description box, the record's fields, the object's picture and the file's size.
class SimplePages : public QObject {
    Q_OBJECT
public:
    // pages: the editor's page control, whose tabs 2..5 receive the pages.
    SimplePages(QTabWidget* pages, const PageContext& context);
    ~SimplePages() override;

    // For object types 2..5; nullptr for others.
    QPlainTextEdit* memo(int objtype) const;
    // The type's fields (filling also sets the size field).
    TypePage* page(int objtype) const;
    // The type's picture of its art.
    FramePicture* picture(int objtype) const;

signals:
    void refreshRequested(); // a "Refresh ... Description" button was clicked

private:
    std::unique_ptr<TypePage> m_pages[4];
    QPlainTextEdit* m_memos[4] = {};
    FramePicture* m_pictures[4] = {};
};

} // namespace zantrel
