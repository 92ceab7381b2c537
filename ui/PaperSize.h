#pragma once

#include <QPageSize>
#include <QString>
#include <optional>

class QLocale;

// The paper a book is printed on: A4 or Letter.
namespace PaperSize {

// The paper of the user's default printer; without one, the paper of the user's locale.
QPageSize userDefault();

// Letter where the locale's territory prints on Letter (the Americas' Letter countries and the
// Philippines), A4 everywhere else.
QPageSize forLocale(const QLocale& locale);

// "a4" or "letter" in any letter case; nothing for any other name.
std::optional<QPageSize> fromName(const QString& name);

} // namespace PaperSize
