#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class WindowSystem;

// The system registry as the information window reads it: open a key, query a
// value into a caller's buffer, close the key.
class Registry
{
public:
    static constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002u;
    static constexpr quint32 KEY_ALL_ACCESS = 0x2003Fu;
    static constexpr quint32 REG_SZ = 1;
    static constexpr quint32 REG_DWORD = 4;

    virtual ~Registry() = default;
    virtual std::optional<quintptr> open(quint32 root, const QString& keyName, quint32 access) = 0;
    // Writes the value into `buffer`, at most `size` bytes, and sets `size` to the
    // bytes written and `type` to the value's type. False when the value is
    // missing or does not fit.
    virtual bool query(quintptr key, const QString& valueName, quint32& type, QByteArray& buffer,
                       quint32& size) = 0;
    virtual void close(quintptr key) = 0;
};

// Starting programs and handing addresses to the desktop.
class SystemShell
{
public:
    virtual ~SystemShell() = default;
    // Starts the program in a normal window without waiting for it; false when
    // it could not be started.
    virtual bool startProgram(const QString& path) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // Opens the address with the desktop's default handler; above 32 when done.
    virtual int openWebPage(const QString& address) = 0;
};

namespace SystemInfo {
inline constexpr int BufferSize = 1024;

// Reads one value: text as it is, a 32-bit number as "&h" and its bytes in hex,
// last byte first; other types leave `KeyVal` as it was. False, with `KeyVal`
// empty, when the key or the value cannot be read.
bool GetKeyValue(Registry& registry, quint32 KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal);

// Starts the system information tool recorded in the registry, or says that
// there is none.
void StartSysInfo(Registry& registry, SystemShell& shell, WindowSystem& windowSystem);
} // namespace SystemInfo
