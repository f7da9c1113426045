// Every shown result against the independent table reference/results.tsv
// (made by reference/make-table.py with mpmath from the decimal text): a
// shown number lies within one unit of its fifteenth significant digit of the
// table's exact value, a refusal tells the table's message.
#include "core/extendrules.h"
#include "core/infosrules.h"
#include "core/linearrules.h"
#include "core/masodfrules.h"
#include "core/module1.h"
#include "core/standrules.h"

#include <QFile>
#include <QTest>

#include <memory>

using core::Key;

namespace {

// The exact value of a shown number ("-.5", " 2", "1.5E-200", the table's
// "7.95851e-1" with its E made upper case) and the unit of its fifteenth
// significant digit (a display writes 15 and drops only trailing zeros, so
// "0.07334767308502" claims 0.0733476730850200 and 0 claims 0 exactly);
// nothing when the text is no number.
std::optional<std::pair<mpq_class, mpq_class>> readShown(QString text)
{
    text = text.trimmed();
    static const QRegularExpression number(QStringLiteral("^(-?)(\\d*)(?:\\.(\\d*))?(?:E([-+]\\d+))?$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    const QString digits = m.captured(2) + m.captured(3);
    const int significant = int(digits.size() - digits.indexOf(QRegularExpression(QStringLiteral("[1-9]|$"))));
    const int exponent = m.captured(4).toInt() - int(m.captured(3).size());
    const auto power = [](int e) {
        mpz_class p;
        mpz_ui_pow_ui(p.get_mpz_t(), 10, unsigned(std::abs(e)));
        return e >= 0 ? mpq_class(p) : mpq_class(1) / mpq_class(p);
    };
    mpq_class value(mpz_class(digits.toStdString(), 10));  // base 0 would read "09" as octal
    value *= power(exponent);
    const mpq_class unit = significant == 0 ? mpq_class(0) : power(exponent - std::max(0, 15 - significant));
    return std::make_pair(m.captured(1).isEmpty() ? value : mpq_class(-value), unit);
}

// Empty when `shown` is the table's text or a number within one unit of its
// fifteenth significant digit of `exact`; else what is wrong.
QString judge(const QString &shown, const QString &expected, const QString &exact)
{
    if (shown == expected)
        return QString();
    const auto got = readShown(shown);
    const bool sameShape =
        shown.startsWith(QLatin1Char(' ')) == expected.startsWith(QLatin1Char(' ')) &&
        shown.trimmed().startsWith(QLatin1String("0.")) == expected.trimmed().startsWith(QLatin1String("0."));
    const auto truth = readShown(QString(exact).replace('e', 'E'));
    if (got && truth && sameShape && abs(got->first - truth->first) <= got->second)
        return QString();
    return QStringLiteral("shows \"%1\", the table \"%2\"").arg(shown, expected);
}

const QHash<QString, Key> kKeys{
    {"+", Key::Add},          {"-", Key::Subtract}, {"*", Key::Multiply}, {"/", Key::Divide}, {"^", Key::Power},
    {"root", Key::Root},      {"%", Key::Percent},  {"lnko", Key::Gcd},   {"lkkt", Key::Lcm}, {"n!", Key::Factorial},
    {"1/x", Key::Reciprocal}, {"lg", Key::Lg},      {"ln", Key::Ln},      {"10^x", Key::Lg},  {"e^x", Key::Ln},
    {"sin", Key::Sin},        {"cos", Key::Cos},    {"tg", Key::Tg},      {"ctg", Key::Ctg},  {"arcsin", Key::Sin},
    {"arccos", Key::Cos},     {"arctg", Key::Tg},   {"arcctg", Key::Ctg}};

int optionOf(int base) { return base == 16 ? 9 : base - 2; }

// What a calculator view shows and tells after the row's keys: its display,
// and the texts it told (message boxes, the tape in the error colours, the
// informatics division message).
std::pair<QString, QStringList> calculate(const QString &what, const QStringList &inputs)
{
    core::Module1 m;
    const QString view = what.section(QLatin1Char(':'), 0, 0), key = what.section(QLatin1Char(':'), 1);
    std::unique_ptr<core::Calculator> c;
    if (view == QLatin1String("stand"))
        c = std::make_unique<core::StandRules>(m);
    else if (view == QLatin1String("extend"))
        c = std::make_unique<core::ExtendRules>(m);
    else
        c = std::make_unique<core::InfosRules>(m);
    auto *infos = dynamic_cast<core::InfosRules *>(c.get());
    if (infos) {
        const QStringList bases = what.mid(5).split(QRegularExpression(QStringLiteral("[:>]")));
        infos->chooseBase(optionOf(bases[0].toInt()));
        c->edited(inputs[0]);
        if (what.contains(QLatin1Char('>')))
            infos->chooseBase(optionOf(bases[1].toInt()));
    } else {
        c->edited(inputs[0]);
    }
    if (key.startsWith(QLatin1String("arc")) || (key.contains(QLatin1Char('^')) && key.size() > 1))
        c->press(Key::Inverse);
    if (!what.contains(QLatin1Char('>')))
        c->press(kKeys.value(key));
    if (inputs.size() > 1) {
        c->edited(inputs[1]);
        c->press(Key::Equals);
    }
    QStringList told;
    for (const core::Message &message : c->takeMessages())
        told << message.text;
    if (c->panel().tapeAlarm)
        told << c->panel().tape.trimmed();
    if (infos && c->panel().display == QStringLiteral("Nullával nem lehet osztani!"))
        told << c->panel().display;
    return {c->panel().display, told};
}

std::pair<QStringList, QStringList> solve(const QString &what, const QStringList &inputs)
{
    QStringList shown, told;
    if (what == QLatin1String("masodf")) {
        core::MasodfRules s;
        for (int i = 0; i < 3; ++i) {
            s.form.coefficients[size_t(i)] = QString(inputs[i]).remove(QLatin1Char('-'));
            s.form.minus[size_t(i)] = inputs[i].startsWith(QLatin1Char('-'));
        }
        s.solve();
        shown = QStringList{s.form.roots[0], s.form.roots[1]};
        for (const core::Message &message : s.takeMessages())
            told << message.text;
    } else {
        core::Module1 m;
        core::LinearRules s(m);
        const int field[] = {1, 2, 5, 3, 4, 6};  // a1 b1 c1 a2 b2 c2
        for (int i = 0; i < 6; ++i) {
            s.form.fields[size_t(field[i])] = QString(inputs[i]).remove(QLatin1Char('-'));
            s.form.minus[size_t(field[i])] = inputs[i].startsWith(QLatin1Char('-'));
        }
        s.solve();
        shown = QStringList{s.form.fields[7], s.form.fields[8]};
        for (const core::Message &message : s.takeMessages())
            told << message.text;
    }
    return {shown, told};
}

}  // namespace

class TestResults : public QObject {
    Q_OBJECT
private slots:
    void table();
};

void TestResults::table()
{
    QFile file(QStringLiteral(ZORVEXA_RESULTS));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    int rows = 0;
    QStringList failures;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.startsWith(QLatin1Char('#')) || line.isEmpty())
            continue;
        ++rows;
        const QStringList column = line.split(QLatin1Char('\t'));
        const QString what = column[0], message = QString(column[4]).replace(QLatin1String("\\n"), QLatin1String("\n"));
        const QStringList inputs = column[1].split(QLatin1Char(' '));
        QStringList shown, told;
        if (what == QLatin1String("masodf") || what == QLatin1String("linear")) {
            std::tie(shown, told) = solve(what, inputs);
        } else {
            const auto [display, texts] = calculate(what, inputs);
            shown = QStringList{display};
            told = texts;
        }
        QString wrong;
        if (!message.isEmpty()) {
            if (!told.contains(message))
                wrong = QStringLiteral("tells %1, the table \"%2\"").arg(told.join(QLatin1String(" / ")), message);
        } else if (!told.isEmpty()) {
            wrong =
                QStringLiteral("tells \"%1\", the table shows \"%2\"").arg(told.join(QLatin1String(" / ")), column[2]);
        } else {
            const QStringList expected = column[2].split(QLatin1Char('|')), exact = column[3].split(QLatin1Char('|'));
            for (int i = 0; i < expected.size() && wrong.isEmpty(); ++i)
                wrong = judge(shown.value(i), expected[i], exact.value(i));
        }
        if (!wrong.isEmpty())
            failures << QStringLiteral("%1 %2: %3").arg(what, column[1].left(80), wrong);
    }
    QVERIFY2(rows >= 2000, qPrintable(QString::number(rows)));
    QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 of %2 rows:\n").arg(failures.size()).arg(rows) +
                                            failures.mid(0, 40).join(QLatin1Char('\n'))));
}

QTEST_APPLESS_MAIN(TestResults)
#include "tst_results.moc"
