#pragma once

#include <QString>

class QWidget;

// Gives every control under root that a label names (the label's buddy) that label's text as
// its accessible name, and its tool tip, or else the name, as its description.
void nameControlsFromLabels(QWidget* root);

class QLabel;

// Shows text in a status label and tells assistive technology: the label's accessible name
// follows its text, and an alert is raised for a message the user must not miss (a failed
// check), so a screen reader reads it out.
void publishStatusText(QLabel* label, const QString& text, bool alert);
