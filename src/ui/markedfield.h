#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace zantrel {

// The first box marked red below root, in the order a person reads the pages: the tabs one
// after another (hidden ones passed over), the controls in the order they were made.
struct MarkedField {
    QLineEdit* box = nullptr;
    QString tabs; // the captions of the tabs it lies on, outermost first: "Item / Misc"
};
MarkedField findMarkedField(QWidget* root);

// Brings the box's tabs forward and gives it the focus.
void showMarkedField(const MarkedField& field);

} // namespace zantrel
