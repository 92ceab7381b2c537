#pragma once

#include "library/TW_Library.h"
#include "ui/RecordSet.h"

#include <QString>
#include <future>
#include <memory>
#include <thread>

class TwError;

// What the window's load step reads from the spell database before the first frame: the open
// library and the rows of the lists that frame shows.
struct StartupCatalogue {
    std::unique_ptr<TW_Library> library;
    RecordSet frequencies;
    RecordSet schools;
};

// Opens the spell database and reads the first frame's lists on a thread of its own, started
// before the window is built, so both run at once on a machine of two cores; a user's copy first
// takes in a newer installed catalogue. The thread touches no widget and lets no exception out:
// what it meets is handed over by take(), in the order the load step used to meet it.
class StartupLoader {
public:
    // Starts at once. The settings are kept by the library and must outlive it. With an
    // installed database, the user's copy at databasePath first takes in its spells when it
    // has changed since (fingerprinting the installed file is part of the start too).
    StartupLoader(const QString& databasePath, const SharedSettings& settings,
                  const QString& installedDatabasePath = QString());
    // Waits for the thread.
    ~StartupLoader();
    StartupLoader(const StartupLoader&) = delete;
    StartupLoader& operator=(const StartupLoader&) = delete;

    // Waits for the library and the first frame's lists and hands them over; throws the
    // TwError met instead. Once only.
    StartupCatalogue take();
    // After take(): the note for the user when the copy could not take in the installed
    // catalogue and is used as it was; empty otherwise.
    const QString& upgradeFailure() const { return m_upgradeFailure; }

private:
    void run() noexcept;
    void readFirstPart();

    QString m_databasePath;
    QString m_installedDatabasePath;
    QString m_upgradeFailure;
    const SharedSettings& m_settings;
    std::promise<void> m_firstPart;
    StartupCatalogue m_catalogue;
    std::thread m_thread;
    bool m_ran = false;
};
