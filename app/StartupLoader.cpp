#include "app/StartupLoader.h"

#include "library/CatalogueUpgrade.h"
#include "ui/TwError.h"

#include <system_error>

StartupLoader::StartupLoader(const QString& databasePath, const SharedSettings& settings,
                             const QString& installedDatabasePath)
    : m_databasePath(databasePath), m_installedDatabasePath(installedDatabasePath),
      m_settings(settings) {
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No thread to be had: take() does the work itself.
    }
}

StartupLoader::~StartupLoader() {
    wait();
}

void StartupLoader::wait() {
    if (m_thread.joinable())
        m_thread.join();
    if (!m_ran)
        run();
}

void StartupLoader::run() noexcept {
    m_ran = true;
    try {
        if (!m_installedDatabasePath.isEmpty()) {
            try {
                CatalogueUpgrade::refreshUserCopy(m_databasePath, m_installedDatabasePath,
                                                  TW_Library::kConnectText);
            } catch (const TwError& error) {
                m_upgradeFailure = CatalogueUpgrade::failureNote(error);
            }
        }
        try {
            // In the load step's order: the library (it opens the file), then each list.
            m_catalogue.library = std::make_unique<TW_Library>(m_databasePath, m_settings);
            m_catalogue.frequencies = m_catalogue.library->FetchFrequencyList();
            m_catalogue.schools = m_catalogue.library->FetchSchoolList();
            m_catalogue.spells = m_catalogue.library->FetchAllSpells();
            m_catalogue.descriptions = m_catalogue.library->FetchSpellDescriptions();
        } catch (const TwError& error) {
            m_error = std::make_unique<TwError>(error);
        } catch (const std::exception& error) {
            m_error = std::make_unique<TwError>(-1, QStringLiteral("Form_Load"),
                                                QString::fromUtf8(error.what()));
        }
    } catch (...) {
        // Not even the failure could be kept (no memory): the load step reports that.
        m_error.reset();
        m_catalogue.library.reset();
        m_failedUnreported = true;
    }
    if (m_error)
        m_catalogue = StartupCatalogue(); // closes the database again
}

StartupCatalogue StartupLoader::take() {
    wait();
    if (m_failedUnreported)
        throw TwError(-1, QStringLiteral("Form_Load"),
                      QStringLiteral("Tomewright ran out of memory while opening the spell "
                                     "database."));
    if (m_error)
        throw *m_error;
    return std::move(m_catalogue);
}
