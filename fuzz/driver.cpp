// The randomized event driver: seeded random events on the three views'
// rules (sharing one state) and on both solvers, the invariants checked after
// every event; on a violation the shortest trail that still fails is printed
// with its seed.
//   zorvexa-eventdriver [--seed S] [--events N]
#include "core/extendrules.h"
#include "core/infosrules.h"
#include "core/linearrules.h"
#include "core/masodfrules.h"
#include "core/module1.h"
#include "core/standrules.h"

#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

using core::Key;

namespace {

// Every text a view or a solver may tell.
const QSet<QString> kMessages{"Számjegyeket írjon be!",
                              "A törtekben csak egy tizedespont van!",
                              "Nullával nem lehet osztani!",
                              "Az eredmény nem ábrázolható!",
                              "Nincs valós eredmény!",
                              "Negatív számból nem lehet páros gyökkitevőjű gyököt vonni!",
                              "Csak egész számokra értelmezett!",
                              "A maximális érték: 170.",
                              "Csak nemnegatív egész számnak van faktoriálisa!",
                              "Csak pozitív számnak van logaritmusa!",
                              "Egy szög sinusa -1 és 1 közötti érték lehet!",
                              "Egy szög cosinusa -1 és 1 közötti érték lehet!",
                              "Törtszámokat nem tudok átváltani! (Egyelőre)",
                              "A szám túl nagy az átváltáshoz!",
                              "Minden együtthatót meg kell adnod!",
                              "Az együtthatók csak számok lehetnek!",
                              "Nincs valós gyök!",
                              "Nincs megoldás!",
                              "Minden valós szám megoldás!",
                              "Az eredmény túl nagy!",
                              "Az eredmény túl kicsi!",
                              "Nem adott meg minden együtthatót!",
                              "Nagyon vicces!!",
                              "Ellentmondás!",
                              "Két egyenletre van szükség!\n(Így végtelen sok megoldás van)",
                              "Ellentmondás!!",
                              "Két egymástól lineárisan független\n egyenletre van szükség!"};
const QRegularExpression kPole(QStringLiteral("^Nullával nem lehet osztani! \\( (cos|sin) -?[0-9.]+° értéke 0 \\)$"));

enum class Kind { Press, Type, Erase, Replace, DisplayKey, Base, Activate, DoubleClick, Quadratic, Linear };
struct Event {
    int view;
    Kind kind;
    int number;
    QString text;
};

struct Views {
    core::Module1 m;
    core::StandRules stand{m};
    core::ExtendRules extend{m};
    core::InfosRules infos{m};
    core::Calculator *views[3] = {&stand, &extend, &infos};
};

// What typing may fill each view's display up to: 30 characters, 64 in the
// informatics view (53 binary digits, a sign and room to spare).
constexpr int kEntryLimits[3] = {30, 30, 64};

QString randomText(std::mt19937_64 &rng, int maxLength)
{
    static const QString alphabet = QStringLiteral("0123456789012345678901234567890123456789..--+ aAfFeE,x");
    QString text;
    for (int n = int(rng() % unsigned(maxLength + 1)); n > 0; --n)
        text += alphabet.at(int(rng() % unsigned(alphabet.size())));
    return text;
}

Event randomEvent(std::mt19937_64 &rng)
{
    const int view = int(rng() % 3), r = int(rng() % 100);
    if (r < 55)
        return {view, Kind::Press, int(rng() % core::kKeyCount), {}};
    if (r < 70)
        return {view, Kind::Type, 0, randomText(rng, 3)};
    if (r < 74)
        return {view, Kind::Erase, int(rng() % 4), {}};
    if (r < 77)
        return {view, Kind::Replace, 0, randomText(rng, 40)};
    if (r < 85)
        return {view, Kind::DisplayKey, int(rng() % 5), {}};
    if (r < 91)
        return {2, Kind::Base, int(rng() % 10), {}};
    if (r < 96)
        return {view, Kind::Activate, int(rng() % 3), {}};
    if (r < 97)
        return {0, Kind::DoubleClick, 0, {}};
    return {view, r < 99 ? Kind::Quadratic : Kind::Linear, 0, randomText(rng, 60)};
}

// The display's check, written afresh: blanks at the ends, then a "-" only
// first, at most one point, and the digits of the base.
bool checkedText(const QString &text, int base)
{
    static const QString hex = QStringLiteral("0123456789ABCDEFabcdef");
    int first = 0, last = int(text.size()) - 1, points = 0;
    while (first <= last && text[first] == ' ')
        ++first;
    while (last >= first && text[last] == ' ')
        --last;
    for (int i = first; i <= last; ++i) {
        const int digit = int(hex.indexOf(text[i]));
        const bool allowed = (digit >= 0 && (digit < base || (base == 16 && digit < 22))) || text[i] == '.' ||
                             (text[i] == '-' && i == first);
        points += text[i] == '.';
        if (!allowed)
            return false;
    }
    return points <= 1;
}

// Applies one event; returns what is wrong afterwards, or "".
QString apply(Views &v, const Event &e)
{
    core::Calculator &c = *v.views[e.view];
    QStringList told;
    switch (e.kind) {
    case Kind::Press: c.press(Key(e.number)); break;
    case Kind::Type: c.edited(c.panel().display + e.text); break;
    case Kind::Erase: c.edited(c.panel().display.chopped(qMin(e.number, int(c.panel().display.size())))); break;
    case Kind::Replace: c.edited(e.text); break;
    case Kind::DisplayKey:
        if (e.view != 2)  // the informatics display hands no keys over
            c.displayKey(core::DisplayKey(e.number));
        break;
    case Kind::Base: v.infos.chooseBase(e.number); break;
    case Kind::Activate: c.activated(core::Arrival(e.number)); break;
    case Kind::DoubleClick: v.stand.doubleClick(); break;
    case Kind::Quadratic: {
        core::MasodfRules s;
        const QStringList parts = e.text.split(' ');
        for (int i = 0; i < 3; ++i)
            s.form.coefficients[size_t(i)] = parts.value(i).remove('-').left(20);
        s.solve();
        for (const core::Message &message : s.takeMessages())
            told << message.text;
        if (s.form.again == s.form.roots[0].isEmpty())
            return QStringLiteral("masodf: \"Újra\" %1 with the roots \"%2\"").arg(s.form.again).arg(s.form.roots[0]);
        break;
    }
    case Kind::Linear: {
        core::LinearRules s(v.m);
        const QStringList parts = e.text.split(' ');
        for (size_t k = 1; k <= 6; ++k)
            s.form.fields[k] = parts.value(int(k) - 1).left(12);
        s.solve();
        for (const core::Message &message : s.takeMessages())
            told << message.text;
        if (v.m.hibas || v.m.pontdb != 0)
            return QStringLiteral("linear: hibas %1, pontdb %2 after a click").arg(v.m.hibas).arg(v.m.pontdb);
        break;
    }
    }
    for (core::Calculator *view : v.views)
        for (const core::Message &message : view->takeMessages())
            told << message.text;
    for (const QString &text : told)
        if (!kMessages.contains(text) && !kPole.match(text).hasMatch())
            return QStringLiteral("an unknown message: \"%1\"").arg(text);

    for (int i = 0; i < 3; ++i) {
        const core::Panel p = v.views[i]->panel();
        const QString name = QStringList{"stand", "extend", "infos"}[i];
        // While a division by zero locks the informatics keys, its message
        // stands in the display and what is typed after it goes unchecked.
        const bool divisionMessage = p.divisionLock;
        const int base = i == 2 ? (p.baseOption == 9 ? 16 : p.baseOption + 2) : 10;
        if (!p.enabled.test(size_t(Key::Clear)))
            return name + ": C is locked";
        if (p.tapeAlarm && p.enabled.count() != 1)
            return name + ": a refusal on the tape, yet keys besides C are usable";
        if (!(i == 2 && divisionMessage) && !checkedText(p.display, base))
            return name + QStringLiteral(": the display holds \"%1\", which its check refuses").arg(p.display);
        if (p.display.size() > kEntryLimits[i] + 16)
            return name + QStringLiteral(": the display holds %1 characters").arg(p.display.size());
        if (p.tape.size() > 200)
            return name + QStringLiteral(": the tape holds %1 characters").arg(p.tape.size());
        if (p.inverseLit && p.enabled.test(size_t(Key::Inverse)))
            return name + ": Inv is lit and usable";
        for (int d = base; i == 2 && d < 16; ++d)
            if (p.enabled.test(size_t(core::digitKey(d))))
                return name + QStringLiteral(": digit %1 is usable in base %2").arg(d).arg(base);
    }
    if (v.m.inverz && !v.extend.panel().inverseLit)
        return QStringLiteral("inverse mode without the Inv key lit");
    if (v.m.alapkod != v.infos.panel().baseOption)
        return QStringLiteral("alapkod %1, the selected option %2").arg(v.m.alapkod).arg(v.infos.panel().baseOption);
    if (v.m.muveletdb < 0)
        return QStringLiteral("muveletdb %1").arg(v.m.muveletdb);
    return QString();
}

// The first event after which `trail` fails, or -1.
int failingEvent(const std::vector<Event> &trail, QString &why)
{
    Views v;
    for (size_t i = 0; i < trail.size(); ++i)
        if (!(why = apply(v, trail[i])).isEmpty())
            return int(i);
    return -1;
}

QString describe(const Event &e)
{
    static const QStringList keys =
        QStringLiteral(
            "0 1 2 3 4 5 6 7 8 9 A B C D E F , +/- + - * / = C M+ MR MC ^ root n! 1/x Lnko Lkkt lg ln sin cos tg % ctg "
            "Pi e Inv x1,x2 x,y,z")
            .split(' ');
    static const char *const kinds[] = {
        "press",    "type",         "erase",  "replace with", "display key", "choose base option",
        "activate", "double click", "masodf", "linear"};
    const QString what = e.kind == Kind::Press ? keys.value(e.number)
                         : e.text.isNull()     ? QString::number(e.number)
                                               : "\"" + e.text + "\"";
    return QStringLiteral("%1: %2 %3").arg(QStringList{"stand", "extend", "infos"}[e.view], kinds[int(e.kind)], what);
}

// Drops events while the trail still fails, halves first, then one by one.
std::vector<Event> shortest(std::vector<Event> trail)
{
    QString why;
    for (size_t chunk = trail.size() / 2; chunk >= 1; chunk /= 2)
        for (size_t start = 0; start + chunk <= trail.size();) {
            std::vector<Event> shorter(trail.begin(), trail.begin() + long(start));
            shorter.insert(shorter.end(), trail.begin() + long(start + chunk), trail.end());
            if (failingEvent(shorter, why) >= 0)
                trail = shorter;
            else
                start += chunk;
        }
    return trail;
}

}  // namespace

int main(int argc, char **argv)
{
    unsigned long long seed = std::random_device{}();
    long events = 1000000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString option = QString::fromLatin1(argv[i]);
        const unsigned long long value = std::strtoull(argv[i + 1], nullptr, 10);
        if (option == QLatin1String("--seed"))
            seed = value;
        else if (option == QLatin1String("--events"))
            events = long(value);
    }
    std::printf("zorvexa-eventdriver: seed %llu\n", seed);

    const auto start = std::chrono::steady_clock::now();
    std::mt19937_64 rng(seed);
    auto v = std::make_unique<Views>();
    std::vector<Event> trail;
    for (long n = 0; n < events; ++n) {
        // A fresh state now and then keeps the trails short.
        if (trail.size() == 2000) {
            trail.clear();
            v = std::make_unique<Views>();
        }
        trail.push_back(randomEvent(rng));
        const QString why = apply(*v, trail.back());
        if (!why.isEmpty()) {
            std::printf("event %ld: %s\nthe shortest trail that fails (seed %llu):\n", n + 1, qPrintable(why), seed);
            for (const Event &e : shortest(trail))
                std::printf("  %s\n", qPrintable(describe(e)));
            return 1;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld events, no invariant violated (%.0f events a minute)\n", events, events / seconds * 60);
    return 0;
}
