// The rules of every key of every view, without windows: a row names what it
// protects, presses keys on one view's rules and compares what the view then
// shows and tells.
#include "core/extendrules.h"
#include "core/infosrules.h"
#include "core/linearrules.h"
#include "core/masodfrules.h"
#include "core/module1.h"
#include "core/standrules.h"

#include <QTest>

#include <map>
#include <memory>

using core::Key;

namespace {
const QString Z = QStringLiteral("Nullával nem lehet osztani!");
const QString D = QStringLiteral("Számjegyeket írjon be!");
const QString P = QStringLiteral("A törtekben csak egy tizedespont van!");
// Boxes with the exclamation icon are written after "! ".
const QString F = QStringLiteral("! Törtszámokat nem tudok átváltani! (Egyelőre)");
const QString L = QStringLiteral("! A szám túl nagy az átváltáshoz!");

const QHash<QString, Key> kKeys{{",", Key::Point},        {"+/-", Key::Sign},
                                {"+", Key::Add},          {"-", Key::Subtract},
                                {"*", Key::Multiply},     {"/", Key::Divide},
                                {"=", Key::Equals},       {"C", Key::Clear},
                                {"M+", Key::MemoryStore}, {"MR", Key::MemoryRecall},
                                {"MC", Key::MemoryClear}, {"^", Key::Power},
                                {"root", Key::Root},      {"n!", Key::Factorial},
                                {"1/x", Key::Reciprocal}, {"lnko", Key::Gcd},
                                {"lkkt", Key::Lcm},       {"lg", Key::Lg},
                                {"ln", Key::Ln},          {"sin", Key::Sin},
                                {"cos", Key::Cos},        {"tg", Key::Tg},
                                {"%", Key::Percent},      {"ctg", Key::Ctg},
                                {"pi", Key::Pi},          {"e", Key::E},
                                {"inv", Key::Inverse}};
const QHash<QString, core::DisplayKey> kDisplayKeys{{"kp+", core::DisplayKey::Add},
                                                    {"kp-", core::DisplayKey::Subtract},
                                                    {"kp*", core::DisplayKey::Multiply},
                                                    {"kp/", core::DisplayKey::Divide},
                                                    {"enter", core::DisplayKey::Enter}};
const QString kCaptions = QStringLiteral("0123456789ABCDEF");

QString captionOf(Key key)
{
    if (core::isDigit(key))
        return kCaptions.mid(core::digitOf(key), 1);
    return kKeys.key(key);
}

// Words for the keys: digits ("12", "x:F" for A-F), captions, "t:<text>" typed
// at the end of the display, "p:<text>" pasted there ("\n", "\r", "\t" and
// "~" for a blank), "bs" (Backspace), "kp+" .. "enter" in the display, "b:<base>"
// chosen, "act" (the view becomes active coming from another of our windows;
// "act:help" from the help, "act:away" from another program), "dbl" (a double click).
void press(core::Calculator &c, const QString &keys)
{
    for (const QString &word : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1String("t:")))
            c.edited(c.panel().display + word.mid(2));
        else if (word.startsWith(QLatin1String("p:")))
            c.edited(c.panel().display + QString(word.mid(2))
                                             .replace(QLatin1String("\\n"), QLatin1String("\n"))
                                             .replace(QLatin1String("\\r"), QLatin1String("\r"))
                                             .replace(QLatin1String("\\t"), QLatin1String("\t"))
                                             .replace(QLatin1Char('~'), QLatin1Char(' ')));
        else if (word == QLatin1String("bs"))
            c.edited(c.panel().display.chopped(1));
        else if (word.startsWith(QLatin1String("x:")))
            c.press(core::digitKey(kCaptions.indexOf(word.at(2))));
        else if (word.startsWith(QLatin1String("b:")))
            static_cast<core::InfosRules &>(c).chooseBase(word.mid(2) == "16" ? 9 : word.mid(2).toInt() - 2);
        else if (word == QLatin1String("act"))
            c.activated(core::Arrival::FromOurWindow);
        else if (word == QLatin1String("act:help"))
            c.activated(core::Arrival::FromHelp);
        else if (word == QLatin1String("act:away"))
            c.activated(core::Arrival::FromElsewhere);
        else if (word == QLatin1String("dbl"))
            static_cast<core::StandRules &>(c).doubleClick();
        else if (kDisplayKeys.contains(word))
            c.displayKey(kDisplayKeys.value(word));
        else if (kKeys.contains(word))
            c.press(kKeys.value(word));
        else
            for (const QChar digit : word)
                c.press(core::digitKey(digit.digitValue()));
    }
}

// The state in words; what every view starts with says nothing: "M" lit,
// "alarm" (a refusal on the tape), "locked" (only C usable), "inverse" (Inv's
// keys and C usable) or "off:<keys>", "inv" (the Inv key lit), "colourful",
// "base:<b>", "options:off", "digits:<n>" (informatics digit keys not those
// of the base).
// Inv leaves the keys that have an inverse: lg (10^x), ln (e^x) and the four angle keys.
const core::KeySet kInverseKeys = [] {
    core::KeySet keys;
    for (const Key key : {Key::Lg, Key::Ln, Key::Sin, Key::Cos, Key::Tg, Key::Ctg})
        keys.set(size_t(key));
    return keys;
}();

QString stateOf(const core::Calculator &c, const core::KeySet &startKeys)
{
    const core::Panel p = c.panel();
    QStringList words;
    if (p.memoryLit)
        words << "M";
    if (p.tapeAlarm)
        words << "alarm";
    const bool infos = dynamic_cast<const core::InfosRules *>(&c);
    const int base = p.baseOption == 9 ? 16 : p.baseOption + 2;
    core::KeySet expected = startKeys;
    if (infos)
        for (int d = 0; d < 16; ++d)
            expected.set(size_t(core::digitKey(d)), d < base);
    core::KeySet clearOnly;
    clearOnly.set(size_t(Key::Clear));
    if (p.enabled == clearOnly)
        words << "locked";
    else if (p.enabled == (clearOnly | kInverseKeys))
        words << "inverse";
    else if (p.enabled != expected) {
        int digits = 0;
        while (infos && digits < 16 && p.enabled.test(size_t(core::digitKey(digits))))
            ++digits;
        QStringList off;
        for (int k = 0; k < core::kKeyCount; ++k)
            if (expected.test(size_t(k)) && !p.enabled.test(size_t(k)) && !(infos && core::isDigit(Key(k))))
                off << captionOf(Key(k));
        if (infos && digits != base)
            words << QStringLiteral("digits:%1").arg(digits);
        if (!off.isEmpty())
            words << "off:" + off.join(QLatin1Char(','));
    }
    if (p.inverseLit)
        words << "inv";
    if (p.colourful)
        words << "colourful";
    if (infos && base != 10)
        words << QStringLiteral("base:%1").arg(base);
    if (!p.baseOptionsEnabled)
        words << "options:off";
    return words.join(QLatin1Char(' '));
}

std::unique_ptr<core::Calculator> make(const QString &view, core::Module1 &m)
{
    if (view == QLatin1String("stand"))
        return std::make_unique<core::StandRules>(m);
    if (view == QLatin1String("extend"))
        return std::make_unique<core::ExtendRules>(m);
    return std::make_unique<core::InfosRules>(m);
}

// A message box's text, after "! " when it bears the exclamation icon.
QStringList textsOf(const QList<core::Message> &messages)
{
    QStringList texts;
    for (const core::Message &message : messages)
        texts << (message.exclamation ? "! " : "") + message.text;
    return texts;
}
}  // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void oneMemoryIndicator();
    void quadratic_data();
    void quadratic();
    void linear_data();
    void linear();
};

void TestRules::keys_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char *name, const char *view, const QString &keys, const QString &display,
                        const QString &tape = {}, const char *state = "", const QStringList &messages = {}) {
        QTest::newRow(name) << view << keys << display << tape << state << messages;
    };
    // Entry, all views alike.
    row("digits append", "stand", "1 2 3", "123");
    row("the point key writes a point", "stand", "12 ,", "12.");
    row("a key fills the display to 30 characters, no further", "stand", "t:12345678901234567890123456789 0 1",
        "123456789012345678901234567890");
    row("a second point is refused", "stand", "12 , ,", "", "", "", {P});
    row("the sign key writes Str, not trimmed", "stand", "+/- 7", " 07");
    row("the sign key flips a typed fraction", "stand", "t:-.5 +/-", " .5");
    row("a letter is refused", "stand", "t:1a", "", "", "", {D});
    row("a minus inside a number is refused", "stand", "t:5-3", "", "", "", {D});
    row("the main keyboard's plus is refused", "extend", "t:1+", "", "", "", {D});
    row("typing stops at 30 characters", "stand", "t:123456789012345678901234567890 t:1",
        "123456789012345678901234567890");
    row("a paste puts in what fits", "stand", "12 p:3456789012345678901234567890123", "123456789012345678901234567890");
    row("a pasted number loses its line break", "stand", "p:42\\n", "42");
    row("and the blanks and tabs around it", "extend", "p:~\\t42~\\r\\n", "42");
    row("a line break inside a paste is refused", "stand", "p:4\\n2", "", "", "", {D});
    row("only one trailing line break goes", "stand", "p:42\\n\\n", "", "", "", {D});
    row("a single blank is kept as typed", "stand", "1 p:~", "1 ");
    row("a tab is no blank", "stand", "5 p:\\t", "", "", "", {D});
    // The standard view's operations and tape.
    row("= evaluates and writes the tape", "stand", "12 + 3 =", "15", "12+3 ", "off:+/-");
    row("= again repeats with the result", "stand", "12 + 3 = =", "27", "12+3 15 ", "off:+/-");
    row("after = an operator starts a new line", "stand", "12 + 3 = * 2 =", "30", "15*2 ", "off:+/-");
    row("an operator does not chain", "stand", "12 + 3 - 1 =", "2", "12+-1 ", "off:+/-");
    row("two operators at once take an empty operand", "stand", "12 + -", "", "12+-");
    row("= with an empty display adds 0", "stand", "12 + =", "12", "12+ ", "off:+/-");
    row("= with nothing pending keeps the display", "stand", "7 =", "7", "7 ", "off:+/-");
    row("a digit gives +/- back", "stand", "7 = 1", "71", "7 ");
    row("only a quotient gets a 0 before the point", "stand", "1 / 4 =", "0.25", "1/4 ", "off:+/-");
    row("a tie at the fifteenth digit goes to the even digit", "stand", "t:123456789012344.5 + 0 =", "123456789012344",
        "123456789012344.5+0 ", "off:+/-");
    row("a difference keeps .25", "stand", "1 - t:0.75 =", ".25", "1-0.75 ", "off:+/-");
    row("a division by zero locks all but C", "stand", "5 / 0 =", "", Z + " ", "alarm locked");
    row("C after the lock gives every key back", "stand", "5 / 0 = C", "");
    row("C keeps the pending operation", "stand", "12 + C 3 =", "15", "3 ", "off:+/-");
    row("a tape of 32 characters is kept", "stand", "t:123456789012345 + t:123456789012345 =", "246913578024690",
        "123456789012345+123456789012345 ", "off:+/-");
    row("a tape of 33 characters is emptied after =", "stand",
        "t:123456789012.345 + t:123456789012345 =", "123580245801357", "", "off:+/-");
    row("exponent form is refused by the check", "stand", "t:99999999 * t:99999999 =", "", "99999999*99999999 ",
        "off:+/-", {D});
    row("the keypad's operators step without the keys", "stand", "5 / 0 = t:6 kp+ t:2 enter", "8", "6+2 ",
        "alarm locked");
    row("the keypad's minus and divide", "stand", "9 kp- 4 enter kp/ 2 enter", "2.5", "5/2 ", "off:+/-");
    row("activation drops the pending operation", "stand", "12 + act 3 =", "3", "12+3 ", "off:+/-");
    row("so does a switch to another view and back", "stand", "12 + @infos @stand 3 =", "3", "12+3 ", "off:+/-");
    row("a return from the help keeps it", "stand", "12 + act:help 3 =", "15", "12+3 ", "off:+/-");
    row("and a return from another program", "extend", "12 + act:away 3 =", "15", "12+3 ", "off:+/-");
    row("a second operator goes on the same tape line", "stand", "12 + 3 +", "", "12++");
    row("M+ stores and lights M, MR recalls", "stand", "5 M+ C MR", "5", "", "M");
    row("M+ replaces the register", "stand", "5 M+ C 3 M+ C MR", "3", "", "M");
    row("MC clears the register and M", "stand", "5 M+ MC MR", "0", "");
    row("M+ of an empty display stores 0", "stand", "M+ MR", "0", "", "M");
    row("MR writes the display form", "stand", "t:.50 M+ C MR", ".5", "", "M");
    row("MR of a small value writes its digits", "stand", "t:0.00001 M+ C MR", ".00001", "", "M");
    row("MR of a value past 1E+15 is refused as its exponent form", "extend", "t:123000000000000000000 M+ C MR", "", "",
        "M", {D});
    row("a double click switches the colours", "stand", "dbl", "", "", "colourful");
    row("a second double click switches them back", "stand", "dbl dbl", "");
    // The scientific view.
    row("power is pending until =", "extend", "2 ^ 10 =", "1024", "2^ 10 ", "off:+/-");
    row("the first operand keeps every typed digit", "extend", "t:100000000000000000.5 - t:100000000000000000 =", ".5",
        "100000000000000000.5-100000000000000000 ", "off:+/-");
    row("a pending function repeats on =", "extend", "2 ^ 3 = =", "256", "2^ 3 8 ", "off:+/-");
    row("root", "extend", "27 root 3 =", "3", "27 (gyök)  3 ", "off:+/-");
    row("odd root of a negative number", "extend", "t:-8 root 3 =", "-2", "-8 (gyök)  3 ", "off:+/-");
    row("even root of a negative number is refused", "extend", "t:-8 root 2 =", "2",
        "Negatív számból nem lehet páros gyökkitevőjű gyököt vonni! ", "alarm locked");
    row("a fractional power of a negative number is refused", "extend", "t:-8 ^ t:0.5 =", "0.5",
        "Nincs valós eredmény! ", "alarm locked");
    row("percent", "extend", "200 % 15 =", "30", "200% 15 ", "off:+/-");
    row("percent below one gets a 0", "extend", "50 % 1 =", "0.5", "50% 1 ", "off:+/-");
    row("Lnko", "extend", "12 lnko 18 =", "6", "12 (Lnko)  18 ", "off:+/-");
    row("Lkkt", "extend", "12 lkkt 18 =", "36", "12 (Lkkt)  18 ", "off:+/-");
    row("Lnko refuses fractions", "extend", "t:1.5 lnko 3 =", "3", "Csak egész számokra értelmezett! ", "alarm locked");
    row("a quotient is snapped and gets a 0", "extend", "1 / 4 =", "0.25", "1/4 ", "off:+/-");
    row("a division by zero keeps the display", "extend", "8 / 0 =", "0", Z + " ", "alarm locked");
    row("n! tape before the result", "extend", "5 n!", "120", "5! ");
    row("n! of 170 is computed, and is too long to show", "extend", "170 n!", "", "170! ", "", {D});
    row("n! above 170 is refused", "extend", "171 n!", "171", "A maximális érték: 170. ", "alarm locked");
    row("n! of a fraction is refused", "extend", "t:4.5 n!", "4.5", "Csak nemnegatív egész számnak van faktoriálisa! ",
        "alarm locked");
    row("a result in exponent form is refused", "extend", "18 n!", "", "18! ", "", {D});
    row("1/x", "extend", "4 1/x", "0.25", "4 (1/x)  ");
    row("1/x of 0 is refused", "extend", "0 1/x", "0", Z + " ", "alarm locked");
    row("lg", "extend", "100 lg", "2", "100 (lgx)  ");
    row("lg of 0 is refused, the tape holds only the message", "extend", "0 lg", "0",
        "Csak pozitív számnak van logaritmusa! ", "alarm locked");
    row("ln of a negative number is refused", "extend", "t:-1 ln", "-1", "Csak pozitív számnak van logaritmusa! ",
        "alarm locked");
    row("Inv locks all but its keys and C", "extend", "inv", "", "", "inverse inv");
    row("Inv lg is 10^x and stays inverse", "extend", "2 inv lg", "100", "2 (10^x)  ", "inverse inv");
    row("Inv ln is e^x with the 15-digit e", "extend", "1 inv ln", "2.71828182845905", "1 (e^x)  ", "inverse inv");
    row("10^x beyond a double is refused", "extend", "400 inv lg", "400", "Az eredmény nem ábrázolható! ",
        "alarm locked inv");
    row("sin writes its tape from the result", "extend", "30 sin", "0.5", "0.5 (sinx)  ");
    row("cos of 90 is 0", "extend", "90 cos", "0", "0 (cosx)  ");
    row("tg at its pole is refused with the angle", "extend", "90 tg", "90",
        "Nullával nem lehet osztani! ( cos 90° értéke 0 ) ", "alarm locked");
    row("ctg at its pole names the angle's display form", "extend", "t:-180 ctg", "-180",
        "Nullával nem lehet osztani! ( sin -180° értéke 0 ) ", "alarm locked");
    row("ctg next to a pole is computed", "extend", "t:0.3 ctg", "190.984186377837", "0.3 (ctgx)  ");
    row("ctg of 90 is 0", "extend", "90 ctg", "0", "90 (ctgx)  ");
    row("arc sin leaves inverse mode, the keys stay", "extend", "t:.5 inv sin", "30", "30 (arc sinx)  ", "inverse inv");
    row("so a second sin is plain", "extend", "t:.5 inv sin sin", "0.5", "0.5 (sinx)  ", "inverse inv");
    row("arc sin beyond 1 is refused", "extend", "2 inv sin", "2", "Egy szög sinusa -1 és 1 közötti érték lehet! ",
        "alarm locked inv");
    row("arc cos of a negative number is beyond 90", "extend", "t:-.5 inv cos", "120", "120 (arc cosx)  ",
        "inverse inv");
    row("arc ctg", "extend", "1 inv ctg", "45", "1 (arc ctgx)  ", "inverse inv");
    row("C leaves inverse mode", "extend", "inv C", "");
    row("Pi is appended", "extend", "2 pi", "23.14159265358979");
    row("e onto a fraction makes two points", "extend", "t:1.5 e", "", "", "", {P});
    row("a constant may pass a full display once", "extend", "t:999999999999999999999999999999 pi pi",
        "9999999999999999999999999999993.14159265358979");
    row("the keypad steps in the scientific view too", "extend", "2 kp* 3 enter", "6", "2*3 ", "off:+/-");
    // The informatics view.
    row("the digit keys follow the base", "infos", "b:3", "", "", "base:3");
    row("a base change converts the display", "infos", "12 b:2", "1100", "", "base:2");
    row("and converts again", "infos", "12 b:2 b:16", "C", "", "base:16");
    row("a digit beyond the base is refused", "infos", "b:2 t:12", "", "", "base:2", {D});
    row("operations in base sixteen", "infos", "b:16 x:F x:F + 1 =", "100", "", "off:+/- base:16");
    row("a negative result keeps its sign", "infos", "b:2 101 - 111 =", "-10", "", "off:+/- base:2");
    row("a base ten quotient gets a 0", "infos", "1 / 2 =", "0.5", "", "off:+/-");
    row("base ten writes a product twice, so one too long is told twice", "infos", "t:99999999 * t:99999999 =", "", "",
        "off:+/-", {D, D});
    row("a quotient outside ten shows its whole part", "infos", "b:2 111 / 10 =", "11", "", "off:+/- base:2");
    row("a division by zero locks digits, operators, memory and =", "infos", "1 / 0 =", Z, "",
        "digits:0 off:+/-,+,-,*,/,=,M+,MR,MC");
    row("C ends the division lock", "infos", "b:2 1 / 0 = C", "", "", "off:+/- base:2");
    row("the lock's message is not checked", "infos", "1 / 0 = t:x", Z + "x", "",
        "digits:0 off:+/-,+,-,*,/,=,M+,MR,MC");
    row("C keeps the pending operation", "infos", "5 + C 7 =", "12", "", "off:+/-");
    row("= with nothing pending keeps the display", "infos", "C 7 =", "7", "", "off:+/-");
    row("one operator leaves the base options usable", "infos", "1 +", "", "", "");
    row("a second operator locks the base options", "infos", "1 + +", "", "", "options:off");
    row("= gives the base options back, a second operator keeps the first operand", "infos", "1 + + 2 =", "3", "",
        "off:+/-");
    row("a refused fraction goes back to ten with its value", "infos", "b:2 1 , 1 b:16", "1.5", "", "options:off", {F});
    row("so the fraction counts as its value", "infos", "b:2 1 , 1 b:16 * 2 =", "3", "", "off:+/-", {F});
    row("choosing ten converts a fraction", "infos", "b:8 t:7.4 b:10", "7.5");
    row("a base ten fraction stays and is told once", "infos", "2 , 5 b:2", "2.5", "", "options:off", {F});
    row("a number beyond 2^53 does not convert", "infos",
        "b:2 t:111111111111111111111111111111111111111111111111111111 b:10",
        "111111111111111111111111111111111111111111111111111111", "", "base:2", {L});
    row("memory is read and written in the display's base", "infos", "b:16 x:1 x:F M+ C b:2 MR", "11111", "",
        "M base:2");
    row("the sign key flips the number as written", "infos", "b:2 101 +/-", "-101", "", "base:2");
    row("an operator on an empty display outside ten takes the result", "infos", "b:2 11 + 1 = C + 1 =", "1", "",
        "off:+/- base:2");
    row("a completed conversion leaves 0 for an operator on an empty display", "infos",
        "2 + 3 = b:2 bs bs bs + 1 =", "1", "", "off:+/- base:2");
    row("a refused base change keeps a typed base ten text", "infos", "t:123456789.123456789 b:2",
        "123456789.123456789", "", "options:off", {F});
    row("a trailing point stays, and typing goes on after it", "infos", "t:12. b:2 5", "12.5", "", "options:off", {F});
    row("a fraction without its leading zero stays", "infos", "t:.5 b:16", ".5", "", "options:off", {F});
    row("every typed decimal stays", "infos", "t:0.1000000000000000000001 b:2", "0.1000000000000000000001", "",
        "options:off", {F});
    row("a binary fraction is written in base ten exactly", "infos", "b:2 t:0.0001 b:8", "0.0625", "", "options:off",
        {F});
    row("a fraction with no end in base ten fills the display", "infos", "b:3 t:0.1 b:2", "0." + QString(62, '3'), "",
        "options:off", {F});
    row("a binary fraction below one gets its 0", "infos", "b:2 t:0.1 b:8", "0.5", "", "options:off", {F});
    row("a fraction that rounds up to one at the display's end shows 1", "infos",
        "b:16 t:0." + QString(62, 'F') + " b:2", "1", "", "options:off", {F});
    row("lower-case hexadecimal digits count", "infos", "b:16 t:ff + 1 =", "100", "", "off:+/- base:16");
    row("the sign fits before a full display", "infos", "b:2 t:" + QString(64, '1') + " +/-", "-" + QString(64, '1'),
        "", "base:2");
    row("C in the scientific view leaves 0 for the informatics view", "extend", "2 + 3 = C @infos b:2 + 1 =", "1", "",
        "off:+/- base:2");
}

void TestRules::keys()
{
    QFETCH(QString, view);
    QFETCH(QString, keys);
    // "@extend" switches to that view as the Nézet menu does: loaded when
    // first named, then active; the row judges the view it ends in.
    core::Module1 m;
    std::map<QString, std::unique_ptr<core::Calculator>> views;
    std::map<QString, core::KeySet> startKeys;
    QStringList told;
    core::Calculator *c = nullptr;
    for (const QString &segment : QString("@" + view + " " + keys).split('@', Qt::SkipEmptyParts)) {
        const QString name = segment.section(' ', 0, 0);
        if (!views.count(name)) {
            views[name] = make(name, m);
            startKeys[name] = views[name]->panel().enabled | views[name]->keys();
        }
        if (c)
            told << textsOf(c->takeMessages());
        c = views[name].get();
        c->activated(core::Arrival::FromOurWindow);
        press(*c, segment.section(' ', 1));
        view = name;
    }
    QTEST(c->panel().display, "display");
    QTEST(c->panel().tape, "tape");
    QTEST(stateOf(*c, startKeys[view]), "state");
    QTEST(told << textsOf(c->takeMessages()), "messages");
}

// One register, one indicator: what one view stores or clears, every view shows.
void TestRules::oneMemoryIndicator()
{
    core::Module1 m;
    core::StandRules stand(m);
    core::ExtendRules extend(m);
    press(stand, "5 M+");
    QVERIFY(extend.panel().memoryLit);
    press(extend, "MR MC");
    QCOMPARE(extend.panel().display, QString("5"));
    QVERIFY(!stand.panel().memoryLit);
}

void TestRules::quadratic_data()
{
    QTest::addColumn<QString>("coefficients");  // a b c, "-" for a sign label reading "-"
    QTest::addColumn<QString>("roots");
    QTest::addColumn<bool>("again");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char *name, const char *coefficients, const char *roots, bool again,
                        const QStringList &messages = {}) {
        QTest::newRow(name) << coefficients << roots << again << messages;
    };
    row("two roots, the larger first for a positive a", "1 -3 2", "2|1", true);
    row("a negative a takes the smaller first", "-1 0 4", "-2|2", true);
    row("a double root", "1 2 1", "-1|-1", true);
    row("a = 0 solves the linear equation", "000 4 2", "-.5|", true);
    row("no real root clears the window", "2 0 8", "|", false, {"! Nincs valós gyök!"});
    row("an empty coefficient", "1  2", "|", false, {"! Minden együtthatót meg kell adnod!"});
    row("only digits", "1.5 2 3", "|", false, {"! Az együtthatók csak számok lehetnek!"});
    row("only digits in c too", "1 3 2.5", "|", false, {"! Az együtthatók csak számok lehetnek!"});
    row("a sign typed in a field is no digit", "1 +3 2", "|", false, {"! Az együtthatók csak számok lehetnek!"});
    row("nor is an exponent", "1 3E2 2", "|", false, {"! Az együtthatók csak számok lehetnek!"});
    row("a = b = 0 with c", "0 0 5", "|", false, {"! Nincs megoldás!"});
    row("a = b = c = 0", "0 0 0", "|", false, {"! Minden valós szám megoldás!"});
}

void TestRules::quadratic()
{
    QFETCH(QString, coefficients);
    core::MasodfRules s;
    const QStringList typed = coefficients.split(' ');
    for (int i = 0; i < 3; ++i) {
        s.form.coefficients[size_t(i)] = QString(typed[i]).remove('-');
        if (typed[i].startsWith('-'))
            s.toggleSign(i);
    }
    s.solve();
    QTEST(s.form.roots[0] + "|" + s.form.roots[1], "roots");
    QTEST(s.form.again, "again");
    QTEST(textsOf(s.takeMessages()), "messages");
    s.solve();  // "Újra", or the next click after a message, starts afresh
    QVERIFY(s.form.coefficients == (std::array<QString, 3>{}) && s.form.minus == (std::array<bool, 3>{}) &&
            !s.form.again);
}

void TestRules::linear_data()
{
    QTest::addColumn<QString>("system");  // a1 b1 c1 a2 b2 c2, "-" for a sign label reading "-"
    QTest::addColumn<QString>("result");  // x|y
    QTest::addColumn<QString>("then");    // again, kept, cleared
    QTest::addColumn<int>("focus");
    QTest::addColumn<QStringList>("messages");
    const auto row = [](const char *name, const QString &system, const char *result, const char *then, int focus,
                        const QStringList &messages = {}) {
        QTest::newRow(name) << system << result << then << focus << messages;
    };
    const QString two = QStringLiteral("Két egyenletre van szükség!\n(Így végtelen sok megoldás van)");
    row("a unique solution, Str not trimmed", "1 1 3 1 -1 1", " 2| 1", "again", 0);
    // x + y = 10^400 + 10^-400, x - y = 10^-400 - 10^400: x = 10^-400, y = 10^400.
    const QString big = "1" + QString(400, '0') + "." + QString(399, '0') + "1";
    const QString nines = QString(400, '9') + "." + QString(400, '9');
    row("too large wins over too small", "1 1 " + big + " 1 -1 -" + nines, "|", "kept", 0, {"Az eredmény túl nagy!"});
    row("too small alone is told", "1 1 " + big.mid(1) + " 1 -1 " + big.mid(1), "|", "kept", 0,
        {"Az eredmény túl kicsi!"});
    row("the typed decimals decide dependence", "0.1 4.7 1 0.3 14.1 3", "|", "again", 0,
        {"Két egymástól lineárisan független\n egyenletre van szükség!"});
    row("x absent from both", "0 2 4 0 3 6", "| 2", "again", 0);
    row("y absent from both", "2 0 4 3 0 6", " 2|", "again", 0);
    row("no unknown at all", "0 0 5 0 0 1", "|", "cleared", 1, {"Nagyon vicces!!"});
    row("an equation 0 = 5", "0 0 5 1 1 2", "|", "kept", 0, {"Ellentmondás!"});
    row("an equation 0 = 0", "0 0 0 1 1 2", "|", "kept", 0, {two});
    row("parallel equations", "1 2 3 2 4 7", "|", "cleared", 1, {"Ellentmondás!!"});
    row("an empty field keeps everything", "1  1 1 1 1", "|", "kept", 2, {"Nem adott meg minden együtthatót!"});
    row("a bad character clears after its message", "1 x 1 1 1 1..1", "|", "cleared", 1, {D, P});
}

void TestRules::linear()
{
    QFETCH(QString, system);
    core::Module1 m;
    core::LinearRules s(m);
    const QStringList typed = system.split(' ');
    const int field[] = {1, 2, 5, 3, 4, 6};
    for (int i = 0; i < 6; ++i) {
        s.form.fields[size_t(field[i])] = QString(typed[i]).remove('-');
        if (typed[i].startsWith('-'))
            s.toggleSign(field[i]);
    }
    s.solve();
    QTEST(s.form.fields[7] + "|" + s.form.fields[8], "result");
    QTEST(textsOf(s.takeMessages()), "messages");
    QTEST(s.form.focus, "focus");
    QFETCH(QString, then);
    const bool cleared = s.form.fields[1].isEmpty() && s.form.fields[6].isEmpty() && s.form.minus[4] == false;
    QCOMPARE(then == "cleared", cleared);
    QCOMPARE(s.form.again, then == "again");
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
