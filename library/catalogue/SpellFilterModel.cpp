#include "library/catalogue/SpellFilterModel.h"

SpellFilterModel::SpellFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setDynamicSortFilter(true);
}

void SpellFilterModel::sort(int column, Qt::SortOrder order) {
    // The spell model orders its rows by keys made once for the sort, and this proxy keeps
    // that order while it filters. The proxy's own sort would compare rows through data() and
    // sort again each time a filter lets rows back in; at a hundred thousand spells that is
    // most of a second for a keystroke.
    if (m_spells)
        m_spells->sort(column, order);
}

int SpellFilterModel::sortColumn() const {
    return m_spells ? m_spells->sortColumn() : -1;
}

Qt::SortOrder SpellFilterModel::sortOrder() const {
    return m_spells ? m_spells->sortOrder() : Qt::AscendingOrder;
}

void SpellFilterModel::refilter() {
    m_acceptedValid = false;
    // Filtered anew in one pass over the rows in the spell model's order: letting rows back in
    // one stretch at a time, as the proxy does on its own, costs a pass over all rows for each
    // stretch (and the table a new layout for each).
    invalidate();
}

void SpellFilterModel::setSpellModel(SpellTableModel* model) {
    if (m_spells)
        disconnect(m_spells, nullptr, this, nullptr);
    m_spells = model;
    m_acceptedValid = false;
    // Told before the proxy itself (connected first), so the proxy never reads what was decided
    // for rows that changed.
    if (model) {
        const auto forget = [this] { m_acceptedValid = false; };
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, forget);
        connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, forget);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, forget);
        connect(model, &QAbstractItemModel::dataChanged, this, forget);
    }
    setSourceModel(model);
}

void SpellFilterModel::setText(const QString& text) {
    const QString folded = text.trimmed().toCaseFolded();
    if (folded == m_text)
        return;
    m_text = folded;
    refilter();
}

void SpellFilterModel::setLevel(int level) {
    if (level == m_level)
        return;
    m_level = level;
    refilter();
}

void SpellFilterModel::setSchool(const QString& school) {
    if (school == m_school)
        return;
    m_school = school;
    refilter();
}

void SpellFilterModel::setRarestFrequency(qint64 id) {
    if (id == m_rarest)
        return;
    m_rarest = id;
    refilter();
}

void SpellFilterModel::setBook(const QString& book) {
    if (book == m_book)
        return;
    m_book = book;
    refilter();
}

void SpellFilterModel::setSource(int source) {
    if (source == m_source)
        return;
    m_source = source;
    refilter();
}

void SpellFilterModel::setQualifying(std::optional<QSet<QString>> names) {
    if (!names && !m_qualifying)
        return;
    m_qualifying = std::move(names);
    refilter();
}

const SpellTableModel::Row& SpellFilterModel::spellAt(int proxyRow) const {
    return m_spells->row(mapToSource(index(proxyRow, 0)).row());
}

bool SpellFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& /*sourceParent*/) const {
    if (!m_spells)
        return true;
    // Decided for every row at once, in the order the rows lie in memory: taken in the order
    // shown (sorted by schools, say) each row would be a jump to somewhere else.
    if (!m_acceptedValid) {
        const QList<SpellTableModel::Row>& rows = m_spells->storedRows();
        m_accepted.assign(size_t(rows.size()), false);
        for (qsizetype place = 0; place < rows.size(); ++place)
            m_accepted[size_t(place)] = accepts(rows[place]);
        m_acceptedValid = true;
    }
    return m_accepted[size_t(m_spells->storedPlace(sourceRow))];
}

bool SpellFilterModel::accepts(const SpellTableModel::Row& row) const {
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
