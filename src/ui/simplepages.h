#pragma once

#include "proto/document.h"

#include <QByteArray>
#include <QList>
#include <QObject>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace zantrel {

// The scenery, walls, tiles and misc pages: a title, the description refresh button, the
// description box and the file's size. Their prototypes carry nothing else the editor shows.
class SimplePages : public QObject {
    Q_OBJECT
public:
    // pages: the editor's page control, whose tabs 2..5 receive the pages.
    explicit SimplePages(QTabWidget* pages);

    // For object types 2..5; nullptr for others.
    QPlainTextEdit* memo(int objtype) const;
    QLineEdit* sizeField(int objtype) const;
    QPushButton* refreshButton(int objtype) const;
    // The size field's text: the file's length and " bytes".
    void setSize(int objtype, int bytes);

    // The tile's material (offset 24): one of the eight names, or an unknown value shown as
    // its number and kept unless another entry is picked.
    void fillTile(const QByteArray& bytes);
    QList<FieldWrite> tileWrites() const;
    QComboBox* tileMaterial() const { return m_tileMaterial; }

signals:
    void changed();          // the user picked a value
    void refreshRequested(); // a "Refresh ... Description" button was clicked

private:
    QComboBox* m_tileMaterial = nullptr;
    int m_filledMaterial = -1; // the entry the filling selected
    QPlainTextEdit* m_memos[4] = {};
    QLineEdit* m_sizes[4] = {};
    QPushButton* m_buttons[4] = {};
};

} // namespace zantrel
