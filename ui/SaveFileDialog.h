#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks where to save a file; the empty text when the user cancels. Tests answer it instead.
class SaveFileDialog {
public:
    static QString choose(QWidget* parent, const QString& title, const QString& suggestedPath,
                          const QString& filter);

    using Handler = std::function<QString(const QString& title, const QString& suggestedPath)>;
    static Handler setHandler(Handler handler);
};
