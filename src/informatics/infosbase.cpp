// Base options of the informatics window and the conversions between the
// display's text and base-ten values.
#include "informatics/infoswindow.h"

#include "shared/displayfield.h"
#include "shared/messages.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/texts.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cmath>

void InfosWindow::Option1_Click(int index)
{
    setDigitKeys(index);
    switch (atvalt(index)) {
    case radix::Status::Ok: break;
    case radix::Status::Fraction:
        messages::show(texts::kFraction, messages::Icon::Exclamation, this);
        setOptionsEnabled(false);
        // Back to base ten, where the display's text now counts; that click
        // finds the fraction too and says so once more.
        m.alapkod = radix::kBaseTenOption;
        Option1[radix::kBaseTenOption]->setChecked(true);
        break;
    case radix::Status::TooLarge: {
        messages::show(texts::kTooLargeToConvert, messages::Icon::Exclamation, this);
        const QSignalBlocker quiet(Option1[m.alapkod]);
        Option1[m.alapkod]->setChecked(true);
        setDigitKeys(m.alapkod);
        break;
    }
    }
}

radix::Status InfosWindow::atvalt(int kod)
{
    const QString text = Text1->text();
    if (text.startsWith(texts::kDivisionByZero)) {
        // Not a number in any base.
        m.alapkod = kod;
        Text1->setText(QString());
        return radix::Status::Ok;
    }
    if (text.trimmed().isEmpty()) {
        m.alapkod = kod;
        return radix::Status::Ok;
    }
    const radix::Spelling converted = radix::convert(text, radix::baseOf(m.alapkod), radix::baseOf(kod));
    if (converted.status != radix::Status::Ok)
        return converted.status;
    m.alapkod = kod;
    Text1->setText(converted.text);
    displayfield::focusAtEnd(Text1);
    return radix::Status::Ok;
}

std::optional<double> InfosWindow::tizesbe()
{
    const radix::Reading reading = radix::read(Text1->text(), radix::baseOf(m.alapkod));
    if (reading.status == radix::Status::Ok)
        return reading.value;
    messages::show(texts::kTooLargeToConvert, messages::Icon::Exclamation, this);
    return std::nullopt;
}

bool InfosWindow::atv2(double value, bool leadingZero)
{
    if (m.alapkod == radix::kBaseTenOption) {
        if (!std::isfinite(value)) {
            showUnwritable();
            return false;
        }
        Text1->setText(leadingZero ? numbertext::displayFormLeadingZero(value) : numbertext::displayForm(value));
        return true;
    }
    const radix::Spelling spelled = radix::spell(value, radix::baseOf(m.alapkod));
    if (spelled.status != radix::Status::Ok) {
        showUnwritable();
        return false;
    }
    Text1->setText(spelled.text);
    return true;
}

// Base ten refuses a number it cannot write plainly as the input check does;
// the other bases with their own limit.
void InfosWindow::showUnwritable()
{
    if (m.alapkod == radix::kBaseTenOption)
        messages::show(texts::kDigits, messages::Icon::None, this);
    else
        messages::show(texts::kTooLargeToConvert, messages::Icon::Exclamation, this);
}
