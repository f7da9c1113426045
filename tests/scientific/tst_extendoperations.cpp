// The two-operand operations of the scientific window: operator keys, the
// pending function keys, "=", the error state, "C" and the tape.
#include "extenddriver.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "support/messagerecorder.h"

#include <cmath>

class TestExtendOperations : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void refusals_data();
    void refusals();
    void equalsRepeats_data();
    void equalsRepeats();
    void pendingKeyStartsTheTape();
    void equalsWithoutOperation();
    void clearKeepsThePendingOperation();
    void clearLeavesTheErrorState();
    void longTapeIsEmptied();
    void exponentFormIsRefusedByTheCheck();
};

void TestExtendOperations::results_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    QTest::newRow("7+5") << "7 + 5 =" << "12" << "7+5 ";
    QTest::newRow("quotient has a leading zero") << "1 / 4 =" << "0.25" << "1/4 ";
    QTest::newRow("difference has none") << "1 - t:0.75 =" << ".25" << "1-0.75 ";
    QTest::newRow("product") << "t:1.5 * 4 =" << "6" << "1.5*4 ";
    QTest::newRow("negative sum") << "2 + t:-5 =" << "-3" << "2+-5 ";
    QTest::newRow("second operator takes empty display") << "2 + * 3 =" << "0" << "2+*3 ";
    QTest::newRow("small quotient is kept") << "1 / t:1000000000 =" << "0.000000001" << "1/1000000000 ";
    QTest::newRow("27 root 3") << "t:27 root 3 =" << "3" << "27 (gyök)  3 ";
    QTest::newRow("16 root 4") << "t:16 root 4 =" << "2" << "16 (gyök)  4 ";
    QTest::newRow("odd root of a negative") << "t:-8 root 3 =" << "-2" << "-8 (gyök)  3 ";
    QTest::newRow("odd negative index") << "t:-8 root t:-3 =" << "-.5" << "-8 (gyök)  -3 ";
    QTest::newRow("root has no leading zero") << "t:.25 root 2 =" << ".5" << ".25 (gyök)  2 ";
    QTest::newRow("2^10") << "2 pow t:10 =" << "1024" << "2^ 10 ";
    QTest::newRow("2^-1") << "2 pow t:-1 =" << "0.5" << "2^ -1 ";
    QTest::newRow("2^8") << "2 pow 8 =" << "256" << "2^ 8 ";
    QTest::newRow("negative base, whole exponent") << "t:-2 pow 3 =" << "-8" << "-2^ 3 ";
    QTest::newRow("2^0.5") << "2 pow t:.5 =" << "1.4142135623731" << "2^ .5 ";
    QTest::newRow("15% of 200") << "t:200 % t:15 =" << "30" << "200% 15 ";
    QTest::newRow("1% of 50") << "t:50 % 1 =" << "0.5" << "50% 1 ";
    QTest::newRow("12 Lnko 18") << "t:12 Lnko t:18 =" << "6" << "12 (Lnko)  18 ";
    QTest::newRow("12 Lkkt 18") << "t:12 Lkkt t:18 =" << "36" << "12 (Lkkt)  18 ";
    QTest::newRow("101 Lnko 202") << "t:101 Lnko t:202 =" << "101" << "101 (Lnko)  202 ";
    QTest::newRow("613 Lnko 1226") << "t:613 Lnko t:1226 =" << "613" << "613 (Lnko)  1226 ";
    QTest::newRow("607 Lkkt 2") << "t:607 Lkkt 2 =" << "1214" << "607 (Lkkt)  2 ";
    QTest::newRow("0 Lnko 6") << "0 Lnko 6 =" << "6" << "0 (Lnko)  6 ";
    QTest::newRow("0 Lkkt 6") << "0 Lkkt 6 =" << "0" << "0 (Lkkt)  6 ";
    QTest::newRow("signs ignored") << "t:-4 Lkkt 6 =" << "12" << "-4 (Lkkt)  6 ";
    QTest::newRow("large whole operands")
        << "t:9007199254740991 Lnko t:9007199254740990 =" << "1"
        << "9007199254740991 (Lnko)  9007199254740990 ";
    QTest::newRow("enter evaluates like =") << "7 + 5 enter" << "12" << "7+5 ";
}

void TestExtendOperations::results()
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
    QVERIFY(recorder.shown.isEmpty());
    QCOMPARE(m.valto, true);
    QCOMPARE(m.szam2, numbertext::val(script.section(' ', -2, -2).remove("t:")));
    QVERIFY(tapeIsNormal(w));
    QStringList expected = lockableKeys();
    expected.removeOne("Command3");  // "=" locks the sign key only
    expected << "Command6";
    expected.sort();
    QCOMPARE(enabledKeys(w), expected);
    QCOMPARE(w.Text1->cursorPosition(), display.size());
}

void TestExtendOperations::refusals_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    const QString zero = QString::fromUtf8("Nullával nem lehet osztani! ");
    const QString evenRoot = QString::fromUtf8("Negatív számból nem lehet páros gyökkitevőjű gyököt vonni! ");
    const QString noReal = QString::fromUtf8("Nincs valós eredmény! ");
    const QString range = QString::fromUtf8("Az eredmény nem ábrázolható! ");
    const QString whole = QString::fromUtf8("Csak egész számokra értelmezett! ");
    QTest::newRow("1/0") << "1 / 0 =" << "0" << zero;
    QTest::newRow("keypad 1/0") << "1 kp:/ 0 enter" << "0" << zero;
    QTest::newRow("even root of a negative") << "t:-8 root 2 =" << "2" << evenRoot;
    QTest::newRow("negative even index") << "t:-8 root t:-4 =" << "-4" << evenRoot;
    QTest::newRow("fractional index of a negative") << "t:-8 root t:2.5 =" << "2.5" << noReal;
    QTest::newRow("index 0") << "8 root 0 =" << "0" << zero;
    QTest::newRow("index 0 of a negative") << "t:-8 root 0 =" << "0" << zero;
    QTest::newRow("negative index of 0") << "0 root t:-2 =" << "-2" << zero;
    QTest::newRow("huge even index") << "t:-8 root t:4294967296 =" << "4294967296" << evenRoot;
    QTest::newRow("tiny index") << "2 root t:.00000000000000000000000001 ="
                                << ".00000000000000000000000001" << range;
    QTest::newRow("0 to a negative power") << "0 pow t:-1 =" << "-1" << zero;
    QTest::newRow("negative base, fractional exponent") << "t:-8 pow t:.5 =" << ".5" << noReal;
    QTest::newRow("power beyond a double") << "t:10 pow t:400 =" << "400" << range;
    QTest::newRow("fraction Lnko") << "t:12.5 Lnko t:10 =" << "10" << whole;
    QTest::newRow("fraction Lkkt") << "t:10 Lkkt t:.5 =" << ".5" << whole;
    QTest::newRow("2^53 Lkkt") << "t:9007199254740992 Lkkt 2 =" << "2" << whole;
}

void TestExtendOperations::refusals()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, tape);
    MessageRecorder recorder;
    Module1 m;
    m.eredmeny = 41;
    ExtendWindow w(m);
    QVERIFY(press(w, script));
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(w.Label3->text(), tape);
    QVERIFY(tapeIsError(w));
    QCOMPARE(enabledKeys(w), QStringList{"Command6"});
    QCOMPARE(m.eredmeny, 41.0);  // untouched by the refused operation
    QVERIFY(std::isfinite(m.szam1) && std::isfinite(m.szam2));
    QVERIFY(recorder.shown.isEmpty());
    QCOMPARE(m.valto, true);
}

void TestExtendOperations::equalsRepeats_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("displays");
    QTest::newRow("sum") << "2 + 3" << QStringList{"5", "7", "9"};
    QTest::newRow("quotient") << "1 / 2" << QStringList{"0.5", "2", "0.5"};
    QTest::newRow("power") << "2 pow 2" << QStringList{"4", "16", "65536"};
    QTest::newRow("percent") << "t:50 % t:50" << QStringList{"25", "12.5", "6.25"};
    QTest::newRow("Lkkt") << "6 Lkkt 4" << QStringList{"12", "12", "12"};
    QTest::newRow("Lnko") << "t:12 Lnko 8" << QStringList{"4", "4", "4"};
}

// "=" again works on the shown result with the same first operand.
void TestExtendOperations::equalsRepeats()
{
    QFETCH(QString, script);
    QFETCH(QStringList, displays);
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, script));
    const double first = m.szam1;
    for (const QString &display : displays) {
        QVERIFY(press(w, "="));
        QCOMPARE(w.Text1->text(), display);
        QCOMPARE(m.szam1, first);
        QCOMPARE(m.eredmeny, numbertext::val(display));
    }
}

void TestExtendOperations::pendingKeyStartsTheTape()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "7 + 5 = pow"));
    QCOMPARE(w.Label3->text(), QString("12^ "));
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.muvelet, QString("^"));
    QCOMPARE(m.szam1, 12.0);
    QCOMPARE(m.valto, true);
    QVERIFY(press(w, "t:12 root"));
    QCOMPARE(w.Label3->text(), QString::fromUtf8("12 (gyök)  "));
    QCOMPARE(m.muvelet, QString::fromUtf8(" (gyök) "));
    QVERIFY(press(w, "Lnko"));
    QCOMPARE(m.muvelet, QString(" (Lnko) "));
    QCOMPARE(m.szam1, 0.0);
    QVERIFY(press(w, "Lkkt"));
    QCOMPARE(m.muvelet, QString(" (Lkkt) "));
    QVERIFY(press(w, "%"));
    QCOMPARE(m.muvelet, QString("%"));
    QCOMPARE(w.Label3->text(), QString("% "));
}

void TestExtendOperations::equalsWithoutOperation()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "5 ="));
    QCOMPARE(w.Text1->text(), QString("5"));
    QCOMPARE(w.Label3->text(), QString("5 "));
    QCOMPARE(m.szam2, 5.0);
    // The tag of a function key is not an operation either.
    QVERIFY(press(w, "C 4 n! ="));
    QCOMPARE(m.muvelet, QString("!"));
    QCOMPARE(w.Text1->text(), QString("24"));
    QCOMPARE(w.Label3->text(), QString("4! 24 "));
}

void TestExtendOperations::clearKeepsThePendingOperation()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "2 + 3 = C 4 + C"));
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(w.Label3->text(), QString());
    QCOMPARE(m.eredmeny, 0.0);
    QCOMPARE(m.muvelet, QString("+"));
    QCOMPARE(m.szam1, 4.0);
    QVERIFY(press(w, "3 ="));
    QCOMPARE(w.Text1->text(), QString("7"));
    QCOMPARE(w.Label3->text(), QString("3 "));
}

void TestExtendOperations::clearLeavesTheErrorState()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "5 M+ C 1 / 0 ="));
    QCOMPARE(enabledKeys(w), QStringList{"Command6"});
    QTest::mouseClick(w.Command2[7], Qt::LeftButton);  // locked: does nothing
    QCOMPARE(w.Text1->text(), QString("0"));
    QVERIFY(press(w, "C"));
    QStringList all = lockableKeys();
    all << "Command6";
    all.sort();
    QCOMPARE(enabledKeys(w), all);
    QVERIFY(tapeIsNormal(w));
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(w.Label3->text(), QString());
    QCOMPARE(m.muvelet, QString("/"));  // still pending
    QCOMPARE(w.Label2->text(), QString("M"));
    QCOMPARE(m.memoria, 5.0);
    QVERIFY(press(w, "4 ="));
    QCOMPARE(w.Text1->text(), QString("0.25"));
}

void TestExtendOperations::longTapeIsEmptied()
{
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "t:123456789 + t:123456789 ="));
    int emptied = 0;
    for (int i = 0; i < 12; ++i) {
        const QString before = w.Label3->text();
        QVERIFY(press(w, "="));
        const QString grown = before + QString::number(2 * 123456789 + i * 123456789) + ' ';
        QCOMPARE(w.Label3->text(), grown.size() > 80 ? QString() : grown);
        emptied += w.Label3->text().isEmpty();
    }
    QVERIFY(emptied >= 1);
}

// A finite result of 1E+15 or more is written in exponent form, which the
// display's own check refuses.
void TestExtendOperations::exponentFormIsRefusedByTheCheck()
{
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    QVERIFY(press(w, "t:999999999999999999999999999999 * t:999999999999999999999999999999 ="));
    QCOMPARE(recorder.texts(), QStringList{inputcheck::kMessageDigits});
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.eredmeny, 1e60);
    QVERIFY(tapeIsNormal(w));
}

QTEST_MAIN(TestExtendOperations)
#include "tst_extendoperations.moc"
