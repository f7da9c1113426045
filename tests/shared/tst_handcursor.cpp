// The hand cursor from a .cur file: the hot spot read from its header, and
// the system's pointing hand whenever the file cannot serve.
#include "shared/handcursor.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A 16 x 16 cursor file, 32 bits per pixel, with the given hot spot.
QByteArray cursorFile(int hotX, int hotY, int type = 2)
{
    constexpr int kSide = 16;
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // Directory: reserved, type, count; one entry: size, colours, hot spot,
    // image size and offset.
    out << quint16(0) << quint16(type) << quint16(1) << quint8(kSide) << quint8(kSide) << quint8(0) << quint8(0)
        << quint16(hotX) << quint16(hotY) << quint32(40 + kSide * kSide * 4 + kSide * 4) << quint32(6 + 16);
    // BITMAPINFOHEADER, colour and mask halves, then the pixels and the AND mask.
    out << quint32(40) << quint32(kSide) << quint32(kSide * 2) << quint16(1) << quint16(32);
    for (int i = 0; i < 6; ++i)
        out << quint32(0);
    for (int i = 0; i < kSide * kSide; ++i)
        out << quint32(0xFF000000u | quint32(i));
    for (int i = 0; i < kSide; ++i)
        out << quint32(0);
    return file;
}
}  // namespace

class TestHandCursor : public QObject {
    Q_OBJECT
private slots:
    void hotSpotFromHeader_data();
    void hotSpotFromHeader();
    void cursorKeepsItsHotSpot();
    void unreadableFilesGiveTheSystemHand_data();
    void unreadableFilesGiveTheSystemHand();
};

void TestHandCursor::hotSpotFromHeader_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::newRow("cursor") << cursorFile(5, 3) << QPoint(5, 3);
    QTest::newRow("large hot spot") << cursorFile(300, 2) << QPoint(300, 2);
    QTest::newRow("icon, not a cursor") << cursorFile(5, 3, 1) << QPoint(-1, -1);
    QTest::newRow("too short") << cursorFile(5, 3).left(21) << QPoint(-1, -1);
    QTest::newRow("no images") << QByteArray::fromHex("000002000000") + QByteArray(16, '\0') << QPoint(-1, -1);
    QTest::newRow("reserved not zero") << QByteArray::fromHex("010002000100") + QByteArray(16, '\0')
                                       << QPoint(-1, -1);
}

void TestHandCursor::hotSpotFromHeader()
{
    QFETCH(QByteArray, contents);
    QFETCH(QPoint, hotSpot);
    QCOMPARE(cursorHotSpot(contents), hotSpot);
}

void TestHandCursor::cursorKeepsItsHotSpot()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("hand.cur")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(cursorFile(5, 3)) > 0);
    file.close();
    const QCursor cursor = cursorFromFile(file.fileName());
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(5, 3));
}

void TestHandCursor::unreadableFilesGiveTheSystemHand_data()
{
    QTest::addColumn<QByteArray>("contents");  // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("header without picture") << cursorFile(1, 1).left(22);
    QTest::newRow("icon") << cursorFile(1, 1, 1);
}

void TestHandCursor::unreadableFilesGiveTheSystemHand()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("hand.cur")));
    if (!contents.isEmpty())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    file.close();
    QCOMPARE(cursorFromFile(file.fileName()).shape(), Qt::PointingHandCursor);
}

QTEST_MAIN(TestHandCursor)
#include "tst_handcursor.moc"
