#pragma once

class QWidget;

// Gives every control under root that a label names (the label's buddy) that label's text as
// its accessible name, and its tool tip, or else the name, as its description.
void nameControlsFromLabels(QWidget* root);
