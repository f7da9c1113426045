// The informatics window: base options, digit keys, the four operations'
// bookkeeping, memory, the division lock and the refusals. Its conversions
// are swept against the reference (tests/reference).
#include "informatics/infoswindow.h"
#include "core/radix.h"
#include "core/module1.h"
#include "core/texts.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
const QString Z = QString::fromUtf8("Nullával nem lehet osztani!");
// The message boxes by letter: fraction, too large, digits, points.
const QMap<QChar, QString> kBoxes{{'F', QString::fromUtf8("Törtszámokat nem tudok átváltani! (Egyelőre)")},
                                  {'L', QString::fromUtf8("A szám túl nagy az átváltáshoz!")},
                                  {'D', texts::kDigits},
                                  {'P', texts::kPoints}};
const QString ones54(54, '1');
const QString ones64(64, '1');

// The window and the shared state in the words of `checks` ("name=value",
// blank-separated), so a test compares the result with `checks` itself.
QString observed(const InfosWindow &w, const Module1 &m, const QString &checks)
{
    int digits = 0, options = 0, keys = 0;
    for (int i = 0; i < 16; ++i)  // the enabled digit keys from 0 up, -1 for a gap
        digits = w.Command2[size_t(i)]->isEnabled() ? (digits == i ? i + 1 : -1) : digits;
    for (const QRadioButton *option : w.Option1)
        options += option->isEnabled();
    for (const QPushButton *key : {w.Command5[0], w.Command5[1], w.Command5[2], w.Command5[3], w.Command1[0],
                                   w.Command1[1], w.Command1[2], w.Command7})
        keys += key->isEnabled();
    const auto n = [](double v) { return QString::number(v, 'g', 17); };
    const QMap<QString, QString> state{{"base", n(radix::baseOf(m.alapkod))},
                                       {"digits", n(digits)},
                                       {"options", n(options)},
                                       {"keys", keys == 8   ? "on"
                                                : keys == 0 ? "off"
                                                            : "some"},
                                       {"sign", n(w.Command3->isEnabled())},
                                       {"M", w.Label2->text()},
                                       {"op", core::tagOf(m.muvelet)},
                                       {"valto", n(m.valto)},
                                       {"db", n(m.muveletdb)},
                                       {"hibas", n(m.hibas)},
                                       {"memoria", n(m.memoria)},
                                       {"szam1", n(m.szam1)},
                                       {"szam2", n(m.szam2)},
                                       {"eredmeny", n(m.eredmeny)}};
    QStringList seen;
    for (const QString &check : checks.split(' ', Qt::SkipEmptyParts))
        seen << check.section('=', 0, 0) + "=" + state.value(check.section('=', 0, 0), "<no such check>");
    return seen.join(' ');
}
}  // namespace

class TestInfos : public QObject {
    Q_OBJECT
private slots:
    void script();
};

// A script, the display, the message boxes by letter (F fraction, L too
// large, D digits, P points) and the state in the words of observed().
void TestInfos::script()
{
    const auto row = [](const QString &keys, const QString &display, const char *boxes = "", const char *checks = "") {
        MessageRecorder recorder;
        Module1 m;
        InfosWindow w(m);
        RUN_SCRIPT(w, m, keys);
        QCOMPARE(w.Text1->text(), display);
        QStringList expected;
        for (const QChar letter : QString(boxes))
            expected << kBoxes.value(letter);
        QCOMPARE(recorder.texts(), expected);
        QCOMPARE(observed(w, m, checks), QString(checks));
    };
    row("", "", "", "base=10 digits=10 options=10 keys=on valto=0 db=0 M=");
    // The digit keys follow the base, and typing follows them.
    row("b:16 b:3", "", "", "digits=3");
    row("b:2 t:12", "", "D");
    // Base changes.
    row("1 2 b:2 b:16", "C", "", "base=16 digits=16");
    row("1 2 o:2", "1100", "", "base=2 digits=2");  // selected from code: converted once
    row("2 , 5 b:2", "2.5", "FF", "base=10 digits=10 options=0");
    row("b:2 1 , 1 b:16", "1.1", "FF", "base=10 digits=10 options=0");  // a fraction goes back to ten
    row("2 , 5 b:2 CLR", "", "FF", "options=10");
    row("b:2 t:" + ones54 + " b:10", ones54, "L", "base=2 digits=2 options=10");
    // Operations: in base ten, shown in the display's base.
    row("b:16 F F + 1 =", "100", "", "sign=0 options=10 db=0 op=");
    row("1 / 2 =", "0.5");                                                   // ten: a quotient gets a zero
    row("b:2 1 1 + 1 = CLR + 1 =", "1", "", "szam1=0");                      // outside ten it takes eredmeny
    row("b:16 1 F + * 2 = 1 - +", "", "", "options=0 valto=0 db=2 sign=1");  // valto stays, then toggles
    row("b:16 1 F + * 2 =", "3E", "", "options=10 db=0 op=");                // = gives the options back
    row("1 2 + activate 3 =", "3", "", "op=");                               // activation drops the operation
    // The division lock, in every base.
    row("1 / 0 =", Z, "", "digits=0 keys=off options=10 op=/ hibas=0");
    row("b:2 1 / 1 0 = / 0 = CLR", "", "", "digits=2 keys=on options=10 eredmeny=0");
    row("1 / 0 = t:x", Z + "x");                                  // the lock skips the check
    row("b:16 1 / 0 = b:8", "", "", "base=8 digits=8 keys=off");  // the lock message is not converted
    // Memory, read and written in the display's base.
    row("b:16 1 F M+ CLR b:2 MR", "11111", "", "memoria=31 M=M");
    row("3 M+ MC", "3", "", "memoria=0 M=");
    row("memoria=1e20 b:2 1 MR", "1", "L");
    row("memoria=7 b:2 t:" + ones54 + " M+", ones54, "L", "memoria=7 M=");
    // The sign key flips the number as written; its place, refilled with a
    // digit, leaves no room for a sign.
    row("b:2 t:" + ones64 + " +/- +/-", " " + ones64);
    row("b:2 t:" + ones64 + " +/- home del t:1 +/- +/-", QString(65, '1'));
    // Results and operands that cannot be written or read.
    row("b:16 t:10000000000000 * 2 =", "2", "L", "op=");  // 2^53 is not written; the display stays
    row("t:99999999 * t:99999999 =", "", "DD");           // exponent form, refused twice
    row("b:2 t:" + ones54 + " +", ones54, "L", "op= db=0 szam1=0");
}

QTEST_MAIN(TestInfos)
#include "tst_infos.moc"
