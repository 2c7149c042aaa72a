// The windows in English: every text a person reads on every window, page and tab, and the
// questions, with the English translation loaded; without it, the program's own texts.
#include "support/editorfixture.h"
#include "ui/filetreewindow.h"
#include "ui/language.h"
#include "ui/settingswindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// The translation goes in before the windows are built and out after they are gone.
struct Language {
    explicit Language(const char* code) : found(installLanguage(*qApp, QLatin1String(code))) {}
    ~Language() { removeLanguage(*qApp); }
    bool found;
};

struct Windows : Language, EditorFixture {
    explicit Windows(const char* code) : Language(code) {
        folder.write("Source/inven.lst", "inv0.frm\r\ninv1.frm\r\n");
    }
    void openType(int type) {
        static const int lengths[] = {60, 416, 49, 36, 28, 36};
        open(write(QStringLiteral("t%1.pro").arg(type), makePrototype(type, lengths[type])));
    }
};

// Every text a widget shows or tells: captions, entries, tabs, tips, titles, names.
QStringList textsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        if (auto* e = qobject_cast<QLineEdit*>(w))
            texts << e->text();
        if (auto* m = qobject_cast<QPlainTextEdit*>(w))
            texts << m->toPlainText();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            texts << g->title();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i);
        if (auto* l = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < l->count(); ++i)
                texts << l->item(i)->text();
        if (auto* t = qobject_cast<QTableWidget*>(w))
            for (int i = 0; i < t->columnCount(); ++i)
                texts << t->horizontalHeaderItem(i)->text();
        if (auto* m = qobject_cast<QMenuBar*>(w))
            for (QAction* a : m->actions())
                texts << a->text();
        if (auto* m = qobject_cast<QMenu*>(w))
            for (QAction* a : m->actions())
                texts << a->text();
    }
    return texts;
}

QStringList cyrillic(const QStringList& texts) {
    static const QRegularExpression letters(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QStringList found;
    for (const QString& t : texts)
        if (t.contains(letters))
            found << t;
    found.removeDuplicates();
    return found;
}

// Every window, page and tab, each prototype type with its inner tabs, then the questions of
// opening over unsaved changes and of closing.
QStringList walk(Windows& f, int& seen) {
    QStringList texts = textsOf(f.w);
    for (int type = 0; type <= 5; ++type) {
        f.openType(type);
        QTabWidget* inner =
            f.w->findChild<QTabWidget*>(type == 0 ? "PageControl3" : "PageControl2");
        const int tabs = type <= 1 ? inner->count() : 1;
        for (int tab = 0; tab < tabs; ++tab) {
            if (type <= 1)
                inner->setCurrentIndex(tab);
            texts << textsOf(f.w);
        }
        for (QMenu* menu : f.w->findChildren<QMenu*>())
            texts << textsOf(menu);
    }
    QTest::keyClick(f.w, Qt::Key_F1);
    texts << textsOf(f.shell.tree);
    SettingsWindow* settings = f.shell.settingsWindow;
    settings->show();
    for (int page = 0; page < 4; ++page) {
        settings->findChild<QListWidget*>("ListBox1")->setCurrentRow(page);
        texts << textsOf(settings);
    }
    settings->closeWindow();
    f.edit(2)->setText("7"); // unsaved changes: opening asks first
    f.prompter.confirmAnswers = {false};
    f.open(f.write("again.pro", makePrototype(5, 36)));
    f.prompter.confirmAnswers = {false};
    f.w->close();
    for (const auto& m : f.prompter.messages)
        texts << m.title << m.text;
    seen = int(texts.size());
    return texts;
}

} // namespace

TEST(Language, EnglishShowsNoCyrillicOnAnyWindowPageOrTab) {
    Windows f("en");
    ASSERT_TRUE(f.found) << "the English translation is compiled in";
    int seen = 0;
    const QStringList texts = walk(f, seen);
    EXPECT_EQ(cyrillic(texts), QStringList());
    EXPECT_GT(seen, 2000) << "the walk reached the pages";
    EXPECT_TRUE(texts.contains("Do you really want to quit?"));
    EXPECT_TRUE(texts.contains("Changes are not saved. Do you really want to open a file?"));
}

TEST(Language, TheProgramsOwnTextsWithoutATranslationAndEnglishWithIt) {
    const struct {
        const char* control;
        bool tip;
        const char* own;
        const char* english;
    } cases[] = {
        {"CheckBox1", false, "Простреливается", "Shoot through"},
        {"CheckBox2", true, "Прозрачность объекта (типа стекло) 25% прозрачен",
         "The object is see-through (like glass): 25% transparent"},
        {"CheckBox11", false, "На задний план", "Flat (background)"},
        {"CheckBox34", false, "Сan't drop items", "Can't drop items"},
        {"CheckBox33", false, "Can't be stolen from", "Can't be stolen from"},
        {"Edit1", true, "Object Type", "Object Type"},
    };
    for (const char* code : {"", "en"}) {
        Windows f(code);
        EXPECT_EQ(f.found, *code != 0);
        for (const auto& c : cases) {
            auto* box = f.w->findChild<QWidget*>(c.control);
            ASSERT_NE(box, nullptr) << c.control;
            auto* button = qobject_cast<QAbstractButton*>(box);
            const QString shown = c.tip || !button ? box->toolTip() : button->text();
            EXPECT_EQ(shown, QString::fromUtf8(*code ? c.english : c.own)) << c.control << code;
        }
    }
}
