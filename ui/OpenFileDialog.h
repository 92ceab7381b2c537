#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks which file to open; the empty text when the user cancels. Tests answer it instead.
class OpenFileDialog {
public:
    static QString choose(QWidget* parent, const QString& title, const QString& folder,
                          const QString& filter);

    using Handler = std::function<QString(const QString& title, const QString& folder)>;
    static Handler setHandler(Handler handler);
};
