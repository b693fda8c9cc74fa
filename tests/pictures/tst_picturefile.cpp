// Reading description files: the layouts that must give the same table, the
// files that must be refused and why, and the bitmap names.

#include "pictures/PictureFile.h"

#include <QTest>

using Kind = PictureError::Kind;

namespace {
const DotRecords ThreeDots{{10, 20, 30, 40}, {50, 60, 70, 80}, {90, 100, 110, 120}};

QByteArray records(int count)
{
    QByteArray text;
    for (int k = 1; k <= count; ++k)
        text += QByteArray::number(k) + ",2,3,4\n";
    return text;
}
} // namespace

class TestPictureFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layoutsGiveTheSameTable_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("a record a line")
            << QByteArray("10,20,30,40\n50,60,70,80\n90,100,110,120\n");
        QTest::newRow("no final line break")
            << QByteArray("10,20,30,40\n50,60,70,80\n90,100,110,120");
        QTest::newRow("a value a line")
            << QByteArray("10\n20\n30\n40\n50\n60\n70\n80\n90\n100\n110\n120\n");
        QTest::newRow("one line of commas") << QByteArray("10,20,30,40,50,60,70,80,90,100,110,120");
        QTest::newRow("spaces between values")
            << QByteArray("10 20  30 40\n50 60 70 80 90 100 110 120\n");
        QTest::newRow("spaces around commas")
            << QByteArray("10 , 20,30 ,40\n50, 60 ,70,80\n90,100,110,120\n");
        QTest::newRow("CRLF line ends")
            << QByteArray("10,20,30,40\r\n50,60,70,80\r\n90,100,110,120\r\n");
        QTest::newRow("blank lines and spaces after the last record")
            << QByteArray("10,20,30,40\n50,60,70,80\n90,100,110,120  \r\n\r\n\n  \n");
        QTest::newRow("tabs and plus signs")
            << QByteArray("+10\t20\t30\t40\n50,60,70,80\n90,100,110,+120\n");
    }
    void layoutsGiveTheSameTable()
    {
        QFETCH(QByteArray, text);
        const DescriptionResult result =
            PictureFile::parseDescription(text, QStringLiteral("a.kv"));
        QVERIFY(std::holds_alternative<DotRecords>(result));
        QCOMPARE(std::get<DotRecords>(result), ThreeDots);
    }

    void acceptsEmptyAndFullFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("dots");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("only a line break") << QByteArray("\r\n") << 0;
        QTest::newRow("99 records") << records(99) << 99;
        QTest::newRow("extreme values") << QByteArray("-32768,32767,0,-5") << 1;
    }
    void acceptsEmptyAndFullFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, dots);
        const DescriptionResult result =
            PictureFile::parseDescription(text, QStringLiteral("a.kv"));
        QVERIFY(std::holds_alternative<DotRecords>(result));
        QCOMPARE(std::get<DotRecords>(result).size(), dots);
    }

    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("letters") << QByteArray("10,20,30,40\n50,6x,70,80\n") << Kind::NotWholeNumber
                                 << 2 << "6x";
        QTest::newRow("a fraction")
            << QByteArray("10,20.5,30,40") << Kind::NotWholeNumber << 1 << "20.5";
        QTest::newRow("text after the last record")
            << QByteArray("10,20,30,40\nthe end\n") << Kind::NotWholeNumber << 2 << "the";
        QTest::newRow("empty field") << QByteArray("10,,30,40,50") << Kind::MissingValue << 1 << "";
        QTest::newRow("trailing comma")
            << QByteArray("10,20,30,40,\n") << Kind::MissingValue << 1 << "";
        QTest::newRow("above 16 bits")
            << QByteArray("10,32768,30,40") << Kind::OutOfRange << 1 << "32768";
        QTest::newRow("below 16 bits")
            << QByteArray("-32769,1,2,3") << Kind::OutOfRange << 1 << "-32769";
        QTest::newRow("huge number") << QByteArray("1,2,3,99999999999999999999999")
                                     << Kind::OutOfRange << 1 << "99999999999999999999999";
        QTest::newRow("three values")
            << QByteArray("10,20,30\n") << Kind::IncompleteRecord << 1 << "";
        QTest::newRow("seven values")
            << QByteArray("10,20,30,40\n50,60,70\n") << Kind::IncompleteRecord << 2 << "";
        QTest::newRow("100 records") << records(100) << Kind::TooManyDots << 0 << "";
        QTest::newRow("dot on the end marker")
            << QByteArray("10,20,30,40\n-1,60,70,80\n") << Kind::DotOnEndMarker << 2 << "";
    }
    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(Kind, kind);
        QFETCH(int, line);
        QFETCH(QString, value);
        const DescriptionResult result =
            PictureFile::parseDescription(text, QStringLiteral("b.kv"));
        QVERIFY(std::holds_alternative<PictureError>(result));
        const auto& error = std::get<PictureError>(result);
        QCOMPARE(error.kind, kind);
        QCOMPARE(error.line, line);
        QCOMPARE(error.value, value);
        QCOMPARE(error.file, QStringLiteral("b.kv"));
        QVERIFY(PictureFile::describe(error).contains(QStringLiteral("\"b.kv\"")));
    }

    void storingWritesTheEndMarkerAndKeepsOlderEntries()
    {
        GameState state;
        DotRecords twenty;
        for (qint16 k = 1; k <= 20; ++k)
            twenty.append({k, qint16(k + 100), qint16(k + 200), qint16(k + 300)});
        PictureFile::storeInto(state, twenty);
        QCOMPARE(state.DotX[21], GameState::EndMarker);
        QCOMPARE(state.dotCount(), 20);

        PictureFile::storeInto(state, DotRecords(twenty.mid(0, 5)));
        QCOMPARE(state.DotX[6], GameState::EndMarker);
        QCOMPARE(state.dotCount(), 5);
        QCOMPARE(state.DotY[6], qint16(106)); // the end marker's other columns are left alone
        for (int k = 7; k <= 20; ++k)
            QCOMPARE(state.DotX[k], qint16(k));
        QCOMPARE(state.DotX[0], qint16(0));
    }

    void storingNinetyNineDotsPutsTheMarkerInTheLastEntry()
    {
        GameState state;
        PictureFile::storeInto(
            state, std::get<DotRecords>(PictureFile::parseDescription(records(99), {})));
        QCOMPARE(state.DotX[99], qint16(99));
        QCOMPARE(state.DotX[100], GameState::EndMarker);
    }

    void storingNoDotsPutsTheMarkerFirst()
    {
        GameState state;
        PictureFile::storeInto(state, {});
        QCOMPARE(state.DotX[1], GameState::EndMarker);
        QCOMPARE(state.dotCount(), 0);
    }

    void bitmapNamesDropTheExtension()
    {
        using PictureFile::Bitmap;
        QCOMPARE(PictureFile::bitmapName(QStringLiteral("lion.kv"), Bitmap::Start),
                 QStringLiteral("lion1.bmp"));
        QCOMPARE(PictureFile::bitmapName(QStringLiteral("lion.kv"), Bitmap::Finished),
                 QStringLiteral("lion2.bmp"));
        QCOMPARE(PictureFile::bitmapName(QStringLiteral("a.kv"), Bitmap::Start),
                 QStringLiteral("a1.bmp"));
        QCOMPARE(PictureFile::bitmapName(QStringLiteral("a.kv"), Bitmap::Finished),
                 QStringLiteral("a2.bmp"));
    }

    void modesFollowNextDotAndCompleted()
    {
        GameState state;
        QCOMPARE(state.mode(), GameState::Mode::NoPicture);
        state.NextDot = 1;
        QCOMPARE(state.mode(), GameState::Mode::Joining);
        state.NextDot = GameState::NoDot;
        state.Completed = true;
        QCOMPARE(state.mode(), GameState::Mode::Colouring);
    }
};

QTEST_APPLESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
