// The input check: its verdict on a text, and what a display shows and
// keeps when it runs from the display's change handler.
#include "shared/texts.h"
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
};

void TestInputCheck::examine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<bool>("hibas");
    QTest::addColumn<int>("points");
    QTest::newRow("decimal") << "12.5" << 10 << false << 1;
    QTest::newRow("two points") << "1.2." << 10 << false << 2;
    QTest::newRow("letter") << "1a" << 10 << true << 0;
    QTest::newRow("points before a letter count") << "1.2.a" << 10 << true << 2;
    QTest::newRow("points after a letter do not") << "1a.2.3" << 10 << true << 0;
    QTest::newRow("blanks at the ends") << "  -5 " << 10 << false << 0;
    QTest::newRow("blank inside") << "1 2" << 10 << true << 0;
    QTest::newRow("a tab is not a blank") << "5\t" << 10 << true << 0;
    QTest::newRow("nor at the start") << "\t5" << 10 << true << 0;
    QTest::newRow("minus inside") << "5.-3" << 10 << true << 1;
    QTest::newRow("second minus") << " --5" << 10 << true << 0;
    QTest::newRow("binary digits") << "-101.1" << 2 << false << 1;
    QTest::newRow("a 2 in base 2") << "12" << 2 << true << 0;
    QTest::newRow("hex letters in base 16") << "1aF" << 16 << false << 0;
    QTest::newRow("hex letters in base 10") << "1aF" << 10 << true << 0;
    QTest::newRow("G is not hex") << "FG" << 16 << true << 0;
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
    QTest::addColumn<bool>("handler");  // the change handler zeroes pontdb after each check
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("left");
    const QString digits = texts::kDigits;
    const QString points = texts::kPoints;
    QTest::newRow("accepted") << "  12.5 " << true << QStringList{} << "  12.5 ";
    QTest::newRow("second point") << "1.2." << true << QStringList{points} << "";
    QTest::newRow("letter") << "1a" << true << QStringList{digits} << "";
    QTest::newRow("minus after a digit") << "5-3" << true << QStringList{digits} << "";
    QTest::newRow("letter after two points") << "1.2.a" << true << QStringList{digits, points} << "";
    QTest::newRow("letter after two points, lone check") << "3.1.x" << false << QStringList{digits, points} << "";
}

void TestInputCheck::checkDisplay()
{
    QFETCH(QString, text);
    QFETCH(bool, handler);
    QFETCH(QStringList, messages);
    QFETCH(QString, left);
    MessageRecorder recorder;
    Module1 m;
    QLineEdit field;
    if (handler)
        connect(&field, &QLineEdit::textChanged, &field, [&] {
            inputcheck::checkDisplay(m, &field);
            m.pontdb = 0;
        });
    field.setText(text);
    if (!handler)
        inputcheck::checkDisplay(m, &field);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(field.text(), left);
    QCOMPARE(m.pontdb, 0);
    // Only the check of the emptied field, re-entered, clears the verdict.
    QCOMPARE(m.hibas, !handler);
    QCOMPARE(m.vizsgalt, (handler ? left.trimmed() : text) + "0");
    for (const auto &shown : recorder.shown)
        QCOMPARE(shown.icon, messages::Icon::None);
}

QTEST_MAIN(TestInputCheck)
#include "tst_inputcheck.moc"
