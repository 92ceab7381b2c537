#pragma once

#include <QStringList>

// "tomewright-cli render BOOK...": prints saved books, edits included, as generate prints.
// Returns the exit status (0 done, 1 a file that cannot be written, 2 a wrong option or a book
// file that cannot be read).
int runRenderCommand(const QStringList& arguments);
