#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "support/messagerecorder.h"

#include <QLineEdit>
#include <QTest>

class TestInputCheck : public QObject {
    Q_OBJECT
private slots:
    void examine_data();
    void examine();
    void checkDisplay_data();
    void checkDisplay();
    void forbiddenAfterTwoPointsShowsBoth();
};

void TestInputCheck::examine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<bool>("hibas");
    QTest::addColumn<int>("points");
    QTest::newRow("decimal") << "12.5" << 10 << false << 1;
    QTest::newRow("empty") << "" << 10 << false << 0;
    QTest::newRow("two points") << "1.2." << 10 << false << 2;
    QTest::newRow("letter") << "1a" << 10 << true << 0;
    QTest::newRow("points before letter count") << "1.2.a" << 10 << true << 2;
    QTest::newRow("points after letter do not") << "1a.2.3" << 10 << true << 0;
    QTest::newRow("blanks at the ends") << "  -5 " << 10 << false << 0;
    QTest::newRow("blank inside") << "1 2" << 10 << true << 0;
    QTest::newRow("tab at the end") << "5\t" << 10 << true << 0;
    QTest::newRow("minus anywhere") << "5-3--" << 10 << false << 0;
    QTest::newRow("plus") << "+5" << 10 << true << 0;
    QTest::newRow("comma") << "1,5" << 10 << true << 0;
    QTest::newRow("exponent form") << "1E+15" << 10 << true << 0;
    QTest::newRow("hex letters in base 16") << "1aF" << 16 << false << 0;
    QTest::newRow("hex letters in base 10") << "1aF" << 10 << true << 0;
    QTest::newRow("G is not hex") << "FG" << 16 << true << 0;
    QTest::newRow("binary digits") << "-101.1" << 2 << false << 1;
    QTest::newRow("a 2 in base 2") << "12" << 2 << true << 0;
    QTest::newRow("a 7 in base 8") << "17" << 8 << false << 0;
    QTest::newRow("an 8 in base 8") << "18" << 8 << true << 0;
    QTest::newRow("a 9 in base 9") << "9" << 9 << true << 0;
    QTest::newRow("letters only in base 16") << "A" << 9 << true << 0;
    QTest::newRow("accented letter") << QString::fromUtf8("5é") << 10 << true << 0;
    QTest::newRow("a zero at the end is checked") << "x0" << 10 << true << 0;
}

void TestInputCheck::examine()
{
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(bool, hibas);
    QFETCH(int, points);
    Module1 m;
    inputcheck::examine(m, text, base);
    QCOMPARE(m.hibas, hibas);
    QCOMPARE(m.pontdb, points);
}

void TestInputCheck::checkDisplay_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("left");
    const QString digits = inputcheck::kMessageDigits;
    const QString points = inputcheck::kMessagePoints;
    QTest::newRow("accepted") << "12.5" << QStringList{} << "12.5";
    QTest::newRow("second point") << "1.2." << QStringList{points} << "";
    QTest::newRow("letter") << "1a" << QStringList{digits} << "";
    QTest::newRow("letter after two points") << "1.2.a" << QStringList{digits, points} << "";
    QTest::newRow("blanks trimmed") << "  -5 " << QStringList{} << "  -5 ";
    QTest::newRow("inner blank") << "1 2" << QStringList{digits} << "";
}

// The check as a display runs it: from the field's change handler, which
// zeroes the point count after every check, as the windows do.
void TestInputCheck::checkDisplay()
{
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QFETCH(QString, left);
    MessageRecorder recorder;
    Module1 m;
    QLineEdit field;
    connect(&field, &QLineEdit::textChanged, &field, [&] {
        inputcheck::checkDisplay(m, &field);
        m.pontdb = 0;
    });
    field.setText(text);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(field.text(), left);
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
    QCOMPARE(m.vizsgalt, left.trimmed() + "0");
    for (const auto &shown : recorder.shown)
        QCOMPARE(shown.icon, messages::Icon::None);
}

// Without a caller that zeroes the count, a lone check still shows message 2
// after message 1 when points came before the forbidden character.
void TestInputCheck::forbiddenAfterTwoPointsShowsBoth()
{
    MessageRecorder recorder;
    Module1 m;
    QLineEdit field;
    field.setText("3.1.x");
    inputcheck::checkDisplay(m, &field);
    QCOMPARE(recorder.texts(), (QStringList{inputcheck::kMessageDigits, inputcheck::kMessagePoints}));
    QCOMPARE(field.text(), QString());
    QCOMPARE(m.pontdb, 0);
}

QTEST_MAIN(TestInputCheck)
#include "tst_inputcheck.moc"
