#include "PathRegistry.h"

#include <QFile>
#include <QStandardPaths>

namespace {
constexpr quintptr ToolKeyHandle = 1;
}

QStringList PathRegistry::candidates()
{
    return {QStringLiteral("kinfocenter"),          QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager"),    QStringLiteral("lxtask")};
}

PathRegistry::PathRegistry(QStringList programs) : m_programs(std::move(programs)) {}

std::optional<quintptr> PathRegistry::open(quint32 root, const QString& keyName, quint32)
{
    if (root != HKEY_LOCAL_MACHINE ||
        keyName.compare(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                        Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // Looked up when asked, so a tool installed while the game runs is found.
    m_found.clear();
    for (const QString& program : m_programs) {
        m_found = QStandardPaths::findExecutable(program);
        if (!m_found.isEmpty())
            return ToolKeyHandle;
    }
    return std::nullopt;
}

bool PathRegistry::query(quintptr key, const QString& valueName, quint32& type, QByteArray& buffer,
                         quint32& size)
{
    const QByteArray value = QFile::encodeName(m_found) + '\0';
    if (key != ToolKeyHandle ||
        valueName.compare(QStringLiteral("PATH"), Qt::CaseInsensitive) != 0 ||
        quint32(value.size()) > size)
        return false;
    buffer.replace(0, value.size(), value);
    size = quint32(value.size());
    type = REG_SZ;
    return true;
}
