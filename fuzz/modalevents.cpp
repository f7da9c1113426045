// The events inside the modal windows: the solvers opened by their keys and
// the about box. The key's handler waits in exec(); a zero timer started
// before the click runs inside that loop, works the window and closes it.
#include "eventdriver.h"

#include "describe.h"
#include "keyboard.h"
#include "randomtext.h"

#include "shell/aboutdialog.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void EventDriver::openModal(Category category, const QString &what, const std::function<void()> &act)
{
    // The key's handler waits in exec(); the zero timer runs inside that
    // loop, works the dialog and closes it.
    QTimer::singleShot(0, this, &EventDriver::driveModal);
    ++modalsOpened_;
    perform(category, what, act);
}

void EventDriver::driveModal()
{
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (qobject_cast<AboutDialog *>(modal)) {
        aboutEvent(modal);
    } else {
        const int batch = rng_.between(1, 60);
        for (int i = 0; i < batch && count_ < limit_ && modal && modal->isVisible(); ++i) {
            if (!solverEvent(modal))
                break;
        }
    }
    if (modal && modal->isVisible()) {
        perform(SolverEvent, QStringLiteral("close %1 from its frame").arg(modal->objectName()),
                [modal] { modal->close(); });
    }
    if (auto *dialog = qobject_cast<QDialog *>(modal.data()); dialog && dialog->isVisible())
        fail({QStringLiteral("%1 did not close").arg(dialog->objectName())});
}

bool EventDriver::solverEvent(QWidget *modal)
{
    QVector<QLineEdit *> inputs;
    QVector<QLineEdit *> results;
    QVector<SignLabel *> signs;
    QPushButton *solve = nullptr;
    if (auto *w = qobject_cast<MasodfWindow *>(modal)) {
        inputs = {w->Text1.begin(), w->Text1.end()};
        results = {w->Text4.begin(), w->Text4.end()};
        signs = {w->Label2.begin(), w->Label2.end()};
        solve = w->Command1;
    } else if (auto *w = qobject_cast<LinearWindow *>(modal)) {
        inputs = {w->Text1.begin() + 1, w->Text1.begin() + 7};
        results = {w->Text1[7], w->Text1[8]};
        signs = {w->Label1.begin() + 1, w->Label1.end()};
        solve = w->Command1;
    } else {
        fail({QStringLiteral("an unexpected modal window is open: %1").arg(modal->objectName())});
    }

    const int r = rng_.below(100);
    // Any event may run the solver (Return in a field presses its key).
    const resultcheck::After check = r < 98 ? resultcheck::solver(modal) : resultcheck::After();
    if (r < 40) {
        QLineEdit *field = rng_.pick(inputs);
        const QString text = randomtext::coefficient(rng_);
        const bool replace = rng_.percent(60);
        perform(
            SolverEvent,
            QStringLiteral("type %1 into %2%3")
                .arg(describe::quoted(text), describe::nameOf(field),
                     replace ? QStringLiteral(" over all of it") : QString()),
            [field, text, replace] {
                if (replace)
                    keyboard::press(field, {Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier, "Ctrl+A"});
                keyboard::type(field, text);
            },
            check);
    } else if (r < 48) {
        QLineEdit *field = rng_.pick(inputs);
        const keyboard::Key key = keyboard::editingKey(rng_);
        perform(
            SolverEvent, QStringLiteral("%1 in %2").arg(QLatin1String(key.name), describe::nameOf(field)),
            [field, key] { keyboard::press(field, key); }, check);
    } else if (r < 52) {
        QLineEdit *field = rng_.pick(inputs);
        const QString text = randomtext::pasted(rng_);
        perform(
            SolverEvent, QStringLiteral("paste %1 into %2").arg(describe::quoted(text), describe::nameOf(field)),
            [field, text] { field->insert(text); }, check);
    } else if (r < 67) {
        SignLabel *sign = rng_.pick(signs);
        perform(
            SolverEvent, QStringLiteral("click sign %1 \"%2\"").arg(describe::nameOf(sign), sign->text()),
            [sign] { QTest::mouseClick(sign, Qt::LeftButton); }, check);
    } else if (r < 93) {
        click(solve, QStringLiteral("%1 \"%2\"").arg(describe::nameOf(solve), solve->text()), SolverEvent, check);
    } else if (r < 96) {
        QLineEdit *field = rng_.pick(results);
        const QString text = randomtext::keystrokes(rng_);
        perform(
            SolverEvent, QStringLiteral("type %1 into %2").arg(describe::quoted(text), describe::nameOf(field)),
            [field, text] { keyboard::type(field, text); }, check);
    } else if (r < 98) {
        QLineEdit *field = rng_.pick(inputs);
        const keyboard::Key key = keyboard::keypadKey(rng_);
        perform(
            SolverEvent, QStringLiteral("%1 in %2").arg(QLatin1String(key.name), describe::nameOf(field)),
            [field, key] { keyboard::press(field, key); }, check);
    } else {
        return false;
    }
    return true;
}

void EventDriver::aboutEvent(QWidget *modal)
{
    auto *about = static_cast<AboutDialog *>(modal);
    // Not the mail link: it would start the desktop's mail program.
    if (rng_.percent(70))
        click(about->Command1, QStringLiteral("about.Command1 \"OK\""), About);
    else
        perform(About, QStringLiteral("close about from its frame"), [about] { about->close(); });
}
