#pragma once

#include <QChar>
#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QCheckBox;
class QFrame;
class QLineEdit;
class QWidget;

namespace zantrel {

// One box of a flag word: the digit value it stands for at its digit position (1..8 from the
// left), the number in its name "CheckBoxN", its caption and its hint (nullptr: none).
struct FlagBoxRow {
    int position;
    char digit;
    int number;
    const char* caption; // UTF-8
    const char* hint;
};

// The boxes of the common word, of the critter's "Flags for Use" and of its "Individual Flags".
const std::vector<FlagBoxRow>& commonFlagRows();
const std::vector<FlagBoxRow>& forUseFlagRows();
const std::vector<FlagBoxRow>& individualFlagRows();

// One flag word: a text of eight hexadecimal digits and the boxes that show it. A box stands
// for the bits of its digit value at its digit position (1..8 from the left): it is checked
// when all of them are set, and clicking it sets or clears them alone, so flags that share a
// digit with it are never lost.
class FlagWord : public QObject {
    Q_OBJECT
public:
    FlagWord() = default;

    void setText(QLineEdit* text) { m_text = text; }
    void add(QCheckBox* box, int position, QChar digit);
    void decode() const; // checks every box whose bits are all set, never unchecks
    void clear() const;  // unchecks every box of the word
    void change();       // the text-change cycle: alarm, clip to 8, clear, write back, decode
    // The click on `box`: its bits at `position` are set when it is now checked, else cleared.
    void flagchange(QCheckBox* box, QChar digit, int position) const;
    QLineEdit* text() const { return m_text; }

signals:
    void edited(); // the text-change cycle ran: the document is modified

private:
    struct Box {
        QCheckBox* box;
        int position;
        QChar digit;
    };
    QLineEdit* m_text = nullptr;
    std::vector<Box> m_boxes;
};

// The common flags word (offset 20): label "FLAGS", the panel of 28 boxes, "Set Manually:" and
// the text. The controls are children of `parent`; whoever creates this object owns it (it has
// no QObject parent) and must delete it no later than `parent`.
class CommonFlags : public QObject {
    Q_OBJECT
public:
    explicit CommonFlags(QWidget* parent);

    void setcommonflags();   // decode Edit13: check every box whose bits are set (never unchecks)
    void clearflags();       // uncheck the 28 boxes; "Set Manually:" untouched
    void manualToggled();    // switch between box editing and typing
    void flagsTextChanged(); // the text-change cycle
    // Opening a prototype: "Set Manually:" becomes usable, and whichever way of editing it
    // selects is open (the boxes stay locked while it is checked).
    void enableForOpen();

    QLineEdit* text() const { return m_text; }     // Edit13
    QFrame* panel() const { return m_panel; }      // Panel1
    QCheckBox* manual() const { return m_manual; } // CheckBox25
    QCheckBox* box(int number) const;              // CheckBoxN, N in 1..29 except 25

signals:
    void edited(); // the word changed: the document is modified

private:
    void applyManual();

    QFrame* m_panel;
    QCheckBox* m_manual;
    QLineEdit* m_text;
    std::array<QCheckBox*, 30> m_boxes{};
    FlagWord m_word;
};

// The critter's "Flags for Use" (offset 24) and "Individual Flags" (offset 44) words, placed on
// the critter page's "Other" tab by a later change: for now the editor keeps the container hidden.
// Owned like CommonFlags.
class CritterFlags : public QObject {
    Q_OBJECT
public:
    explicit CritterFlags(QWidget* container);

    void flagchange(QLineEdit* text, QCheckBox* box, const QString& digit, int position);
    void setflagsonuse();
    void clearflagsonuse();
    void setindividflags();
    void clearindividflags();
    void forUseTextChanged();
    void individualTextChanged();

    QLineEdit* flagsForUse() const { return m_forUseText; } // Edit111
    QLineEdit* individual() const { return m_individText; } // Edit112
    QCheckBox* box(int number) const;                       // CheckBox30..42

signals:
    void edited(); // either word changed: the document is modified

private:
    QLineEdit* m_forUseText;
    QLineEdit* m_individText;
    std::array<QCheckBox*, 13> m_boxes{};
    FlagWord m_forUse;
    FlagWord m_individ;
};

} // namespace zantrel
