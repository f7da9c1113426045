// The scientific window as a user drives it: entry, memory, the two-operand
// operations, the function keys, Inv, the constants, the error state, the
// solver keys and activation.
#include "scientific/extendwindow.h"
#include "shared/texts.h"
#include "shared/colors.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/twips.h"
#include "support/script.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {
const QString D = texts::kDigits;
const QString P = texts::kPoints;

// The window's state in words: which keys are usable ("all", "noSign" after
// "=", "C" in the error state, "inv" in inverse mode), then "inverz", the
// tape's error colours, the Inv key's colour and the memory indicator.
QString state(ExtendWindow &w, const Module1 &m)
{
    QStringList on, off;
    for (QPushButton *k : w.findChildren<QPushButton *>())
        (k->isEnabled() ? on : off) << k->objectName();
    on.sort();
    QString s = off.isEmpty()                    ? "all"
                : off == QStringList{"Command3"} ? "noSign"
                : on == QStringList{"Command6"}  ? "C"
                : on == QStringList{"Command6", "Command8_10", "Command8_12", "Command8_6", "Command8_7",
                                    "Command8_8", "Command8_9"}
                    ? "inv"
                    : on.join(',');
    if (m.inverz)
        s += " inverz";
    const QColor text = colors::foreground(w.Label3), back = colors::background(w.Label3);
    if (text == colors::toColor(colors::kWhite) && back == colors::toColor(colors::kDesktop))
        s += " error";
    else if (text != colors::toColor(colors::kHighlightedText) || back != colors::toColor(colors::kInactiveTitleBar))
        s += " oddTape";
    const QColor inv = colors::background(w.Command10);
    if (inv == QColor(0x38, 0x9C, 0xF0))
        s += " orange";
    else if (inv != colors::toColor(colors::kButtonFace))
        s += " oddInv";
    if (w.Label2->text() == "M")
        s += " M";
    return s;
}
}  // namespace

class TestExtend : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void constantNotAppendedPastTheLimit();
    void windowAndPictureKeys();
    void solverKeysAndActivation_data();
    void solverKeysAndActivation();
};

void TestExtend::keys_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("messages");
    auto row = [](const char *tag, const QString &script, const QString &display, const QString &tape,
                  const char *state, const QStringList &messages = {}) {
        QTest::newRow(tag) << script << display << tape << QString(state) << messages;
    };
    const QString Z = "Nullával nem lehet osztani! ";
    const QString R = "Az eredmény nem ábrázolható! ";
    const QString L = "Csak pozitív számnak van logaritmusa! ";
    const QString full(30, QLatin1Char('9'));
    // Entry and memory; another window stored -2.25.
    row("point key writes a point", "9 , 5", "9.5", "", "all");
    row("keypad decimal", "1 kp:, t:5", "1.5", "", "all");
    row("second point key", "1 , 2 ,", "", "", "all", {P});
    row("sign twice keeps the blank", "5 +/- +/-", " 5", "", "all");
    row("sign of a half", "t:0.5 +/-", "-.5", "", "all");
    row("typed letter after two points", "t:1.2.a", "", "", "all", {P, D});
    row("digit key after = re-enables +/-", "2 + 3 = 4", "54", "2+3 ", "all");
    row("MR recalls the shared register", "MR", "-2.25", "", "all");
    row("M+ stores", "5 M+", "5", "", "all M");
    row("M+ replaces", "5 M+ C 3 M+ C MR", "3", "", "all M");
    row("MC clears", "5 M+ MC C MR", "0", "", "all");
    // Two-operand operations.
    row("7+5", "7 + 5 =", "12", "7+5 ", "noSign");
    row("quotient has a leading zero", "1 / 4 =", "0.25", "1/4 ", "noSign");
    row("difference has none", "1 - t:0.75 =", ".25", "1-0.75 ", "noSign");
    row("product", "t:1.5 * 4 =", "6", "1.5*4 ", "noSign");
    row("second operator takes the empty display", "2 + * 3 =", "0", "2+*3 ", "noSign");
    row("small quotient is kept", "1 / t:1000000000 =", "0.000000001", "1/1000000000 ", "noSign");
    row("root, snapped", "t:27 root 3 =", "3", "27 (gyök)  3 ", "noSign");
    row("odd root of a negative", "t:-8 root 3 =", "-2", "-8 (gyök)  3 ", "noSign");
    row("root has no leading zero", "t:.25 root 2 =", ".5", ".25 (gyök)  2 ", "noSign");
    row("power has one", "2 pow t:-1 =", "0.5", "2^ -1 ", "noSign");
    row("percent", "t:50 % 1 =", "0.5", "50% 1 ", "noSign");
    row("613 Lnko 1226", "t:613 Lnko t:1226 =", "613", "613 (Lnko)  1226 ", "noSign");
    row("0 Lkkt 6", "0 Lkkt 6 =", "0", "0 (Lkkt)  6 ", "noSign");
    row("Lkkt ignores signs", "t:-4 Lkkt 6 =", "12", "-4 (Lkkt)  6 ", "noSign");
    row("nothing pending", "5 =", "5", "5 ", "noSign");
    row("a function tag is not an operation", "4 n! =", "24", "4! 24 ", "noSign");
    row("= repeats", "2 + 3 = = =", "9", "2+3 5 7 ", "noSign");
    row("= repeats Lnko", "t:12 Lnko 8 = =", "4", "12 (Lnko)  8 4 ", "noSign");
    row("pending key after a result", "2 + 3 = pow 3 =", "125", "5^ 3 ", "noSign");
    row("C keeps the pending operation", "2 + 3 = C 4 + C 3 =", "7", "3 ", "noSign");
    row("tape of 80 is kept", "t:123456789 + t:123456789 = = = = = = =", "987654312",
        "123456789+123456789 246913578 370370367 493827156 617283945 740740734 864197523 ", "noSign");
    row("longer tape is emptied", "t:123456789 + t:123456789 = = = = = = = = =", "1234567890", "1111111101 ",
        "noSign");
    row("keypad operator and Enter", "4 kp:+ 5 enter", "9", "4+5 ", "noSign");
    row("keypad after a result", "2 + 3 = kp:/ 2 enter", "2.5", "5/2 ", "noSign");
    // The error state: only "C" unlocks, the keyboard still works.
    row("1/0", "1 / 0 =", "0", Z, "C error");
    row("keyboard while locked", "1 / 0 = t:5 enter kp:* t:3 enter", ".6", "0.2*3 ", "C error");
    row("C leaves the error state", "5 M+ C 1 / 0 = C 4 =", "0.25", "4 ", "noSign M");
    row("even root of a negative", "t:-8 root 2 =", "2",
        "Negatív számból nem lehet páros gyökkitevőjű gyököt vonni! ", "C error");
    row("fractional index of a negative", "t:-8 root t:2.5 =", "2.5", "Nincs valós eredmény! ", "C error");
    row("root index 0", "8 root 0 =", "0", Z, "C error");
    row("0 to a negative power", "0 pow t:-1 =", "-1", Z, "C error");
    row("power beyond a double", "t:10 pow t:400 =", "400", R, "C error");
    row("fraction Lnko", "t:12.5 Lnko t:10 =", "10", "Csak egész számokra értelmezett! ", "C error");
    // Function keys.
    row("5!", "5 n!", "120", "5! ", "all");
    row("171!", "t:171 n!", "171", "A maximális érték: 170. ", "C error");
    row("-3!", "t:-3 n!", "-3", "Csak nemnegatív egész számnak van faktoriálisa! ", "C error");
    row("18! in exponent form is refused by the check", "t:18 n!", "", "18! ", "all", {D});
    row("a function key starts the tape afresh", "7 + 4 n! +", "", "24+", "all");
    row("1/x", "4 1/x", "0.25", "4 (1/x)  ", "all");
    row("1/0", "0 1/x", "0", Z, "C error");
    row("lg", "2 lg", "0.30102999566398", "2 (lgx)  ", "all");
    row("lg 0", "0 lg", "0", L, "C error");
    row("ln", "1 ln", "0", "1 (lnx)  ", "all");
    row("ln -1", "t:-1 ln", "-1", L, "C error");
    row("sin", "t:30 sin", "0.5", "0.5 (sinx)  ", "all");
    row("cos", "t:90 cos", "0", "0 (cosx)  ", "all");
    row("tg", "t:45 tg", "1", "45 (tgx)  ", "all");
    row("tg 90", "t:90 tg", "90", "Nullával nem lehet osztani! ( cos 90° értéke 0 ) ", "C error");
    row("tg -90", "t:-90 tg", "-90", "Nullával nem lehet osztani! ( cos -90° értéke 0 ) ", "C error");
    row("ctg 90 is 0", "t:90 ctg", "0", "90 (ctgx)  ", "all");
    row("ctg -0", "t:-0 ctg", "-0", "Nullával nem lehet osztani! ( sin 0° értéke 0 ) ", "C error");
    // Inv.
    row("Inv", "Inv", "", "", "inv inverz orange");
    row("Inv then C", "Inv C 2 lg", "0.30102999566398", "2 (lgx)  ", "all");
    row("typed in inverse mode, 10^x stays inverse", "Inv t:2 lg", "100", "2 (10^x)  ", "inv inverz orange");
    row("10^400", "t:400 Inv lg", "400", R, "C inverz error orange");
    row("e^x", "1 Inv ln", "2.71828182845905", "1 (e^x)  ", "inv inverz orange");
    row("arc sin leaves inverse mode", "t:.5 Inv sin", "30", "30 (arc sinx)  ", "inv orange");
    row("then sin is plain", "t:.5 Inv sin sin", "0.5", "0.5 (sinx)  ", "inv orange");
    row("arc cos of a negative", "t:-.5 Inv cos", "120", "120 (arc cosx)  ", "inv orange");
    row("arc sin 2", "2 Inv sin", "2", "Egy szög sinusa -1 és 1 közötti érték lehet! ", "C inverz error orange");
    row("arc cos -1.5", "t:-1.5 Inv cos", "-1.5", "Egy szög cosinusa -1 és 1 közötti érték lehet! ",
        "C inverz error orange");
    row("C after a refusal in inverse mode", "2 Inv sin C", "", "", "all");
    row("arc tg", "1 Inv tg", "45", "1 (arc tgx)  ", "inv inverz orange");
    row("arc ctg", "t:-1 Inv ctg", "135", "-1 (arc ctgx)  ", "inv inverz orange");
    // Constants.
    row("Pi", "Pi", "3.14159265358979", "", "all");
    row("e after a digit", "2 e", "22.71828182845905", "", "all");
    row("e after a point", "1 , 5 e", "", "", "all", {P});
    row("Pi after a minus", "t:- Pi", "-3.14159265358979", "", "all");
    row("past the limit, typing stays refused", "t:" + full + " e t:5 7 kp:.", full + "2.71828182845905", "",
        "all");
}

void TestExtend::keys()
{
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, tape);
    QFETCH(QString, state);
    QFETCH(QStringList, messages);
    MessageRecorder recorder;
    Module1 m;
    m.memoria = -2.25;
    ExtendWindow w(m);
    RUN_SCRIPT(w, m, script);
    QCOMPARE(w.Text1->text(), display);
    QCOMPARE(w.Label3->text(), tape);
    QCOMPARE(::state(w, m), state);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(w.Text1->cursorPosition(), display.size());
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
    QVERIFY(std::isfinite(m.szam1) && std::isfinite(m.szam2) && std::isfinite(m.eredmeny));
}

// With its point deleted, a long display passes the check again; a constant
// must not make it grow further.
void TestExtend::constantNotAppendedPastTheLimit()
{
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    RUN_SCRIPT(w, m, "t:" + QString(30, QLatin1Char('9')) + " Pi");
    w.Text1->setCursorPosition(32);  // after the point
    QTest::keyClick(w.Text1, Qt::Key_Backspace);
    const QString digits = QString(30, QLatin1Char('9')) + "314159265358979";
    QCOMPARE(w.Text1->text(), digits);
    RUN_SCRIPT(w, m, "Pi e +");
    QCOMPARE(m.szam1, numbertext::val(digits));
    QVERIFY(recorder.shown.isEmpty());
}

void TestExtend::windowAndPictureKeys()
{
    Module1 m;
    ExtendWindow w(m);
    QCOMPARE(w.windowTitle(), QString("Zorvexa - BŐVÍTETT"));
    QCOMPARE(w.centralWidget()->size(), twips::size(6975, 3375));
    QCOMPARE(w.Command6->geometry(), twips::rect(6360, 1320, 375, 1335));
    QCOMPARE(w.Command8[12]->geometry(), twips::rect(5520, 2760, 615, 375));
    // Tab reaches the keys; a click never takes the focus from the display.
    for (QPushButton *k : w.findChildren<QPushButton *>())
        QCOMPARE(k->focusPolicy(), Qt::TabFocus);
    // Two different pictures, both with something drawn.
    const QImage power = w.Command8[0]->icon().pixmap(18, 18).toImage();
    const QImage root = w.Command8[1]->icon().pixmap(18, 18).toImage();
    QVERIFY(power != root);
    for (const QImage &picture : {power, root}) {
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                inked += qAlpha(picture.pixel(x, y)) > 0;
        QVERIFY(inked > 20);
    }
}

void TestExtend::solverKeysAndActivation_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("title");
    QTest::newRow("x1,x2") << "x1,x2" << "MasodfWindow" << QString("Másodfokú egyenlet-megoldás");
    QTest::newRow("x,y,z") << "x,y,z" << "LinearWindow" << QString("Egyenletrendszer-megoldás");
}

// Each opening is a fresh modal dialog; closing it hands activation back,
// which drops the pending operation and centres the window.
void TestExtend::solverKeysAndActivation()
{
    QFETCH(QString, word);
    QFETCH(QString, className);
    QFETCH(QString, title);
    MessageRecorder recorder;
    Module1 m;
    m.inverz = true;
    ExtendWindow w(m);
    QCOMPARE(m.inverz, false);
    w.show();
    QApplication::setActiveWindow(&w);
    for (const QString &typed : {QString("7"), QString()}) {
        RUN_SCRIPT(w, m, "C 1 2 +");
        w.move(0, 0);
        QString seen;
        QTimer poll;
        poll.callOnTimeout([&seen, &poll, typed] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            QLineEdit *first = dialog->findChildren<QLineEdit *>().value(0);
            seen = QStringList{dialog->metaObject()->className(), dialog->windowTitle(),
                               dialog->parentWidget()->objectName(), first ? first->text() : "?"}
                       .join('|');
            if (first)
                first->setText(typed);
            dialog->close();
        });
        poll.start(10);
        RUN_SCRIPT(w, m, word);  // returns once the dialog is closed
        QCOMPARE(seen, QStringList({className, title, "extend", ""}).join('|'));
        QTRY_VERIFY(w.isActiveWindow());
        QCOMPARE(m.muvelet, QString());
        QCOMPARE(m.valto, true);
        QCOMPARE(m.szam1, 12.0);
        QVERIFY((w.frameGeometry().center() - w.screen()->geometry().center()).manhattanLength() <= 2);
    }
    RUN_SCRIPT(w, m, "3 =");  // nothing pending any more
    QCOMPARE(w.Text1->text(), QString("3"));
}

QTEST_MAIN(TestExtend)
#include "tst_extend.moc"
