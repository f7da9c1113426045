// The calculator's rules without any window or application object: keys in,
// what the view shows and tells out.
#include "core/informaticscalculator.h"
#include "core/module1.h"
#include "core/scientificcalculator.h"
#include "core/standardcalculator.h"

#include <QTest>

using core::Key;

namespace {
// Digits, then the keys by their captions.
void press(core::Calculator &c, const QString &keys)
{
    static const QHash<QString, Key> named{
        {"+", Key::Add},          {"-", Key::Subtract},      {"*", Key::Multiply},     {"/", Key::Divide},
        {"=", Key::Equals},       {"C", Key::Clear},         {",", Key::Point},        {"+/-", Key::Sign},
        {"M+", Key::MemoryStore}, {"MR", Key::MemoryRecall}, {"MC", Key::MemoryClear}, {"sin", Key::Sin},
        {"Inv", Key::Inverse}};
    for (const QString &word : keys.split(' ', Qt::SkipEmptyParts)) {
        if (named.contains(word))
            c.press(named.value(word));
        else
            for (const QChar digit : word)
                c.press(core::digitKey(digit.digitValue()));
    }
}
}  // namespace

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void standardKeys();
};

void TestCore::standardKeys()
{
    Module1 m;
    core::StandardCalculator stand(m);
    stand.load();
    press(stand, "12 + 3 - 1 =");
    QCOMPARE(stand.panel().display, QString("2"));
    QCOMPARE(stand.panel().tape, QString("12+-1 "));
    press(stand, "5 / 0 =");
    QCOMPARE(stand.panel().tape, QString("Nullával nem lehet osztani! "));
    QVERIFY(stand.panel().tapeAlarm);
    QCOMPARE(stand.panel().enabled.count(), size_t(1));
}

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
