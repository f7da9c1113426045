// The Inv key and the constant keys of the scientific window.
#include "scientific/extendwindow.h"

#include "shared/colors.h"
#include "shared/displayfield.h"
#include "shared/module1.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr unsigned kInverseColour = 0xF09C38;
}  // namespace

void ExtendWindow::Command10_Click()
{
    m.inverz = !m.inverz;
    if (m.inverz) {
        // Only the keys that have an inverse stay usable, and "C" to leave.
        letiltas();
        for (int i : {6, 7, 8, 9, 10, 12})
            Command8[size_t(i)]->setEnabled(true);
        colors::setBackground(Command10, kInverseColour);
    } else {
        torles();
    }
}

void ExtendWindow::Command9_Click(int index)
{
    // Appended to what the display holds; the input check judges the whole.
    // Past the entry limit too, but only onto a display within it: with its
    // point deleted, a long text would otherwise grow by a constant per press
    // until it no longer reads as a finite number.
    if (Text1->text().size() > displayfield::kMaxEntry)
        return;
    Text1->setText(Text1->text() + (index == 0 ? QStringLiteral("3.14159265358979")
                                               : QStringLiteral("2.71828182845905")));
}
