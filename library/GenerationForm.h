#pragma once

#include "library/SpellRow.h"

class QString;

// What a generation needs of the form it fills: the progress bar, the status panels and the
// spell list. The main window implements it; so do the command line and the tests.
class GenerationForm {
public:
    virtual ~GenerationForm() = default;

    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual int progressValue() const = 0;
    // Panels 2 and 3 of the status bar.
    virtual void setStatusText(int panel, const QString& text) = 0;
    // Appends one finished row at the end of the spell list.
    virtual void appendSpellRow(const SpellRow& row) = 0;
};
