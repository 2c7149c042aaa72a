#include "prototypeswindow.h"

#include "app.h"
#include "core/usererror.h"
#include "prompter.h"
#include "prototypemodel.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zantrel {

namespace {

// The pages' captions, one a type, with the keys that show them (Alt+I, Alt+C ...).
const char* const kTypeCaptions[kObjectTypeCount] = {
    QT_TRANSLATE_NOOP("zantrel::PrototypesWindow", "&Items"),
    QT_TRANSLATE_NOOP("zantrel::PrototypesWindow", "&Critters"),
    QT_TRANSLATE_NOOP("zantrel::PrototypesWindow", "&Scenery"),
    QT_TRANSLATE_NOOP("zantrel::PrototypesWindow", "&Walls"),
    QT_TRANSLATE_NOOP("zantrel::PrototypesWindow", "&Tiles"),
    QT_TRANSLATE_NOOP("zantrel::PrototypesWindow", "&Misc")};

constexpr int kWidth = 560;

} // namespace

PrototypesWindow::PrototypesWindow(AppContext& app) : QWidget(nullptr, Qt::Window), m_app(app) {
    setObjectName(QStringLiteral("PrototypesWindow"));
    setWindowTitle(tr("Prototypes"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PrototypePages"));
    m_pages->setAccessibleName(tr("Prototype types"));
    layout->addWidget(m_pages);
    for (int t = 0; t < kObjectTypeCount; ++t)
        buildPage(ObjectType(t));
    // The filter box of the page shown takes the keyboard, ready for a name.
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && isVisible())
            m_page[std::size_t(index)].filter->setFocus(Qt::OtherFocusReason);
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(&m_app.catalogue, &GameCatalogue::typeChanged, this, [this](ObjectType type) {
        if (m_shownGeneration > 0)
            fill(type);
    });
    connect(&m_app.catalogue, &GameCatalogue::rebuilt, this, [this] {
        if (isVisible())
            fillAll();
    });
    resize(kWidth, 572);
}

PrototypesWindow::~PrototypesWindow() = default;

void PrototypesWindow::buildPage(ObjectType type) {
    Page& page = m_page[std::size_t(type)];
    const int number = int(type) + 1;
    auto* widget = new QWidget(m_pages);
    widget->setObjectName(QStringLiteral("PrototypePage%1").arg(number));
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(4, 6, 4, 4);

    page.filter = new QLineEdit(widget);
    page.filter->setObjectName(QStringLiteral("PrototypeFilter%1").arg(number));
    page.filter->setPlaceholderText(tr("Part of the id, the file or the name"));
    page.filter->setClearButtonEnabled(true);
    page.filter->installEventFilter(this);
    auto* caption = new QLabel(tr("&Filter:"), widget);
    caption->setBuddy(page.filter);
    // Named with their page, as the caption repeats on every page.
    const QString group = tr(kTypeCaptions[int(type)]).remove(QLatin1Char('&'));
    page.filter->setAccessibleName(tr("Filter (%1)").arg(group));
    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(page.filter, 1);
    layout->addLayout(top);

    page.model = new PrototypeModel(type, this);
    page.proxy = new PrototypeFilter(this);
    page.proxy->setSourceModel(page.model);
    QTableView* table = page.table = new QTableView(widget);
    table->setObjectName(QStringLiteral("PrototypeTable%1").arg(number));
    table->setAccessibleName(tr("Prototypes (%1)").arg(group));
    table->setModel(page.proxy);
    table->setSortingEnabled(true);
    table->sortByColumn(PrototypeModel::IdColumn, Qt::AscendingOrder);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false); // Tab leaves the table, as in every other window
    table->setWordWrap(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    // Fixed row heights keep a long list (thousands of tiles) from measuring every row.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // The name takes what the other columns leave; they keep the width of what they hold.
    QHeaderView* columns = table->horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setStretchLastSection(false);
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(PrototypeModel::NameColumn, QHeaderView::Stretch);
    const int digit = fontMetrics().horizontalAdvance(QStringLiteral("0"));
    table->setColumnWidth(PrototypeModel::IdColumn, digit * 8 + 40); // the mark and the sort arrow
    table->setColumnWidth(PrototypeModel::FileColumn, digit * 12 + 12);
    table->setColumnWidth(PrototypeModel::KindColumn, digit * 9 + 12);
    table->setColumnWidth(PrototypeModel::SourceColumn, digit * 11 + 12);
    table->setColumnHidden(PrototypeModel::KindColumn, !page.model->hasKind());
    layout->addWidget(table, 1);

    page.count = new QLabel(widget);
    page.count->setObjectName(QStringLiteral("PrototypeCount%1").arg(number));
    page.count->setWordWrap(true);
    layout->addWidget(page.count);

    connect(page.filter, &QLineEdit::textChanged, this, [this, type](const QString& text) {
        m_page[std::size_t(type)].proxy->setText(text);
        showCount(type);
    });
    // Enter and a double click (or what the desktop takes for opening).
    connect(table, &QAbstractItemView::activated, this,
            [this, type](const QModelIndex& index) { open(type, index); });
    m_pages->addTab(widget, tr(kTypeCaptions[int(type)]));
}

ObjectType PrototypesWindow::currentType() const {
    return ObjectType(qMax(m_pages->currentIndex(), 0));
}

void PrototypesWindow::showType(ObjectType type) {
    m_pages->setCurrentIndex(int(type));
}

void PrototypesWindow::showBeside(const QRect& editorFrame) {
    if (!isVisible()) {
        QScreen* screen = QGuiApplication::screenAt(editorFrame.center());
        const QRect area = screen ? screen->availableGeometry() : QRect();
        QPoint at(editorFrame.right() + 1, editorFrame.top());
        // Where the screen ends first, the window overlaps the editor rather than leave it.
        if (area.isValid() && at.x() + frameGeometry().width() > area.right() + 1)
            at.setX(qMax(area.left(), area.right() + 1 - frameGeometry().width()));
        move(at);
        show();
    }
    raise();
    activateWindow();
    m_page[std::size_t(currentType())].filter->setFocus(Qt::OtherFocusReason);
}

void PrototypesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fillAll();
}

void PrototypesWindow::fillAll() {
    try {
        m_app.catalogue.catalogue(); // read now when stale
    } catch (const UserError& e) {
        m_app.prompter->error(this, tr("Error"), AppContext::withPath(e.text(), e.path()));
        return;
    }
    if (m_shownGeneration == m_app.catalogue.generation())
        return;
    m_shownGeneration = m_app.catalogue.generation();
    for (int t = 0; t < kObjectTypeCount; ++t)
        fill(ObjectType(t));
}

void PrototypesWindow::fill(ObjectType type) {
    Page& page = m_page[std::size_t(type)];
    // The row the user was on stays current when the rows are read again.
    const QModelIndex current = page.table->currentIndex();
    const QVariant id = current.isValid() ? current.data(PrototypeModel::IdRole) : QVariant();
    // Only reads what the catalogue holds: fillAll or the catalogue's own signal read it.
    const Catalogue& catalogue = m_app.catalogue.catalogue();
    page.model->setEntries(catalogue.entries(type));
    page.listProblem = catalogue.listProblem(type);
    if (id.isValid()) {
        const int row = page.model->rowOf(id.toUInt());
        const QModelIndex again = page.proxy->mapFromSource(page.model->index(row, 0));
        if (again.isValid()) {
            page.table->setCurrentIndex(again);
            page.table->scrollTo(again);
        }
    }
    showCount(type);
}

void PrototypesWindow::showCount(ObjectType type) {
    Page& page = m_page[std::size_t(type)];
    const QString& problem = page.listProblem;
    const int all = page.model->rowCount();
    const int shown = page.proxy->rowCount();
    QString text = all == 1 ? tr("1 prototype") : tr("%1 prototypes").arg(all);
    if (shown != all)
        text = tr("%1 of %2").arg(shown).arg(text);
    if (!problem.isEmpty())
        text = tr("No list: %1").arg(problem);
    page.count->setText(text);
    page.table->setAccessibleDescription(text);
}

bool PrototypesWindow::eventFilter(QObject* watched, QEvent* event) {
    const Page& page = m_page[std::size_t(currentType())];
    if (watched != page.filter || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    // From the filter box, Down goes to the rows and Enter opens the row in view: find by
    // typing, then press Enter.
    const int key = static_cast<QKeyEvent*>(event)->key();
    QModelIndex current = page.table->currentIndex();
    if (!current.isValid() && page.proxy->rowCount() > 0)
        current = page.proxy->index(0, 0);
    if (!current.isValid())
        return QWidget::eventFilter(watched, event);
    if (key == Qt::Key_Down) {
        page.table->setCurrentIndex(current);
        page.table->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        page.table->setCurrentIndex(current);
        open(currentType(), current);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PrototypesWindow::open(ObjectType type, const QModelIndex& row) {
    const Page& page = m_page[std::size_t(type)];
    const QModelIndex source = page.proxy->mapToSource(row);
    if (source.isValid())
        emit prototypeChosen(page.model->entry(source.row()).path());
}

} // namespace zantrel
