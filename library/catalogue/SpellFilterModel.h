#pragma once

#include "library/catalogue/SpellTableModel.h"

#include <QSet>
#include <QSortFilterProxyModel>
#include <QString>
#include <optional>
#include <vector>

// The filters of the catalogue window over a SpellTableModel: words of the name or the
// description, level, school, rarest frequency, book, origin, and the spells that qualify for
// a request. Each setter refilters only when the filter changed. The rows shown are in the
// spell model's order: sorting is done there.
class SpellFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit SpellFilterModel(QObject* parent = nullptr);

    void setSpellModel(SpellTableModel* model);
    SpellTableModel* spellModel() const { return m_spells; }

    void setText(const QString& text);     // "" for any
    void setLevel(int level);              // 0 for any
    void setSchool(const QString& school); // "" for any
    void setRarestFrequency(qint64 id);    // 0 for any
    void setBook(const QString& book);     // "" for any
    void setSource(int source);            // -1 for any, else a SpellTableModel::SpellSource
    // The stored names of the spells that qualify; nullopt: no such filter.
    void setQualifying(std::optional<QSet<QString>> names);

    // The spell of a proxy row.
    const SpellTableModel::Row& spellAt(int proxyRow) const;

    // Sorting is the spell model's (SpellTableModel::sort); the rows shown keep its order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const;
    Qt::SortOrder sortOrder() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void refilter();
    bool accepts(const SpellTableModel::Row& row) const;

    SpellTableModel* m_spells = nullptr;
    QString m_text; // folded
    int m_level = 0;
    QString m_school;
    qint64 m_rarest = 0;
    QString m_book;
    int m_source = -1;
    std::optional<QSet<QString>> m_qualifying;
    // Whether each row passes the filters, by its place as stored; decided anew after a change.
    mutable std::vector<bool> m_accepted;
    mutable bool m_acceptedValid = false;
};
