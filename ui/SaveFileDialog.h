#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks where to save a file; the empty text when the user cancels. A name typed without a
// suffix gets the chosen file type's before the dialog asks about replacing a file of that name.
// Tests answer it instead.
class SaveFileDialog {
public:
    static QString choose(QWidget* parent, const QString& title, const QString& suggestedPath,
                          const QString& filter);

    using Handler = std::function<QString(const QString& title, const QString& suggestedPath)>;
    static Handler setHandler(Handler handler);
};
