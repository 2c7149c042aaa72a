#include "treewindow.h"

#include "editorwindow.h"
#include "picture.h"

#include <QAction>
#include <QCloseEvent>

namespace zantrel {

TForm2::TForm2(Shell& shell)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool), m_shell(shell) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Tree"));
    setFixedSize(kWidth, kHeight);
    // A side window of the editor: it leaves the keyboard with the editor when shown and
    // answers the editor's function keys itself when it has the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (m_shell.editor)
        addActions(m_shell.editor->commandActions());
    auto* image1 =
        new Picture(this, QStringLiteral("Image1"), QStringLiteral(":/skins/tree_background.jpg"),
                    QRect(0, 0, kWidth, kHeight), tr("Tree window"));
    // Dragging the background moves both windows, the tree staying docked on the left.
    connect(image1, &Picture::pressed, this, [this](QPoint at) {
        if (m_shell.editor)
            m_shell.editor->dragPress(at);
    });
    connect(image1, &Picture::moved, this, [this](QPoint at) {
        if (m_shell.editor)
            m_shell.editor->dragMove(at);
    });
    connect(image1, &Picture::released, this, [this] {
        if (m_shell.editor)
            m_shell.editor->dragRelease();
    });

    m_image2 =
        new Picture(this, QStringLiteral("Image2"), QStringLiteral(":/skins/treeclose_normal.png"),
                    QRect(45, 549, 72, 16), tr("Close tree"));
    m_image3 =
        new Picture(this, QStringLiteral("Image3"), QStringLiteral(":/skins/treeclose_pressed.png"),
                    QRect(45, 549, 72, 16), tr("Close tree"));
    m_image3->hide();
    connect(m_image2, &Picture::pressed, this, [this] { showOneOf(m_image3, m_image2); });
    for (Picture* p : {m_image2, m_image3})
        connect(p, &Picture::released, this, [this] {
            showOneOf(m_image2, m_image3);
            if (m_shell.editor)
                m_shell.editor->treeClosedByButton();
            close();
        });
}

void TForm2::closeEvent(QCloseEvent* event) {
    // However it is closed, the editor hides it, unchecks "Tree" and re-centres itself.
    event->ignore();
    if (m_shell.editor && m_shell.editor->treeAction()->isChecked())
        m_shell.editor->Tree1Click();
    else
        hide();
}

} // namespace zantrel
