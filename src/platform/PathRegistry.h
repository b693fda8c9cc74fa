#pragma once

#include "info/SystemInfo.h"

#include <QStringList>

// A registry for systems without one: it knows a single value, the path of a
// system information program found on the PATH, under the key where the
// information window looks for its tool. Everything else is absent.
class PathRegistry : public Registry
{
public:
    // Looked for in this order.
    static QStringList candidates();

    explicit PathRegistry(QStringList programs = candidates());

    std::optional<quintptr> open(quint32 root, const QString& keyName, quint32 access) override;
    bool query(quintptr key, const QString& valueName, quint32& type, QByteArray& buffer,
               quint32& size) override;
    void close(quintptr) override {}

private:
    QStringList m_programs;
    QString m_found;
};
