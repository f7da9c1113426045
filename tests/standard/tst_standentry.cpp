// Number entry in the standard window: keys, typing, the check, the sign key.
#include "shared/displayfield.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "standdriver.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include <cmath>

class TestStandEntry : public QObject {
    Q_OBJECT
private slots:
    void entry_data();
    void entry();
    void caretFollowsEveryKey_data();
    void caretFollowsEveryKey();
    void pastedTextIsChecked();
    void entryLimitKeepsNumbersFinite();
    void signKeyIsEnabledByDigits();
    void loadAndActivation();
    void layoutFollowsTheTable();
};

void TestStandEntry::entry_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("messages");
    const QString digits = inputcheck::kMessageDigits;
    const QString points = inputcheck::kMessagePoints;
    QTest::newRow("digit keys") << "1 2 3" << "123" << QStringList{};
    QTest::newRow("point key") << "1 2 ," << "12." << QStringList{};
    QTest::newRow("second point key") << "1 2 , ," << "" << QStringList{points};
    QTest::newRow("point on empty") << "," << "." << QStringList{};
    QTest::newRow("sign on empty") << "+/-" << " 0" << QStringList{};
    QTest::newRow("digit after sign") << "+/- 7" << " 07" << QStringList{};
    QTest::newRow("sign of negative half") << "t:-.5 +/-" << " .5" << QStringList{};
    QTest::newRow("sign of half") << "t:.5 +/-" << "-.5" << QStringList{};
    QTest::newRow("sign of five") << "5 +/-" << "-5" << QStringList{};
    QTest::newRow("sign twice") << "5 +/- +/-" << " 5" << QStringList{};
    QTest::newRow("sign drops trailing zero") << "t:1.50 +/-" << "-1.5" << QStringList{};
    QTest::newRow("sign of zero") << "0 +/-" << " 0" << QStringList{};
    QTest::newRow("typed comma") << "1 t:," << "" << QStringList{digits};
    QTest::newRow("typed minus anywhere") << "t:5-3" << "5-3" << QStringList{};
    QTest::newRow("typed plus") << "t:5+" << "" << QStringList{digits};
    QTest::newRow("typed letter") << "t:12x" << "" << QStringList{digits};
    QTest::newRow("typed accented letter") << QString::fromUtf8("t:7ő") << "" << QStringList{digits};
    QTest::newRow("typed second point") << "t:1.2." << "" << QStringList{points};
    QTest::newRow("typed after key point") << "1 2 , t:5" << "12.5" << QStringList{};
    QTest::newRow("typed after sign key") << "+/- t:7" << " 07" << QStringList{};
    QTest::newRow("keypad decimal sends comma") << "1 kp:, t:5" << "1.5" << QStringList{};
    QTest::newRow("keypad decimal sends point") << "1 kp:. t:5" << "1.5" << QStringList{};
    QTest::newRow("keypad decimal twice") << "1 kp:, kp:," << "" << QStringList{points};
}

void TestStandEntry::entry()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QStringList, messages);
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
}

void TestStandEntry::caretFollowsEveryKey_data()
{
    QTest::addColumn<QString>("script");
    QTest::newRow("digits") << "1 2 3";
    QTest::newRow("point") << "1 2 ,";
    QTest::newRow("sign") << "1 2 +/-";
    QTest::newRow("memory recall") << "4 M+ MR";
}

// The caret stands after the last character after every key, so typing
// continues the number instead of landing in front of it.
void TestStandEntry::caretFollowsEveryKey()
{
    QFETCH(QString, script);
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, script);
    w.Text1->setCursorPosition(0);
    press(w, script.section(' ', -1));
    QCOMPARE(w.Text1->cursorPosition(), w.Text1->text().size());
}

void TestStandEntry::pastedTextIsChecked()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    w.Text1->insert("1.2.a");  // what a paste does
    QCOMPARE(recorder.texts(), (QStringList{inputcheck::kMessageDigits, inputcheck::kMessagePoints}));
    QCOMPARE(w.Text1->text(), QString());
    w.Text1->insert("1 2");
    QCOMPARE(recorder.texts().size(), 3);
    QCOMPARE(recorder.texts().last(), inputcheck::kMessageDigits);
    QCOMPARE(w.Text1->text(), QString());
    w.Text1->insert("  -5 ");
    QCOMPARE(recorder.shown.size(), 3);
    QCOMPARE(w.Text1->text(), QString("  -5 "));
}

void TestStandEntry::entryLimitKeepsNumbersFinite()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    testkeys::type(w.Text1, QString(displayfield::kMaxEntry + 10, '9'));
    QCOMPARE(w.Text1->text().size(), displayfield::kMaxEntry);
    press(w, "9 9 9");
    QCOMPARE(w.Text1->text().size(), displayfield::kMaxEntry);
    w.Text1->clear();
    w.Text1->insert(QString(400, '9'));  // an oversized paste is refused whole
    QCOMPARE(w.Text1->text(), QString());
    for (int i = 0; i < 100; ++i)
        w.Command2[9]->click();
    press(w, "M+ *");
    QVERIFY(std::isfinite(m.memoria));
    QVERIFY(std::isfinite(m.szam1));
    QVERIFY(m.memoria > 1e29);
}

void TestStandEntry::signKeyIsEnabledByDigits()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "1 + 2 =");
    QVERIFY(!w.Command3->isEnabled());
    press(w, "4");
    QVERIFY(w.Command3->isEnabled());
    press(w, "=");
    QVERIFY(!w.Command3->isEnabled());
    press(w, "C");
    QVERIFY(w.Command3->isEnabled());
}

void TestStandEntry::loadAndActivation()
{
    MessageRecorder recorder;
    Module1 m;
    m.valto = false;
    m.hibas = true;
    StandWindow w(m);
    QCOMPARE(m.valto, true);
    QCOMPARE(m.hibas, false);

    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QRect screen = w.screen()->geometry();
    QCOMPARE(w.frameGeometry().center().x(), screen.center().x());
    QVERIFY(qAbs(w.frameGeometry().center().y() - screen.center().y()) <= 1);
    QCOMPARE(QApplication::focusWidget(), w.Text1);

    // A pending operation is dropped and a moved window comes back to the
    // centre when the window becomes active again.
    press(w, "1 2 +");
    QCOMPARE(m.muvelet, QString("+"));
    QCOMPARE(m.valto, false);
    w.move(0, 0);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(m.muvelet, QString());
    QCOMPARE(m.valto, true);
    QCOMPARE(m.szam1, 12.0);
    QCOMPARE(w.frameGeometry().center().x(), screen.center().x());
    press(w, "3 =");
    QCOMPARE(w.Text1->text(), QString("3"));
}

void TestStandEntry::layoutFollowsTheTable()
{
    Module1 m;
    StandWindow w(m);
    QCOMPARE(w.windowTitle(), QString::fromUtf8("Zorvexa - EGYSZERŰ"));
    QCOMPARE(w.centralWidget()->size(), QSize(265, 225));
    QCOMPARE(w.Text1->geometry(), QRect(16, 40, 233, 25));
    QCOMPARE(w.Label1->geometry(), QRect(16, 8, 233, 25));
    QCOMPARE(w.Command2[7]->geometry(), QRect(72, 88, 25, 25));
    QCOMPARE(w.Command2[3]->geometry(), QRect(136, 152, 25, 25));
    QCOMPARE(w.Command2[0]->geometry(), QRect(72, 184, 25, 25));
    QCOMPARE(w.Command5[3]->geometry(), QRect(184, 184, 25, 25));
    QCOMPARE(w.Command6->geometry(), QRect(224, 88, 25, 89));
    QCOMPARE(w.Command1[2]->geometry(), QRect(16, 184, 25, 25));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(w.Command2[i]->text(), QString::number(i));
    QCOMPARE(w.Command4->text(), QString(","));
    QCOMPARE(w.Text1->accessibleName(), QString::fromUtf8("Kijelző"));
    for (QPushButton *key : w.findChildren<QPushButton *>()) {
        QVERIFY(key->isEnabled());
        QVERIFY(key->toolTip().isEmpty());
    }
}

QTEST_MAIN(TestStandEntry)
#include "tst_standentry.moc"
