#pragma once

#include "library/catalogue/Catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A small encrypted spell database in its own temporary folder, built from rows a test gives.
class FixtureDatabase {
public:
    FixtureDatabase();

    // The 24 schools and five frequencies of the shipped catalogue.
    static QStringList standardSchools();
    static QList<CatalogueFrequency> standardFrequencies();

    // A spell; schools are ";"-separated.
    static CatalogueSpell spell(const QString& name, int level, const QString& frequency,
                                const QString& schools, const QString& book = "Test Book",
                                const QString& page = "1");

    // Builds the database (replacing an earlier one) and returns its path.
    QString build(const QList<CatalogueSpell>& spells,
                  const QStringList& schools = standardSchools(),
                  const QList<CatalogueFrequency>& frequencies = standardFrequencies());

    QString path() const { return m_dir.filePath(QStringLiteral("Spells.mdb")); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
