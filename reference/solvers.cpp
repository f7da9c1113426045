// Both equation solvers: the quadratic roots to high precision, the linear
// system in exact rationals.
#include "bigfloat.h"
#include "reference.h"

#include <gmpxx.h>

#include <QRegularExpression>

#include <cmath>
#include <cstdlib>

namespace reference {
namespace {

Expected valueOf(const Big &v)
{
    Expected e;
    if (!std::isfinite(nearest(v)))
        e.refusal = Refusal::NotRepresentable;
    else
        e.value = text(v);
    return e;
}

Expected valueOf(const mpq_class &q)
{
    Big v;
    mpfr_set_q(v.get(), q.get_mpq_t(), MPFR_RNDN);
    return valueOf(v);
}

// A typed coefficient as the Val rule reads it, exactly: blanks ignored,
// sign, digits with one point.
mpq_class exact(QString typed, bool minus)
{
    typed.remove(QLatin1Char(' '));
    static const QRegularExpression number(QStringLiteral("^([+-]?)([0-9]*)(?:\\.([0-9]*))?"));
    const auto m = number.match(typed);
    const QString digits = m.captured(2) + m.captured(3);
    mpq_class q(digits.isEmpty() ? mpz_class(0) : mpz_class(digits.toStdString(), 10));
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(m.captured(3).size()));
    q /= scale;
    return (m.captured(1) == QLatin1String("-")) != minus ? mpq_class(-q) : q;
}

}  // namespace

Quadratic quadratic(double a, double b, double c)
{
    Quadratic out;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) {
        out.kind = QuadraticKind::CoefficientOutOfRange;
        return out;
    }
    Big A(a), B(b), C(c), root;
    if (a == 0) {
        if (b == 0) {
            out.kind = c == 0 ? QuadraticKind::EveryNumber : QuadraticKind::NoSolution;
            return out;
        }
        mpfr_div(root.get(), C.get(), B.get(), MPFR_RNDN);
        mpfr_neg(root.get(), root.get(), MPFR_RNDN);
        out.kind = QuadraticKind::Linear;
        out.x1 = out.x2 = valueOf(root);
        if (!out.x1.ok())
            out.kind = QuadraticKind::RootOutOfRange;
        return out;
    }
    // Wide enough that the discriminant of doubles is exact and -b + sqrt(D)
    // keeps its digits however much of b*b and 4ac cancels.
    mpfr_prec_t wide = 400;
    if (b != 0 && c != 0)
        wide += std::abs(2 * std::ilogb(b) - std::ilogb(a) - std::ilogb(c));
    mpfr_t d, t, x1, x2;
    mpfr_inits2(wide, d, t, x1, x2, static_cast<mpfr_ptr>(nullptr));
    mpfr_mul(d, B.get(), B.get(), MPFR_RNDN);
    mpfr_mul(t, A.get(), C.get(), MPFR_RNDN);
    mpfr_mul_ui(t, t, 4, MPFR_RNDN);
    mpfr_sub(d, d, t, MPFR_RNDN);
    if (mpfr_sgn(d) < 0) {
        out.kind = QuadraticKind::NoRealRoot;
    } else {
        mpfr_sqrt(d, d, MPFR_RNDN);
        mpfr_mul_ui(t, A.get(), 2, MPFR_RNDN);
        mpfr_sub(x1, d, B.get(), MPFR_RNDN);
        mpfr_div(x1, x1, t, MPFR_RNDN);
        mpfr_add(x2, d, B.get(), MPFR_RNDN);
        mpfr_neg(x2, x2, MPFR_RNDN);
        mpfr_div(x2, x2, t, MPFR_RNDN);
        Big r1, r2;
        mpfr_set(r1.get(), x1, MPFR_RNDN);
        mpfr_set(r2.get(), x2, MPFR_RNDN);
        out.x1 = valueOf(r1);
        out.x2 = valueOf(r2);
        if (!out.x1.ok() || !out.x2.ok())
            out.kind = QuadraticKind::RootOutOfRange;
    }
    mpfr_clears(d, t, x1, x2, static_cast<mpfr_ptr>(nullptr));
    return out;
}

Linear linear(const std::array<QString, 6> &typed, const std::array<bool, 6> &minus)
{
    const mpq_class a1 = exact(typed[0], minus[0]), b1 = exact(typed[1], minus[1]), c1 = exact(typed[2], minus[2]);
    const mpq_class a2 = exact(typed[3], minus[3]), b2 = exact(typed[4], minus[4]), c2 = exact(typed[5], minus[5]);
    const mpq_class det = a1 * b2 - b1 * a2;
    Linear out;
    auto give = [&out](LinearKind kind) {
        out.kind = kind;
        return out;
    };
    if (a1 == 0 && b1 == 0 && a2 == 0 && b2 == 0)
        return give(LinearKind::NoUnknown);
    if ((a1 == 0 && b1 == 0) || (a2 == 0 && b2 == 0)) {
        const mpq_class &rhs = a1 == 0 && b1 == 0 ? c1 : c2;
        return give(rhs == 0 ? LinearKind::EquationEmpty : LinearKind::EquationContradicts);
    }
    if (a1 == 0 && a2 == 0) {
        if (c1 * b2 != c2 * b1)
            return give(LinearKind::Contradictory);
        out.y = valueOf(mpq_class(c1 / b1));
        return give(out.y.ok() ? LinearKind::OnlyY : LinearKind::OutOfRange);
    }
    if (b1 == 0 && b2 == 0) {
        if (c1 * a2 != c2 * a1)
            return give(LinearKind::Contradictory);
        out.x = valueOf(mpq_class(c1 / a1));
        return give(out.x.ok() ? LinearKind::OnlyX : LinearKind::OutOfRange);
    }
    if (det != 0) {
        out.x = valueOf(mpq_class((c1 * b2 - b1 * c2) / det));
        out.y = valueOf(mpq_class((a1 * c2 - a2 * c1) / det));
        return give(out.x.ok() && out.y.ok() ? LinearKind::Unique : LinearKind::OutOfRange);
    }
    const bool proportional = c1 * b2 == b1 * c2 && a1 * c2 == a2 * c1;
    return give(proportional ? LinearKind::Dependent : LinearKind::Contradictory);
}

}  // namespace reference
