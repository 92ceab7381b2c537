#pragma once

#include "library/TW_Library.h"
#include "ui/RecordSet.h"

#include <QString>
#include <future>
#include <memory>
#include <thread>

class TwError;

// The spell chooser's rows: every spell's name, and the descriptions for its tool tips.
struct ChooserRows {
    RecordSet spells;
    RecordSet descriptions;
};

// What the window's load step reads from the spell database: the open library and the rows of
// the lists the first frame shows; the chooser's rows follow (see StartupLoader).
struct StartupCatalogue {
    std::unique_ptr<TW_Library> library;
    RecordSet frequencies;
    RecordSet schools;
    // Ready when the loader is done; get() throws the TwError met reading them.
    std::shared_future<ChooserRows> chooser;
};

// Opens the spell database (deriving its key is most of the program's start) and reads the
// catalogue lists on a thread of its own, started before the window is built, so both run at
// once on a machine of two cores. The lists of the first frame are handed over first, with the
// library; the chooser's rows (the most to read) are read after them on a second connection
// of the thread's own, while the window is shown. The thread touches no widget and lets no
// exception out: what it meets is handed over by take(), in the order the load step used to
// meet it.
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
    std::promise<ChooserRows> m_chooser;
    std::shared_future<ChooserRows> m_chooserRows;
    StartupCatalogue m_catalogue;
    std::unique_ptr<Database> m_reader;
    std::thread m_thread;
    bool m_ran = false;
};
