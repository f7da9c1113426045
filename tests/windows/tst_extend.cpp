// The scientific window: tape texts, messages, which keys are locked, Inv and
// the constants; and the rounding helpers.
// Its results are checked against the reference (tests/reference).
#include "scientific/extendwindow.h"
#include "core/functions.h"
#include "ui/colors.h"
#include "core/module1.h"
#include "core/texts.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {
// The window's state in words: which keys are usable ("all", "noSign" after
// "=", "C" in the error state, "inv" in inverse mode), then "inverz", the
// tape's error colours, the Inv key's colour and the memory indicator.
QString state(ExtendWindow &w, const Module1 &m)
{
    QStringList on, off;
    for (QPushButton *k : w.findChildren<QPushButton *>())
        (k->isEnabled() ? on : off) << k->objectName();
    on.sort();
    const QString keys = off.isEmpty() ? "all" : off == QStringList{"Command3"} ? "noSign" : on.join(',');
    const QColor tape = colors::background(w.Label3), inv = colors::background(w.Command10);
    return QString(keys)
               .replace("Command6,Command8_10,Command8_12,Command8_6,Command8_7,Command8_8,Command8_9", "inv")
               .replace(QRegularExpression("^Command6$"), "C") +
           (m.inverz ? " inverz" : "") +
           (tape == colors::toColor(colors::kDesktop) && colors::foreground(w.Label3) == colors::toColor(colors::kWhite)
                ? " error"
            : tape == colors::toColor(colors::kInactiveTitleBar) ? ""
                                                                 : " oddTape") +
           (inv == QColor(0x38, 0x9C, 0xF0)               ? " orange"
            : inv == colors::toColor(colors::kButtonFace) ? ""
                                                          : " oddInv") +
           (w.Label2->text() == "M" ? " M" : "");
}

}  // namespace

class TestExtend : public QObject {
    Q_OBJECT
private slots:
    void keys();
    void rounding();
};

// Script, display, tape, then the state in words (see state()); another
// window stored -2.25 in memory.
void TestExtend::keys()
{
    const QString Z = "Nullával nem lehet osztani! ";
    const QString full(30, QLatin1Char('9'));
    const auto row = [](const QString &script, const QString &display, const QString &tape, const char *state,
                        const QStringList &messages = {}) {
        MessageRecorder recorder;
        Module1 m;
        m.memoria = -2.25;
        ExtendWindow w(m);
        RUN_SCRIPT(w, m, script);
        QCOMPARE(QStringList({w.Text1->text(), w.Label3->text(), ::state(w, m)}).join('|'),
                 QStringList({display, tape, state}).join('|'));
        QCOMPARE(recorder.texts(), messages);
        QCOMPARE(w.Text1->cursorPosition(), display.size());
    };
    row("t:1.2.a", "", "", "all", {texts::kPoints, texts::kDigits});
    row("MR", "-2.25", "", "all");  // the shared register
    row("t:12 Lnko 8 = =", "4", "12 (Lnko)  8 4 ", "noSign");
    row("2 + 3 = C 4 + C 3 =", "7", "3 ", "noSign");  // C keeps the pending operation
    // A tape of 80 characters is kept, a longer one emptied.
    row("t:123456789 + t:123456789 = = = = = = =", "987654312",
        "123456789+123456789 246913578 370370367 493827156 617283945 740740734 864197523 ", "noSign");
    row("t:123456789 + t:123456789 = = = = = = = = =", "1234567890", "1111111101 ", "noSign");
    // The error state: only "C" unlocks.
    row("0 / 0 =", "0", Z, "C error");
    row("5 M+ C 1 / 0 = C 4 =", "0.25", "4 ", "noSign M");
    // Function keys: the tape from the operand, from the result, or afresh.
    row("t:18 n!", "", "18! ", "all", {texts::kDigits});  // exponent form, refused by the check
    row("7 + 4 n! +", "", "24+", "all");
    row("t:30 sin", "0.5", "0.5 (sinx)  ", "all");
    row("t:90 tg", "90", "Nullával nem lehet osztani! ( cos 90° értéke 0 ) ", "C error");
    // Inv: C leaves it, 10^x and arc tg stay in it, arc sin leaves it.
    row("Inv", "", "", "inv inverz orange");
    row("Inv C 2 lg", "0.30102999566398", "2 (lgx)  ", "all");
    row("Inv t:2 lg", "100", "2 (10^x)  ", "inv inverz orange");
    row("1 Inv tg", "45", "1 (arc tgx)  ", "inv inverz orange");
    row("t:.5 Inv sin sin", "0.5", "0.5 (sinx)  ", "inv orange");
    row("2 Inv sin", "2", "Egy szög sinusa -1 és 1 közötti érték lehet! ", "C inverz error orange");
    // Constants are appended, but not past the limit.
    row("2 e", "22.71828182845905", "", "all");
    row("t:" + full + " e t:5 7 kp:.", full + "2.71828182845905", "", "all");
}

// kerekit snaps to a whole number within 1E-08 but never turns a result
// into 0; Round is half to even.
void TestExtend::rounding()
{
    const auto n = [](const char *text) { return exact::read(QString::fromLatin1(text)); };
    for (const char *kept : {"2.99999995", "1e-14", "9.9e-15", "620000000000000.5"})
        QVERIFY2(scientific::kerekit(n(kept)) == n(kept), kept);
    QVERIFY(scientific::kerekit(n("-2.000000001")) == -2);
    QVERIFY(exact::roundTo(n("2.5"), 0) == 2 && exact::roundTo(n("3.5"), 0) == 4);
}

QTEST_MAIN(TestExtend)
#include "tst_extend.moc"
