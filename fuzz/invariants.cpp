#include "invariants.h"

#include "describe.h"
#include "numberforms.h"

#include "informatics/infoswindow.h"
#include "core/radix.h"
#include "scientific/extendwindow.h"
#include "ui/displayfield.h"
#include "core/inputcheck.h"
#include "core/module1.h"
#include "core/texts.h"
#include "shell/aboutdialog.h"
#include "shell/application.h"
#include "shell/helpfiles.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"
#include "standard/standwindow.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

// The longest number the Str rule writes, with the "0" a quotient gets
// before its point: "-0." then 14 zeros and 15 digits.
constexpr int kLongestResult = 32;

// The system's messages and the icon each is shown with; the two solvers
// share two texts, with an icon in the quadratic one and none in the linear.
enum class Icon { None, Exclamation, Either };
const QHash<QString, Icon> &systemMessages()
{
    using namespace texts;
    static const QHash<QString, Icon> known{
        {texts::kDigits, Icon::None},
        {texts::kPoints, Icon::None},
        {texts::kFraction, Icon::Exclamation},
        {texts::kTooLargeToConvert, Icon::Exclamation},
        {kAllCoefficients, Icon::Exclamation},
        {kOnlyDigits, Icon::Exclamation},
        {kNoRealRoot, Icon::Exclamation},
        {kNoSolution, Icon::Exclamation},
        {kEveryNumber, Icon::Exclamation},
        {kCoefficientTooLarge, Icon::Either},
        {kResultTooLarge, Icon::Either},
        {kMissingCoefficient, Icon::None},
        {kVeryFunny, Icon::None},
        {kContradiction, Icon::None},
        {kTwoEquationsNeeded, Icon::None},
        {kContradictoryEquations, Icon::None},
        {kIndependentEquationsNeeded, Icon::None},
        {texts::kHelpMissing, Icon::Exclamation},
        {texts::kHelpDamaged, Icon::Exclamation},
        {helpfiles::message(helpfiles::Problem::NoWritablePlace), Icon::Exclamation},
    };
    return known;
}

// A display of the standard or scientific window.
void checkDecimalDisplay(const char *window, const QLineEdit *field, int maxLength, QStringList &violations)
{
    const QString text = field->text();
    if (!numberforms::isCheckedDisplayText(text))
        violations
            << QStringLiteral("%1.Text1 holds %2, which its check refuses").arg(window, describe::quoted(text, 120));
    if (text.size() > maxLength)
        violations << QStringLiteral("%1.Text1 holds %2 characters (more than %3)")
                          .arg(window)
                          .arg(text.size())
                          .arg(maxLength);
}

void checkTape(const char *window, const QLabel *tape, QStringList &violations)
{
    if (numberforms::mentionsNotFinite(tape->text()))
        violations << QStringLiteral("%1 tape reads %2").arg(window, describe::quoted(tape->text()));
}

void checkIndicator(const char *window, const QLabel *indicator, QStringList &violations)
{
    if (!indicator->text().isEmpty() && indicator->text() != QLatin1String("M"))
        violations << QStringLiteral("%1 memory indicator reads %2").arg(window, describe::quoted(indicator->text()));
}

void checkSign(const QString &name, const SignLabel *label, QStringList &violations)
{
    if (label->text() != QLatin1String("+") && label->text() != QLatin1String("-"))
        violations << QStringLiteral("%1 reads %2").arg(name, describe::quoted(label->text()));
}

void checkSolveKey(const char *window, const QPushButton *key, QStringList &violations)
{
    if (key->text() != texts::kCompute && key->text() != texts::kAgain)
        violations << QStringLiteral("%1.Command1 reads %2").arg(window, describe::quoted(key->text()));
}

}  // namespace

QStringList Invariants::check(const QList<MessageRecorder::Shown> &shown, QWidget *modal)
{
    QStringList violations;
    for (const MessageRecorder::Shown &box : shown) {
        const auto known = systemMessages().constFind(box.text);
        if (known == systemMessages().constEnd()) {
            violations
                << QStringLiteral("message box %1 is not one of the system's messages").arg(describe::quoted(box.text));
            continue;
        }
        const Icon icon = box.icon == messages::Icon::Exclamation ? Icon::Exclamation : Icon::None;
        if (*known != Icon::Either && *known != icon)
            violations << QStringLiteral("message box %1 has the wrong icon").arg(describe::quoted(box.text));
    }
    fractionRefused_ = std::any_of(shown.begin(), shown.end(),
                                   [](const MessageRecorder::Shown &box) { return box.text == texts::kFraction; });
    checkState(violations);
    checkWindows(violations);
    if (modal)
        checkModal(modal, violations);
    return violations;
}

void Invariants::checkState(QStringList &violations) const
{
    const Module1 &m = app_.state();
    const struct {
        const char *name;
        double value;
    } numbers[] = {
        {"szam1", m.szam1},     {"szam2", m.szam2}, {"eredmeny", m.eredmeny},
        {"memoria", m.memoria}, {"a1", m.a1},       {"b1", m.b1},
        {"c1", m.c1},           {"a2", m.a2},       {"b2", m.b2},
        {"c2", m.c2},           {"det", m.det},     {"detx", m.detx},
        {"dety", m.dety},
    };
    for (const auto &number : numbers)
        if (!std::isfinite(number.value))
            violations << QStringLiteral("%1 is %2").arg(QLatin1String(number.name)).arg(number.value);
    if (m.pontdb != 0)
        violations << QStringLiteral("pontdb is %1 after the event").arg(m.pontdb);
    if (m.hibas)
        violations << QStringLiteral("hibas is True after the event");
    if (m.alapkod < 0 || m.alapkod >= radix::kOptionCount)
        violations << QStringLiteral("alapkod is %1").arg(m.alapkod);
    if (m.muveletdb < 0)
        violations << QStringLiteral("muveletdb is %1").arg(m.muveletdb);
}

void Invariants::checkWindows(QStringList &violations)
{
    int visible = 0;
    for (View view : kViews)
        visible += app_.isLoaded(view) && app_.window(view).isVisible() ? 1 : 0;
    if (visible != 1)
        violations << QStringLiteral("%1 calculator windows are visible").arg(visible);

    if (app_.isLoaded(View::Standard)) {
        const StandWindow &w = app_.stand();
        checkDecimalDisplay("stand", w.Text1, qMax(w.rules().maxEntry(), kLongestResult), violations);
        checkTape("stand", w.Label1, violations);
        checkIndicator("stand", w.Label2, violations);
    }
    if (app_.isLoaded(View::Extended)) {
        const ExtendWindow &w = app_.extend();
        // A constant key may add its 16 characters to a full display.
        checkDecimalDisplay("extend", w.Text1, w.rules().maxEntry() + 16, violations);
        checkTape("extend", w.Label3, violations);
        checkIndicator("extend", w.Label2, violations);
    }
    if (app_.isLoaded(View::Informatics))
        checkInfos(violations);
}

void Invariants::checkInfos(QStringList &violations)
{
    const InfosWindow &w = app_.infos();
    const Module1 &m = app_.state();
    const QString text = w.Text1->text();
    checkIndicator("infos", w.Label2, violations);
    if (m.alapkod >= 0 && m.alapkod < radix::kOptionCount && !w.Option1[size_t(m.alapkod)]->isChecked())
        violations << QStringLiteral("infos: alapkod %1 is not the selected option").arg(m.alapkod);

    // While a division by zero stands the window skips its check, so what is
    // typed then stays unchecked until the display changes; a refused
    // fraction selects base ten and leaves the display unconverted, likewise.
    const bool checkSkipped = m.szam2 == 0 && m.muvelet == core::Operation::Divide;
    if (checkSkipped || fractionRefused_) {
        infosUnchecked_ = text;
        haveInfosUnchecked_ = true;
    } else if (haveInfosUnchecked_ && text != infosUnchecked_) {
        haveInfosUnchecked_ = false;
    }
    int base = 10;
    for (int i = 0; i < radix::kOptionCount; ++i)
        if (w.Option1[size_t(i)]->isChecked())
            base = radix::baseOf(i);
    const bool allowed = numberforms::isCheckedDisplayText(text, base) || text == texts::kDivisionByZero ||
                         checkSkipped || (haveInfosUnchecked_ && text == infosUnchecked_);
    if (!allowed)
        violations << QStringLiteral("infos.Text1 holds %1, which its check refuses in base %2")
                          .arg(describe::quoted(text, 120))
                          .arg(base);
    // The sign key may put a sign before a full display.
    if (text.size() > core::InformaticsCalculator::kMaxEntry + 1 && !checkSkipped && !haveInfosUnchecked_)
        violations << QStringLiteral("infos.Text1 holds %1 characters").arg(text.size());
}

void Invariants::checkModal(QWidget *modal, QStringList &violations) const
{
    if (const auto *w = qobject_cast<const MasodfWindow *>(modal)) {
        for (int i = 0; i < 2; ++i) {
            const QString text = w->Text4[size_t(i)]->text();
            if (!text.isEmpty() && !numberforms::isStrText(text, true))
                violations << QStringLiteral("masodf.Text4(%1) holds %2").arg(i).arg(describe::quoted(text, 120));
        }
        for (int i = 0; i < 3; ++i)
            checkSign(QStringLiteral("masodf.Label2(%1)").arg(i), w->Label2[size_t(i)], violations);
        checkSolveKey("masodf", w->Command1, violations);
    } else if (const auto *w = qobject_cast<const LinearWindow *>(modal)) {
        for (int k = 7; k <= 8; ++k) {
            const QString text = w->Text1[size_t(k)]->text();
            if (!text.isEmpty() && !numberforms::isStrText(text, false))
                violations << QStringLiteral("linear.Text1(%1) holds %2").arg(k).arg(describe::quoted(text, 120));
        }
        for (int k = 1; k <= 6; ++k)
            checkSign(QStringLiteral("linear.Label1(%1)").arg(k), w->Label1[size_t(k)], violations);
        checkSolveKey("linear", w->Command1, violations);
    } else if (!qobject_cast<const AboutDialog *>(modal)) {
        violations << QStringLiteral("an unexpected modal window is open: %1 (%2)")
                          .arg(modal->metaObject()->className(), modal->windowTitle());
    }
}
