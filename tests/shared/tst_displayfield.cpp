// The entry limit of the calculator displays: typing and pasting stop at it,
// text set by code is never cut, and the limit keeps holding after such a
// text passed it.
#include "shared/displayfield.h"
#include "support/keys.h"

#include <QLineEdit>
#include <QTest>

class TestDisplayField : public QObject {
    Q_OBJECT
private slots:
    void entryLimit_data();
    void entryLimit();
    void appendRespectsTheLimit();
};

void TestDisplayField::entryLimit_data()
{
    // What code sets first, what the user does then in a field limited to
    // five characters, and what the field holds.
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typing stops at the limit") << "" << "t:1234567" << "12345";
    QTest::newRow("pasting stops at the limit") << "123" << "p:456" << "123";
    QTest::newRow("deleting makes room") << "12345" << "bs t:89" << "12348";
    QTest::newRow("code is never cut") << "123456789" << "" << "123456789";
    // Past the limit by code:
    QTest::newRow("typing adds nothing") << "123456789" << "t:0 t:1" << "123456789";
    QTest::newRow("pasting adds nothing") << "123456789" << "p:00" << "123456789";
    QTest::newRow("deleting works") << "123456789" << "bs bs" << "1234567";
    QTest::newRow("room made by deleting can be typed into") << "123456789" << "bs bs t:a t:b t:c" << "1234567ab";
    QTest::newRow("undo of the deletions, then typing") << "123456789" << "bs bs undo t:0 p:0" << "123456789";
    QTest::newRow("replacing the whole text") << "123456789" << "all t:4 t:2" << "42";
    // The room the code made stays until the code sets the next text.
    QTest::newRow("replacing, then typing up to the length set")
        << "123456789" << "all t:9 t:8 t:7 t:6 t:5 t:4 t:3 t:2 t:1 t:0" << "987654321";
}

void TestDisplayField::entryLimit()
{
    QFETCH(QString, set);
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    QLineEdit field;
    displayfield::setUp(&field, 5);
    QCOMPARE(field.accessibleName(), QStringLiteral("Kijelző"));
    field.setText(set);
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step.startsWith(QLatin1String("t:")))
            testkeys::type(&field, step.mid(2));
        else if (step.startsWith(QLatin1String("p:")))
            field.insert(step.mid(2));
        else if (step == QLatin1String("bs"))
            QTest::keyClick(&field, Qt::Key_Backspace);
        else if (step == QLatin1String("undo"))
            QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
        else if (step == QLatin1String("all"))
            QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    }
    QCOMPARE(field.text(), expected);

    // A shorter text from code brings the limit back.
    field.setText(QStringLiteral("1"));
    testkeys::type(&field, QStringLiteral("234567"));
    QCOMPARE(field.text(), QStringLiteral("12345"));
}

void TestDisplayField::appendRespectsTheLimit()
{
    QLineEdit field;
    displayfield::setUp(&field, 3);
    QVERIFY(displayfield::append(&field, QStringLiteral("12")));
    QVERIFY(displayfield::append(&field, QStringLiteral("3")));
    QVERIFY(!displayfield::append(&field, QStringLiteral("4")));
    QCOMPARE(field.text(), QStringLiteral("123"));
}

QTEST_MAIN(TestDisplayField)
#include "tst_displayfield.moc"
