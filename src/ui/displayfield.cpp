#include "ui/displayfield.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace displayfield {
namespace {

// The limit applies to the user's edits. Text set by code is accepted whole
// and becomes the limit until the next such text: the field only reverts an
// invalid edit when the text before it was valid, so a text that the
// validator called invalid would switch the limit off for every later edit.
// Undo and redo only bring back texts that were accepted since.
class EntryLimit : public QValidator {
public:
    EntryLimit(int maxEntry, QLineEdit *field)
        : QValidator(field), field_(field), maxEntry_(maxEntry), allowed_(maxEntry)
    {
    }
    State validate(QString &input, int &pos) const override
    {
        // setText() resets the modified flag before the text is validated.
        if (!field_->isModified()) {
            allowed_ = qMax(maxEntry_, int(input.size()));
            accepted_ = input;
            return Acceptable;
        }
        // Too long: a paste or a drop, which ends at the caret. As typing
        // would, the start of the inserted text goes in, up to the limit;
        // the text before it was within the limit, so only inserted
        // characters are cut.
        const int excess = int(input.size()) - allowed_;
        if (excess > 0) {
            if (excess > pos)
                return Invalid;
            input.remove(pos - excess, excess);
            pos -= excess;
            if (input == accepted_)  // nothing fits: the field stays as it was
                return Invalid;
        }
        accepted_ = input;
        return Acceptable;
    }

private:
    QLineEdit *field_;
    int maxEntry_;
    mutable int allowed_;
    mutable QString accepted_;  // the text before the edit being validated
};

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
        if (!field_->text().isEmpty())  // an empty display leaves the clipboard alone
            QGuiApplication::clipboard()->setText(field_->text());
        return true;
    }

private:
    QLineEdit *field_;
};

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

void setUp(QLineEdit *field, int maxEntry)
{
    field->setAccessibleName(QStringLiteral("Kijelző"));
    field->setValidator(new EntryLimit(maxEntry, field));
    field->installEventFilter(new AltFilter(field));
    field->installEventFilter(new KeypadPoint(field));
    field->installEventFilter(new CopyAll(field));
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
