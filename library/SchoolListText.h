#pragma once

#include <QString>
#include <QStringList>

// The school list text the generation takes: "('Alteration','Illusion','Wild')", or the empty
// text for no school. A quote inside a name is doubled, as SQL writes it.
namespace SchoolListText {

// The list text of names, in order; empty for no names.
QString build(const QStringList& names);

// The names of a list text; an empty or blank text gives no names. Returns false for a text
// that is not a list of quoted names (so nothing but names can ever reach a query).
bool parse(const QString& text, QStringList* names);

} // namespace SchoolListText
