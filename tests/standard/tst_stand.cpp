// The standard window as a user drives it: keys, typing, the tape, the
// division lock, memory, activation and the colour scheme.
#include "shared/colors.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "standdriver.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include <cmath>

namespace {
const QString kDivisionByZero = QString::fromUtf8("Nullával nem lehet osztani!");
const QString kNotRepresentable = QString::fromUtf8("Az eredmény nem ábrázolható!");
const QString D = inputcheck::kMessageDigits;
const QString P = inputcheck::kMessagePoints;

bool keysEnabled(StandWindow &w, bool enabled)
{
    for (QPushButton *key : w.findChildren<QPushButton *>())
        if (key != w.Command6 && key->isEnabled() != enabled)
            return false;
    return true;
}
}  // namespace

class TestStand : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void divisionByZeroLocksUntilC();
    void notRepresentableResultLocks();
    void memoryIsOneSharedRegister();
    void entryLimitKeepsNumbersFinite();
    void activationDropsThePendingOperation();
    void doubleClickSwitchesColours();
};

void TestStand::keys_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("messages");
    // Entry and the check.
    QTest::newRow("digits") << "1 2 3" << "123" << "" << QStringList{};
    QTest::newRow("point key") << "1 2 ," << "12." << "" << QStringList{};
    QTest::newRow("second point key") << "1 2 , ," << "" << "" << QStringList{P};
    QTest::newRow("sign on empty, then a digit") << "+/- 7" << " 07" << "" << QStringList{};
    QTest::newRow("sign of a negative fraction") << "t:-.5 +/-" << " .5" << "" << QStringList{};
    QTest::newRow("sign drops trailing zeros") << "t:1.50 +/-" << "-1.5" << "" << QStringList{};
    QTest::newRow("typed comma") << "1 t:," << "" << "" << QStringList{D};
    QTest::newRow("typed minus anywhere") << "t:5-3" << "5-3" << "" << QStringList{};
    QTest::newRow("typed accented letter") << QString::fromUtf8("t:7ő") << "" << "" << QStringList{D};
    QTest::newRow("typing goes on after the point key") << "1 2 , t:5" << "12.5" << "" << QStringList{};
    QTest::newRow("typing goes on after the sign key") << "+/- t:7" << " 07" << "" << QStringList{};
    QTest::newRow("keypad decimal sends comma") << "1 kp:, t:5" << "1.5" << "" << QStringList{};
    // Operations and the tape.
    QTest::newRow("sum") << "1 2 + 3 =" << "15" << "12+3 " << QStringList{};
    QTest::newRow("repeat") << "1 2 + 3 = =" << "27" << "12+3 15 " << QStringList{};
    QTest::newRow("new line after a result") << "1 2 + 3 = = * 2 =" << "54" << "27*2 " << QStringList{};
    QTest::newRow("no chaining") << "1 2 + 3 - 1 =" << "2" << "12+-1 " << QStringList{};
    QTest::newRow("empty second operand") << "1 2 + =" << "12" << "12+ " << QStringList{};
    QTest::newRow("a quotient gets a zero") << "1 / 4 =" << "0.25" << "1/4 " << QStringList{};
    QTest::newRow("a sum does not") << ", 2 + , 3 =" << ".5" << ".2+.3 " << QStringList{};
    QTest::newRow("negative quotient") << "1 +/- / 2 =" << "-.5" << "-1/2 " << QStringList{};
    QTest::newRow("small quotient written out") << "1 / 1 0 0 0 0 0 =" << "0.00001" << "1/100000 " << QStringList{};
    QTest::newRow("nothing pending") << "7 =" << "7" << "7 " << QStringList{};
    QTest::newRow("long tape is emptied")
        << "1 1 1 1 1 1 1 1 1 1 + 2 2 2 2 2 2 2 2 2 2 = =" << "4444444444" << "" << QStringList{};
    QTest::newRow("exponent form is refused") << "t:99999999 * t:99999999 =" << "" << "99999999*99999999 "
                                              << QStringList{D};
    QTest::newRow("C keeps the pending operation") << "1 2 + C 3 =" << "15" << "3 " << QStringList{};
    QTest::newRow("keypad operator and Enter") << "1 2 kp:+ t:3 enter" << "15" << "12+3 " << QStringList{};
    QTest::newRow("keypad after a result") << "2 + 3 = kp:* t:4 enter" << "20" << "5*4 " << QStringList{};
}

void TestStand::keys()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, tape);
    QFETCH(QStringList, messages);
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(w.Label1->text(), tape);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(w.Text1->cursorPosition(), display.size());
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
}

void TestStand::divisionByZeroLocksUntilC()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "7 + 1 = 5 / 0 =");
    QCOMPARE(w.Label1->text(), kDivisionByZero + " ");
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.eredmeny, 8.0);
    QCOMPARE(colors::foreground(w.Label1), colors::toColor(colors::kWhite));
    QCOMPARE(colors::background(w.Label1), colors::toColor(colors::kDesktop));
    QVERIFY(keysEnabled(w, false));
    press(w, "t:6 kp:+ t:2 enter");  // the keyboard still works
    QCOMPARE(w.Text1->text(), QString("8"));

    press(w, "C");
    QCOMPARE(w.Label1->text(), QString());
    QCOMPARE(colors::background(w.Label1), colors::toColor(colors::kInactiveTitleBar));
    QVERIFY(keysEnabled(w, true));
    press(w, "=");
    QVERIFY(!w.Command3->isEnabled());  // every evaluation disables +/-, a digit enables it
    press(w, "4");
    QVERIFY(w.Command3->isEnabled());
}

void TestStand::notRepresentableResultLocks()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "9 *");
    m.szam1 = 1e308;  // as another view may leave it
    press(w, "1 0 =");
    QCOMPARE(w.Label1->text(), kNotRepresentable + " ");
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.eredmeny, 0.0);
    QVERIFY(keysEnabled(w, false));
}

void TestStand::memoryIsOneSharedRegister()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "M+ MR");
    QCOMPARE(w.Label2->text(), QString("M"));
    QCOMPARE(w.Text1->text(), QString("0"));
    press(w, "C 4 2 M+ C t:.5 M+ C MR");  // replaces, never adds
    QCOMPARE(w.Text1->text(), QString(".5"));
    press(w, "MC");
    QCOMPARE(w.Label2->text(), QString());
    QCOMPARE(m.memoria, 0.0);
    m.memoria = -2.5;  // stored in another view
    press(w, "C MR");
    QCOMPARE(w.Text1->text(), QString("-2.5"));
}

void TestStand::entryLimitKeepsNumbersFinite()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    testkeys::type(w.Text1, QString(40, '9'));
    QCOMPARE(w.Text1->text().size(), 30);
    w.Text1->clear();
    w.Text1->insert(QString(400, '9'));  // an oversized paste is refused whole
    QCOMPARE(w.Text1->text(), QString());
    for (int i = 0; i < 100; ++i)
        w.Command2[9]->click();
    QCOMPARE(w.Text1->text().size(), 30);
    press(w, "M+ *");
    QVERIFY(std::isfinite(m.memoria) && m.memoria > 1e29);
    QVERIFY(std::isfinite(m.szam1));
}

void TestStand::activationDropsThePendingOperation()
{
    MessageRecorder recorder;
    Module1 m;
    m.hibas = true;
    StandWindow w(m);
    QCOMPARE(m.hibas, false);
    w.show();
    QApplication::setActiveWindow(&w);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    press(w, "1 2 +");
    w.move(0, 0);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&w);
    QCOMPARE(m.muvelet, QString());
    QCOMPARE(m.valto, true);
    QCOMPARE(m.szam1, 12.0);
    QCOMPARE(w.frameGeometry().center().x(), w.screen()->geometry().center().x());
    press(w, "3 =");
    QCOMPARE(w.Text1->text(), QString("3"));
}

void TestStand::doubleClickSwitchesColours()
{
    Module1 m;
    StandWindow w(m);
    QTest::mouseDClick(w.Label1, Qt::LeftButton);  // on a control: no effect
    QVERIFY(!w.colourful());
    QTest::mouseDClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(colors::background(w.centralWidget()), colors::toColor(colors::kGreen));
    QCOMPARE(colors::background(w.Command2[5]), colors::toColor(colors::kRed));
    QCOMPARE(colors::background(w.Command5[0]), colors::toColor(colors::kYellow));
    QCOMPARE(colors::background(w.Command6), colors::toColor(colors::kButtonFace));
    QTest::mouseDClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(colors::background(w.centralWidget()), colors::toColor(colors::kButtonFace));
    QCOMPARE(colors::background(w.Command2[5]), colors::toColor(colors::kButtonFace));
}

QTEST_MAIN(TestStand)
#include "tst_stand.moc"
