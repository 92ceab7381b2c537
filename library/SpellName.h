#pragma once

#include <QString>

// How spell names compare wherever the catalogue is changed (import, remove, upgrades, check):
// the blanks around a name are dropped, letter case does not count, and an accented letter is
// the same whether it was typed as one character or as a letter and an accent. Two names with
// the same key are the same spell.
QString spellNameKey(const QString& name);

// How alike two names may not be: besides what spellNameKey() drops, hyphens, dashes, blanks
// inside the name and accents do not count ("Marrow-Frost Curse", "Marrowfrost Curse" and
// "Márrowfrost curse" have one key). A new spell may not take a name whose key another has.
QString nearNameKey(const QString& name);
