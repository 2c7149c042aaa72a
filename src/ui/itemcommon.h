#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace zantrel {

struct RecordRow;

// A caption at its place on the page.
QLabel* itemLabel(const QString& text, QWidget* parent, QRect place,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A control given its object name, place and (translated) accessible name.
QWidget* itemNamed(QWidget* w, const char* name, QRect place, const char* accessible);

// The item page's Common Stats controls, made from the item's rows at their places (a row's
// control, caption and accessible name are the row's).
// The Graphics group; returns the inventory picture's list.
QComboBox* buildItemGraphics(QWidget* common, const std::vector<RecordRow>& rows);
// The Item Type group; returns the hidden partner box of the single-field checks ("0").
QLineEdit* buildItemKind(QWidget* common, const std::vector<RecordRow>& rows);

// The list entry a stored list value or picture selects: -1 for none. count is the number of
// list lines; the inventory list's "<NONE>" entry sits at count and may be selected.
int listPosition(const RecordRow& row, const QByteArray& bytes, int count);

} // namespace zantrel
