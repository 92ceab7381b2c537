#include "ui/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kTranslationsFolder = QStringLiteral(":/i18n");

QString ownTranslation(const QString& language) {
    return QStringLiteral("%1/tomewright_%2.qm").arg(kTranslationsFolder, language);
}

// Loads one translation file into a translator owned by the application and installs it;
// nullptr when there is no such file.
QTranslator* installFile(QCoreApplication& application, const QString& file) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(file)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

namespace Language {

QStringList available() {
    QStringList languages;
    const QStringList files =
        QDir(kTranslationsFolder)
            .entryList({QStringLiteral("tomewright_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString language = file.mid(11, file.size() - 11 - 3);
        if (language != QLatin1String("en"))
            languages << language;
    }
    languages.prepend(QStringLiteral("en"));
    return languages;
}

QString chooseFrom(const QStringList& userLanguages) {
    const QStringList spoken = available();
    for (const QString& wanted : userLanguages) {
        // "de-DE", "de_DE.UTF-8" and "de" all ask for German; "C" and "POSIX" for English.
        const QLocale locale(wanted.section(QLatin1Char('.'), 0, 0));
        if (locale.language() == QLocale::C || locale.language() == QLocale::English)
            return QStringLiteral("en");
        const QString code = QLocale::languageToCode(locale.language());
        if (spoken.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QString install(QCoreApplication& application) {
    return install(application, QLocale::system().uiLanguages());
}

void installEnglish(QCoreApplication& application) {
    // Once per application: the file gives the English plural forms ("1 spell", "2 spells"),
    // under any other language too, for a text that language lacks.
    const QString name = QStringLiteral("tomewright_en");
    if (application.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly))
        return;
    if (QTranslator* english = installFile(application, ownTranslation(QStringLiteral("en"))))
        english->setObjectName(name);
}

QString install(QCoreApplication& application, const QStringList& userLanguages) {
    installEnglish(application);
    const QString language = chooseFrom(userLanguages);
    // English needs none of Qt's files: Qt's own texts are English.
    if (language == QLatin1String("en"))
        return language;
    installFile(application, ownTranslation(language));
    // Qt's texts of the same language, never of another of the user's list: a German window
    // with French buttons would be worse than English ones.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!installFile(application,
                     QDir(qtFolder).filePath(QStringLiteral("qtbase_%1.qm").arg(language))))
        installFile(application, QDir(qtFolder).filePath(QStringLiteral("qt_%1.qm").arg(language)));
    return language;
}

} // namespace Language
