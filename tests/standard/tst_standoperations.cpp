// Operations of the standard window: operators, "=", the tape, the division
// lock, C, memory and the colour scheme.
#include "shared/colors.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "standdriver.h"
#include "support/messagerecorder.h"

#include <QLabel>

namespace {
const QString kDivisionByZero = QString::fromUtf8("Nullával nem lehet osztani!");
const QString kNotRepresentable = QString::fromUtf8("Az eredmény nem ábrázolható!");

QList<QPushButton *> lockableKeys(StandWindow &w)
{
    QList<QPushButton *> keys;
    for (QPushButton *key : w.findChildren<QPushButton *>())
        if (key != w.Command6)
            keys << key;
    return keys;
}
}  // namespace

class TestStandOperations : public QObject {
    Q_OBJECT
private slots:
    void calculation_data();
    void calculation();
    void operatorStoresOperands();
    void resultInExponentFormIsRefused();
    void divisionByZeroLocksUntilC();
    void notRepresentableResultLocks();
    void clearKeepsThePendingOperation();
    void operatorKeysWhileInputIsBad();
    void memory();
    void doubleClickSwitchesColours();
    void manyKeysNeverOverflow();
};

void TestStandOperations::calculation_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    QTest::newRow("sum") << "1 2 + 3 =" << "15" << "12+3 ";
    QTest::newRow("repeat") << "1 2 + 3 = =" << "27" << "12+3 15 ";
    QTest::newRow("new line after result") << "1 2 + 3 = = * 2 =" << "54" << "27*2 ";
    QTest::newRow("no chaining") << "1 2 + 3 - 1 =" << "2" << "12+-1 ";
    QTest::newRow("operator on empty") << "1 2 + -" << "" << "12+-";
    QTest::newRow("empty second operand") << "1 2 + =" << "12" << "12+ ";
    QTest::newRow("quarter has a zero") << "1 / 4 =" << "0.25" << "1/4 ";
    QTest::newRow("third") << "1 / 3 =" << "0.333333333333333" << "1/3 ";
    QTest::newRow("negative half") << "1 +/- / 2 =" << "-.5" << "-1/2 ";
    QTest::newRow("sum below one has none") << ", 2 + , 3 =" << ".5" << ".2+.3 ";
    QTest::newRow("difference below one") << "1 - t:0.75 =" << ".25" << "1-0.75 ";
    QTest::newRow("product") << "2 5 * 4 =" << "100" << "25*4 ";
    QTest::newRow("negative result") << "3 - 5 =" << "-2" << "3-5 ";
    QTest::newRow("small quotient plain") << "1 / 1 0 0 0 0 0 =" << "0.00001" << "1/100000 ";
    QTest::newRow("no operation") << "7 =" << "7" << "7 ";
    QTest::newRow("long tape is emptied")
        << "1 1 1 1 1 1 1 1 1 1 + 2 2 2 2 2 2 2 2 2 2 = =" << "4444444444" << "";
    QTest::newRow("keypad operator") << "1 2 kp:+" << "" << "12+";
    QTest::newRow("keypad and enter") << "1 2 kp:+ t:3 enter" << "15" << "12+3 ";
    QTest::newRow("keypad divide") << "t:9 kp:/ t:2 enter" << "4.5" << "9/2 ";
    QTest::newRow("keypad after result") << "2 + 3 = kp:* t:4 enter" << "20" << "5*4 ";
    QTest::newRow("main keyboard minus is text") << "t:8- 1" << "8-1" << "";
}

void TestStandOperations::calculation()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, tape);
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(w.Label1->text(), tape);
    QVERIFY(recorder.shown.isEmpty());
}

void TestStandOperations::operatorStoresOperands()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "1 2 + 3 =");
    QCOMPARE(m.szam1, 12.0);
    QCOMPARE(m.szam2, 3.0);
    QCOMPARE(m.eredmeny, 15.0);
    QCOMPARE(m.muvelet, QString("+"));
    QCOMPARE(m.valto, true);
    QVERIFY(!w.Command3->isEnabled());
    press(w, "*");
    QCOMPARE(m.valto, false);
    QCOMPARE(m.szam1, 15.0);
    QCOMPARE(m.muvelet, QString("*"));
    QCOMPARE(w.Text1->text(), QString());
}

void TestStandOperations::resultInExponentFormIsRefused()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "t:99999999 * t:99999999 =");
    QCOMPARE(recorder.texts(), QStringList{inputcheck::kMessageDigits});
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.eredmeny, 99999999.0 * 99999999.0);
}

void TestStandOperations::divisionByZeroLocksUntilC()
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
    for (QPushButton *key : lockableKeys(w))
        QVERIFY2(!key->isEnabled(), qPrintable(key->objectName()));
    QVERIFY(w.Command6->isEnabled());

    // The keyboard still works while locked.
    press(w, "t:6 kp:+ t:2 enter");
    QCOMPARE(w.Text1->text(), QString("8"));

    press(w, "C");
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(w.Label1->text(), QString());
    QCOMPARE(colors::foreground(w.Label1), colors::toColor(colors::kHighlightedText));
    QCOMPARE(colors::background(w.Label1), colors::toColor(colors::kInactiveTitleBar));
    for (QPushButton *key : lockableKeys(w))
        QVERIFY(key->isEnabled());
    QVERIFY(recorder.shown.isEmpty());
}

void TestStandOperations::notRepresentableResultLocks()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "9 *");
    m.szam1 = 1e308;  // an operand from the shared state
    press(w, "1 0 =");
    QCOMPARE(w.Label1->text(), kNotRepresentable + " ");
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.eredmeny, 0.0);
    QVERIFY(!w.Command7->isEnabled());
    press(w, "C 2");
    QCOMPARE(w.Text1->text(), QString("2"));
}

void TestStandOperations::clearKeepsThePendingOperation()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "M+ 1 2 + C 3 =");
    QCOMPARE(w.Text1->text(), QString("15"));
    QCOMPARE(w.Label1->text(), QString("3 "));
    QCOMPARE(w.Label2->text(), QString("M"));
}

void TestStandOperations::operatorKeysWhileInputIsBad()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "1 2 + 3");
    m.hibas = true;
    m.pontdb = 1;
    press(w, "*");
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.muvelet, QString("+"));
    QCOMPARE(m.pontdb, 0);
    m.hibas = true;
    press(w, "=");
    QCOMPARE(w.Label1->text(), QString("12+"));
}

void TestStandOperations::memory()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    press(w, "M+");
    QCOMPARE(w.Label2->text(), QString("M"));
    QCOMPARE(m.memoria, 0.0);
    press(w, "MR");
    QCOMPARE(w.Text1->text(), QString("0"));

    press(w, "C , 5 M+ C MR");
    QCOMPARE(w.Text1->text(), QString(".5"));
    press(w, "C 4 2 M+ C t:1 M+");  // replaces, does not add
    QCOMPARE(m.memoria, 1.0);
    press(w, "MC");
    QCOMPARE(w.Label2->text(), QString());
    QCOMPARE(m.memoria, 0.0);
    QCOMPARE(w.Text1->text(), QString("1"));

    m.memoria = -2.5;  // stored in another view
    press(w, "C MR");
    QCOMPARE(w.Text1->text(), QString("-2.5"));
    QCOMPARE(w.Text1->cursorPosition(), 4);
}

void TestStandOperations::doubleClickSwitchesColours()
{
    Module1 m;
    StandWindow w(m);
    const QColor face = colors::toColor(colors::kButtonFace);
    QTest::mouseDClick(w.Label1, Qt::LeftButton);  // on a control: no effect
    QVERIFY(!w.colourful());

    QTest::mouseDClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(w.colourful());
    QCOMPARE(colors::background(w.centralWidget()), colors::toColor(colors::kGreen));
    for (QPushButton *key : w.Command2)
        QCOMPARE(colors::background(key), colors::toColor(colors::kRed));
    for (QPushButton *key : w.Command5)
        QCOMPARE(colors::background(key), colors::toColor(colors::kYellow));
    QCOMPARE(colors::background(w.Command6), face);
    QCOMPARE(colors::background(w.Command1[0]), colors::toColor(colors::kAppWorkspace));

    QTest::mouseDClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(!w.colourful());
    QCOMPARE(colors::background(w.centralWidget()), face);
    QCOMPARE(colors::background(w.Command2[5]), face);
    QCOMPARE(colors::background(w.Command5[0]), face);
}

void TestStandOperations::manyKeysNeverOverflow()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    for (int i = 0; i < 40000; ++i) {
        w.Command5[i % 4]->click();
        w.Command4->click();
    }
    QCOMPARE(m.pontdb, 0);
    QVERIFY(recorder.shown.isEmpty());
    press(w, "C 6 * 7 =");
    QCOMPARE(w.Text1->text(), QString("42"));
}

QTEST_MAIN(TestStandOperations)
#include "tst_standoperations.moc"
