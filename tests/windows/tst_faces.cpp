// What the windows look like in their described colours: the standard view's
// colourful scheme after a double click and back, the tape in its error
// colours, the memory keys' face, the Inv key's colour; the captions that are
// no keys and the two keys with pictures. Faces are judged by their rendered
// pixels too; switching the scheme back and forth does not make the process
// grow.
#include "extend/extendwindow.h"
#include "infos/infoswindow.h"
#include "shell/application.h"
#include "stand/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"
#include "ui/contraststyle.h"
#include "ui/handcursor.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {
QColor face(const QWidget *w) { return w->palette().color(w->backgroundRole()); }
// A pixel of the rendered widget near its top left corner, away from the text.
QColor pixel(QWidget *w) { return w->grab().toImage().pixelColor(2, 2); }

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

const QColor kGreen(0, 0x80, 0), kRed(0xFF, 0, 0), kYellow(0xFF, 0xFF, 0), kWhite(0xFF, 0xFF, 0xFF);
const QColor kDesktop(0x3A, 0x6E, 0xA5), kWorkspace(0xAB, 0xAB, 0xAB), kInverse(56, 156, 240);
}  // namespace

class TestFaces : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(new ContrastStyle); }  // as the program draws
    void colours();
    void captions();
    void longTape();
    void places_data();
    void places();
    void cursorHotSpot();
    void schemeSwitchesKeepMemory();
};

void TestFaces::colours()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    StandWindow &stand = app.stand();
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    QCOMPARE(face(stand.Command1[0]), kWorkspace);
    // A double click changes the colours only: the caret stays where the user put it.
    stand.Command2[1]->click(), stand.Command2[2]->click();
    stand.Text1->setCursorPosition(1);
    for (const bool colourful : {true, false}) {
        QTest::mouseDClick(stand.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(stand.Text1->cursorPosition(), 1);
        QCOMPARE(pixel(stand.centralWidget()), colourful ? kGreen : QApplication::palette().color(QPalette::Window));
        QCOMPARE(face(stand.Command2[5]), colourful ? kRed : buttonFace);
        QCOMPARE(face(stand.Command5[0]), colourful ? kYellow : buttonFace);
        QCOMPARE(face(stand.Command6), buttonFace);
        QCOMPARE(face(stand.Command1[1]), kWorkspace);
        // On the screen as well: the keys show their colours unshaded.
        QCOMPARE(pixel(stand.Command2[5]), colourful ? kRed : buttonFace);
        QCOMPARE(pixel(stand.Command5[0]), colourful ? kYellow : buttonFace);
        QCOMPARE(pixel(stand.Command1[1]), kWorkspace);
    }
    const QColor normalTape = pixel(stand.Label1);
    for (QPushButton *key : {stand.Command2[1], stand.Command5[3], stand.Command2[0], stand.Command7})
        key->click();
    QCOMPARE(pixel(stand.Label1), kDesktop);
    QCOMPARE(stand.Label1->palette().color(stand.Label1->foregroundRole()), kWhite);
    stand.Command6->click();
    QCOMPARE(pixel(stand.Label1), normalTape);

    ExtendWindow &extend = app.extend();
    extend.Command10->click();
    QVERIFY(extend.Command10->isChecked());  // a screen reader hears "pressed"
    QCOMPARE(face(extend.Command10), kInverse);
    QCOMPARE(pixel(extend.Command10), kInverse);
    extend.Command6->click();
    QVERIFY(!extend.Command10->isChecked());
    QCOMPARE(face(extend.Command10), buttonFace);
}

void TestFaces::captions()
{
    Application app;
    QCOMPARE(app.stand().windowTitle(), QString("Zorvexa - EGYSZERŰ"));
    QCOMPARE(app.extend().windowTitle(), QString("Zorvexa - BŐVÍTETT"));
    InfosWindow &infos = app.infos();
    QCOMPARE(infos.windowTitle(), QString("Zorvexa - INFORMATIKAI"));
    QCOMPARE(infos.Label1->text(), QString("A számrendszer alapszáma:"));
    QStringList bases, spoken;
    for (QRadioButton *option : infos.Option1) {
        bases << option->text() + (option->isChecked() ? "*" : "");
        spoken << option->accessibleName().remove(QString::fromUtf8(" számrendszer"));
    }
    QCOMPARE(bases.join(' '), QString("2 3 4 5 6 7 8 9 10* 16"));
    // Read out as "2-es számrendszer": the suffix Hungarian gives each number.
    QCOMPARE(spoken.join(' '), QString("2-es 3-as 4-es 5-ös 6-os 7-es 8-as 9-es 10-es 16-os"));
    // The power and root keys show a picture instead of a caption; no other key does.
    QStringList pictured;
    for (QPushButton *key : app.extend().findChildren<QPushButton *>())
        if (!key->icon().isNull())
            pictured << key->accessibleName() + (key->text().isEmpty() ? "" : " '" + key->text() + "'");
    pictured.sort();
    QCOMPARE(pictured.join(", "), QString::fromUtf8("Gyökvonás, Hatványozás"));
}

// A tape line wider than the tape shows its end, the newest result, with
// the start elided; nothing is cut at the right. It is read out whole.
void TestFaces::longTape()
{
    MessageRecorder recorder;
    core::Module1 m;
    ExtendWindow w(m);
    w.show();
    RUN_SCRIPT(w, "t:1.23456789012345 + t:1.23456789012345 = = =");
    const QString line = "1.23456789012345+1.23456789012345 2.4691357802469 3.70370367037035 ";
    QCOMPARE(w.Label3->accessibleName(), line);
    const QString shown = w.Label3->text();
    QVERIFY2(shown.startsWith(QChar(0x2026)) && shown.endsWith("3.70370367037035 "), qPrintable(shown));
    QVERIFY(w.Label3->fontMetrics().horizontalAdvance(shown) <= w.Label3->contentsRect().width());
    RUN_SCRIPT(w, "CLR 7 + 8 =");
    QCOMPARE(w.Label3->text(), "7+8 ");
}

// Where the described layout puts the display, the tape, the memory
// indicator and the large keys, in twips (15 to a pixel at 96 DPI).
void TestFaces::places_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("stand tape") << 0 << "Label1" << QRect(240, 120, 3495, 375);
    QTest::newRow("stand display") << 0 << "Text1" << QRect(240, 600, 3495, 375);
    QTest::newRow("stand memory indicator") << 0 << "Label2" << QRect(240, 1320, 375, 375);
    QTest::newRow("stand C") << 0 << "Command6" << QRect(3360, 1320, 375, 1335);
    QTest::newRow("extend tape") << 1 << "Label3" << QRect(240, 120, 6495, 375);
    QTest::newRow("extend memory indicator") << 1 << "Label2" << QRect(240, 1320, 375, 375);
    QTest::newRow("extend Inv") << 1 << "Command10" << QRect(840, 1320, 615, 375);
    QTest::newRow("infos base options") << 2 << "Frame1" << QRect(240, 360, 6255, 615);
    QTest::newRow("infos display") << 2 << "Text1" << QRect(240, 1200, 6255, 375);
    QTest::newRow("infos memory indicator") << 2 << "Label2" << QRect(240, 1800, 375, 375);
}

void TestFaces::places()
{
    QFETCH(int, view);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    Application app;
    QWidget *w = app.window(View(view)).centralWidget()->findChild<QWidget *>(control);
    QVERIFY(w);
    QCOMPARE(w->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

// A cursor file's hot spot is where the hand points; a hot spot outside the
// picture points at its centre; no file gives the system's pointing hand.
void TestFaces::cursorHotSpot()
{
    QTemporaryDir folder;
    QImage hand(32, 32, QImage::Format_ARGB32);
    hand.fill(Qt::black);
    QVERIFY(hand.save(folder.filePath("hand.ico")));
    QFile file(folder.filePath("hand.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray data = file.readAll();
    file.close();
    const auto asCursor = [&](int x, int y) {
        // A cursor file is an icon file of type 2 whose entry holds the hot spot.
        QByteArray cursor = data;
        cursor[2] = 2;
        cursor[10] = char(x), cursor[11] = 0, cursor[12] = char(y), cursor[13] = 0;
        QFile out(folder.filePath("hand.cur"));
        out.open(QIODevice::WriteOnly);
        out.write(cursor);
        out.close();
        return cursorFromFile(folder.filePath("hand.cur"));
    };
    QCOMPARE(asCursor(5, 3).hotSpot(), QPoint(5, 3));
    QCOMPARE(asCursor(40, 3).hotSpot(), QPoint(16, 16));
    QCOMPARE(cursorFromFile(folder.filePath("none.cur")).shape(), Qt::PointingHandCursor);
}

// 3,000 switches, each painted: every new palette once left a few hundred
// bytes in the style's cache.
void TestFaces::schemeSwitchesKeepMemory()
{
#ifdef __SANITIZE_ADDRESS__
    QSKIP("the sanitizer's own bookkeeping grows");
#endif
    // Fusion's own parts, which the program's style leaves to it, kept in its cache.
    QApplication::setStyle(QStringLiteral("Fusion"));
    const auto restore = qScopeGuard([] { QApplication::setStyle(new ContrastStyle); });
    Application app;
    app.start();
    StandWindow &stand = app.stand();
    long before = 0;
    for (int n = 0; n < 3500; ++n) {
        if (n == 500)
            before = residentKiB();
        QTest::mouseDClick(stand.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
        stand.grab();
    }
    const long grown = residentKiB() - before;
    QVERIFY2(grown < 2048, qPrintable(QString::number(grown) + " KiB"));
}

QTEST_MAIN(TestFaces)
#include "tst_faces.moc"
