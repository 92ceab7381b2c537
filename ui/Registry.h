#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// Read-only access to the system registry. On Windows it is the real registry; elsewhere a
// stand-in answers the two keys the About box asks for from what the platform has.
class Registry {
public:
    // The local-machine root and the two value types the program reads.
    static constexpr quint32 kLocalMachine = 0x80000002u;
    static constexpr quint32 kTextType = 1;   // REG_SZ
    static constexpr quint32 kNumberType = 4; // REG_DWORD
    // The largest value the program reads; a larger one is a failed read.
    static constexpr int kBufferSize = 1024;

    struct RawValue {
        quint32 type = 0;
        QByteArray bytes; // as many bytes as the registry returned
    };

    virtual ~Registry() = default;
    // The value, or nothing when the key cannot be opened or the value cannot be read.
    virtual std::optional<RawValue> query(quint32 root, const QString& keyName,
                                          const QString& valueName) const = 0;

    // The registry of this platform.
    static const Registry& system();
};

// Turns a value's bytes into its text: the trailing zero byte dropped, text as it is, a 32-bit
// number as signed decimal from its little-endian bytes. Any other type leaves value unchanged.
void decodeRegistryValue(const Registry::RawValue& raw, QString& value);

// Reads one value as text; false (and an empty value) when the key or value cannot be read.
bool GetKeyValue(const Registry& registry, quint32 KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal);
