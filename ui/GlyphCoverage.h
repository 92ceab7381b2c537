#pragma once

#include <QString>

// Which characters the installed fonts can draw. A character no font has prints as an empty
// box, so the report names it instead of printing it silently.
namespace GlyphCoverage {

// The characters of text that no installed font can draw, each once, in the order they first
// appear (a character outside the Basic Multilingual Plane is one entry of two code units).
// Spaces, line breaks and other invisible characters are never reported.
QStringList undrawable(const QString& text);

// "U+263A" for a character as undrawable() returns it.
QString codePoint(const QString& character);

} // namespace GlyphCoverage
