// The standard window: tape texts, messages, the division lock, memory and
// the colour scheme (activation: tst_shell). Its results are judged by the
// event driver, the arithmetic by the reference sweeps.
#include "ui/colors.h"
#include "core/module1.h"
#include "core/texts.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestStand : public QObject {
    Q_OBJECT
private slots:
    void keys();
    void resultLocksUntilC();
    void doubleClickSwitchesColours();
};

// Script, display, tape, memory indicator; the messages where there are any.
void TestStand::keys()
{
    const auto row = [](const char *script, const char *display, const char *tape, const char *indicator,
                        const QStringList &messages = {}) {
        MessageRecorder recorder;
        Module1 m;
        StandWindow w(m);
        RUN_SCRIPT(w, m, script);
        QCOMPARE(QStringList({w.Text1->text(), w.Label1->text(), w.Label2->text()}),
                 QStringList({display, tape, indicator}));
        QCOMPARE(recorder.texts(), messages);
        QCOMPARE(w.Text1->cursorPosition(), w.Text1->text().size());  // the caret stays at the end
    };
    row("1 2 + 3 = =", "27", "12+3 15 ", "");
    row("1 2 + 3 = = * 2 =", "54", "27*2 ", "");  // a new line after a result
    row("1 2 + 3 - 1 =", "2", "12+-1 ", "");      // no chaining
    row("1 / 4 =", "0.25", "1/4 ", "");           // a quotient gets a zero, a sum does not
    row(", 2 + , 3 =", ".5", ".2+.3 ", "");
    row("t:99999999 * t:99999999 =", "", "99999999*99999999 ", "", {texts::kDigits});  // no exponent form
    row("2 + 3 = kp:* t:4 enter kp:, t:5", "20.5", "5*4 ", "");
    row("2 nk:+ 3 nk: nk:* t:4 nk:", "20", "5*4 ", "");  // Wayland's keypad: only the key symbol
    row("1 nk:, t:5 CLR 1 nk:. t:5", "1.5", "", "");
    row("t:1+", "", "", "", {texts::kDigits});    // the main keyboard's plus is typed
    row("4 2 M+ C t:.5 M+ C MR", ".5", "", "M");  // one register, replaced
    row("5 M+ MC MR", "0", "", "");
}

void TestStand::resultLocksUntilC()
{
    MessageRecorder recorder;
    Module1 m;
    StandWindow w(m);
    const auto keysEnabled = [&w](bool enabled) {
        for (QPushButton *key : w.findChildren<QPushButton *>())
            if (key != w.Command6 && key->isEnabled() != enabled)
                return false;
        return true;
    };
    RUN_SCRIPT(w, m, "7 + 1 = 5 / 0 =");
    QCOMPARE(w.Label1->text(), QString::fromUtf8("Nullával nem lehet osztani! "));
    QCOMPARE(m.eredmeny, 8.0);
    QCOMPARE(colors::foreground(w.Label1), colors::toColor(colors::kWhite));
    QCOMPARE(colors::background(w.Label1), colors::toColor(colors::kDesktop));
    QVERIFY(keysEnabled(false));
    RUN_SCRIPT(w, m, "t:6 kp:+ t:2 enter");  // the keyboard still works
    QCOMPARE(w.Text1->text(), QString("8"));
    RUN_SCRIPT(w, m, "C =");
    QCOMPARE(colors::background(w.Label1), colors::toColor(colors::kInactiveTitleBar));
    QVERIFY(!w.Command3->isEnabled());  // every evaluation disables +/-, a digit enables it
    RUN_SCRIPT(w, m, "4");
    QVERIFY(keysEnabled(true));
    // An infinite result is never shown: the same lock.
    RUN_SCRIPT(w, m, "* szam1=1e308 1 0 =");
    QCOMPARE(w.Label1->text(), QString::fromUtf8("Az eredmény nem ábrázolható! "));
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(m.eredmeny, 6.0);  // the last result, 6 + empty, stays
    QVERIFY(keysEnabled(false));
}

void TestStand::doubleClickSwitchesColours()
{
    Module1 m;
    StandWindow w(m);
    for (bool on : {true, false}) {
        QTest::mouseDClick(w.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(colors::background(w.centralWidget()), colors::toColor(on ? colors::kGreen : colors::kButtonFace));
        QCOMPARE(colors::background(w.Command2[5]), colors::toColor(on ? colors::kRed : colors::kButtonFace));
        QCOMPARE(colors::background(w.Command5[0]), colors::toColor(on ? colors::kYellow : colors::kButtonFace));
        QCOMPARE(colors::background(w.Command6), colors::toColor(colors::kButtonFace));
    }
}

QTEST_MAIN(TestStand)
#include "tst_stand.moc"
