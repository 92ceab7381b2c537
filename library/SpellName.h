#pragma once

#include <QString>

// How spell names compare wherever the catalogue is changed (import, remove, upgrades, check):
// the blanks around a name are dropped, letter case does not count, and an accented letter is
// the same whether it was typed as one character or as a letter and an accent. Two names with
// the same key are the same spell.
QString spellNameKey(const QString& name);
