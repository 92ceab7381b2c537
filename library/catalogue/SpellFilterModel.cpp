#include "library/catalogue/SpellFilterModel.h"

SpellFilterModel::SpellFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(SpellTableModel::SortRole);
    setDynamicSortFilter(true);
}

void SpellFilterModel::setSpellModel(SpellTableModel* model) {
    m_spells = model;
    setSourceModel(model);
}

void SpellFilterModel::setText(const QString& text) {
    const QString folded = text.trimmed().toCaseFolded();
    if (folded == m_text)
        return;
    m_text = folded;
    invalidateRowsFilter();
}

void SpellFilterModel::setLevel(int level) {
    if (level == m_level)
        return;
    m_level = level;
    invalidateRowsFilter();
}

void SpellFilterModel::setSchool(const QString& school) {
    if (school == m_school)
        return;
    m_school = school;
    invalidateRowsFilter();
}

void SpellFilterModel::setRarestFrequency(qint64 id) {
    if (id == m_rarest)
        return;
    m_rarest = id;
    invalidateRowsFilter();
}

void SpellFilterModel::setBook(const QString& book) {
    if (book == m_book)
        return;
    m_book = book;
    invalidateRowsFilter();
}

void SpellFilterModel::setSource(int source) {
    if (source == m_source)
        return;
    m_source = source;
    invalidateRowsFilter();
}

void SpellFilterModel::setQualifying(std::optional<QSet<QString>> names) {
    if (!names && !m_qualifying)
        return;
    m_qualifying = std::move(names);
    invalidateRowsFilter();
}

const SpellTableModel::Row& SpellFilterModel::spellAt(int proxyRow) const {
    return m_spells->row(mapToSource(index(proxyRow, 0)).row());
}

bool SpellFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& /*sourceParent*/) const {
    if (!m_spells)
        return true;
    const SpellTableModel::Row& row = m_spells->row(sourceRow);
    if (m_level != 0 && row.level != m_level)
        return false;
    // A spell of a frequency the catalogue does not know is rarer than any.
    if (m_rarest != 0 && (row.frequencyId == 0 || row.frequencyId > m_rarest))
        return false;
    if (!m_school.isEmpty() && !row.spell.schools.contains(m_school))
        return false;
    if (!m_book.isEmpty() && row.spell.book != m_book)
        return false;
    if (m_source >= 0 && int(row.source) != m_source)
        return false;
    if (m_qualifying && !m_qualifying->contains(row.spell.name))
        return false;
    return m_text.isEmpty() || row.folded.contains(m_text);
}
