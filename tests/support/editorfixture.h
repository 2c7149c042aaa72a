#pragma once

#include "ui/headerpanel.h"
#include "ui/editorwindow.h"
#include "support/gamedata.h"
#include "support/shellfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// The editor window on screen over a written game data set, opening through F2 and the
// open dialog and saving through F3.
struct EditorFixture : ShellFixture {
    zantrel::EditorWindow* w;
    zantrel::HeaderPanel* h;
    EditorFixture() : w(shell.editor), h(shell.editor->header()) {
        shell.settings = writeGameData(folder);
        w->showCentred();
        QApplication::setActiveWindow(w);
    }
    QLineEdit* edit(int n) { return h->edit(n); }
    QString text(int n) { return h->edit(n)->text(); }
    void open(const QString& path) {
        prompter.fileAnswers.push_back(path);
        QTest::keyClick(w, Qt::Key_F2);
    }
    QString write(const QString& name, const QByteArray& bytes) {
        return folder.write(name, bytes);
    }
    // A user's pick in a list.
    void pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void save() { QTest::keyClick(w, Qt::Key_F3); }
};
