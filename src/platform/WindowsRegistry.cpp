#include "WindowsRegistry.h"

#include <windows.h>

namespace {
HKEY handle(quintptr key)
{
    return reinterpret_cast<HKEY>(key);
}

// The predefined roots are 32-bit values sign-extended to a pointer.
HKEY rootHandle(quint32 root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}
} // namespace

std::optional<quintptr> WindowsRegistry::open(quint32 root, const QString& keyName, quint32 access)
{
    HKEY key = nullptr;
    const QByteArray name = keyName.toLocal8Bit();
    if (RegOpenKeyExA(rootHandle(root), name.constData(), 0, access, &key) != ERROR_SUCCESS)
        return std::nullopt;
    return reinterpret_cast<quintptr>(key);
}

bool WindowsRegistry::query(quintptr key, const QString& valueName, quint32& type,
                            QByteArray& buffer, quint32& size)
{
    DWORD valueType = 0;
    DWORD written = size;
    const QByteArray name = valueName.toLocal8Bit();
    if (RegQueryValueExA(handle(key), name.constData(), nullptr, &valueType,
                         reinterpret_cast<LPBYTE>(buffer.data()), &written) != ERROR_SUCCESS)
        return false;
    type = valueType;
    size = written;
    return true;
}

void WindowsRegistry::close(quintptr key)
{
    RegCloseKey(handle(key));
}
