#include "library/catalogue/SpellTableModel.h"

#include "library/SpellName.h"

SpellTableModel::SpellTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SpellTableModel::setCatalogue(const Catalogue& catalogue,
                                   const QHash<QString, QString>& origins,
                                   const QSet<QString>& shippedKeys) {
    QHash<QString, qint64> frequencyIds;
    for (const CatalogueFrequency& frequency : catalogue.frequencies)
        frequencyIds.insert(frequency.name, frequency.id);
    beginResetModel();
    m_rows.clear();
    m_rowOf.clear();
    m_rows.reserve(catalogue.spells.size());
    for (const CatalogueSpell& spell : catalogue.spells) {
        Row row;
        row.spell = spell;
        const QString origin = origins.value(spell.name);
        if (origin == SpellOrigin::kShipped)
            row.source = SpellSource::Shipped;
        else if (shippedKeys.contains(spellNameKey(spell.name)))
            row.source = SpellSource::ChangedByYou;
        else
            row.source = SpellSource::Yours;
        row.frequencyId = frequencyIds.value(spell.frequency, 0);
        bool numeric = false;
        const int level = spell.level.toInt(&numeric);
        row.level = numeric && level >= 1 && level <= 9 ? level : 0;
        row.sortName = spell.name.toCaseFolded();
        row.folded = row.sortName + QLatin1Char('\n') + spell.description.toCaseFolded();
        m_rowOf.insert(spell.name, int(m_rows.size()));
        m_rows << std::move(row);
    }
    m_frequencies = catalogue.frequencies;
    m_schools = catalogue.schools;
    endResetModel();
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
    const Row& row = m_rows[index.row()];
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
    } else if (role == SortRole) {
        switch (index.column()) {
        case Name:
            return row.sortName;
        case Level:
            return row.level;
        case Schools:
            return spell.schools.join(QStringLiteral(", ")).toCaseFolded();
        case Frequency:
            return row.frequencyId;
        case Book:
            return spell.book.toCaseFolded();
        case Page: {
            // Page 9 before page 10; pages that are not numbers after them, by their text.
            bool numeric = false;
            const qint64 page = spell.page.toLongLong(&numeric);
            return numeric ? QString::number(page).rightJustified(20, QLatin1Char('0'))
                           : QStringLiteral("~") + spell.page.toCaseFolded();
        }
        case Origin:
            return int(row.source);
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
