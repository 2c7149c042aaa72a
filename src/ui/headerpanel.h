#pragma once

#include <QWidget>

#include <cstdint>

#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zantrel {

class CommonFlags;
struct RecordRow;
struct Document;

// The left half of the editor area: the common header's fields in hexadecimal or decimal,
// the script and frame lists beside them, the object type's name, the open and save
// buttons and the common flags.
class HeaderPanel : public QWidget {
    Q_OBJECT
public:
    HeaderPanel(QWidget* back, const Document& document);
    ~HeaderPanel() override;

    bool decimal() const;
    void showDecimal(); // to decimal
    void showHex();     // to hexadecimal
    void selectHex();   // as opening and saving do; converts when decimal was on
    void boxToHex(const QString& box);
    void boxToDecimal(const QString& box);

    void objectTypeChanged();
    void objectIdChanged();
    void scriptBoxChanged();
    void frameBoxChanged();
    void scriptPicked();
    void framePicked();

    // Fills the boxes with the hex texts of the header (setvalues' second step). False when
    // a box's change handling failed (an object type of 10 or more): the rest is not filled.
    bool fill(const QByteArray& bytes);
    // The header fields as the document takes them: each box's value in hexadecimal, in
    // whichever notation it is shown.
    QList<struct FieldWrite> fieldWrites() const;
    // Shows bytes again (an undo step) in the notation shown now.
    void showBytes(const QByteArray& bytes);
    // Enables the boxes and lists as opening does.
    void enableForOpen();

    QLineEdit* edit(int number) const;
    QComboBox* scripts() const { return m_scriptList; }
    QComboBox* frames() const { return m_frameList; }
    CommonFlags* flags() const { return m_flags.get(); }
    QPushButton* openButton() const { return m_openButton; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* saveAsButton() const { return m_saveAsButton; }
    QRadioButton* decimalButton() const { return m_decimalButton; }
    QRadioButton* hexButton() const { return m_hexButton; }

    // The type in Edit1, read as the description refresh reads it (floating point).
    double typeFieldValue() const;
    // The text number in Edit3 as the description refresh reads it.
    qint64 textIdValue() const;

signals:
    void edited();                      // a box or a flag changed: the modified mark
    void descriptionRefreshRequested(); // the object id was left, a script was picked
    void typeSelected(int type);        // an object type 0..5 selects its page
    void frameChanged();                // a frame was picked: the pictures follow
    void failed(const QString& text);   // a conversion failure to show
    void formatChanged(bool decimal);   // the display switched

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void noteEdit(); // emits edited() unless the notation is being switched
    bool m_converting = false;
    // A word the short file does not hold is shown, never edited nor written.
    void disableAbsent(int number);
    void buildFormatButtons(); // Decimal and HEX
    void buildFileButtons();   // Open, Save, As...
    void buildBoxes();         // the numbered boxes and their captions
    void buildLists();         // the frame and script lists
    void connectBoxes();
    void convert(bool toDecimal);
    bool run(const std::function<void()>& handler); // false when the handler failed
    void applyValidators();
    QString hexOf(int number) const; // a box's text in hexadecimal
    static int boxOf(const RecordRow& row);
    // Every box's handling starts by turning an empty text into "0"; true when it did.
    bool zeroIfEmpty(QLineEdit* edit);
    // The list entry that follows a script or frame box.
    void selectEntry(QComboBox* list, double n, int none, const QString& text);
    // The script id the script box holds, in either display.
    std::uint32_t scriptWord() const;
    bool hasScript() const; // the open type has a script field
    void showNoScript();    // a misc object: "<NONE>", disabled

    const Document& m_document;
    bool m_failed = false;
    QLineEdit* m_edits[14] = {};
    QComboBox* m_scriptList;
    QComboBox* m_frameList;
    QRadioButton* m_decimalButton;
    QRadioButton* m_hexButton;
    QPushButton* m_openButton;
    QPushButton* m_saveButton;
    QPushButton* m_saveAsButton;
    std::unique_ptr<CommonFlags> m_flags;
    QString m_filled[14]; // each box's text as the last open filled it
};

} // namespace zantrel
