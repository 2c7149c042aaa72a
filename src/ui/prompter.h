#pragma once

#include <QString>

class QWidget;

namespace zantrel {

// Every message box and file or folder dialog goes through here, so that each user path,
// failures included, can be driven by a test that scripts the answers.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A modal message with the single button OK.
    virtual void error(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK / Cancel; true for OK.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // Yes / No; true for Yes. A recorder that knows only OK / Cancel answers it as confirm.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) {
        return confirm(parent, title, text);
    }
    // A file name, or empty when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& folder, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& preset, const QString& filter,
                             const QString& suffix) = 0;
    // A folder, or empty when the user cancels.
    virtual QString folder(QWidget* parent, const QString& title, const QString& start) = 0;
};

// The real dialogs.
class QtPrompter : public Prompter {
public:
    void error(QWidget* parent, const QString& title, const QString& text) override;
    bool confirm(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    QString openFile(QWidget* parent, const QString& folder, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& preset, const QString& filter,
                     const QString& suffix) override;
    QString folder(QWidget* parent, const QString& title, const QString& start) override;
};

// Asks for the game folder, starting one level above the working folder, where a game
// folder usually sits beside the editor's own. Empty when the user cancels.
QString askGameFolder(Prompter& prompter, QWidget* parent);

// "Fallout PROTO (*.pro)|*.pro" in Qt's filter form.
QString qtFilter(const QString& delphiStyle);

} // namespace zantrel
