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
struct Document;

// The left half of the editor area: the common header's fields in hexadecimal or decimal,
// the script and frame lists beside them, the object type's name, the open and save
// buttons and the common flags.
class HeaderPanel : public QWidget {
    Q_OBJECT
public:
    // What the panel asks of the editor window.
    struct Hooks {
        std::function<void()> setalarm;
        std::function<void()> refreshDescription;  // refreshDescription
        std::function<void(int)> showTypePage;     // an object type 0..5 selects its page
        std::function<void()> frameChanged;        // framePicked's pictures
        std::function<void(const QString&)> error; // shows a conversion failure
        std::function<void(bool)> formatChanged;   // true: decimal display
    };

    HeaderPanel(QWidget* back, const Document& document, Hooks hooks);
    ~HeaderPanel() override;
    // The editor window is going away: events raised while it is torn down (the focus
    // leaving a box) must not call back into it.
    void detach() { m_hooks = Hooks(); }

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
    // The header fields to save, from the boxes in hexadecimal display.
    QList<struct FieldWrite> fieldWrites() const;
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void convert(bool toDecimal);
    bool run(const std::function<void()>& handler); // false when the handler failed
    void applyValidators();
    void alarm(); // the modified mark, while an editor window is attached
    // Every box's handling starts by turning an empty text into "0"; true when it did.
    bool zeroIfEmpty(QLineEdit* edit);
    // The list entry that follows a script or frame box.
    void selectEntry(QComboBox* list, double n, int none, const QString& text);
    // The script id the script box holds, in either display.
    std::uint32_t scriptWord() const;
    bool hasScript() const; // the open type has a script field
    void showNoScript();    // a misc object: "<NONE>", disabled

    const Document& m_document;
    Hooks m_hooks;
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
