#pragma once

#include <QObject>
#include <QRect>

class QComboBox;
class QLineEdit;
class QWidget;

namespace zantrel {

class GameNames;

// The critter's AI packet by name: a pick list of the game's packets (data/ai.txt) kept in
// step with the packet number box. Picking a name puts its number into the box, which the
// page saves; a number the game does not name stays in the box and the list shows it as
// that number.
class AiPacketList : public QObject {
    Q_OBJECT
public:
    // The caption and the list (ComboBox11) take place in page; they belong to it.
    AiPacketList(QWidget* page, QLineEdit* number, QRect place);

    // The game's packets, in their file's order; then the entry of the box's number.
    void fill(const GameNames& names);
    QComboBox* list() const { return m_list; }

private:
    void follow(); // the number box changed
    void picked(int index);

    QLineEdit* m_number;
    QComboBox* m_list;
};

} // namespace zantrel
