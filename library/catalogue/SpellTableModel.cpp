#include "library/catalogue/SpellTableModel.h"

#include "library/SpellName.h"

#include <algorithm>
#include <numeric>

namespace {

// Letter case folded as QString::toCaseFolded folds it, the short way for text that is all ASCII
// (nearly every name, book and page), which that function takes through Unicode's tables.
QString folded(const QString& text) {
    const QChar* units = text.constData();
    const qsizetype size = text.size();
    qsizetype at = 0;
    for (; at < size; ++at) {
        const char16_t unit = units[at].unicode();
        if (unit >= 0x80)
            return text.toCaseFolded();
        if (unit >= u'A' && unit <= u'Z')
            break;
    }
    if (at == size)
        return text;
    // Written once, not copied and then changed in place.
    QString result(size, Qt::Uninitialized);
    QChar* out = result.data();
    std::copy(units, units + at, out);
    for (; at < size; ++at) {
        const char16_t unit = units[at].unicode();
        if (unit >= 0x80)
            return text.toCaseFolded();
        out[at] = QChar(unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit);
    }
    return result;
}

} // namespace

SpellTableModel::SpellTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SpellTableModel::setCatalogue(Catalogue catalogue, const QStringList& origins,
                                   const QSet<QString>& shippedKeys) {
    beginResetModel();
    m_rows.clear();
    m_storedByName.clear();
    m_spells = std::move(catalogue.spells);
    m_rows.reserve(m_spells.size());
    // A catalogue has a handful of frequencies, and its spells share their texts: the one found
    // for the spell before is tried first.
    const CatalogueFrequency* lastFrequency = nullptr;
    const auto frequencyId = [&](const QString& name) -> qint64 {
        if (lastFrequency && lastFrequency->name == name)
            return lastFrequency->id;
        for (const CatalogueFrequency& frequency : std::as_const(catalogue.frequencies)) {
            if (frequency.name == name) {
                lastFrequency = &frequency;
                return frequency.id;
            }
        }
        return 0;
    };
    for (const CatalogueSpell& spell : std::as_const(m_spells)) {
        const qsizetype place = m_rows.size();
        Row& row = m_rows.emplaceBack(spell);
        if (place < origins.size() && origins.at(place) == SpellOrigin::kShipped)
            row.source = SpellSource::Shipped;
        else if (!shippedKeys.isEmpty() && shippedKeys.contains(spellNameKey(spell.name)))
            row.source = SpellSource::ChangedByYou;
        else
            row.source = SpellSource::Yours;
        row.frequencyId = frequencyId(spell.frequency);
        bool numeric = false;
        const int level = spell.level.toInt(&numeric);
        row.level = numeric && level >= 1 && level <= 9 ? level : 0;
        row.sortName = folded(spell.name);
        // Without a description the name serves alone: a search text is trimmed, so it never
        // ends in the line break that would follow the name.
        row.folded = spell.description.isEmpty()
                         ? row.sortName
                         : row.sortName + QLatin1Char('\n') + folded(spell.description);
    }
    m_frequencies = std::move(catalogue.frequencies);
    m_schools = std::move(catalogue.schools);
    m_order = sortedOrder(m_sortColumn, m_sortOrder);
    m_rowOfStored.assign(m_order.size(), 0);
    for (size_t place = 0; place < m_order.size(); ++place)
        m_rowOfStored[size_t(m_order[place])] = int(place);
    endResetModel();
}

int SpellTableModel::rowOf(const QString& name) const {
    // Indexed when first asked: the window shows and filters the rows without it.
    if (m_storedByName.empty() && !m_rows.isEmpty()) {
        m_storedByName.reserve(size_t(m_rows.size()));
        // The first spell of a name is the one found.
        for (qsizetype place = 0; place < m_rows.size(); ++place)
            m_storedByName.emplace(m_rows[place].spell.name, int(place));
    }
    const auto stored = m_storedByName.find(name);
    return stored == m_storedByName.end() ? -1 : m_rowOfStored[size_t(stored->second)];
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
    // Rows stored in the order asked for (a catalogue kept in name order, say) are left as
    // they are: one pass finds that, where a sort still compares each row some twenty times.
    const auto stored = [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; };
    if (order == Qt::AscendingOrder && std::is_sorted(places.begin(), places.end(), stored))
        return;
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

std::array<std::vector<int>, SpellTableModel::ColumnCount>
SpellTableModel::longestRows(int count) const {
    // Each column's longest rows so far as a heap whose top is the shortest of them, so a row
    // that is no longer costs one comparison.
    using Entry = std::pair<qsizetype, int>; // length, place in m_rows
    const auto longer = [](const Entry& a, const Entry& b) { return a.first > b.first; };
    std::array<std::vector<Entry>, ColumnCount> longest;
    const auto offer = [&](std::vector<Entry>& heap, qsizetype length, int place) {
        if (heap.size() < size_t(count)) {
            heap.emplace_back(length, place);
            std::push_heap(heap.begin(), heap.end(), longer);
        } else if (count > 0 && length > heap.front().first) {
            std::pop_heap(heap.begin(), heap.end(), longer);
            heap.back() = {length, place};
            std::push_heap(heap.begin(), heap.end(), longer);
        }
    };
    // The lengths of the texts data() shows, from what the rows hold.
    std::array<qsizetype, 3> sourceLength{};
    for (auto source : {SpellSource::Shipped, SpellSource::Yours, SpellSource::ChangedByYou})
        sourceLength[size_t(source)] = sourceText(source).size();
    for (qsizetype place = 0; place < m_rows.size(); ++place) {
        const Row& row = m_rows[place];
        const CatalogueSpell& spell = row.spell;
        qsizetype schools = 2 * std::max<qsizetype>(spell.schools.size() - 1, 0);
        for (const QString& school : spell.schools)
            schools += school.size();
        const int at = int(place);
        offer(longest[Name], spell.name.size(), at);
        offer(longest[Level], spell.level.size(), at);
        offer(longest[Schools], schools, at);
        offer(longest[Frequency], spell.frequency.size(), at);
        offer(longest[Book], spell.book.size(), at);
        offer(longest[Page], spell.page.size(), at);
        offer(longest[Origin], sourceLength[size_t(row.source)], at);
    }
    std::array<std::vector<int>, ColumnCount> rows;
    for (int column = 0; column < ColumnCount; ++column) {
        for (const Entry& entry : longest[size_t(column)])
            rows[size_t(column)].push_back(m_rowOfStored[size_t(entry.second)]);
    }
    return rows;
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
