// The critter page through the real editor window: a generated critter, its proto.msg and
// the helpers the critter tests share.
#pragma once

#include "proto/critterrows.h"
#include "support/gamedata.h"
#include "support/shellfixture.h"
#include "ui/critterpreview.h"
#include "ui/editorwindow.h"
#include "ui/frameclock.h"
#include "ui/headerpanel.h"
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zantrel;

// Body types 400..402 with an entry "0403" that only looks like 403; kill types 1450..1452.
// The first "# Kill Types names" is passed over.
const QByteArray kProtoMsg = crlf({
    "# Prototype messages of the tests",
    "# Kill Types names",
    "{100}{}{Armor}",
    "# Body Types",
    "#",
    "{400}{}{Biped}",
    "{401}{}{Quadruped}",
    "{0403}{}{Padded}",
    "{402}{}{Robot}",
    "#",
    "# Kill Types names",
    "#",
    "{1450}{}{Men}",
    "{1451}{}{Women}",
    "{1452}{}{Super Mutants}",
    "#",
});

const QColor kRed(255, 0, 0);
const QColor kNormal(0x0a, 0x0e, 0x0a);
const QString kCannotSave = QStringLiteral("Cannot save file. Please check marked fields");

// A critter of frame 2 ("cri2") whose record is zero (gender "Male", body 400, kill 1450) but
// for base hit points 300 and action points 10, so that negative bonuses stay in range.
inline QByteArray critter() {
    QByteArray p = makePrototype(1, 416);
    for (int i = 12; i < 416; ++i)
        if (i < 20 || (i >= 24 && i < 28) || i >= 32)
            p[i] = 0;
    p[78] = 0x01;
    p[79] = 0x2C;
    p[83] = 10;
    return p;
}

inline QString hex8(int value) {
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0'));
}

inline std::string hex(const QByteArray& bytes) {
    return bytes.toHex(' ').toStdString();
}

inline void put(QByteArray& p, int offset, const char* hex) {
    const QByteArray b = QByteArray::fromHex(hex);
    p.replace(offset, b.size(), b);
}

inline QByteArray bmp(QColor colour) {
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    picture.save(&out, "BMP");
    return bytes;
}

// Facing n is drawn in red 40 * n, the not-available picture in blue.
inline QColor facingColour(int n) {
    return QColor(40 * n, 0, 0);
}

// The animation's clock, ticked by the test: no test waits for time to pass.
class ManualClock : public FrameClock {
public:
    void start(int milliseconds) override {
        m_interval = milliseconds;
        m_active = true;
    }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    int interval() const override { return m_interval; }
    void tick() {
        if (m_active)
            emit ticked();
    }

private:
    int m_interval = 0;
    bool m_active = false;
};

struct Critters : ShellFixture {
    ManualClock* clock = nullptr;
    EditorWindow* w = nullptr;
    QString path;
    int files = 0;

    // The program started from <program folder>/<startBelow> when that is given.
    explicit Critters(const QString& startBelow = {}) : ShellFixture(false) {
        if (!startBelow.isEmpty())
            QDir::setCurrent(folder.mkdir(startBelow));
        shell.makeClock = [this] { return clock = new ManualClock; };
        create();
        w = shell.editor;
        shell.settings = writeGameData(folder);
        folder.write("Source/proto.msg", kProtoMsg);
        folder.write("images/notav.bmp", bmp(Qt::blue)); // as every install has it
        w->showCentred();
        QApplication::setActiveWindow(w);
    }
    QLineEdit* edit(const QString& name) const { return w->findChild<QLineEdit*>(name); }
    QComboBox* combo(const QString& name) const { return w->findChild<QComboBox*>(name); }
    QLabel* label(const QString& name) const { return w->findChild<QLabel*>(name); }
    QString text(const QString& name) const {
        if (QComboBox* c = combo(name))
            return c->currentText();
        return edit(name)->text();
    }
    QTabWidget* inner() const { return w->findChild<QTabWidget*>("PageControl2"); }
    void open(const QByteArray& bytes) {
        path = folder.write(QStringLiteral("c%1.pro").arg(++files), bytes);
        prompter.fileAnswers.push_back(path);
        QTest::keyClick(w, Qt::Key_F2);
    }
    QByteArray save() {
        QTest::keyClick(w, Qt::Key_F3);
        return fileBytes(path);
    }
    void bringForward(QWidget* control) {
        for (int i = 0; i < inner()->count(); ++i)
            if (inner()->widget(i)->isAncestorOf(control))
                inner()->setCurrentIndex(i);
    }
    // Types as the user does: everything selected, then the keys (Backspace for nothing).
    void type(const QString& name, const QString& t) {
        QLineEdit* e = edit(name) ? edit(name) : combo(name)->lineEdit();
        bringForward(e);
        e->setFocus();
        e->selectAll();
        if (t.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            QTest::keyClicks(e, t);
    }
    void pick(const QString& name, const QString& entry) {
        QComboBox* c = combo(name);
        const int at = c->findText(entry);
        c->setCurrentIndex(at);
        emit c->activated(at);
    }
    // The background the user sees at the right end of the box, clear of its text.
    QColor colour(const QString& name) {
        QLineEdit* e = edit(name);
        bringForward(e);
        const QImage shot = e->grab().toImage();
        return shot.pixelColor(shot.width() - 4, shot.height() / 2);
    }
    QString lastMessage() const {
        return prompter.messages.empty() ? QString() : prompter.messages.back().text;
    }
    // Two moves: a move to where the pointer already is raises no event, and the base and
    // extra boxes of a statistic lie at the same place of their tabs.
    void moveOver(QWidget* target, QPoint at) {
        QTest::mouseMove(target, at + QPoint(1, 1));
        QTest::mouseMove(target, at);
    }
    void hover(const QString& name, QPoint at = {}) {
        QWidget* target = edit(name);
        bringForward(target);
        moveOver(target, at.isNull() ? QPoint(target->width() / 2, 5) : at);
    }
    void hoverPage(int tab, QPoint at) {
        inner()->setCurrentIndex(tab);
        moveOver(inner()->widget(tab), at);
    }
    // The facing whose colour Image1 shows; 0 for the not-available picture, -1 for none.
    int shownFacing() const {
        const QPixmap p = label("Image1")->pixmap();
        if (p.isNull())
            return -1;
        const QColor c = p.toImage().pixelColor(0, 0);
        if (c == QColor(Qt::blue))
            return 0;
        for (int n = 1; n <= 6; ++n)
            if (c == facingColour(n))
                return n;
        return -1;
    }
    void drawPictures(const char* name) {
        for (int n = 1; n <= 6; ++n)
            folder.write(QStringLiteral("images/critters/%1_%2.bmp").arg(name).arg(n),
                         bmp(facingColour(n)));
        folder.write("images/notav.bmp", bmp(Qt::blue));
    }
    QPushButton* rotate() const { return w->findChild<QPushButton*>("BitBtn1"); }
    QPushButton* play() const { return w->findChild<QPushButton*>("BitBtn2"); }
    QTimer* timer() const { return w->findChild<QTimer*>("Timer1"); }
};
