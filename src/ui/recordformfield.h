#pragma once

// The record form's own view of one field, shared by its files only.
#include "formfield.h"
#include "recordform.h"

#include <QString>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace zantrel {

struct RecordForm::Field : FormField {
    std::vector<FormBit> bits;
    QLineEdit* edit = nullptr;      // text fields; a destination's elevation
    QLineEdit* tile = nullptr;      // a destination's tile
    QComboBox* combo = nullptr;     // lists; an attack modes byte's primary mode
    QComboBox* secondary = nullptr; // an attack modes byte's secondary mode
    std::vector<QCheckBox*> boxes;  // bits
    QLabel* name = nullptr;         // prototype and frame ids: what the id names
    std::vector<QWidget*> controls; // every control, for enabling
    std::uint32_t stored = 0;       // the value filled from
    int picked = -1;                // the list entry a guard falls back to
    std::function<bool(std::uint32_t)> guard;
};

} // namespace zantrel
