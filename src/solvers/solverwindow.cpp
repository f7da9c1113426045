#include "solvers/solverwindow.h"

#include "core/texts.h"
#include "ui/centring.h"
#include "ui/messages.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SolverWindow::SolverWindow(QWidget *parent, const QString &name, const QString &title, QSize size)
    : WithFormActivate(parent)
{
    setObjectName(name);
    setWindowTitle(title);
    twips::keepFont(this);
    setFixedSize(twips::size(size.width(), size.height()));
}

void SolverWindow::Form_Activate() { centreOnScreen(this); }

namespace {
QRect pixels(QRect twipsPlace)
{
    return twips::rect(twipsPlace.x(), twipsPlace.y(), twipsPlace.width(), twipsPlace.height());
}

// The keyboard's way to the sign labels: the sign is typed where the number is.
class SignKeys : public QObject {
public:
    SignKeys(QLineEdit *field, std::function<bool(const QString &)> typed) : QObject(field), typed_(std::move(typed)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->text().isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        return typed_(key->text());
    }

private:
    std::function<bool(const QString &)> typed_;
};
}  // namespace

void SolverWindow::takeSignKeys(QLineEdit *field, std::function<bool(const QString &typed)> typed)
{
    field->installEventFilter(new SignKeys(field, std::move(typed)));
}

void SolverWindow::tell(const QList<core::Message> &messages)
{
    for (const core::Message &message : messages)
        messages::show(message.text, message.exclamation ? messages::Icon::Exclamation : messages::Icon::None, this);
}

void SolverWindow::addCoefficientFrame(const QString &name, QRect place)
{
    Frame1 = new QGroupBox(QStringLiteral("Add meg az együtthatókat:"), this);
    Frame1->setObjectName(name);
    Frame1->setGeometry(pixels(place));
}

void SolverWindow::addResultFrame(QRect place)
{
    Frame2 = new QGroupBox(QStringLiteral("Az eredmények:"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(pixels(place));
}

void SolverWindow::addSolveKey(QRect place)
{
    Command1 = new QPushButton(core::texts::kCompute, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(pixels(place));
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void SolverWindow::writeResult(QLineEdit *field, const QString &text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

QLabel *SolverWindow::makeLabel(QWidget *parent, const QString &caption, const QString &name, QRect geometry,
                                qreal pointSize)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    if (pointSize > 0) {
        QFont font = label->font();
        font.setPointSizeF(pointSize * twips::textScale());  // grows with the layout
        label->setFont(font);
    }
    return label;
}
