// Report staging: the book is copied into the tables the report template reads.
#include "library/TW_Library.h"

#include "ui/Transaction.h"
#include "ui/TwError.h"
#include <QCoreApplication>

namespace {
template <typename Work> auto staged(const char* source, Work work) {
    try {
        return work();
    } catch (const TwError& error) {
        throw error.raisedBy(QString::fromLatin1(source));
    }
}
} // namespace

void TW_Library::InitializeSpellbook(const QList<SpellRow>& MyList, const QString& CasterName) {
    staged("InitializeSpellbook", [&] {
        // One transaction: the staged book is always one whole book, never a mix or a part.
        Transaction transaction(m_database);
        m_sqlText = QStringLiteral("Delete from SpellbookFiltered");
        m_database.execute(m_sqlText);
        m_sqlText = QStringLiteral(
            "Insert into SpellbookFiltered (Caster, SpellName, SpellLevel) values (?, ?, ?)");
        const QString caster = CasterName.trimmed();
        for (const SpellRow& row : MyList)
            m_database.execute(m_sqlText, {caster, row.name.trimmed(), row.level.trimmed()});
        transaction.commit();
    });
}

void TW_Library::SetCasterHold(const QString& MySpellBook, const QString& FilterName) {
    staged("SetCasterHold", [&] {
        Transaction transaction(m_database);
        m_sqlText = QStringLiteral("Update CasterHold set Caster = ?, CasterFilter = ? where "
                                   "rowid = (Select min(rowid) from CasterHold)");
        const QVariantList values = {MySpellBook.trimmed(), FilterName.trimmed()};
        if (m_database.execute(m_sqlText, values) == 0) {
            m_sqlText =
                QStringLiteral("Insert into CasterHold (Caster, CasterFilter) values (?, ?)");
            m_database.execute(m_sqlText, values);
        }
        transaction.commit();
    });
}

bool TW_Library::AddNewCaster(const QString& MyCaster) {
    return staged("AddNewCaster", [&] {
        const QString book = MyCaster.trimmed();
        Transaction transaction(m_database);
        m_sqlText = QStringLiteral("Select * from Spellcasters Where Spellbook = ?");
        if (m_database.snapshot(m_sqlText, {book}).recordCount() > 0)
            return false;
        m_sqlText = QStringLiteral(
            "Insert into SpellCasters (Spellbook, Lvl, Race, Class, First, Second, Third, "
            "Fourth, Fifth, Sixth, Seventh, Eighth, Ninth) values (?, '', '', '', '', '', '', "
            "'', '', '', '', '', '')");
        m_database.execute(m_sqlText, {book});
        transaction.commit();
        return true;
    });
}

bool TW_Library::DeleteNewCaster(const QString& MyCaster) {
    return staged("DeleteNewCaster", [&] {
        m_sqlText = QStringLiteral("Delete from SpellCasters where rowid = (Select min(rowid) "
                                   "from SpellCasters where Spellbook = ?)");
        if (m_database.execute(m_sqlText, {MyCaster.trimmed()}) == 0)
            throw TwError(3021, QStringLiteral("DeleteNewCaster"),
                          QCoreApplication::translate("TW_Library", "No current record."));
        return true;
    });
}
