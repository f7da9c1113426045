#include "selftest.h"

#include "invariants.h"
#include "numberforms.h"
#include "resultcheck.h"

#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "core/inputcheck.h"
#include "core/module1.h"
#include "core/texts.h"
#include "shell/application.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "standard/standwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cstdio>
#include <limits>

namespace selftest {
namespace {

int passed = 0;
int failed = 0;

void expect(bool ok, const QString &what)
{
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAIL: %s\n", qPrintable(what));
    }
}

void forms()
{
    const struct {
        const char16_t *text;
        bool binary;
        bool decimal;
        bool hex;
    } displays[] = {
        {u"", true, true, true},       {u"0", true, true, true},         {u"12.5", false, true, true},
        {u"  -5 ", false, true, true}, {u"-", true, true, true},         {u".", true, true, true},
        {u"5-3", false, true, true},   {u"-.1", true, true, true},       {u"101", true, true, true},
        {u"1aF", false, false, true},  {u"FF.", false, false, true},     {u"1 2", false, false, false},
        {u"1a", false, false, true},   {u"1.2.", false, false, false},   {u"1.1.A", false, false, false},
        {u"inf", false, false, false}, {u"nan", false, false, false},    {u"1E+15", false, false, false},
        {u"\t5", false, false, false}, {u"\uFF15", false, false, false}, {u"G", false, false, false},
        {u"102", false, true, true},
    };
    for (const auto &row : displays) {
        const QString text = QString::fromUtf16(row.text);
        expect(numberforms::isCheckedDisplayText(text, 2) == row.binary, "binary display " + text);
        expect(numberforms::isCheckedDisplayText(text) == row.decimal, "decimal display " + text);
        expect(numberforms::isCheckedDisplayText(text, 16) == row.hex, "hex display " + text);
    }

    const struct {
        const char *text;
        bool untrimmed;
        bool trimmed;
    } numbers[] = {
        {" 0", true, false},
        {"0", false, true},
        {" .5", true, false},
        {".5", false, true},
        {"-.25", true, true},
        {" 1E+15", true, false},
        {"1E+15", false, true},
        {"-1.23456789012346E+20", true, true},
        {" 123456789012345", true, false},
        {" .333333333333333", true, false},
        {"-1.5", true, true},
        {" 1E-16", true, false},
        {" .000000000000001", true, false},
        {"-2", true, true},
        {" 2.5E-300", true, false},
        {" 0.5", false, false},
        {"0.5", false, false},
        {" 1.50", false, false},
        {" 01", false, false},
        {" 1.", false, false},
        {" 1234567890123456", false, false},
        {" 1E+14", false, false},
        {" 1E+5", false, false},
        {" 1E-15", false, false},
        {" inf", false, false},
        {"nan", false, false},
        {"", false, false},
        {"-0", false, false},
        {" 1e+15", false, false},
        {" 1E+400", false, false},
        {" 9.9E+308", false, false},
        {" 1.7976931348623157E+308", false, false},
        {" 1E+015", false, false},
        {"  5", false, false},
        {"5 ", false, false},
        {" .0000000000000001", false, false},
    };
    for (const auto &row : numbers) {
        const QString text = QString::fromLatin1(row.text);
        expect(numberforms::isStrText(text, false) == row.untrimmed, "Str text '" + text + "'");
        expect(numberforms::isStrText(text, true) == row.trimmed, "trimmed Str text '" + text + "'");
    }
    expect(numberforms::isDisplayFormLeadingZero(QStringLiteral("0.5")), "0.5 with its leading zero");
    expect(numberforms::isDisplayFormLeadingZero(QStringLiteral("12")), "12 as a quotient");
    expect(!numberforms::isDisplayFormLeadingZero(QStringLiteral("00.5")), "00.5 is no display form");
    expect(!numberforms::isDisplayFormLeadingZero(QStringLiteral("0.50")), "0.50 is no display form");

    for (const char *text : {"inf", "-nan", "1+inf", "Infinity", "NaN", "x = -INF"})
        expect(numberforms::mentionsNotFinite(QString::fromLatin1(text)), QStringLiteral("mentions %1").arg(text));
    for (const char16_t *text : {u"Nullával nem lehet osztani!", u"info", u"sin x", u"", u"12+3"})
        expect(!numberforms::mentionsNotFinite(QString::fromUtf16(text)),
               "does not mention " + QString::fromUtf16(text));
}

// `broken` must be reported with `word` in one of the violations.
void reported(Invariants &invariants, const QString &word, const QString &what,
              const QList<MessageRecorder::Shown> &shown = {}, QWidget *modal = nullptr)
{
    const QStringList violations = invariants.check(shown, modal);
    expect(violations.join(QLatin1Char('\n')).contains(word), what + " is reported (" + violations.join("; ") + ")");
}

void clean(Invariants &invariants, const QString &what, QWidget *modal = nullptr)
{
    const QStringList violations = invariants.check({}, modal);
    expect(violations.isEmpty(), what + " passes (" + violations.join("; ") + ")");
}

void setQuietly(QLineEdit *field, const QString &text)
{
    const QSignalBlocker quiet(field);
    field->setText(text);
}

void invariants()
{
    MessageRecorder recorder;  // a real box would wait for a click
    Application app;
    app.start();
    Module1 &m = app.state();
    Invariants invariants(app);
    clean(invariants, "the state at start");

    m.memoria = std::numeric_limits<double>::infinity();
    reported(invariants, QStringLiteral("memoria"), "an infinite memory register");
    m.memoria = 0;
    m.a1 = std::numeric_limits<double>::quiet_NaN();
    reported(invariants, QStringLiteral("a1"), "a NaN coefficient");
    m.a1 = 0;
    m.pontdb = 1;
    reported(invariants, QStringLiteral("pontdb"), "a point count left over");
    m.pontdb = 0;

    setQuietly(app.stand().Text1, QStringLiteral("inf"));
    reported(invariants, QStringLiteral("stand.Text1"), "\"inf\" in the standard display");
    setQuietly(app.stand().Text1, QStringLiteral(" -12.5"));
    clean(invariants, "a signed number in the standard display");
    setQuietly(app.stand().Text1, QStringLiteral("1.2.3"));
    reported(invariants, QStringLiteral("stand.Text1"), "two points in the standard display");
    setQuietly(app.stand().Text1, QString());

    reported(invariants, QStringLiteral("not one of"), "a message of no one's",
             {{QStringLiteral("Hiba: inf"), messages::Icon::None}});
    reported(invariants, QStringLiteral("wrong icon"), "the check's message with an icon",
             {{texts::kDigits, messages::Icon::Exclamation}});
    const QStringList messageViolations = invariants.check({{texts::kPoints, messages::Icon::None}}, nullptr);
    expect(messageViolations.isEmpty(), "the check's own message passes (" + messageViolations.join("; ") + ")");

    InfosWindow &infos = app.infos();
    setQuietly(infos.Text1, QStringLiteral("1F"));
    reported(invariants, QStringLiteral("infos.Text1"), "a hexadecimal display in base 10");
    setQuietly(infos.Text1, QString());
    infos.Option1[0]->click();
    setQuietly(infos.Text1, QStringLiteral("12"));
    reported(invariants, QStringLiteral("base 2"), "a 2 in a binary display");
    setQuietly(infos.Text1, QString());
    infos.Option1[8]->click();
    setQuietly(infos.Text1, QStringLiteral("zz"));
    m.szam2 = 0;
    m.muvelet = core::Operation::Divide;
    clean(invariants, "text typed while a division by zero stands");
    m.muvelet = core::Operation::None;
    clean(invariants, "that text, unchanged after the division");
    setQuietly(infos.Text1, QStringLiteral("zzz"));
    reported(invariants, QStringLiteral("infos.Text1"), "a changed text after the division");
    setQuietly(infos.Text1, QString());
    clean(invariants, "the informatics window emptied");
    infos.Option1[radix::kBaseTenOption]->click();
    setQuietly(infos.Text1, QStringLiteral(".a"));
    const QStringList keptViolations = invariants.check({{texts::kFraction, messages::Icon::Exclamation}}, nullptr);
    expect(keptViolations.isEmpty(),
           "a hexadecimal fraction kept in base 10 after its refusal passes (" + keptViolations.join("; ") + ")");
    setQuietly(infos.Text1, QStringLiteral(".ab"));
    reported(invariants, QStringLiteral("infos.Text1"), "that fraction changed in base 10");
    setQuietly(infos.Text1, QString());

    app.extend().show();
    reported(invariants, QStringLiteral("2 calculator windows"), "two visible calculator windows");
    app.extend().hide();

    MasodfWindow masodf;
    masodf.Text4[0]->setText(QStringLiteral("2"));
    masodf.Text4[1]->setText(QStringLiteral("-.5"));
    clean(invariants, "the roots of a quadratic", &masodf);
    masodf.Text4[1]->setText(QStringLiteral("nan"));
    reported(invariants, QStringLiteral("masodf.Text4(1)"), "\"nan\" as a root", {}, &masodf);

    LinearWindow linear(m);
    linear.Text1[7]->setText(QStringLiteral(" 2"));
    clean(invariants, "a solution of a linear system", &linear);
    linear.Text1[8]->setText(QStringLiteral("1"));
    reported(invariants, QStringLiteral("linear.Text1(8)"), "a result without its sign place", {}, &linear);
}

// A result check must report a wrong shown result and pass the right one.
void judged(const resultcheck::After &check, bool wrong, const QString &what, const resultcheck::Shown &shown = {})
{
    if (!check) {
        expect(false, what + ": no check was made");
        return;
    }
    const QStringList found = check(shown);
    if (wrong)
        expect(!found.isEmpty(), what + " is reported");
    else
        expect(found.isEmpty(), what + " passes (" + found.join("; ") + ")");
}

void results()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    Module1 &m = app.state();

    StandWindow &stand = app.stand();
    for (const auto &[shown, wrong] : {std::pair{"5", false}, std::pair{"6", true}, std::pair{"", true}}) {
        m.szam1 = 2;
        m.muvelet = core::Operation::Add;
        setQuietly(stand.Text1, QStringLiteral("3"));
        const resultcheck::After check = resultcheck::equals(app, &stand);
        setQuietly(stand.Text1, QString::fromLatin1(shown));
        judged(check, wrong, QStringLiteral("2+3 shown as '%1'").arg(shown));
    }
    // The last shown digit may differ by one, no more.
    for (const auto &[shown, wrong] : {std::pair{"0.333333333333334", false}, std::pair{"0.333333333333336", true}}) {
        m.szam1 = 1;
        m.muvelet = core::Operation::Divide;
        setQuietly(stand.Text1, QStringLiteral("3"));
        const resultcheck::After check = resultcheck::equals(app, &stand);
        setQuietly(stand.Text1, QString::fromLatin1(shown));
        judged(check, wrong, QStringLiteral("1/3 shown as '%1'").arg(shown));
    }
    // A division by zero must be refused, not shown.
    m.szam1 = 1;
    m.muvelet = core::Operation::Divide;
    setQuietly(stand.Text1, QStringLiteral("0"));
    resultcheck::After check = resultcheck::equals(app, &stand);
    setQuietly(stand.Text1, QStringLiteral("7"));
    judged(check, true, QStringLiteral("1/0 shown as a number"));
    // A result in exponent form may leave the display empty (its check refuses it).
    m.szam1 = 1e14;
    m.muvelet = core::Operation::Multiply;
    setQuietly(stand.Text1, QStringLiteral("100"));
    check = resultcheck::equals(app, &stand);
    setQuietly(stand.Text1, QString());
    judged(check, false, QStringLiteral("1E+16 refused by the display"));
    // Without a pending operation "=" leaves the display.
    m.muvelet = core::Operation::None;
    setQuietly(stand.Text1, QStringLiteral("42"));
    check = resultcheck::equals(app, &stand);
    setQuietly(stand.Text1, QStringLiteral("0"));
    judged(check, true, QStringLiteral("'=' with nothing pending changing the display"));

    ExtendWindow &extend = app.extend();
    m.inverz = false;
    setQuietly(extend.Text1, QStringLiteral("0"));
    check = resultcheck::functionKey(app, 8);  // sin x
    setQuietly(extend.Text1, QStringLiteral("1"));
    judged(check, true, QStringLiteral("sin 0 shown as 1"));
    setQuietly(extend.Text1, QStringLiteral("0"));
    extend.Label3->setText(QString());
    check = resultcheck::functionKey(app, 12);  // ctg x
    judged(check, true, QStringLiteral("ctg 0 without its refusal"));
    m.inverz = true;
    setQuietly(extend.Text1, QStringLiteral("1"));
    check = resultcheck::functionKey(app, 6);  // 10^x
    setQuietly(extend.Text1, QStringLiteral("10"));
    judged(check, false, QStringLiteral("10^1 shown as 10"));
    m.inverz = false;
    m.szam1 = 2;
    m.muvelet = core::Operation::Power;
    setQuietly(extend.Text1, QStringLiteral("10"));
    check = resultcheck::equals(app, &extend);
    setQuietly(extend.Text1, QStringLiteral("1023"));
    judged(check, true, QStringLiteral("2^10 shown as 1023"));

    InfosWindow &infos = app.infos();
    m.alapkod = 9;
    setQuietly(infos.Text1, QStringLiteral("FF"));
    check = resultcheck::baseChange(app);
    m.alapkod = 0;
    setQuietly(infos.Text1, QStringLiteral("11111110"));
    judged(check, true, QStringLiteral("FF in binary shown as 11111110"));
    m.alapkod = 9;
    setQuietly(infos.Text1, QStringLiteral("FF"));
    check = resultcheck::baseChange(app);
    m.alapkod = 0;
    setQuietly(infos.Text1, QStringLiteral("11111111"));
    judged(check, false, QStringLiteral("FF in binary shown as 11111111"));
    m.alapkod = 0;
    m.szam1 = 5;
    m.muvelet = core::Operation::Subtract;
    setQuietly(infos.Text1, QStringLiteral("11"));
    check = resultcheck::equals(app, &infos);
    setQuietly(infos.Text1, QStringLiteral("11"));
    judged(check, true, QStringLiteral("5-3 in binary shown as 11"));
    m.alapkod = radix::kBaseTenOption;
    m.muvelet = core::Operation::None;
    setQuietly(infos.Text1, QString());

    // The solvers: the real key computes, then a wrong root is put in.
    for (bool wrong : {false, true}) {
        MasodfWindow masodf;
        masodf.Text1[0]->setText(QStringLiteral("1"));
        masodf.Text1[1]->setText(QStringLiteral("3"));
        masodf.Text1[2]->setText(QStringLiteral("2"));
        check = resultcheck::solver(&masodf);
        masodf.Command1->click();
        if (wrong)
            masodf.Text4[1]->setText(QStringLiteral("-2.1"));
        judged(check, wrong, QStringLiteral("x^2+3x+2 = 0 %1").arg(wrong ? "with a wrong root" : "as solved"),
               recorder.shown);
    }
    for (bool wrong : {false, true}) {
        LinearWindow linear(m);
        const char *typed[] = {"", "1", "1", "1", "2", "3", "5"};  // x + y = 3, x + 2y = 5
        for (int k = 1; k <= 6; ++k)
            linear.Text1[size_t(k)]->setText(QString::fromLatin1(typed[k]));
        check = resultcheck::solver(&linear);
        linear.Command1->click();
        if (wrong)
            linear.Text1[8]->setText(QStringLiteral(" 3"));
        judged(check, wrong, QStringLiteral("the linear system %1").arg(wrong ? "with a wrong y" : "as solved"),
               recorder.shown);
    }
}

}  // namespace

int run()
{
    forms();
    invariants();
    results();
    std::printf("selftest: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace selftest
