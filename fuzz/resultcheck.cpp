#include "resultcheck.h"

#include "describe.h"

#include "informatics/infoswindow.h"
#include "core/radix.h"
#include "reference/reference.h"
#include "scientific/extendwindow.h"
#include "core/inputcheck.h"
#include "core/module1.h"
#include "core/numberscan.h"
#include "core/numbertext.h"
#include "core/result.h"
#include "core/texts.h"
#include "shell/application.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"
#include "standard/standwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <memory>
#include <optional>

namespace resultcheck {
namespace {

using reference::Expected;

enum Kind { Equals, InfosEquals, FunctionKey, BaseChange, Quadratic, Linear, KindCount };
long long counts[KindCount] = {};

QString quoted(const QString &text) { return describe::quoted(text, 80); }

bool wasShown(const Shown &shown, const QString &text)
{
    for (const MessageRecorder::Shown &box : shown)
        if (box.text == text)
            return true;
    return false;
}

// The product's refusal of the same name (the reference has two more, for
// conversions, which never come from a calculation key).
std::optional<::Refusal> productRefusal(reference::Refusal r)
{
    switch (r) {
    case reference::Refusal::None: return ::Refusal::None;
    case reference::Refusal::DivisionByZero: return ::Refusal::DivisionByZero;
    case reference::Refusal::NotRepresentable: return ::Refusal::NotRepresentable;
    case reference::Refusal::NoRealResult: return ::Refusal::NoRealResult;
    case reference::Refusal::EvenRootOfNegative: return ::Refusal::EvenRootOfNegative;
    case reference::Refusal::WholeNumbersOnly: return ::Refusal::WholeNumbersOnly;
    case reference::Refusal::FactorialTooLarge: return ::Refusal::FactorialTooLarge;
    case reference::Refusal::FactorialNotWhole: return ::Refusal::FactorialNotWhole;
    case reference::Refusal::LogOfNonPositive: return ::Refusal::LogOfNonPositive;
    case reference::Refusal::SineRange: return ::Refusal::SineRange;
    case reference::Refusal::CosineRange: return ::Refusal::CosineRange;
    case reference::Refusal::TangentPole: return ::Refusal::TangentPole;
    case reference::Refusal::CotangentPole: return ::Refusal::CotangentPole;
    case reference::Refusal::TooLargeToConvert:
    case reference::Refusal::Fraction: return std::nullopt;
    }
    return std::nullopt;
}

// The refusal the tape shows, if it shows one.
std::optional<::Refusal> tapeRefusal(const QString &tape, double x)
{
    const QString text = tape.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    for (int r = int(::Refusal::DivisionByZero); r <= int(::Refusal::CotangentPole); ++r)
        if (refusalText(::Refusal(r), x).trimmed() == text)
            return ::Refusal(r);
    return std::nullopt;
}

// A result the Str rule writes in exponent form, which the display's check
// refuses (and empties the display with its message): that is correct.
// Near the edges the last double digit may fall either way.
bool exponentForm(const Expected &expected)
{
    const double v = std::fabs(expected.value.toDouble());
    return v != 0 && (v >= 1e15 * (1 - 1e-13) || v < 1e-15 * (1 + 1e-13));
}

// A value key of the standard or scientific window: the display after it,
// or its refusal on the tape (keys locked).
// `tapeKept`: the tape shows what a result adds to it, so an old refusal
// still on it is no refusal of this key.
void judgeDecimal(const Expected &expected, const QString &what, const QString &shownText, const QString &tape,
                  bool tapeKept, bool newlyLocked, double x, QStringList &out)
{
    const std::optional<::Refusal> refused = tapeKept ? std::nullopt : tapeRefusal(tape, x);
    if (expected.ok()) {
        if (refused)
            out << QStringLiteral("%1: the tape refuses with %2, the reference expects %3")
                       .arg(what, quoted(tape), reference::describe(expected));
        else if (reference::agrees(shownText, expected))
            return;
        else if (shownText.trimmed().isEmpty() && exponentForm(expected))
            return;
        else
            out << QStringLiteral("%1: the display shows %2, the reference expects %3")
                       .arg(what, quoted(shownText), reference::describe(expected));
        return;
    }
    const std::optional<::Refusal> wanted = productRefusal(expected.refusal);
    if (refused && wanted && *refused == *wanted)
        return;
    if (refused || (newlyLocked && tape.trimmed().isEmpty())) {
        out << QStringLiteral("%1: the tape reads %2, the reference refuses: %3")
                   .arg(what, quoted(tape), reference::describe(expected));
        return;
    }
    out << QStringLiteral("%1: no refusal (display %2, tape %3), the reference refuses: %4")
               .arg(what, quoted(shownText), quoted(tape), reference::describe(expected));
}

// The product's Val against the reference's, on the text both read.
void crossCheckVal(const QString &text, double productValue, QStringList &out)
{
    const double ref = reference::val(text);
    if (ref != productValue && !(std::isnan(ref) && std::isnan(productValue)))
        out << QStringLiteral("Val reads %1 as %2, the reference Val as %3")
                   .arg(quoted(text))
                   .arg(productValue, 0, 'g', 17)
                   .arg(ref, 0, 'g', 17);
}

std::optional<reference::Operation> scientificOperation(const QString &sign)
{
    using reference::Operation;
    static const struct {
        const char *tag;
        Operation op;
    } tags[] = {{"+", Operation::Add},     {"-", Operation::Subtract},   {"*", Operation::Multiply},
                {"/", Operation::Divide},  {"^", Operation::Power},      {" (gyök) ", Operation::Root},
                {"%", Operation::Percent}, {" (Lnko) ", Operation::Gcd}, {" (Lkkt) ", Operation::Lcm}};
    for (const auto &t : tags)
        if (sign == QString::fromUtf8(t.tag))
            return t.op;
    return std::nullopt;
}

bool basicSign(const QString &sign) { return sign.size() == 1 && QStringLiteral("+-*/").contains(sign.at(0)); }

QString operandsOf(const QString &sign, double a, double b)
{
    return QStringLiteral("szam1 %1, muvelet %2, szam2 %3").arg(a, 0, 'g', 17).arg(quoted(sign)).arg(b, 0, 'g', 17);
}

After infosEquals(Application &app)
{
    InfosWindow *w = &app.infos();
    Module1 &m = app.state();
    const QString text = w->Text1->text();
    const int base = radix::baseOf(m.alapkod);
    const radix::Reading reading = radix::read(text, base);
    if (reading.status != radix::Status::Ok)
        return {};  // the display cannot be read: its message, nothing computed
    const QString sign = core::tagOf(m.muvelet);
    const double a = m.szam1;
    const double b = reading.value;
    std::optional<Expected> expected;
    if (basicSign(sign))
        expected = base == 10 ? reference::standardOperation(sign.at(0), a, b)
                              : reference::informaticsOperation(sign.at(0), a, b, base);
    return [=](const Shown &shown) {
        ++counts[InfosEquals];
        QStringList out;
        const QString what = QStringLiteral("infos \"=\" in base %1 (%2, display %3)")
                                 .arg(base)
                                 .arg(operandsOf(sign, a, b), quoted(text));
        if (base == 10)
            crossCheckVal(text, b, out);
        const QString now = w->Text1->text();
        if (!expected) {
            if (now != text)
                out << QStringLiteral("%1: nothing pending, yet the display now reads %2").arg(what, quoted(now));
            return out;
        }
        if (expected->ok()) {
            const bool unwritten =
                base == 10 && now.trimmed().isEmpty() && exponentForm(*expected) && wasShown(shown, texts::kDigits);
            if (!reference::agrees(now, *expected) && !unwritten)
                out << QStringLiteral("%1: the display shows %2, the reference expects %3")
                           .arg(what, quoted(now), reference::describe(*expected));
        } else if (expected->refusal == reference::Refusal::DivisionByZero) {
            if (now != texts::kDivisionByZero)
                out << QStringLiteral("%1: the display shows %2, the reference refuses: %3")
                           .arg(what, quoted(now), reference::describe(*expected));
        } else {
            // Too large to write: its message; base ten empties the display,
            // the other bases leave it as it was.
            const bool message = wasShown(shown, base == 10 ? texts::kDigits : texts::kTooLargeToConvert);
            const bool display = base == 10 ? now.trimmed().isEmpty() : now == text;
            if (!message || !display)
                out << QStringLiteral("%1: the display shows %2%3, the reference refuses: %4")
                           .arg(what, quoted(now), message ? QString() : QStringLiteral(" without the message"),
                                reference::describe(*expected));
        }
        return out;
    };
}

std::array<bool, 3> masodfSigns(const MasodfWindow *w)
{
    return {w->Label2[0]->isMinus(), w->Label2[1]->isMinus(), w->Label2[2]->isMinus()};
}

QStringList judgeMasodf(const std::array<QString, 3> &typed, const std::array<bool, 3> &minus, const MasodfWindow *w,
                        const Shown &shown)
{
    numberscan::Options digitsOnly;
    digitsOnly.sign = digitsOnly.point = digitsOnly.skipBlanks = false;
    for (const QString &text : typed)
        if (text.isEmpty() || numberscan::scan(text, digitsOnly).end < text.size())
            return {};  // refused by the field checks before solving
    double c[3];
    for (int i = 0; i < 3; ++i)
        c[i] = numbertext::val(typed[size_t(i)]) * (minus[size_t(i)] ? -1 : 1);
    ++counts[Quadratic];
    const reference::Quadratic q = reference::quadratic(c[0], c[1], c[2]);
    const QString what =
        QStringLiteral("masodf on %1%2, %3%4, %5%6")
            .arg(minus[0] ? "-" : "+", typed[0], minus[1] ? "-" : "+", typed[1], minus[2] ? "-" : "+", typed[2]);
    const QString x1 = w->Text4[0]->text();
    const QString x2 = w->Text4[1]->text();
    QStringList out;
    using K = reference::QuadraticKind;
    switch (q.kind) {
    case K::TwoRoots:
        if (!reference::agrees(x1, q.x1) || !reference::agrees(x2, q.x2))
            out << QStringLiteral("%1: shows x1 %2, x2 %3; the reference x1 %4, x2 %5")
                       .arg(what, quoted(x1), quoted(x2), reference::describe(q.x1), reference::describe(q.x2));
        break;
    case K::Linear:
        if (!reference::agrees(x1, q.x1) || !x2.isEmpty())
            out << QStringLiteral("%1: shows x1 %2, x2 %3; the reference the one root %4")
                       .arg(what, quoted(x1), quoted(x2), reference::describe(q.x1));
        break;
    default: {
        const QString message = q.kind == K::NoRealRoot              ? texts::kNoRealRoot
                                : q.kind == K::NoSolution            ? texts::kNoSolution
                                : q.kind == K::EveryNumber           ? texts::kEveryNumber
                                : q.kind == K::CoefficientOutOfRange ? texts::kCoefficientTooLarge
                                                                     : texts::kResultTooLarge;
        if (!wasShown(shown, message) || !x1.isEmpty() || !x2.isEmpty())
            out << QStringLiteral("%1: shows x1 %2, x2 %3; the reference says %4")
                       .arg(what, quoted(x1), quoted(x2), quoted(message));
        break;
    }
    }
    return out;
}

QStringList judgeLinear(const std::array<QString, 6> &typed, const std::array<bool, 6> &minus, const LinearWindow *w,
                        const Shown &shown)
{
    Module1 scratch;  // the field check without touching the shared state
    for (const QString &text : typed) {
        if (text.isEmpty())
            return {};
        inputcheck::examine(scratch, text);
        if (scratch.hibas || scratch.pontdb >= 2)
            return {};  // refused by the field checks before solving
        scratch.pontdb = 0;
    }
    ++counts[Linear];
    std::array<QString, 6> trimmed;
    for (int i = 0; i < 6; ++i)
        trimmed[size_t(i)] = typed[size_t(i)].trimmed();
    const reference::Linear l = reference::linear(trimmed, minus);
    QString what = QStringLiteral("linear on");
    for (int i = 0; i < 6; ++i)
        what += QStringLiteral(" %1%2").arg(minus[size_t(i)] ? "-" : "+", quoted(typed[size_t(i)]));
    const QString x = w->Text1[7]->text();
    const QString y = w->Text1[8]->text();
    QStringList out;
    using K = reference::LinearKind;
    const bool xOk = l.kind == K::Unique || l.kind == K::OnlyX ? reference::agrees(x, l.x) : x.isEmpty();
    const bool yOk = l.kind == K::Unique || l.kind == K::OnlyY ? reference::agrees(y, l.y) : y.isEmpty();
    QString message;
    switch (l.kind) {
    case K::NoUnknown: message = texts::kVeryFunny; break;
    case K::EquationContradicts: message = texts::kContradiction; break;
    case K::EquationEmpty: message = texts::kTwoEquationsNeeded; break;
    case K::Dependent: message = texts::kIndependentEquationsNeeded; break;
    case K::Contradictory: message = texts::kContradictoryEquations; break;
    case K::OutOfRange: message = texts::kResultTooLarge; break;
    default: break;
    }
    if (!xOk || !yOk || (!message.isEmpty() && !wasShown(shown, message)))
        out << QStringLiteral("%1: shows x %2, y %3; the reference x %4, y %5%6")
                   .arg(what, quoted(x), quoted(y), reference::describe(l.x), reference::describe(l.y),
                        message.isEmpty() ? QString() : QStringLiteral(", message ") + quoted(message));
    return out;
}

}  // namespace

QString judged()
{
    long long total = 0;
    for (long long c : counts)
        total += c;
    return QStringLiteral(
               "%1 (\"=\" %2, informatics \"=\" %3, function keys %4, base changes %5, quadratic %6, "
               "linear %7)")
        .arg(total)
        .arg(counts[Equals])
        .arg(counts[InfosEquals])
        .arg(counts[FunctionKey])
        .arg(counts[BaseChange])
        .arg(counts[Quadratic])
        .arg(counts[Linear]);
}

After equals(Application &app, QMainWindow *window)
{
    if (qobject_cast<InfosWindow *>(window))
        return infosEquals(app);
    Module1 &m = app.state();
    auto *calc = static_cast<CalculatorWindow *>(window);
    auto *extend = qobject_cast<ExtendWindow *>(window);
    QLabel *tape = extend ? extend->Label3 : static_cast<StandWindow *>(window)->Label1;
    const QString text = calc->Text1->text();
    const QString sign = core::tagOf(m.muvelet);
    const double a = m.szam1;
    const double b = numbertext::val(text);
    const bool lockedBefore = !calc->Command5[0]->isEnabled();
    const QString tapeBefore = tape->text();
    std::optional<Expected> expected;
    if (extend) {
        if (const auto op = scientificOperation(sign))
            expected = reference::scientificOperation(*op, a, b);
    } else if (basicSign(sign)) {
        expected = reference::standardOperation(sign.at(0), a, b);
    }
    return [=](const Shown &) {
        ++counts[Equals];
        QStringList out;
        const QString what =
            QStringLiteral("%1 \"=\" (%2, display %3)").arg(window->objectName(), operandsOf(sign, a, b), quoted(text));
        crossCheckVal(text, b, out);
        const QString now = calc->Text1->text();
        if (!expected) {
            // Nothing pending: "=" evaluates nothing.
            if (now != text)
                out << QStringLiteral("%1: nothing pending, yet the display now reads %2").arg(what, quoted(now));
            return out;
        }
        const bool newlyLocked = !lockedBefore && !calc->Command5[0]->isEnabled();
        const QString tapeNow = tape->text();
        const bool tapeKept = tapeNow == tapeBefore + text + QLatin1Char(' ');
        judgeDecimal(*expected, what, now, tapeNow, tapeKept, newlyLocked, 0, out);
        return out;
    };
}

After functionKey(Application &app, int index)
{
    using F = reference::Function;
    struct Row {
        int index;
        F plain;
        std::optional<F> inverse;
    };
    static const Row rows[] = {
        {2, F::Factorial, std::nullopt}, {3, F::Reciprocal, std::nullopt},
        {6, F::DecimalLog, F::TenPower}, {7, F::NaturalLog, F::EPower},
        {8, F::Sine, F::ArcSine},        {9, F::Cosine, F::ArcCosine},
        {10, F::Tangent, F::ArcTangent}, {12, F::Cotangent, F::ArcCotangent},
    };
    const Row *row = nullptr;
    for (const Row &r : rows)
        if (r.index == index)
            row = &r;
    if (!row)
        return {};  // a pending key: judged at "="
    ExtendWindow *w = &app.extend();
    const Module1 &m = app.state();
    const QString text = w->Text1->text();
    const bool inverse = m.inverz && row->inverse.has_value();
    const F f = inverse ? *row->inverse : row->plain;
    const double x = numbertext::val(text);
    const Expected expected = reference::function(f, x);
    const bool lockedBefore = !w->Command5[0]->isEnabled();
    return [=](const Shown &) {
        ++counts[FunctionKey];
        QStringList out;
        const QString what =
            QStringLiteral("extend function key %1 \"%2\"%3 on display %4")
                .arg(index)
                .arg(w->Command8[size_t(index)]->text(), inverse ? QStringLiteral(" (Inv)") : QString(), quoted(text));
        crossCheckVal(text, x, out);
        const bool newlyLocked = !lockedBefore && !w->Command5[0]->isEnabled();
        judgeDecimal(expected, what, w->Text1->text(), w->Label3->text(), false, newlyLocked, x, out);
        return out;
    };
}

After baseChange(Application &app)
{
    InfosWindow *w = &app.infos();
    Module1 &m = app.state();
    const QString text = w->Text1->text();
    const int from = m.alapkod;
    if (text.trimmed().isEmpty() || text.startsWith(texts::kDivisionByZero))
        return {};  // nothing to convert
    return [=, &m](const Shown &shown) {
        ++counts[BaseChange];
        QStringList out;
        const int to = m.alapkod;
        const int fromBase = radix::baseOf(from);
        const QString now = w->Text1->text();
        const QString what = QStringLiteral("infos base change of %1 from base %2").arg(quoted(text)).arg(fromBase);
        if (wasShown(shown, texts::kFraction)) {
            const Expected ref = reference::conversion(text, fromBase, fromBase == 10 ? 16 : 10);
            if (ref.refusal != reference::Refusal::Fraction)
                out << QStringLiteral("%1: refused as a fraction, the reference: %2")
                           .arg(what, reference::describe(ref));
            else if (to != radix::kBaseTenOption || now != text)
                out << QStringLiteral("%1: a fraction leaves base %2 and display %3 (base 10 and the text expected)")
                           .arg(what)
                           .arg(radix::baseOf(to))
                           .arg(quoted(now));
            return out;
        }
        if (wasShown(shown, texts::kTooLargeToConvert)) {
            const Expected ref = reference::conversion(text, fromBase, fromBase == 2 ? 16 : 2);
            if (ref.refusal != reference::Refusal::TooLargeToConvert)
                out << QStringLiteral("%1: refused as too large, the reference: %2")
                           .arg(what, reference::describe(ref));
            else if (to != from || now != text)
                out << QStringLiteral("%1: too large, yet base %2 and display %3")
                           .arg(what)
                           .arg(radix::baseOf(to))
                           .arg(quoted(now));
            return out;
        }
        if (to == from) {
            if (now != text)
                out << QStringLiteral("%1: the base stayed, yet the display reads %2").arg(what, quoted(now));
            return out;
        }
        const Expected ref = reference::conversion(text, fromBase, radix::baseOf(to));
        if (!reference::agrees(now, ref))
            out << QStringLiteral("%1 to base %2: the display shows %3, the reference %4")
                       .arg(what)
                       .arg(radix::baseOf(to))
                       .arg(quoted(now), reference::describe(ref));
        return out;
    };
}

After solver(QWidget *modal)
{
    auto ran = std::make_shared<bool>(false);
    QPointer<QWidget> guard(modal);
    if (auto *w = qobject_cast<MasodfWindow *>(modal)) {
        if (w->Command1->text() != texts::kCompute)
            return {};
        const std::array<QString, 3> typed{w->Text1[0]->text(), w->Text1[1]->text(), w->Text1[2]->text()};
        const std::array<bool, 3> minus = masodfSigns(w);
        // Connected after the window's own handler, so it runs after it; a
        // Return in a field presses the key as well.
        const QMetaObject::Connection c = QObject::connect(w->Command1, &QPushButton::clicked, [ran] { *ran = true; });
        return [=](const Shown &shown) {
            QObject::disconnect(c);
            if (!*ran || !guard)
                return QStringList();
            return judgeMasodf(typed, minus, w, shown);
        };
    }
    if (auto *w = qobject_cast<LinearWindow *>(modal)) {
        if (w->Command1->text() != texts::kCompute)
            return {};
        std::array<QString, 6> typed;
        std::array<bool, 6> minus{};
        // The reference's order a1 b1 c1 a2 b2 c2; the fields are numbered
        // 1 a1, 2 b1, 3 a2, 4 b2, 5 c1, 6 c2.
        const int field[6] = {1, 2, 5, 3, 4, 6};
        for (int i = 0; i < 6; ++i) {
            typed[size_t(i)] = w->Text1[size_t(field[i])]->text();
            minus[size_t(i)] = w->Label1[size_t(field[i])]->isMinus();
        }
        const QMetaObject::Connection c = QObject::connect(w->Command1, &QPushButton::clicked, [ran] { *ran = true; });
        return [=](const Shown &shown) {
            QObject::disconnect(c);
            if (!*ran || !guard)
                return QStringList();
            return judgeLinear(typed, minus, w, shown);
        };
    }
    return {};
}

}  // namespace resultcheck
