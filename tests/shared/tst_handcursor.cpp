#include "shared/handcursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, int(value & 0xFFFF));
    put16(out, int(value >> 16));
}

// A 16 x 16 cursor file, 32 bits per pixel, with the given hot spot.
QByteArray cursorFile(int hotX, int hotY, int type = 2)
{
    constexpr int kSide = 16;
    QByteArray image;
    put32(image, 40);           // BITMAPINFOHEADER
    put32(image, kSide);
    put32(image, kSide * 2);    // colour and mask halves
    put16(image, 1);
    put16(image, 32);
    for (int i = 0; i < 6; ++i)
        put32(image, 0);
    for (int i = 0; i < kSide * kSide; ++i)
        put32(image, 0xFF000000u | quint32(i));
    image.append(QByteArray(kSide * 4, '\0'));  // AND mask, rows padded to 32 bits

    QByteArray file;
    put16(file, 0);
    put16(file, type);
    put16(file, 1);
    file.append(char(kSide));
    file.append(char(kSide));
    file.append('\0');
    file.append('\0');
    put16(file, hotX);
    put16(file, hotY);
    put32(file, quint32(image.size()));
    put32(file, 6 + 16);
    return file + image;
}

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &contents)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return QString();
    return path;
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
    void handCursorLooksBesideTheExecutable();
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
    QTest::newRow("empty") << QByteArray() << QPoint(-1, -1);
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
    const QString path = write(dir, QStringLiteral("hand.cur"), cursorFile(5, 3));
    QVERIFY(!path.isEmpty());
    const QCursor cursor = cursorFromFile(path);
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(5, 3));
    QCOMPARE(cursor.pixmap().size(), QSize(16, 16));
}

void TestHandCursor::unreadableFilesGiveTheSystemHand_data()
{
    QTest::addColumn<QByteArray>("contents");  // empty: no file at all

    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not an image") << QByteArray("hello, this is not a cursor at all");
    QTest::newRow("header without picture") << cursorFile(1, 1).left(22);
    QTest::newRow("icon") << cursorFile(1, 1, 1);
}

void TestHandCursor::unreadableFilesGiveTheSystemHand()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    const QString path = contents.isEmpty() ? dir.filePath(QStringLiteral("hand.cur"))
                                            : write(dir, QStringLiteral("hand.cur"), contents);
    QVERIFY(!path.isEmpty());
    QCOMPARE(cursorFromFile(path).shape(), Qt::PointingHandCursor);
}

void TestHandCursor::handCursorLooksBesideTheExecutable()
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("hand.cur"));
    const QCursor cursor = handCursor();
    if (QFile::exists(beside))
        QCOMPARE(cursor.shape(), cursorFromFile(beside).shape());
    else
        QCOMPARE(cursor.shape(), Qt::PointingHandCursor);
}

QTEST_MAIN(TestHandCursor)
#include "tst_handcursor.moc"
