#pragma once

#include "library/TW_Library.h"
#include "ui/RecordSet.h"

#include <QString>
#include <memory>
#include <optional>
#include <thread>

class TwError;

// What the window's load step reads from the spell database: the open library and the rows of
// the three catalogue lists, with the spells' descriptions for the chooser's tool tips.
struct StartupCatalogue {
    std::unique_ptr<TW_Library> library;
    RecordSet frequencies;
    RecordSet schools;
    RecordSet spells;
    RecordSet descriptions;
};

// Opens the spell database (deriving its key is most of the program's start) and reads the
// catalogue lists on a thread of its own, started before the window is built, so both run at
// once on a machine of two cores. The thread touches no widget and lets no exception out: what
// it meets is handed over by take(), in the order the load step used to meet it.
class StartupLoader {
public:
    // Starts at once. The settings are kept by the library and must outlive it. With an
    // installed database, the user's copy at databasePath first takes in its spells when it
    // has changed since (fingerprinting the installed file is part of the start too).
    StartupLoader(const QString& databasePath, const SharedSettings& settings,
                  const QString& installedDatabasePath = QString());
    // Waits for the thread when take() was not called.
    ~StartupLoader();
    StartupLoader(const StartupLoader&) = delete;
    StartupLoader& operator=(const StartupLoader&) = delete;

    // Waits for the thread and hands over what it read; throws the TwError it met instead.
    StartupCatalogue take();
    // After take(): the note for the user when the copy could not take in the installed
    // catalogue and is used as it was; empty otherwise.
    const QString& upgradeFailure() const { return m_upgradeFailure; }

private:
    void run() noexcept;
    void wait();

    QString m_databasePath;
    QString m_installedDatabasePath;
    QString m_upgradeFailure;
    const SharedSettings& m_settings;
    std::thread m_thread;
    bool m_ran = false;
    bool m_failedUnreported = false;
    StartupCatalogue m_catalogue;
    std::unique_ptr<TwError> m_error;
};
