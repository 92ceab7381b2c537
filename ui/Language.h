#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the programs speak. Tomewright's own texts and Qt's (the buttons of message
// boxes, the file and print dialogs) come from translations embedded in the program and from
// the system's Qt translations; English needs none.
namespace Language {

// The languages Tomewright has a translation for, as two-letter codes ("de", "fr"), English
// first.
QStringList available();

// The first language of the user's list (as QLocale::uiLanguages gives it: "de-DE", "fr",
// "en-GB") that Tomewright speaks; "en" when it speaks none of them.
QString chooseFrom(const QStringList& userLanguages);

// Installs the English plural forms, which every process needs ("1 spell", "2 spells"). Each
// program that links this service does it when its application object is made.
void installEnglish(QCoreApplication& application);

// Installs the translations of the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG or the
// desktop's) into the application, owned by it. Returns the language chosen.
QString install(QCoreApplication& application);

// The same for one language of available(), or the first of a user's list.
QString install(QCoreApplication& application, const QStringList& userLanguages);

} // namespace Language
