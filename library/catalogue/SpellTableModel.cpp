#include "library/catalogue/SpellTableModel.h"

#include "library/SpellName.h"

#include <algorithm>
#include <numeric>

namespace {

// Letter case folded as QString::toCaseFolded folds it, the short way for text that is all ASCII
// (nearly every name, book and page), which that function takes through Unicode's tables.
QString folded(const QString& text) {
    bool upper = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return text.toCaseFolded();
        upper = upper || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    }
    if (!upper)
        return text;
    QString result = text;
    for (QChar& c : result) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return result;
}

} // namespace

SpellTableModel::SpellTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SpellTableModel::setCatalogue(const Catalogue& catalogue,
                                   const QHash<QString, QString>& origins,
                                   const QSet<QString>& shippedKeys) {
    QHash<QString, qint64> frequencyIds;
    for (const CatalogueFrequency& frequency : catalogue.frequencies)
        frequencyIds.insert(frequency.name, frequency.id);
    beginResetModel();
    m_rows.clear();
    m_storedByName.clear();
    m_rows.reserve(catalogue.spells.size());
    for (const CatalogueSpell& spell : catalogue.spells) {
        Row row;
        row.spell = spell;
        if (origins.value(spell.name) == SpellOrigin::kShipped)
            row.source = SpellSource::Shipped;
        else if (!shippedKeys.isEmpty() && shippedKeys.contains(spellNameKey(spell.name)))
            row.source = SpellSource::ChangedByYou;
        else
            row.source = SpellSource::Yours;
        row.frequencyId = frequencyIds.value(spell.frequency, 0);
        bool numeric = false;
        const int level = spell.level.toInt(&numeric);
        row.level = numeric && level >= 1 && level <= 9 ? level : 0;
        row.sortName = folded(spell.name);
        // Without a description the name serves alone: a search text is trimmed, so it never
        // ends in the line break that would follow the name.
        row.folded = spell.description.isEmpty()
                         ? row.sortName
                         : row.sortName + QLatin1Char('\n') + folded(spell.description);
        m_rows << std::move(row);
    }
    m_frequencies = catalogue.frequencies;
    m_schools = catalogue.schools;
    m_order = sortedOrder(m_sortColumn, m_sortOrder);
    m_rowOfStored.assign(m_order.size(), 0);
    for (size_t place = 0; place < m_order.size(); ++place)
        m_rowOfStored[size_t(m_order[place])] = int(place);
    endResetModel();
}

int SpellTableModel::rowOf(const QString& name) const {
    // Indexed when first asked: the window shows and filters the rows without it.
    if (m_storedByName.isEmpty() && !m_rows.isEmpty()) {
        m_storedByName.reserve(m_rows.size());
        for (qsizetype place = 0; place < m_rows.size(); ++place)
            m_storedByName.insert(m_rows[place].spell.name, int(place));
    }
    const int stored = m_storedByName.value(name, -1);
    return stored < 0 ? -1 : m_rowOfStored[size_t(stored)];
}

namespace {

// A page's place in the order: page 9 before page 10, and pages that are not numbers after
// every number, by their text.
struct PageKey {
    bool text = false;
    qint64 number = 0;
    QString folded;

    bool operator<(const PageKey& other) const {
        if (text != other.text)
            return !text;
        return text ? folded < other.folded : number < other.number;
    }
};

PageKey pageKey(const QString& page) {
    PageKey key;
    bool numeric = false;
    key.number = page.toLongLong(&numeric);
    key.text = !numeric;
    if (!numeric)
        key.folded = folded(page);
    return key;
}

// Stored places ordered by one key each; ties keep stored order either way.
template <typename Key>
void sortPlaces(std::vector<int>& places, const std::vector<Key>& keys, Qt::SortOrder order) {
    if (order == Qt::AscendingOrder)
        std::stable_sort(places.begin(), places.end(),
                         [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    else
        std::stable_sort(places.begin(), places.end(),
                         [&](int a, int b) { return keys[size_t(b)] < keys[size_t(a)]; });
}

} // namespace

std::vector<int> SpellTableModel::sortedOrder(int column, Qt::SortOrder order) const {
    std::vector<int> places(size_t(m_rows.size()));
    std::iota(places.begin(), places.end(), 0);
    // Each column's keys are made once for the sort, so comparing two rows costs no more than
    // comparing two values.
    auto sortBy = [&](auto keyOf) {
        std::vector<decltype(keyOf(m_rows.first()))> keys;
        keys.reserve(places.size());
        for (const Row& row : m_rows)
            keys.push_back(keyOf(row));
        sortPlaces(places, keys, order);
    };
    if (m_rows.isEmpty())
        return places;
    switch (column) {
    case Name:
        sortBy([](const Row& row) { return QStringView(row.sortName); });
        break;
    case Level:
        sortBy([](const Row& row) { return row.level; });
        break;
    case Schools:
        sortBy([](const Row& row) { return folded(row.spell.schools.join(QStringLiteral(", "))); });
        break;
    case Frequency:
        sortBy([](const Row& row) { return row.frequencyId; });
        break;
    case Book:
        sortBy([](const Row& row) { return folded(row.spell.book); });
        break;
    case Page:
        sortBy([](const Row& row) { return pageKey(row.spell.page); });
        break;
    case Origin:
        sortBy([](const Row& row) { return int(row.source); });
        break;
    default:
        break;
    }
    return places;
}

void SpellTableModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_sortColumn = column;
    m_sortOrder = order;
    std::vector<int> sorted = sortedOrder(column, order);
    std::vector<int> rowOfStored(sorted.size());
    for (size_t place = 0; place < sorted.size(); ++place)
        rowOfStored[size_t(sorted[place])] = int(place);
    // Whoever holds on to a row (the current spell, the selection) keeps its spell.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& held : before)
        after << index(rowOfStored[size_t(m_order[size_t(held.row())])], held.column());
    m_order = std::move(sorted);
    m_rowOfStored = std::move(rowOfStored);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString SpellTableModel::sourceText(SpellSource source) {
    switch (source) {
    case SpellSource::Shipped:
        return tr("Shipped");
    case SpellSource::Yours:
        return tr("Yours");
    case SpellSource::ChangedByYou:
        return tr("Changed by you");
    }
    return QString();
}

int SpellTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SpellTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SpellTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = this->row(index.row());
    const CatalogueSpell& spell = row.spell;
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case Name:
            return spell.name;
        case Level:
            return spell.level;
        case Schools:
            return spell.schools.join(QStringLiteral(", "));
        case Frequency:
            return spell.frequency;
        case Book:
            return spell.book;
        case Page:
            return spell.page;
        case Origin:
            return sourceText(row.source);
        }
    } else if (role == Qt::TextAlignmentRole) {
        if (index.column() == Level || index.column() == Page)
            return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant SpellTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return tr("Name");
    case Level:
        return tr("Level");
    case Schools:
        return tr("Schools");
    case Frequency:
        return tr("Frequency");
    case Book:
        return tr("Book");
    case Page:
        return tr("Page");
    case Origin:
        return tr("Origin");
    }
    return {};
}
