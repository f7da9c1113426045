#include "core/operation.h"

namespace core {

QString tagOf(Operation operation)
{
    switch (operation) {
    case Operation::None: break;
    case Operation::Add: return QStringLiteral("+");
    case Operation::Subtract: return QStringLiteral("-");
    case Operation::Multiply: return QStringLiteral("*");
    case Operation::Divide: return QStringLiteral("/");
    case Operation::Power: return QStringLiteral("^");
    case Operation::Root: return QStringLiteral(" (gyök) ");
    case Operation::Gcd: return QStringLiteral(" (Lnko) ");
    case Operation::Lcm: return QStringLiteral(" (Lkkt) ");
    case Operation::Percent: return QStringLiteral("%");
    case Operation::Factorial: return QStringLiteral("!");
    case Operation::Reciprocal: return QStringLiteral(" (1/x) ");
    case Operation::Lg: return QStringLiteral(" (lgx) ");
    case Operation::TenPower: return QStringLiteral(" (10^x) ");
    case Operation::Ln: return QStringLiteral(" (lnx) ");
    case Operation::EPower: return QStringLiteral(" (e^x) ");
    case Operation::Sin: return QStringLiteral(" (sinx) ");
    case Operation::ArcSin: return QStringLiteral(" (arc sinx) ");
    case Operation::Cos: return QStringLiteral(" (cosx) ");
    case Operation::ArcCos: return QStringLiteral(" (arc cosx) ");
    case Operation::Tg: return QStringLiteral(" (tgx) ");
    case Operation::ArcTg: return QStringLiteral(" (arc tgx) ");
    case Operation::Ctg: return QStringLiteral(" (ctgx) ");
    case Operation::ArcCtg: return QStringLiteral(" (arc ctgx) ");
    }
    return QString();
}

}  // namespace core
