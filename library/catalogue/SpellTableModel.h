#pragma once

#include "library/SpellCatalogue.h"
#include "library/TextHash.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QString>
#include <array>
#include <unordered_map>
#include <vector>

// The catalogue's spells as a table: one row a spell, with where it came from. The rows are the
// catalogue as read from the database (readCatalogueDatabase); the model keeps no other copy.
// The model sorts itself (sort()): its rows are shown in the order of the sorted column, and a
// row number is a place in that order.
class SpellTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Level, Schools, Frequency, Book, Page, Origin, ColumnCount };
    enum class SpellSource { Shipped, Yours, ChangedByYou };

    // A row is what the model adds to a spell; the spell itself stays in the catalogue's list
    // as it was read, not moved into a row of its own (100,000 spells, 20 MB, when the window
    // opens).
    struct Row {
        const CatalogueSpell& spell;
        SpellSource source = SpellSource::Yours;
        qint64 frequencyId = 0; // 0 when the frequency is not in the catalogue
        int level = 0;          // 0 when the level is not 1 to 9
        QString folded;         // name and description, letter case folded, for the filter box
        QString sortName;       // the name, letter case folded
    };

    explicit SpellTableModel(QObject* parent = nullptr);

    // Replaces every row with the catalogue's spells (taken, not copied), in the order of the
    // column the model is sorted by. origins: what SpellOrigin records for each spell, in the
    // spells' order (readCatalogueDatabase gives it); shippedKeys: the spellNameKey of every
    // spell the program ships, so a spell of the user's that has a shipped spell's name shows as
    // changed by the user.
    void setCatalogue(Catalogue catalogue, const QStringList& origins,
                      const QSet<QString>& shippedKeys);

    const Row& row(int index) const { return m_rows[m_order[index]]; }
    // The rows as stored, whatever the order shown, and where a row shown is stored: for a pass
    // over every row in the order they lie in memory.
    const QList<Row>& storedRows() const { return m_rows; }
    int storedPlace(int index) const { return m_order[size_t(index)]; }
    const QList<CatalogueFrequency>& frequencies() const { return m_frequencies; }
    const QStringList& schools() const { return m_schools; }
    // The row of the spell stored under exactly this name, or -1.
    int rowOf(const QString& name) const;
    static QString sourceText(SpellSource source);

    // Orders the rows by a column: names, schools and books by their folded text, levels as
    // numbers, frequencies from the most common, pages as numbers before pages that are not,
    // origins as listed in SpellSource. Rows that tie keep the order they were stored in, either
    // way. -1 shows the rows as stored. The order holds through setCatalogue.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // For each column, up to count rows whose text in it is longest (in characters): what the
    // columns are fitted to, without measuring every row. One pass over the rows.
    std::array<std::vector<int>, ColumnCount> longestRows(int count) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<int> sortedOrder(int column, Qt::SortOrder order) const;

    QList<CatalogueSpell> m_spells; // as stored; replaced only whole (the rows refer to it)
    QList<Row> m_rows;              // m_spells' rows, in the same order
    std::vector<int> m_order;       // row number -> place in m_rows
    std::vector<int> m_rowOfStored; // place in m_rows -> row number
    // Stored name (a view of the name in m_spells) -> place in m_rows.
    mutable std::unordered_map<QStringView, int, Utf16Hash> m_storedByName;
    QList<CatalogueFrequency> m_frequencies;
    QStringList m_schools;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

Q_DECLARE_TYPEINFO(SpellTableModel::Row, Q_RELOCATABLE_TYPE);
