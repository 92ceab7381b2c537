#include "library/TW_Library.h"

#include <QCoreApplication>

#include "library/SchemaUpgrade.h"
#include "ui/TwError.h"

TW_Library::TW_Library(const QString& databasePath, const SharedSettings& settings)
    : m_database(databasePath, kConnectText), m_settings(settings) {
    checkSchema();
    // A database of an earlier design (no descriptions) is brought up to date once, here.
    SchemaUpgrade::bringUpToDate(m_database);
}

void TW_Library::forgetCatalogue() {
    m_catalogue = DrawCatalogue();
}

void TW_Library::checkSchema() {
    // A database without one of these is not a spell database, whatever else it holds: say so
    // at once rather than at the first query that needs the missing part.
    static const QList<QPair<QString, QString>> required = {
        {QStringLiteral("Frequency"), QStringLiteral("table")},
        {QStringLiteral("Sphere Names"), QStringLiteral("table")},
        {QStringLiteral("Spells"), QStringLiteral("table")},
        {QStringLiteral("SpellandSphere"), QStringLiteral("table")},
        {QStringLiteral("AddSpheres"), QStringLiteral("view")},
        {QStringLiteral("SpellbookFiltered"), QStringLiteral("table")},
        {QStringLiteral("CasterHold"), QStringLiteral("table")},
        {QStringLiteral("SpellCasters"), QStringLiteral("table")},
    };
    RecordSet present =
        m_database.snapshot(QStringLiteral("SELECT lower(name) AS name FROM sqlite_master"));
    QStringList names;
    for (; !present.eof(); present.moveNext())
        names << present.text(qsizetype(0));
    for (const auto& [name, kind] : required) {
        if (!names.contains(name.toLower()))
            throw TwError(-1, QStringLiteral("TW_Library"),
                          QCoreApplication::translate(
                              "TW_Library", "The spell database \"%1\" is incomplete: it has no "
                                            "\"%2\" %3.")
                              .arg(m_database.path(), name, kind));
    }
}

namespace {
const QString kAllSpellsSql = QStringLiteral("Select Name from Spells Order by Name");
const QString kDescriptionsSql =
    QStringLiteral("Select Name, Description from Spells where Description <> ''");

// Runs a catalogue query, raising its failure again under the operation's name.
RecordSet fetch(const Database& database, QString& sqlText, const char* source, const QString& sql,
                const QVariantList& parameters = {}) {
    sqlText = sql;
    try {
        return database.snapshot(sql, parameters);
    } catch (const TwError& error) {
        throw error.raisedBy(QString::fromLatin1(source), false);
    }
}
} // namespace

RecordSet TW_Library::FetchFrequencyList() {
    return fetch(m_database, m_sqlText, "FetchFrequencyList",
                 QStringLiteral("Select Frequency, FrequencyID from Frequency Order by "
                                "FrequencyID"));
}

RecordSet TW_Library::FetchAllSpells() {
    return fetch(m_database, m_sqlText, "FetchAllSpells", kAllSpellsSql);
}

RecordSet TW_Library::FetchSchoolList() {
    return fetch(m_database, m_sqlText, "FetchSchoolList",
                 QStringLiteral("Select Sphere_Name from [Sphere Names]"));
}

RecordSet TW_Library::FetchSpellDescriptions() {
    return fetch(m_database, m_sqlText, "FetchSpellDescriptions", kDescriptionsSql);
}

RecordSet TW_Library::FetchSpellDetails(const QString& MySpell) {
    // The name is bound, never pasted into the text: any quote in it is just a character.
    return fetch(m_database, m_sqlText, "FetchSpellDetails",
                 QStringLiteral("Select * from AddSpheres where Name = ?"), {MySpell});
}

QString TW_Library::limitedNote(const QString& levels) {
    //: %1 lists spell levels ("2, 5"). Read back from the status bar, so keep %1 at one place.
    return QCoreApplication::translate("TW_Library",
                                       "Following Levels Volume was limited by criteria: %1")
        .arg(levels);
}
