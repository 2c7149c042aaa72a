#include "prototypemodel.h"

#include "proto/recordkinds.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QStyle>

namespace zantrel {

PrototypeModel::PrototypeModel(ObjectType type, QObject* parent)
    : QAbstractTableModel(parent), m_type(type) {}

bool PrototypeModel::hasKind() const {
    return kindCount(int(m_type)) > 0;
}

void PrototypeModel::setEntries(std::vector<CatalogueEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int PrototypeModel::rowOf(std::uint32_t id) const {
    // Entries stand in list order, so the id's line is its row.
    const std::uint32_t index = id & 0xFFFFFF;
    if (id >> 24 != std::uint32_t(m_type) || index == 0 || index > m_entries.size())
        return -1;
    return int(index) - 1;
}

int PrototypeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

int PrototypeModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PrototypeModel::display(const CatalogueEntry& e, int column) const {
    switch (column) {
    case IdColumn:
        return e.idText();
    case FileColumn:
        return e.file;
    case NameColumn:
        return e.name;
    case KindColumn:
        return e.kindName();
    case SourceColumn:
        return e.problems & MissingFile ? tr("(missing)") : e.source;
    }
    return {};
}

QVariant PrototypeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CatalogueEntry& e = m_entries[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return display(e, index.column());
    case SortRole:
        if (index.column() == IdColumn)
            return e.id();
        return display(e, index.column());
    case IdRole:
        return e.id();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (!e.problems)
            return {};
        return tr("Problems:") + QLatin1Char('\n') + e.problemTexts().join(QLatin1Char('\n'));
    case Qt::DecorationRole:
        if (!e.problems || index.column() != IdColumn)
            return {};
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case Qt::BackgroundRole:
        // The amber of a stored value outside its check: look here, nothing is lost.
        return e.problems ? QVariant(QBrush(QColor(0xd8, 0x90, 0x00))) : QVariant();
    case Qt::ForegroundRole:
        return e.problems ? QVariant(QBrush(Qt::black)) : QVariant();
    }
    return {};
}

QVariant PrototypeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case IdColumn:
        return tr("Id");
    case FileColumn:
        return tr("File");
    case NameColumn:
        return tr("Name");
    case KindColumn:
        return tr("Kind");
    case SourceColumn:
        return tr("Source");
    }
    return {};
}

PrototypeFilter::PrototypeFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(PrototypeModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void PrototypeFilter::setText(const QString& text) {
    if (text.trimmed() == m_text)
        return;
    m_text = text.trimmed();
    invalidateRowsFilter();
}

bool PrototypeFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (sourceParent.isValid())
        return false;
    return static_cast<const PrototypeModel*>(sourceModel())->entry(sourceRow).matches(m_text);
}

} // namespace zantrel
