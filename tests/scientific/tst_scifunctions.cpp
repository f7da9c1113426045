// The one-operand function keys' arithmetic and the refusal texts.
#include "scientific/functions.h"
#include "scientific/refusals.h"

#include <QTest>

#include <cmath>

using scientific::Refusal;
using scientific::Result;

Q_DECLARE_METATYPE(Refusal)

namespace {
const double kTruePi = std::acos(-1.0);

Result evaluate(const QString &name, double x)
{
    using namespace scientific;
    if (name == "n!") return factorial(x);
    if (name == "1/x") return reciprocal(x);
    if (name == "lg") return decimalLog(x);
    if (name == "ln") return naturalLog(x);
    if (name == "10^x") return tenPower(x);
    if (name == "e^x") return ePower(x);
    if (name == "sin") return sine(x);
    if (name == "cos") return cosine(x);
    if (name == "tg") return tangent(x);
    if (name == "ctg") return cotangent(x);
    if (name == "arc sin") return arcSine(x);
    if (name == "arc cos") return arcCosine(x);
    if (name == "arc tg") return arcTangent(x);
    if (name == "arc ctg") return arcCotangent(x);
    qFatal("unknown function");
}
}  // namespace

class TestSciFunctions : public QObject {
    Q_OBJECT
private slots:
    void functions_data();
    void functions();
    void poles_data();
    void poles();
    void segedIsTheCosineOfTheArcSine();
    void messages_data();
    void messages();
};

// `tolerance` 0 asks for the exact value; otherwise a relative tolerance
// against a value worked out independently.
void TestSciFunctions::functions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<Refusal>("refusal");
    const Refusal ok = Refusal::None;

    QTest::newRow("5!") << "n!" << 5.0 << 120.0 << 0.0 << ok;
    QTest::newRow("0!") << "n!" << 0.0 << 1.0 << 0.0 << ok;
    QTest::newRow("17!") << "n!" << 17.0 << 355687428096000.0 << 0.0 << ok;
    QTest::newRow("170!") << "n!" << 170.0 << 7.257415615307999e306 << 1e-14 << ok;
    QTest::newRow("171!") << "n!" << 171.0 << 0.0 << 0.0 << Refusal::FactorialTooLarge;
    QTest::newRow("170.5!") << "n!" << 170.5 << 0.0 << 0.0 << Refusal::FactorialTooLarge;
    QTest::newRow("-3!") << "n!" << -3.0 << 0.0 << 0.0 << Refusal::FactorialNotWhole;
    QTest::newRow("4.5!") << "n!" << 4.5 << 0.0 << 0.0 << Refusal::FactorialNotWhole;
    QTest::newRow("-0.5!") << "n!" << -0.5 << 0.0 << 0.0 << Refusal::FactorialNotWhole;

    QTest::newRow("1/4") << "1/x" << 4.0 << 0.25 << 0.0 << ok;
    QTest::newRow("1/-8") << "1/x" << -8.0 << -0.125 << 0.0 << ok;
    QTest::newRow("1/0") << "1/x" << 0.0 << 0.0 << 0.0 << Refusal::DivisionByZero;
    QTest::newRow("1/1E-320") << "1/x" << 1e-320 << 0.0 << 0.0 << Refusal::NotRepresentable;

    QTest::newRow("lg 100") << "lg" << 100.0 << 2.0 << 0.0 << ok;
    QTest::newRow("lg 1000") << "lg" << 1000.0 << 3.0 << 0.0 << ok;
    QTest::newRow("lg 2") << "lg" << 2.0 << 0.30103 << 1e-5 << ok;
    QTest::newRow("lg 0") << "lg" << 0.0 << 0.0 << 0.0 << Refusal::LogOfNonPositive;
    QTest::newRow("lg -1") << "lg" << -1.0 << 0.0 << 0.0 << Refusal::LogOfNonPositive;
    QTest::newRow("ln 1") << "ln" << 1.0 << 0.0 << 0.0 << ok;
    QTest::newRow("ln e") << "ln" << scientific::kE << 1.0 << 0.0 << ok;
    QTest::newRow("ln -1") << "ln" << -1.0 << 0.0 << 0.0 << Refusal::LogOfNonPositive;

    QTest::newRow("10^2") << "10^x" << 2.0 << 100.0 << 0.0 << ok;
    QTest::newRow("10^-2") << "10^x" << -2.0 << 0.01 << 1e-15 << ok;
    QTest::newRow("10^400") << "10^x" << 400.0 << 0.0 << 0.0 << Refusal::NotRepresentable;
    QTest::newRow("e^1") << "e^x" << 1.0 << 2.71828182845905 << 0.0 << ok;
    QTest::newRow("e^1000") << "e^x" << 1000.0 << 0.0 << 0.0 << Refusal::NotRepresentable;

    QTest::newRow("sin 30") << "sin" << 30.0 << 0.5 << 0.0 << ok;
    QTest::newRow("sin 180") << "sin" << 180.0 << 0.0 << 0.0 << ok;
    QTest::newRow("sin -90") << "sin" << -90.0 << -1.0 << 0.0 << ok;
    QTest::newRow("cos 60") << "cos" << 60.0 << 0.5 << 0.0 << ok;
    QTest::newRow("cos 90") << "cos" << 90.0 << 0.0 << 0.0 << ok;

    QTest::newRow("tg 45") << "tg" << 45.0 << 1.0 << 0.0 << ok;
    QTest::newRow("tg 89.6") << "tg" << 89.6 << std::tan(89.6 * kTruePi / 180) << 1e-10 << ok;
    QTest::newRow("tg 90.5") << "tg" << 90.5 << std::tan(90.5 * kTruePi / 180) << 1e-10 << ok;
    QTest::newRow("tg 90") << "tg" << 90.0 << 0.0 << 0.0 << Refusal::TangentPole;
    QTest::newRow("tg 270") << "tg" << 270.0 << 0.0 << 0.0 << Refusal::TangentPole;
    QTest::newRow("tg -90") << "tg" << -90.0 << 0.0 << 0.0 << Refusal::TangentPole;
    QTest::newRow("tg 180") << "tg" << 180.0 << 0.0 << 0.0 << ok;
    QTest::newRow("tg huge pole") << "tg" << 17999999999999910.0 << 0.0 << 0.0 << Refusal::TangentPole;

    QTest::newRow("ctg 45") << "ctg" << 45.0 << 1.0 << 0.0 << ok;
    QTest::newRow("ctg 90") << "ctg" << 90.0 << 0.0 << 0.0 << ok;
    QTest::newRow("ctg 0.3") << "ctg" << 0.3 << 1 / std::tan(0.3 * kTruePi / 180) << 1e-10 << ok;
    QTest::newRow("ctg -0.5") << "ctg" << -0.5 << 1 / std::tan(-0.5 * kTruePi / 180) << 1e-10 << ok;
    QTest::newRow("ctg 1E-13 not infinite") << "ctg" << 1e-13 << 180 / (1e-13 * kTruePi) << 1e-9 << ok;
    QTest::newRow("ctg 0") << "ctg" << 0.0 << 0.0 << 0.0 << Refusal::CotangentPole;
    QTest::newRow("ctg 180") << "ctg" << 180.0 << 0.0 << 0.0 << Refusal::CotangentPole;
    QTest::newRow("ctg -360") << "ctg" << -360.0 << 0.0 << 0.0 << Refusal::CotangentPole;
    QTest::newRow("ctg huge pole") << "ctg" << 1.8e17 << 0.0 << 0.0 << Refusal::CotangentPole;

    QTest::newRow("arc sin 0.5") << "arc sin" << 0.5 << 30.0 << 0.0 << ok;
    QTest::newRow("arc sin 1") << "arc sin" << 1.0 << 90.0 << 0.0 << ok;
    QTest::newRow("arc sin -1") << "arc sin" << -1.0 << -90.0 << 0.0 << ok;
    QTest::newRow("arc sin 0") << "arc sin" << 0.0 << 0.0 << 0.0 << ok;
    QTest::newRow("arc sin 2") << "arc sin" << 2.0 << 0.0 << 0.0 << Refusal::SineRange;
    QTest::newRow("arc sin -1.01") << "arc sin" << -1.01 << 0.0 << 0.0 << Refusal::SineRange;

    QTest::newRow("arc cos 0.5") << "arc cos" << 0.5 << 60.0 << 0.0 << ok;
    QTest::newRow("arc cos -0.5") << "arc cos" << -0.5 << 120.0 << 0.0 << ok;
    QTest::newRow("arc cos -1") << "arc cos" << -1.0 << 180.0 << 0.0 << ok;
    QTest::newRow("arc cos 1") << "arc cos" << 1.0 << 0.0 << 0.0 << ok;
    QTest::newRow("arc cos 0") << "arc cos" << 0.0 << 90.0 << 0.0 << ok;
    QTest::newRow("arc cos 1.5") << "arc cos" << 1.5 << 0.0 << 0.0 << Refusal::CosineRange;

    QTest::newRow("arc tg 1") << "arc tg" << 1.0 << 45.0 << 0.0 << ok;
    QTest::newRow("arc tg -1") << "arc tg" << -1.0 << -45.0 << 0.0 << ok;
    QTest::newRow("arc tg 90 not refused") << "arc tg" << 90.0 << std::atan(90.0) * 180 / kTruePi << 1e-11 << ok;
    QTest::newRow("arc tg huge") << "arc tg" << 1e300 << 90.0 << 0.0 << ok;

    QTest::newRow("arc ctg 1") << "arc ctg" << 1.0 << 45.0 << 0.0 << ok;
    QTest::newRow("arc ctg 0 not refused") << "arc ctg" << 0.0 << 90.0 << 0.0 << ok;
    QTest::newRow("arc ctg -1") << "arc ctg" << -1.0 << 135.0 << 0.0 << ok;
    QTest::newRow("arc ctg 180 not refused") << "arc ctg" << 180.0 << 90 - std::atan(180.0) * 180 / kTruePi
                                             << 1e-11 << ok;
}

void TestSciFunctions::functions()
{
    QFETCH(QString, name);
    QFETCH(double, x);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QFETCH(Refusal, refusal);
    const Result result = evaluate(name, x);
    QCOMPARE(result.refusal, refusal);
    if (refusal != Refusal::None)
        return;
    QVERIFY(std::isfinite(result.value));
    if (tolerance == 0)
        QCOMPARE(result.value, expected);
    else
        QVERIFY2(std::fabs(result.value - expected) <= tolerance * std::fabs(expected),
                 qPrintable(QString::number(result.value, 'g', 17)));
}

void TestSciFunctions::poles_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("tangentPole");
    QTest::addColumn<bool>("cotangentPole");
    QTest::newRow("0") << 0.0 << false << true;
    QTest::newRow("90") << 90.0 << true << false;
    QTest::newRow("89.6") << 89.6 << false << false;
    QTest::newRow("90.5") << 90.5 << false << false;
    QTest::newRow("0.3") << 0.3 << false << false;
    QTest::newRow("-0.5") << -0.5 << false << false;
    QTest::newRow("180") << 180.0 << false << true;
    QTest::newRow("-180") << -180.0 << false << true;
    QTest::newRow("-270") << -270.0 << true << false;
    QTest::newRow("450") << 450.0 << true << false;
    QTest::newRow("beyond 32 bits, odd multiple of 90") << 2147483790.0 << true << false;
    QTest::newRow("beyond 32 bits, multiple of 180") << 2147483700.0 << false << true;
    QTest::newRow("beyond 32 bits, neither") << 2147483730.0 << false << false;
    QTest::newRow("huge odd multiple") << 17999999999999910.0 << true << false;
    QTest::newRow("huge multiple of 180") << 1.8e17 << false << true;
}

void TestSciFunctions::poles()
{
    QFETCH(double, x);
    QFETCH(bool, tangentPole);
    QFETCH(bool, cotangentPole);
    QCOMPARE(scientific::isTangentPole(x), tangentPole);
    QCOMPARE(scientific::isCotangentPole(x), cotangentPole);
}

void TestSciFunctions::segedIsTheCosineOfTheArcSine()
{
    QCOMPARE(scientific::seged(0.6), 0.8);
    QCOMPARE(scientific::seged(1.0), 0.0);
    QCOMPARE(scientific::seged(0.0), 1.0);
}

void TestSciFunctions::messages_data()
{
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::newRow("division") << Refusal::DivisionByZero << 0.0 << "Nullával nem lehet osztani!";
    QTest::newRow("range") << Refusal::NotRepresentable << 0.0 << "Az eredmény nem ábrázolható!";
    QTest::newRow("no real") << Refusal::NoRealResult << 0.0 << "Nincs valós eredmény!";
    QTest::newRow("even root") << Refusal::EvenRootOfNegative << 0.0
                               << "Negatív számból nem lehet páros gyökkitevőjű gyököt vonni!";
    QTest::newRow("whole") << Refusal::WholeNumbersOnly << 0.0 << "Csak egész számokra értelmezett!";
    QTest::newRow("170") << Refusal::FactorialTooLarge << 0.0 << "A maximális érték: 170.";
    QTest::newRow("factorial") << Refusal::FactorialNotWhole << 0.0
                               << "Csak nemnegatív egész számnak van faktoriálisa!";
    QTest::newRow("log") << Refusal::LogOfNonPositive << 0.0 << "Csak pozitív számnak van logaritmusa!";
    QTest::newRow("sine") << Refusal::SineRange << 0.0 << "Egy szög sinusa -1 és 1 közötti érték lehet!";
    QTest::newRow("cosine") << Refusal::CosineRange << 0.0 << "Egy szög cosinusa -1 és 1 közötti érték lehet!";
    QTest::newRow("T at 90") << Refusal::TangentPole << 90.0 << "Nullával nem lehet osztani! ( cos 90° értéke 0 )";
    QTest::newRow("T at -270") << Refusal::TangentPole << -270.0
                               << "Nullával nem lehet osztani! ( cos -270° értéke 0 )";
    QTest::newRow("S at 0") << Refusal::CotangentPole << 0.0 << "Nullával nem lehet osztani! ( sin 0° értéke 0 )";
    QTest::newRow("S without leading zero") << Refusal::CotangentPole << 0.5
                                            << "Nullával nem lehet osztani! ( sin .5° értéke 0 )";
}

void TestSciFunctions::messages()
{
    QFETCH(Refusal, refusal);
    QFETCH(double, x);
    QFETCH(QString, text);
    QCOMPARE(scientific::refusalMessage(refusal, x), text);
}

QTEST_APPLESS_MAIN(TestSciFunctions)
#include "tst_scifunctions.moc"
