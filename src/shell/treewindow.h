#pragma once

#include "shell.h"

#include <QWidget>

namespace zantrel {

class Picture;

// The narrow side window docked on the editor window's left, for picking prototype files.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(Shell& shell);

    static constexpr int kWidth = 160;
    static constexpr int kHeight = 572;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Shell& m_shell;
    Picture* m_image2; // close button
    Picture* m_image3; // its pressed picture
};

} // namespace zantrel
