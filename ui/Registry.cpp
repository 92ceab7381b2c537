#include "ui/Registry.h"

#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void decodeRegistryValue(const Registry::RawValue& raw, QString& value) {
    QByteArray bytes = raw.bytes.left(Registry::kBufferSize);
    if (!bytes.isEmpty() && bytes.back() == '\0')
        bytes.chop(1);
    if (raw.type == Registry::kTextType) {
        value = QString::fromLocal8Bit(bytes);
    } else if (raw.type == Registry::kNumberType) {
        // Least significant byte first; bytes the value lacks (a dropped zero) count as zero.
        quint32 number = 0;
        for (int i = 0; i < 4 && i < bytes.size(); ++i)
            number |= quint32(quint8(bytes[i])) << (8 * i);
        value = QString::number(qint32(number));
    }
}

bool GetKeyValue(const Registry& registry, quint32 KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal) {
    const std::optional<Registry::RawValue> raw = registry.query(KeyRoot, KeyName, SubKeyRef);
    if (!raw || raw->bytes.size() > Registry::kBufferSize) {
        KeyVal.clear();
        return false;
    }
    decodeRegistryValue(*raw, KeyVal);
    return true;
}

namespace {

#ifdef Q_OS_WIN
class WindowsRegistry : public Registry {
public:
    std::optional<RawValue> query(quint32 root, const QString& keyName,
                                  const QString& valueName) const override {
        HKEY key = nullptr;
        // Read access only: a standard user is refused full access to the system's keys.
        if (RegOpenKeyExA(reinterpret_cast<HKEY>(quintptr(root)), keyName.toLocal8Bit().constData(),
                          0, KEY_READ, &key) != ERROR_SUCCESS)
            return std::nullopt;
        QByteArray buffer(kBufferSize, '\0');
        DWORD size = DWORD(buffer.size());
        DWORD type = 0;
        const LONG rc = RegQueryValueExA(key, valueName.toLocal8Bit().constData(), nullptr, &type,
                                         reinterpret_cast<LPBYTE>(buffer.data()), &size);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS)
            return std::nullopt;
        return RawValue{quint32(type), buffer.left(int(size))};
    }
};
#else
// Answers the system-information keys with the first system-information program found on the
// PATH, so the About box's button starts it.
class StandInRegistry : public Registry {
public:
    std::optional<RawValue> query(quint32 root, const QString& keyName,
                                  const QString& valueName) const override {
        if (root != kLocalMachine ||
            keyName != QLatin1String("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO") ||
            valueName != QLatin1String("PATH"))
            return std::nullopt;
        static const QStringList programs = {
            QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager")};
        for (const QString& program : programs) {
            const QString path = QStandardPaths::findExecutable(program);
            if (!path.isEmpty())
                return RawValue{kTextType, path.toLocal8Bit() + '\0'};
        }
        return std::nullopt;
    }
};
#endif

} // namespace

const Registry& Registry::system() {
#ifdef Q_OS_WIN
    static const WindowsRegistry registry;
#else
    static const StandInRegistry registry;
#endif
    return registry;
}
