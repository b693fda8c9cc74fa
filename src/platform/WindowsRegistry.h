#pragma once

#include "info/SystemInfo.h"

// The Windows registry through advapi32. Built on Windows only.
class WindowsRegistry : public Registry
{
public:
    std::optional<quintptr> open(quint32 root, const QString& keyName, quint32 access) override;
    bool query(quintptr key, const QString& valueName, quint32& type, QByteArray& buffer,
               quint32& size) override;
    void close(quintptr key) override;
};
