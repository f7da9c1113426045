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
    void typingStopsAtTheLimit();
    void textFromCodeIsNeverCut();
    void limitHoldsAfterTextFromCodePassedIt_data();
    void limitHoldsAfterTextFromCodePassedIt();
    void appendRespectsTheLimit();
};

namespace {
void key(QLineEdit *field, Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Click, field, code, QString(), modifiers);
}
}  // namespace

void TestDisplayField::typingStopsAtTheLimit()
{
    QLineEdit field;
    displayfield::setUp(&field, 5);
    testkeys::type(&field, QStringLiteral("1234567"));
    QCOMPARE(field.text(), QStringLiteral("12345"));
    field.insert(QStringLiteral("99"));
    QCOMPARE(field.text(), QStringLiteral("12345"));
    key(&field, Qt::Key_Backspace);
    testkeys::type(&field, QStringLiteral("89"));
    QCOMPARE(field.text(), QStringLiteral("12348"));
    QCOMPARE(field.accessibleName(), QStringLiteral("Kijelző"));
}

void TestDisplayField::textFromCodeIsNeverCut()
{
    QLineEdit field;
    displayfield::setUp(&field, 5);
    field.setText(QStringLiteral("123456789"));
    QCOMPARE(field.text(), QStringLiteral("123456789"));
}

void TestDisplayField::limitHoldsAfterTextFromCodePassedIt_data()
{
    // What the user does after the code wrote nine characters into a field
    // limited to five, and what the field holds then.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typing adds nothing") << "t:0 t:1" << "123456789";
    QTest::newRow("pasting adds nothing") << "p:00" << "123456789";
    QTest::newRow("deleting works") << "bs bs" << "1234567";
    QTest::newRow("room made by deleting can be typed into") << "bs bs t:a t:b t:c" << "1234567ab";
    QTest::newRow("undo of the deletions, then typing") << "bs bs undo t:0 p:0" << "123456789";
    QTest::newRow("replacing the whole text") << "all t:4 t:2" << "42";
    // The room the code made stays until the code sets the next text.
    QTest::newRow("replacing, then typing up to the length set")
        << "all t:9 t:8 t:7 t:6 t:5 t:4 t:3 t:2 t:1 t:0" << "987654321";
}

void TestDisplayField::limitHoldsAfterTextFromCodePassedIt()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    QLineEdit field;
    displayfield::setUp(&field, 5);
    field.setText(QStringLiteral("123456789"));
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (step.startsWith(QLatin1String("t:")))
            testkeys::type(&field, step.mid(2));
        else if (step.startsWith(QLatin1String("p:")))
            field.insert(step.mid(2));
        else if (step == QLatin1String("bs"))
            key(&field, Qt::Key_Backspace);
        else if (step == QLatin1String("undo"))
            key(&field, Qt::Key_Z, Qt::ControlModifier);
        else if (step == QLatin1String("all"))
            key(&field, Qt::Key_A, Qt::ControlModifier);
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
