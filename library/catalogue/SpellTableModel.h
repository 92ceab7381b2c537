#pragma once

#include "library/SpellCatalogue.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// The catalogue's spells as a table: one row a spell, with where it came from. The rows are the
// catalogue as read from the database (readCatalogueDatabase); the model keeps no other copy.
class SpellTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Level, Schools, Frequency, Book, Page, Origin, ColumnCount };
    enum Role {
        SortRole = Qt::UserRole, // a typed key: level as a number, names folded
    };
    enum class SpellSource { Shipped, Yours, ChangedByYou };

    struct Row {
        CatalogueSpell spell;
        SpellSource source = SpellSource::Yours;
        qint64 frequencyId = 0; // 0 when the frequency is not in the catalogue
        int level = 0;          // 0 when the level is not 1 to 9
        QString folded;         // name and description, letter case folded, for the filter box
        QString sortName;       // the name, letter case folded
    };

    explicit SpellTableModel(QObject* parent = nullptr);

    // Replaces every row. origins: SpellOrigin::read; shippedKeys: the spellNameKey of every
    // spell the program ships, so a spell of the user's that has a shipped spell's name shows as
    // changed by the user.
    void setCatalogue(const Catalogue& catalogue, const QHash<QString, QString>& origins,
                      const QSet<QString>& shippedKeys);

    const Row& row(int index) const { return m_rows[index]; }
    const QList<CatalogueFrequency>& frequencies() const { return m_frequencies; }
    const QStringList& schools() const { return m_schools; }
    // The row of the spell stored under exactly this name, or -1.
    int rowOf(const QString& name) const { return m_rowOf.value(name, -1); }
    static QString sourceText(SpellSource source);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<Row> m_rows;
    QHash<QString, int> m_rowOf;
    QList<CatalogueFrequency> m_frequencies;
    QStringList m_schools;
};
