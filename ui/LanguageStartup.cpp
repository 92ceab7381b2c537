// Linked into every program with the language service, so that English reads right ("1 spell",
// "2 spells") in each of them, whether it installs the user's language or not.
#include "ui/Language.h"

#include <QCoreApplication>

namespace {
void installEnglishAtStart() {
    Language::installEnglish(*QCoreApplication::instance());
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglishAtStart)
