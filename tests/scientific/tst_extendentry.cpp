// The scientific window's controls, number entry, keypad, memory, load and
// activation.
#include "extenddriver.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QFrame>
#include <QScreen>

class TestExtendEntry : public QObject {
    Q_OBJECT
private slots:
    void layoutFollowsTheTable_data();
    void layoutFollowsTheTable();
    void pictureKeysAreNamed();
    void entry_data();
    void entry();
    void digitKeyRestoresTapeAndSignKey();
    void keypadOperators_data();
    void keypadOperators();
    void keypadAndEnterWorkWhileLocked();
    void memory();
    void memoryIsShared();
    void loadAndActivation();
};

void TestExtendEntry::layoutFollowsTheTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twipsRect");
    auto row = [](const char *name, const char *caption, int l, int t, int w, int h) {
        QTest::newRow(name) << QString(name) << QString::fromUtf8(caption) << QRect(l, t, w, h);
    };
    row("Label3", "", 240, 120, 6495, 375);
    row("Text1", "", 240, 600, 6495, 375);
    row("Label2", "", 240, 1320, 375, 375);
    row("Command1_0", "M+", 240, 1800, 375, 375);
    row("Command1_1", "MR", 240, 2280, 375, 375);
    row("Command1_2", "MC", 240, 2760, 375, 375);
    row("Command10", "Inv", 840, 1320, 615, 375);
    row("Command11", "x1,x2", 840, 1800, 615, 375);
    row("Command12", "x,y,z", 840, 2280, 615, 375);
    row("Command2_7", "7", 1680, 1320, 375, 375);
    row("Command2_8", "8", 2160, 1320, 375, 375);
    row("Command2_9", "9", 2640, 1320, 375, 375);
    row("Command2_4", "4", 1680, 1800, 375, 375);
    row("Command2_6", "6", 2640, 1800, 375, 375);
    row("Command2_1", "1", 1680, 2280, 375, 375);
    row("Command2_3", "3", 2640, 2280, 375, 375);
    row("Command2_0", "0", 1680, 2760, 375, 375);
    row("Command3", "+/-", 2160, 2760, 375, 375);
    row("Command4", ",", 2640, 2760, 375, 375);
    row("Command5_0", "+", 3240, 1320, 375, 375);
    row("Command5_1", "-", 3240, 1800, 375, 375);
    row("Command5_2", "*", 3240, 2280, 375, 375);
    row("Command5_3", "/", 3240, 2760, 375, 375);
    row("Command8_0", "", 3720, 1320, 375, 375);
    row("Command8_1", "", 3720, 1800, 375, 375);
    row("Command8_2", "n !", 3720, 2280, 375, 375);
    row("Command8_3", "1/x", 3720, 2760, 375, 375);
    row("Command8_11", "%", 4200, 1320, 375, 375);
    row("Command9_0", "Pi", 4200, 1800, 375, 375);
    row("Command9_1", "e", 4200, 2280, 375, 375);
    row("Command8_4", "Lnko", 4800, 1320, 615, 375);
    row("Command8_5", "Lkkt", 4800, 1800, 615, 375);
    row("Command8_6", "lg x", 4800, 2280, 615, 375);
    row("Command8_7", "ln x", 4800, 2760, 615, 375);
    row("Command8_8", "sin x", 5520, 1320, 615, 375);
    row("Command8_9", "cos x", 5520, 1800, 615, 375);
    row("Command8_10", "tg x", 5520, 2280, 615, 375);
    row("Command8_12", "ctg x", 5520, 2760, 615, 375);
    row("Command6", "C", 6360, 1320, 375, 1335);
    row("Command7", "=", 6360, 2760, 375, 375);
}

void TestExtendEntry::layoutFollowsTheTable()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twipsRect);
    Module1 m;
    ExtendWindow w(m);
    QCOMPARE(w.windowTitle(), QString::fromUtf8("Zorvexa - BŐVÍTETT"));
    QCOMPARE(w.centralWidget()->size(), twips::size(6975, 3375));
    auto *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(),
             twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    if (auto *key = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(key->text(), caption);
        QCOMPARE(key->focusPolicy(), Qt::NoFocus);
        QVERIFY(key->isEnabled());
    }
}

void TestExtendEntry::pictureKeysAreNamed()
{
    Module1 m;
    ExtendWindow w(m);
    QCOMPARE(w.Command8[0]->accessibleName(), QString::fromUtf8("Hatványozás"));
    QCOMPARE(w.Command8[1]->accessibleName(), QString::fromUtf8("Gyökvonás"));
    QVERIFY(!w.Command8[0]->icon().isNull());
    QVERIFY(!w.Command8[1]->icon().isNull());
    // Two different pictures, with something drawn on them.
    const QImage power = w.Command8[0]->icon().pixmap(18, 18).toImage();
    const QImage root = w.Command8[1]->icon().pixmap(18, 18).toImage();
    QVERIFY(power != root);
    int inked = 0;
    for (int y = 0; y < root.height(); ++y)
        for (int x = 0; x < root.width(); ++x)
            inked += qAlpha(root.pixel(x, y)) > 0;
    QVERIFY(inked > 20);
    QCOMPARE(w.Text1->accessibleName(), QString::fromUtf8("Kijelző"));
    QCOMPARE(w.findChildren<QFrame *>(QRegularExpression("^Line[1-5]$")).size(), 5);
}

void TestExtendEntry::entry_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("messages");
    const QString digits = inputcheck::kMessageDigits;
    const QString points = inputcheck::kMessagePoints;
    QTest::newRow("digit keys") << "1 2 3" << "123" << QStringList{};
    QTest::newRow("point key") << "1 2 , 5" << "12.5" << QStringList{};
    QTest::newRow("second point key") << "1 , 2 ," << "" << QStringList{points};
    QTest::newRow("sign of five") << "5 +/-" << "-5" << QStringList{};
    QTest::newRow("sign twice keeps the blank") << "5 +/- +/-" << " 5" << QStringList{};
    QTest::newRow("sign of a half") << "t:0.5 +/-" << "-.5" << QStringList{};
    QTest::newRow("typed number") << "t:-12.5" << "-12.5" << QStringList{};
    QTest::newRow("typed letter") << "t:1a" << "" << QStringList{digits};
    QTest::newRow("typed plus") << "t:5+" << "" << QStringList{digits};
    QTest::newRow("typed second point") << "t:1.2." << "" << QStringList{points};
    QTest::newRow("typing on after two points") << "t:1.2.a" << "" << (QStringList{points, digits});
    QTest::newRow("typing continues keys") << "4 t:2" << "42" << QStringList{};
    QTest::newRow("keypad decimal") << "1 kp:, t:5" << "1.5" << QStringList{};
}

void TestExtendEntry::entry()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QStringList, messages);
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, script));
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
    QCOMPARE(w.Text1->cursorPosition(), w.Text1->text().size());
}

void TestExtendEntry::digitKeyRestoresTapeAndSignKey()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "2 + 3 ="));
    QVERIFY(!w.Command3->isEnabled());  // "=" locks the sign key
    colors::setBackground(w.Label3, colors::kDesktop);
    QVERIFY(press(w, "4"));
    QVERIFY(w.Command3->isEnabled());
    QVERIFY(tapeIsNormal(w));
    QCOMPARE(w.Text1->text(), QString("54"));
}

void TestExtendEntry::keypadOperators_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    QTest::newRow("keypad plus, enter") << "4 kp:+ 5 enter" << "9" << "4+5 ";
    QTest::newRow("keypad minus") << "t:10 kp:- 4 enter" << "6" << "10-4 ";
    QTest::newRow("keypad times") << "6 kp:* 7 enter" << "42" << "6*7 ";
    QTest::newRow("keypad divide") << "1 kp:/ 8 enter" << "0.125" << "1/8 ";
    QTest::newRow("two keypad operators") << "2 kp:+ kp:* 3 enter" << "0" << "2+*3 ";
    QTest::newRow("keypad after result") << "2 + 3 = kp:* 2 enter" << "10" << "5*2 ";
}

void TestExtendEntry::keypadOperators()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, tape);
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, script));
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(w.Label3->text(), tape);
    QVERIFY(recorder.shown.isEmpty());  // no operator character reached the check
}

void TestExtendEntry::keypadAndEnterWorkWhileLocked()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "1 / 0 ="));
    QCOMPARE(enabledKeys(w), QStringList{"Command6"});
    // Typing, the keypad and Enter still reach the calculation.
    QVERIFY(press(w, "t:5"));
    QCOMPARE(w.Text1->text(), QString("05"));
    QVERIFY(press(w, "enter"));
    QCOMPARE(w.Text1->text(), QString("0.2"));
    QVERIFY(press(w, "kp:* t:3"));
    QCOMPARE(m.muvelet, QString("*"));
    QCOMPARE(m.szam1, 0.2);
    QVERIFY(press(w, "enter"));
    QCOMPARE(w.Text1->text(), QString(".6"));  // a product has no leading zero
    QCOMPARE(enabledKeys(w), QStringList{"Command6"});
}

void TestExtendEntry::memory()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "5 M+"));
    QCOMPARE(m.memoria, 5.0);
    QCOMPARE(w.Label2->text(), QString("M"));
    QCOMPARE(w.Text1->text(), QString("5"));
    QVERIFY(press(w, "C 3 M+"));  // replaces, does not add
    QCOMPARE(m.memoria, 3.0);
    QVERIFY(press(w, "C MR"));
    QCOMPARE(w.Text1->text(), QString("3"));
    QCOMPARE(w.Label2->text(), QString("M"));  // "C" leaves the indicator
    QVERIFY(press(w, "MC"));
    QCOMPARE(m.memoria, 0.0);
    QCOMPARE(w.Label2->text(), QString());
    QVERIFY(press(w, "C MR"));
    QCOMPARE(w.Text1->text(), QString("0"));
    QCOMPARE(w.Text1->cursorPosition(), 1);
}

void TestExtendEntry::memoryIsShared()
{
    Module1 m;
    m.memoria = 0.5;  // stored by another window
    ExtendWindow w(m);
    QCOMPARE(w.Label2->text(), QString());
    QVERIFY(press(w, "MR"));
    QCOMPARE(w.Text1->text(), QString(".5"));
    m.memoria = -2.25;
    QVERIFY(press(w, "C MR"));
    QCOMPARE(w.Text1->text(), QString("-2.25"));
}

void TestExtendEntry::loadAndActivation()
{
    Module1 m;
    m.inverz = true;
    ExtendWindow w(m);
    QCOMPARE(m.valto, true);
    QCOMPARE(m.inverz, false);
    QVERIFY(tapeIsNormal(w));

    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(press(w, "1 2 +"));
    QCOMPARE(m.muvelet, QString("+"));
    QCOMPARE(m.valto, false);
    // Back from another window (a dialog, say) after the user moved this one.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    w.move(0, 0);
    QCOMPARE(m.muvelet, QString("+"));
    QApplication::setActiveWindow(&w);
    QCOMPARE(m.muvelet, QString());
    QCOMPARE(m.valto, true);
    QCOMPARE(m.szam1, 12.0);
    const QRect screen = w.screen()->geometry();
    QVERIFY(qAbs(w.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(w.frameGeometry().center().y() - screen.center().y()) <= 1);
    // Nothing is pending any more, so "=" computes nothing.
    QVERIFY(press(w, "3 ="));
    QCOMPARE(w.Text1->text(), QString("3"));

    m.valto = false;
    w.Form_GotFocus();
    QCOMPARE(m.valto, true);
}

QTEST_MAIN(TestExtendEntry)
#include "tst_extendentry.moc"
