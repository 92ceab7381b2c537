#pragma once

#include <functional>

class QWidget;

// Runs work once, right after the window's first frame has been painted, for what that frame
// does not show. Dropped when the window goes first.
void runAfterFirstFrame(QWidget* window, std::function<void()> work);
