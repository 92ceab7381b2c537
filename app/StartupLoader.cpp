#include "app/StartupLoader.h"

#include "library/CatalogueUpgrade.h"
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
      m_settings(settings) {
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
}

void StartupLoader::run() noexcept {
    m_ran = true;
    bool read = false;
    try {
        try {
            readFirstPart();
            read = true;
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
    if (read)
        m_firstPart.set_value();
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
    return std::move(m_catalogue);
}
