#pragma once

#include "gamedata/catalogue.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

namespace zantrel {

// The lines of one type's list as table rows: Id (8 hex digits), File, Name, Kind, Source.
// A row with a problem carries a warning mark and says its problems in its tooltip.
class PrototypeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { IdColumn, FileColumn, NameColumn, KindColumn, SourceColumn, ColumnCount };
    // SortRole: what a column sorts by (the id as a number); IdRole: the row's prototype id.
    enum Role { SortRole = Qt::UserRole, IdRole };

    explicit PrototypeModel(ObjectType type, QObject* parent = nullptr);

    ObjectType type() const { return m_type; }
    // Only items and scenery have kinds; the other types' tables hide the column.
    bool hasKind() const;
    void setEntries(std::vector<CatalogueEntry> entries);
    const CatalogueEntry& entry(int row) const { return m_entries[std::size_t(row)]; }
    // The row of a prototype id; -1 when none has it.
    int rowOf(std::uint32_t id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant display(const CatalogueEntry& entry, int column) const;

    ObjectType m_type;
    std::vector<CatalogueEntry> m_entries;
};

// Sorts the rows by any column and keeps those whose id, file or name contains the filter
// text, in any letter case (the command line's list filters by the same rule).
class PrototypeFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit PrototypeFilter(QObject* parent = nullptr);
    void setText(const QString& text);
    const QString& text() const { return m_text; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_text;
};

} // namespace zantrel
