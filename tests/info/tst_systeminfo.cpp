// Reading registry values and starting the system information tool.

#include "Fakes.h"
#include "info/SystemInfo.h"
#include "platform/PathRegistry.h"

#include <QTest>

namespace {
const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

QString readPath(FakeRegistry& registry, const QString& value, bool* ok = nullptr)
{
    QString text = QStringLiteral("before");
    const bool read =
        SystemInfo::GetKeyValue(registry, Registry::HKEY_LOCAL_MACHINE, ToolKey, value, text);
    if (ok)
        *ok = read;
    return text;
}
} // namespace

class TestSystemInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsValuesByTheirType_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("text");
        QTest::newRow("text with its 0")
            << 1u << QByteArray("C:\\tool.exe\0", 12) << true << "C:\\tool.exe";
        QTest::newRow("text without a 0") << 1u << QByteArray("abc") << true << "abc";
        QTest::newRow("a 32-bit number")
            << 4u << QByteArray("\x78\x56\x34\x12", 4) << true << "&h12345678";
        QTest::newRow("another type") << 3u << QByteArray("\1\2\3", 3) << true << "before";
        QTest::newRow("too long for the buffer") << 1u << QByteArray(1025, 'x') << false << "";
        QTest::newRow("just fits") << 1u << QByteArray(1023, 'x') + QByteArray(1, '\0') << true
                                   << QString(1023, QLatin1Char('x'));
    }
    void readsValuesByTheirType()
    {
        QFETCH(quint32, type);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QString, text);
        FakeRegistry registry;
        registry.keys[ToolKey][QStringLiteral("PATH")] = {type, bytes};
        bool read = !ok;
        QCOMPARE(readPath(registry, QStringLiteral("PATH"), &read), text);
        QCOMPARE(read, ok);
        QCOMPARE(registry.openKeys, 0); // closed again
        QCOMPARE(registry.accessAsked, QList<quint32>{Registry::KEY_ALL_ACCESS});
    }

    void aMissingKeyOrValueReadsAsEmptyText()
    {
        FakeRegistry registry;
        bool ok = true;
        QCOMPARE(readPath(registry, QStringLiteral("PATH"), &ok), QString());
        QVERIFY(!ok);
        registry.keys[ToolKey][QStringLiteral("OTHER")] = {1, "x"};
        QCOMPARE(readPath(registry, QStringLiteral("PATH"), &ok), QString());
        QVERIFY(!ok);
        QCOMPARE(registry.openKeys, 0);
    }

    void startsTheRecordedToolEvenIfItIsNotThere()
    {
        FakeRegistry registry;
        registry.keys[ToolKey][QStringLiteral("PATH")] = {1,
                                                          QByteArray("C:\\x\\msinfo32.exe\0", 18)};
        RecordingShell shell;
        RecordingWindowSystem windows;
        SystemInfo::StartSysInfo(registry, shell, windows);
        QCOMPARE(shell.started, QStringList{"C:\\x\\msinfo32.exe"});
        // It could not be started: the message follows.
        QCOMPARE(windows.messages.size(), 1);
        QCOMPARE(windows.messages[0], qMakePair(QStringLiteral("Kelvaro"), Unavailable));

        shell.startable = shell.started;
        windows.messages.clear();
        SystemInfo::StartSysInfo(registry, shell, windows);
        QVERIFY(windows.messages.isEmpty());
    }

    void theToolFolderNeedsTheToolInIt()
    {
        FakeRegistry registry;
        registry.keys[FolderKey][QStringLiteral("MSINFO")] = {1, QByteArray("C:\\Tools\0", 9)};
        RecordingShell shell;
        RecordingWindowSystem windows;
        SystemInfo::StartSysInfo(registry, shell, windows);
        QVERIFY(shell.started.isEmpty());
        QCOMPARE(windows.messages.size(), 1);

        shell.installed = {QStringLiteral("C:\\Tools\\MSINFO32.EXE")};
        shell.startable = shell.installed;
        windows.messages.clear();
        SystemInfo::StartSysInfo(registry, shell, windows);
        QCOMPARE(shell.started, shell.installed);
        QVERIFY(windows.messages.isEmpty());
    }

    void aKeyThatCannotBeOpenedWithFullAccessCountsAsMissing()
    {
        FakeRegistry registry;
        registry.keys[ToolKey][QStringLiteral("PATH")] = {1, "C:\\tool.exe"};
        registry.refused = {ToolKey};
        RecordingShell shell;
        shell.startable = {QStringLiteral("C:\\tool.exe")};
        RecordingWindowSystem windows;
        SystemInfo::StartSysInfo(registry, shell, windows);
        QVERIFY(shell.started.isEmpty());
        QCOMPARE(windows.messages.size(), 1);
    }

    void onThisSystemTheToolComesFromThePath()
    {
        QTemporaryDir bin;
        const QString tool = bin.filePath(QStringLiteral("sysinfo-tool"));
        QFile file(tool);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);

        PathRegistry found({QStringLiteral("no-such-tool"), QStringLiteral("sysinfo-tool")});
        QString value;
        QVERIFY(SystemInfo::GetKeyValue(found, Registry::HKEY_LOCAL_MACHINE, ToolKey,
                                        QStringLiteral("PATH"), value));
        QCOMPARE(value, tool);
        PathRegistry none({QStringLiteral("no-such-tool")});
        QVERIFY(!SystemInfo::GetKeyValue(none, Registry::HKEY_LOCAL_MACHINE, ToolKey,
                                         QStringLiteral("PATH"), value));
        qputenv("PATH", path);
    }
};

QTEST_GUILESS_MAIN(TestSystemInfo)
#include "tst_systeminfo.moc"
