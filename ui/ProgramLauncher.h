#pragma once

#include <QString>

// Starts other programs: the system-information tool of the About box.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual bool fileExists(const QString& path) const;
    // Starts the program without waiting for it; false when it cannot be started.
    virtual bool startDetached(const QString& path) const;

    static const ProgramLauncher& system();
};
