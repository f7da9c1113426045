#include "ui/displayfield.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace displayfield {
namespace {

// Wayland delivers keypad keys without the keypad modifier; the key symbol
// (an XKB keysym under X11 and Wayland alike) still tells them apart.
bool isKeypadKey(const QKeyEvent &key)
{
    if (key.modifiers() & Qt::KeypadModifier)
        return true;
    switch (key.nativeVirtualKey()) {
    case 0xffaa:  // KP_Multiply
    case 0xffab:  // KP_Add
    case 0xffac:  // KP_Separator
    case 0xffad:  // KP_Subtract
    case 0xffae:  // KP_Decimal
    case 0xffaf:  // KP_Divide
    case 0xff8d:  // KP_Enter
        return true;
    default: return false;
    }
}

// An Alt combination is the menus' (or nobody's): it never types into the
// display. It reaches this filter only when no mnemonic took it.
class AltFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::KeyPress && (static_cast<QKeyEvent *>(event)->modifiers() & Qt::AltModifier);
    }
};

// The keypad's decimal key sends "," on a Hungarian layout; in every
// display it writes the decimal point.
class KeypadPoint : public QObject {
public:
    explicit KeypadPoint(QLineEdit *field) : QObject(field), field_(field) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != field_ || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Comma && key->key() != Qt::Key_Period) || !isKeypadKey(*key))
            return false;
        field_->insert(QStringLiteral("."));
        return true;
    }

private:
    QLineEdit *field_;
};

// The number shown, without the blank Str leaves before a positive one.
QString shownNumber(const QLineEdit *field) { return field->text().trimmed(); }

// An empty display leaves the clipboard alone.
void copyShownNumber(const QLineEdit *field)
{
    if (!shownNumber(field).isEmpty())
        QGuiApplication::clipboard()->setText(shownNumber(field));
}

// Copy with nothing selected copies the whole number shown, as calculators
// do; with a selection the field copies that, as every field does.
class CopyAll : public QObject {
public:
    explicit CopyAll(QLineEdit *field) : QObject(field), field_(field) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy) ||
            field_->hasSelectedText())
            return false;
        copyShownNumber(field_);
        return true;
    }

private:
    QLineEdit *field_;
};

// The field's own menu, whose "Másolás" copies what Ctrl+C copies: usable
// whenever there is a number to copy, not only a selection.
void showMenu(QLineEdit *field, QPoint at)
{
    QMenu *menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Its copy item is the one that names the copy keys.
    const QString copyKeys = QLatin1Char('\t') + QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText);
    QAction *copy = nullptr;
    for (QAction *action : menu->actions())
        if (action->text().endsWith(copyKeys))
            copy = action;
    if (copy && !field->hasSelectedText()) {
        copy->disconnect();
        copy->setEnabled(!shownNumber(field).isEmpty());
        QObject::connect(copy, &QAction::triggered, field, [field] { copyShownNumber(field); });
    }
    menu->popup(field->mapToGlobal(at));
}

class KeyDownFilter : public QObject {
public:
    KeyDownFilter(QLineEdit *field, std::function<void(core::DisplayKey)> keyDown)
        : QObject(field), field_(field), keyDown_(std::move(keyDown))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != field_ || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        using core::DisplayKey;
        const bool keypad = isKeypadKey(*key);
        DisplayKey code = DisplayKey::Enter;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: break;
        case Qt::Key_Plus: code = DisplayKey::Add; break;
        case Qt::Key_Minus: code = DisplayKey::Subtract; break;
        case Qt::Key_Asterisk: code = DisplayKey::Multiply; break;
        case Qt::Key_Slash: code = DisplayKey::Divide; break;
        default: return false;
        }
        if (code != DisplayKey::Enter && !keypad)
            return false;
        keyDown_(code);
        return true;
    }

private:
    QLineEdit *field_;
    std::function<void(core::DisplayKey)> keyDown_;
};

}  // namespace

void setUp(QLineEdit *field)
{
    field->setAccessibleName(QStringLiteral("Kijelző"));
    field->installEventFilter(new AltFilter(field));
    field->installEventFilter(new KeypadPoint(field));
    field->installEventFilter(new CopyAll(field));
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field, [field](QPoint at) { showMenu(field, at); });
}

void onKeyDown(QLineEdit *field, std::function<void(core::DisplayKey)> keyDown)
{
    field->installEventFilter(new KeyDownFilter(field, std::move(keyDown)));
}

void focusAtEnd(QLineEdit *field)
{
    field->setFocus();
    field->setCursorPosition(field->text().size());
}

}  // namespace displayfield
