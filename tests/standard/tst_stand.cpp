// The standard window as a user drives it: keys, typing, the tape, the
// division lock, memory, activation and the colour scheme.
#include "shared/texts.h"
#include "shared/colors.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "standard/standwindow.h"
#include "support/script.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {
const QString D = texts::kDigits;
const QString P = texts::kPoints;

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
    void resultLocksUntilC();
    void activationDropsThePendingOperation();
    void doubleClickSwitchesColours();
};

void TestStand::keys_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("indicator");
    // Entry and the check; the caret ends at the end after every key.
    QTest::newRow("second point key") << "1 2 , ," << "" << "" << QStringList{P} << "";
    QTest::newRow("typing goes on after the point key") << "1 2 , t:5" << "12.5" << "" << QStringList{} << "";
    QTest::newRow("typing goes on after the sign key") << "+/- t:7" << " 07" << "" << QStringList{} << "";
    QTest::newRow("sign of a negative fraction") << "t:-.5 +/-" << " .5" << "" << QStringList{} << "";
    QTest::newRow("keypad decimal sends comma") << "1 kp:, t:5" << "1.5" << "" << QStringList{} << "";
    // Operations and the tape.
    QTest::newRow("sum") << "1 2 + 3 =" << "15" << "12+3 " << QStringList{} << "";
    QTest::newRow("repeat") << "1 2 + 3 = =" << "27" << "12+3 15 " << QStringList{} << "";
    QTest::newRow("new line after a result") << "1 2 + 3 = = * 2 =" << "54" << "27*2 " << QStringList{} << "";
    QTest::newRow("no chaining") << "1 2 + 3 - 1 =" << "2" << "12+-1 " << QStringList{} << "";
    QTest::newRow("empty second operand") << "1 2 + =" << "12" << "12+ " << QStringList{} << "";
    QTest::newRow("a quotient gets a zero") << "1 / 4 =" << "0.25" << "1/4 " << QStringList{} << "";
    QTest::newRow("a sum does not") << ", 2 + , 3 =" << ".5" << ".2+.3 " << QStringList{} << "";
    QTest::newRow("small quotient written out") << "1 / 1 0 0 0 0 0 =" << "0.00001" << "1/100000 " << QStringList{} << "";
    QTest::newRow("nothing pending") << "7 =" << "7" << "7 " << QStringList{} << "";
    QTest::newRow("long tape is emptied")
        << "1 1 1 1 1 1 1 1 1 1 + 2 2 2 2 2 2 2 2 2 2 = =" << "4444444444" << "" << QStringList{} << "";
    QTest::newRow("exponent form is refused") << "t:99999999 * t:99999999 =" << "" << "99999999*99999999 "
                                              << QStringList{D} << "";
    QTest::newRow("C keeps the pending operation") << "1 2 + C 3 =" << "15" << "3 " << QStringList{} << "";
    QTest::newRow("keypad operator and Enter") << "2 + 3 = kp:* t:4 enter" << "20" << "5*4 " << QStringList{} << "";
    // Wayland's keypad: no keypad modifier, only the key symbol.
    QTest::newRow("keypad keys told by their symbol")
        << "2 + 3 = nk:* t:4 nk:" << "20" << "5*4 " << QStringList{} << "";
    QTest::newRow("keypad minus told by its symbol") << "t:9 nk:- t:4 nk:" << "5" << "9-4 " << QStringList{} << "";
    QTest::newRow("keypad separator told by its symbol") << "1 nk:, t:5" << "1.5" << "" << QStringList{} << "";
    QTest::newRow("keypad decimal told by its symbol") << "1 nk:. t:5" << "1.5" << "" << QStringList{} << "";
    QTest::newRow("main keyboard plus still typed") << "t:1+" << "" << "" << QStringList{D} << "";
    // Memory: one register, replaced by M+, and the entry limit.
    QTest::newRow("M+ of an empty display") << "M+ MR" << "0" << "" << QStringList{} << "M";
    QTest::newRow("M+ replaces, never adds") << "4 2 M+ C t:.5 M+ C MR" << ".5" << "" << QStringList{} << "M";
    QTest::newRow("MC clears") << "5 M+ MC MR" << "0" << "" << QStringList{} << "";
    QTest::newRow("typing stops at 30") << "t:" + QString(40, '9') << QString(30, '9') << "" << QStringList{} << "";
    QTest::newRow("keys stop at 30") << QString("9 ").repeated(40) + "M+" << QString(30, '9') << "" << QStringList{} << "M";
}

void TestStand::keys()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, tape);
    QFETCH(QStringList, messages);
    QFETCH(QString, indicator);
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    RUN_SCRIPT(w, m, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(w.Label1->text(), tape);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(w.Label2->text(), indicator);
    QCOMPARE(w.Text1->cursorPosition(), display.size());
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
}

void TestStand::resultLocksUntilC()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    RUN_SCRIPT(w, m, "7 + 1 = 5 / 0 =");
    QCOMPARE(w.Label1->text(), QString::fromUtf8("Nullával nem lehet osztani! "));
    QCOMPARE(m.eredmeny, 8.0);
    QCOMPARE(colors::foreground(w.Label1), colors::toColor(colors::kWhite));
    QCOMPARE(colors::background(w.Label1), colors::toColor(colors::kDesktop));
    QVERIFY(keysEnabled(w, false));
    RUN_SCRIPT(w, m, "t:6 kp:+ t:2 enter");  // the keyboard still works
    QCOMPARE(w.Text1->text(), QString("8"));

    RUN_SCRIPT(w, m, "C");
    QCOMPARE(w.Label1->text(), QString());
    QCOMPARE(colors::background(w.Label1), colors::toColor(colors::kInactiveTitleBar));
    QVERIFY(keysEnabled(w, true));
    RUN_SCRIPT(w, m, "=");
    QVERIFY(!w.Command3->isEnabled());  // every evaluation disables +/-, a digit enables it
    RUN_SCRIPT(w, m, "4");
    QVERIFY(w.Command3->isEnabled());

    // An infinite result is never shown: the same lock.
    RUN_SCRIPT(w, m, "*");
    m.szam1 = 1e308;  // as another view may leave it
    RUN_SCRIPT(w, m, "1 0 =");
    QCOMPARE(w.Label1->text(), QString::fromUtf8("Az eredmény nem ábrázolható! "));
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.eredmeny, 6.0);  // the last result, 6 + empty, stays
    QVERIFY(keysEnabled(w, false));
}

void TestStand::activationDropsThePendingOperation()
{
    MessageRecorder recorder;
    Module1 m;
    m.hibas = true;
    StandWindow w(m);
    QCOMPARE(m.hibas, false);  // Form_Load
    w.show();
    QApplication::setActiveWindow(&w);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    RUN_SCRIPT(w, m, "1 2 +");
    w.move(0, 0);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&w);
    QCOMPARE(m.muvelet, QString());
    QCOMPARE(m.valto, true);
    QCOMPARE(m.szam1, 12.0);
    QCOMPARE(w.frameGeometry().center().x(), w.screen()->geometry().center().x());
}

void TestStand::doubleClickSwitchesColours()
{
    Module1 m;
    StandWindow w(m);
    QTest::mouseDClick(w.Label1, Qt::LeftButton);  // on a control: no effect
    QVERIFY(!w.colourful());
    for (unsigned face : {colors::kGreen, colors::kButtonFace}) {
        QTest::mouseDClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
        const bool on = face == colors::kGreen;
        QCOMPARE(colors::background(w.centralWidget()), colors::toColor(face));
        QCOMPARE(colors::background(w.Command2[5]), colors::toColor(on ? colors::kRed : colors::kButtonFace));
        QCOMPARE(colors::background(w.Command5[0]), colors::toColor(on ? colors::kYellow : colors::kButtonFace));
        QCOMPARE(colors::background(w.Command6), colors::toColor(colors::kButtonFace));
    }
}

QTEST_MAIN(TestStand)
#include "tst_stand.moc"
