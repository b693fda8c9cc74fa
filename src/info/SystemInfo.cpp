#include "SystemInfo.h"

#include "app/Version.h"
#include "platform/WindowSystem.h"

namespace {
const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolValue = QStringLiteral("PATH");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString FolderValue = QStringLiteral("MSINFO");
const QString ToolFile = QStringLiteral("\\MSINFO32.EXE");

QString asHex(const QByteArray& bytes)
{
    QString text = QStringLiteral("&h");
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        text += QStringLiteral("%1").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

bool startTool(SystemShell& shell, Registry& registry)
{
    QString path;
    if (SystemInfo::GetKeyValue(registry, Registry::HKEY_LOCAL_MACHINE, ToolKey, ToolValue, path))
        return shell.startProgram(path);
    if (SystemInfo::GetKeyValue(registry, Registry::HKEY_LOCAL_MACHINE, FolderKey, FolderValue,
                                path)) {
        path += ToolFile;
        return shell.fileExists(path) && shell.startProgram(path);
    }
    return false;
}
} // namespace

bool SystemInfo::GetKeyValue(Registry& registry, quint32 KeyRoot, const QString& KeyName,
                             const QString& SubKeyRef, QString& KeyVal)
{
    const std::optional<quintptr> key = registry.open(KeyRoot, KeyName, Registry::KEY_ALL_ACCESS);
    if (!key) {
        KeyVal.clear();
        return false;
    }
    QByteArray buffer(BufferSize, '\0');
    quint32 size = BufferSize;
    quint32 type = 0;
    if (!registry.query(*key, SubKeyRef, type, buffer, size) || size > quint32(BufferSize)) {
        KeyVal.clear();
        registry.close(*key);
        return false;
    }
    // A text's terminating 0 is not part of it.
    const bool terminated = size > 0 && buffer[size - 1] == '\0';
    const QByteArray read = buffer.left(terminated ? size - 1 : size);
    if (type == Registry::REG_SZ)
        KeyVal = QString::fromLocal8Bit(read);
    else if (type == Registry::REG_DWORD)
        KeyVal = asHex(read);
    registry.close(*key);
    return true;
}

void SystemInfo::StartSysInfo(Registry& registry, SystemShell& shell, WindowSystem& windowSystem)
{
    if (startTool(shell, registry))
        return;
    windowSystem.showMessage(Version::title(),
                             QStringLiteral("System Information Is Unavailable At This Time"));
}
