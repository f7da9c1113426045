// The informatics window as a user drives it: base options, digit keys,
// typing, the four operations, memory, the division lock and the refusals.
#include "informatics/infoswindow.h"
#include "shared/texts.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "support/script.h"
#include "support/messagerecorder.h"

#include <QApplication>
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

// The window and the shared state in the words of `checks` ("name=value",
// blank-separated), so a test compares the result with `checks` itself.
QString observed(const InfosWindow &w, const Module1 &m, const QString &checks)
{
    int digits = 0, options = 0, keys = 0;
    QString selected;
    for (int i = 0; i < 16; ++i)  // the enabled digit keys from 0 up, -1 for a gap
        digits = w.Command2[size_t(i)]->isEnabled() ? (digits == i ? i + 1 : -1) : digits;
    for (const QRadioButton *option : w.Option1) {
        options += option->isEnabled();
        selected = option->isChecked() ? option->text() : selected;
    }
    for (const QPushButton *key : {w.Command5[0], w.Command5[1], w.Command5[2], w.Command5[3], w.Command1[0],
                                   w.Command1[1], w.Command1[2], w.Command7})
        keys += key->isEnabled();
    const auto n = [](double v) { return QString::number(v, 'g', 17); };
    const QMap<QString, QString> state{
        {"base", n(radix::baseOf(m.alapkod))}, {"digits", n(digits)}, {"options", n(options)},
        {"keys", keys == 8 ? "on" : keys == 0 ? "off" : "some"}, {"sign", n(w.Command3->isEnabled())},
        {"M", w.Label2->text()}, {"op", m.muvelet}, {"valto", n(m.valto)}, {"db", n(m.muveletdb)},
        {"hibas", n(m.hibas)}, {"memoria", n(m.memoria)}, {"szam1", n(m.szam1)}, {"szam2", n(m.szam2)},
        {"eredmeny", n(m.eredmeny)}, {"selected", selected}};
    QStringList seen;
    for (const QString &check : checks.split(' ', Qt::SkipEmptyParts)) {
        const QString name = check.section('=', 0, 0);
        seen << name + "=" + state.value(name, "<no such check>");
    }
    return seen.join(' ');
}
}  // namespace

class TestInfos : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void script_data();
    void script();
};

void TestInfos::startState()
{
    Module1 m;
    m.alapkod = 3;
    m.valto = true;
    InfosWindow w(m);
    QCOMPARE(w.windowTitle(), QString::fromUtf8("Zorvexa - INFORMATIKAI"));
    QCOMPARE(w.Label1->text(), QString::fromUtf8("A számrendszer alapszáma:"));
    QCOMPARE(w.Text1->text(), QString());
    const QString start = "base=10 selected=10 digits=10 options=10 keys=on valto=0 db=0 M=";
    QCOMPARE(observed(w, m, start), start);
    QCOMPARE(w.centralWidget()->size(), twips::size(6735, 3855));
    QCOMPARE(w.Command6->geometry(), twips::rect(6120, 1800, 375, 1335));
    QCOMPARE(w.Option1[9]->geometry(), twips::rect(5640, 240, 495, 255));
    // The digit keys follow the base.
    const int bases[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 16};
    for (int i = 0; i < 10; ++i) {
        // From base 16 first, so every key has to be switched off again.
        w.Option1[9]->click();
        w.Option1[size_t(i)]->click();
        const QString checks = QString("base=%1 selected=%1 digits=%1").arg(bases[i]);
        QCOMPARE(observed(w, m, checks), checks);
    }
}

void TestInfos::script_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("checks");
    const auto row = [](const char *name, const QString &keys, const QString &display, const char *boxes = "",
                        const char *checks = "") { QTest::newRow(name) << keys << display << boxes << checks; };
    // Entry; typing follows the base as the digit keys do.
    row("second point", "1 , 2 ,", "", "P");
    row("a 2 typed in binary", "b:2 t:12", "", "D");
    row("lower case in hex", "b:16 t:1aF", "1aF");
    row("entry limit", "b:2 t:" + QString(70, '1'), QString(64, '1'));
    // Base changes.
    row("12 to binary, then hex", "1 2 b:2 b:16", "C", "", "base=16 digits=16");
    row("selected from code converts once", "1 2 o:2", "1100", "", "base=2 digits=2");
    row("sign key's zero", "+/- b:5", "0");
    row("empty display", "b:2 b:16", "", "", "base=16");
    row("fraction in ten", "2 , 5 b:2", "2.5", "FF", "base=10 digits=10 options=0");
    row("fraction in binary goes back to ten", "b:2 1 , 1 b:16", "1.1", "FF", "base=10 digits=10 options=0");
    row("C after a fraction", "2 , 5 b:2 CLR", "", "FF", "options=10");
    row("too large in binary", "b:2 t:" + ones54 + " b:10", ones54, "L", "base=2 digits=2 options=10");
    // Operations: in base ten, shown in the display's base.
    row("hex sum", "b:16 F F + 1 =", "100", "", "sign=0 options=10 db=0 op=");
    row("negative binary", "b:2 1 0 1 - 1 1 1 =", "-10");
    row("zero binary", "b:2 1 - 1 =", "0");
    row("quotient toward zero", "b:2 1 1 1 / 1 0 =", "11");
    row("ten quotient gets a zero", "1 / 2 =", "0.5");
    row("nothing pending in binary", "b:2 0 0 1 1 =", "0011");
    row("second operator takes display", "1 + 2 - 5 =", "-3");
    row("second operator on empty", "1 2 + - 5 =", "7");
    row("outside ten it takes eredmeny", "b:2 1 1 + 1 = CLR + 1 =", "1", "", "szam1=0");
    row("base change while pending", "1 2 + 3 b:2 =", "1111");
    row("operator reads its base", "b:16 1 F +", "", "", "szam1=31 op=+ db=1 valto=0 options=10");
    row("= after two operators", "b:16 1 F + * 2 =", "3E", "", "szam2=2 eredmeny=62 op= db=0 options=10 sign=0");
    row("valto stays, then toggles", "b:16 1 F + * 2 = 1 - +", "", "", "options=0 valto=0 db=2 sign=1");
    row("C keeps the pending operation", "5 + CLR 7 =", "12", "", "valto=1 db=0");
    row("activation drops it", "1 2 + activate 3 =", "3", "", "op=");
    // The division lock, in every base.
    row("lock in ten", "1 / 0 =", Z, "", "digits=0 keys=off options=10 op=/ hibas=0");
    row("lock in binary", "b:2 1 / 0 =", Z, "", "digits=0 keys=off");
    row("lock on empty operand", "b:7 6 / =", Z, "", "digits=0 keys=off");
    row("C ends the lock", "b:2 1 / 1 0 = / 0 = CLR", "", "", "digits=2 keys=on options=10 eredmeny=0");
    row("lock skips the check", "1 / 0 = t:x", Z + "x");
    row("C ends that", "1 / 0 = CLR t:x", "", "D");
    row("check after activation", "1 / 0 = activate ,", "", "D");
    row("lock message is not converted", "b:16 1 / 0 = b:8", "", "", "base=8 digits=8 keys=off");
    row("nor after activation", "1 / 0 = , activate b:2", "", "", "base=2");
    // Memory, read and written in the display's base.
    row("1F recalled in binary", "b:16 1 F M+ CLR b:2 MR", "11111", "", "memoria=31 M=M");
    row("binary fraction", "b:2 1 , 1 M+ CLR b:10 MR", "1.5", "", "memoria=1.5");
    row("half in ten", "1 / 2 = M+ CLR MR", ".5");
    row("M+ replaces", "3 M+ CLR 4 M+ CLR MR", "4");
    row("MC", "3 M+ MC", "3", "", "memoria=0 M=");
    row("too large to recall", "memoria=1e20 b:2 1 MR", "1", "L");
    row("too large to store", "memoria=7 b:2 t:" + ones54 + " M+", ones54, "L", "memoria=7 M=");
    // The sign key flips the number as written.
    row("sign in hex", "b:16 1 F +/-", "-1F");
    row("negative hex to ten", "b:16 1 F +/- b:10", "-31");
    row("sign on a full display", "b:2 t:" + QString(64, '1') + " +/-", "-" + QString(64, '1'));
    row("and back", "b:2 t:" + QString(64, '1') + " +/- +/-", " " + QString(64, '1'));
    // The sign's place, refilled with a digit, leaves no room for a sign.
    row("no sign past the limit", "b:2 t:" + QString(64, '1') + " +/- home del t:1 +/- +/-", QString(65, '1'));
    // Results and operands that cannot be written or read.
    row("hex result too large keeps the display", "b:16 t:FFFFFFFFFFFFF * 1 0 =", "10", "L", "op=");
    row("exponent form refused twice", "t:99999999 * t:99999999 =", "", "DD");
    row("infinite in ten", "szam1=1e300 eredmeny=7 * t:" + QString(64, '9') + " =", "", "D", "eredmeny=7 op=");
    row("infinite in hex", "b:16 eredmeny=7 * szam1=1e300 t:FFFFFFFFFFFFF =", "FFFFFFFFFFFFF", "L", "eredmeny=7 op=");
    row("operand too large", "b:2 t:" + ones54 + " +", ones54, "L", "op= db=0 szam1=0");
    row("second operand too large", "b:2 t:" + ones54 + " szam2=5 =", ones54, "L", "szam2=5");
}

void TestInfos::script()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, boxes);
    QFETCH(QString, checks);
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    RUN_SCRIPT(w, m, keys);
    QCOMPARE(w.Text1->text(), display);
    QStringList expected;
    for (const QChar letter : boxes)
        expected << kBoxes.value(letter);
    QCOMPARE(recorder.texts(), expected);
    for (const MessageRecorder::Shown &box : recorder.shown)  // the check's own boxes have no icon
        QCOMPARE(box.icon, QString("DP").contains(kBoxes.key(box.text)) ? messages::Icon::None : messages::Icon::Exclamation);
    // The display is always written in the selected base.
    const QString all = (checks + " selected=" + QString::number(radix::baseOf(m.alapkod))).trimmed();
    QCOMPARE(observed(w, m, all), all);
    QCOMPARE(m.pontdb, 0);
}

QTEST_MAIN(TestInfos)
#include "tst_infos.moc"
