#include "app/StartupLoader.h"

#include "library/CatalogueUpgrade.h"
#include "ui/SpeedLayers.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <system_error>

namespace {

std::exception_ptr asTwError(const std::exception& error) {
    return std::make_exception_ptr(
        TwError(-1, QStringLiteral("Form_Load"), QString::fromUtf8(error.what()).trimmed()));
}

} // namespace

StartupLoader::StartupLoader(const QString& databasePath, const SharedSettings& settings,
                             const QString& installedDatabasePath)
    : m_databasePath(databasePath), m_installedDatabasePath(installedDatabasePath),
      m_settings(settings), m_chooserRows(m_chooser.get_future().share()) {
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No thread to be had: take() does the work itself.
    }
}

StartupLoader::~StartupLoader() {
    if (m_thread.joinable())
        m_thread.join();
}

void StartupLoader::readFirstPart() {
    if (!m_installedDatabasePath.isEmpty()) {
        try {
            CatalogueUpgrade::refreshUserCopy(m_databasePath, m_installedDatabasePath,
                                              TW_Library::kConnectText);
        } catch (const TwError& error) {
            m_upgradeFailure = CatalogueUpgrade::failureNote(error);
        }
    }
    // In the load step's order: the library (it opens the file), then each list.
    m_catalogue.library = std::make_unique<TW_Library>(m_databasePath, m_settings);
    m_catalogue.frequencies = m_catalogue.library->FetchFrequencyList();
    m_catalogue.schools = m_catalogue.library->FetchSchoolList();
    // The chooser's rows are read on a connection of this thread's own once the library is
    // handed over; without one (it needs the key derived at open), they are read here first.
    try {
        if (SpeedLayers::chooserConnection)
            m_reader = m_catalogue.library->database().openReader();
    } catch (const TwError&) {
        m_reader.reset();
    }
    if (!m_reader)
        m_chooser.set_value(
            {m_catalogue.library->FetchAllSpells(), m_catalogue.library->FetchSpellDescriptions()});
}

void StartupLoader::run() noexcept {
    m_ran = true;
    bool firstPartRead = false;
    try {
        try {
            readFirstPart();
            firstPartRead = true;
        } catch (const TwError& error) {
            m_catalogue = StartupCatalogue(); // closes the database again
            m_firstPart.set_exception(std::make_exception_ptr(error));
        } catch (const std::exception& error) {
            m_catalogue = StartupCatalogue();
            m_firstPart.set_exception(asTwError(error));
        }
    } catch (...) {
        // Not even the failure could be kept (no memory).
        m_catalogue = StartupCatalogue();
        m_firstPart.set_exception(std::current_exception());
    }
    if (!firstPartRead) {
        if (!m_reader) {
            try {
                throw TwError(-1, QStringLiteral("Form_Load"),
                              QCoreApplication::translate("StartupLoader",
                                                          "The spell database could not be read."));
            } catch (...) {
                m_chooser.set_exception(std::current_exception());
            }
        }
        return;
    }
    m_firstPart.set_value();
    if (!m_reader)
        return;
    // From here on the library is the window's: only the reader is used.
    try {
        m_chooser.set_value(
            {TW_Library::FetchAllSpells(*m_reader), TW_Library::FetchSpellDescriptions(*m_reader)});
    } catch (const TwError& error) {
        m_chooser.set_exception(std::make_exception_ptr(error));
    } catch (const std::exception& error) {
        m_chooser.set_exception(asTwError(error));
    }
    m_reader.reset();
}

StartupCatalogue StartupLoader::take() {
    if (!m_thread.joinable() && !m_ran)
        run();
    std::future<void> firstPart = m_firstPart.get_future();
    try {
        firstPart.get();
    } catch (const TwError&) {
        throw;
    } catch (...) {
        throw TwError(-1, QStringLiteral("Form_Load"),
                      QCoreApplication::translate("StartupLoader",
                                                  "Tomewright ran out of memory while opening "
                                                  "the spell database."));
    }
    StartupCatalogue catalogue = std::move(m_catalogue);
    catalogue.chooser = m_chooserRows;
    return catalogue;
}
