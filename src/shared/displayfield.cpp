#include "shared/displayfield.h"

#include <QEvent>
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
    State validate(QString &input, int &) const override
    {
        // setText() resets the modified flag before the text is validated.
        if (!field_->isModified()) {
            allowed_ = qMax(maxEntry_, int(input.size()));
            return Acceptable;
        }
        return input.size() <= allowed_ ? Acceptable : Invalid;
    }
    int maxEntry() const { return maxEntry_; }

private:
    QLineEdit *field_;
    int maxEntry_;
    mutable int allowed_;
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

class KeyDownFilter : public QObject {
public:
    KeyDownFilter(QLineEdit *field, std::function<void(int)> keyDown)
        : QObject(field), field_(field), keyDown_(std::move(keyDown))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != field_ || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool keypad = isKeypadKey(*key);
        int code = 0;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: code = kEnter; break;
        case Qt::Key_Plus: code = keypad ? kAdd : 0; break;
        case Qt::Key_Minus: code = keypad ? kSubtract : 0; break;
        case Qt::Key_Asterisk: code = keypad ? kMultiply : 0; break;
        case Qt::Key_Slash: code = keypad ? kDivide : 0; break;
        case Qt::Key_Comma:
        case Qt::Key_Period:
            // The keypad's decimal key sends "," on a Hungarian layout.
            if (!keypad)
                return false;
            field_->insert(QStringLiteral("."));
            return true;
        default: return false;
        }
        if (code == 0)
            return false;
        keyDown_(code);
        return true;
    }

private:
    QLineEdit *field_;
    std::function<void(int)> keyDown_;
};

}  // namespace

QString signOf(int keyCode)
{
    switch (keyCode) {
    case kAdd: return QStringLiteral("+");
    case kSubtract: return QStringLiteral("-");
    case kMultiply: return QStringLiteral("*");
    case kDivide: return QStringLiteral("/");
    default: return QString();
    }
}

void setUp(QLineEdit *field, int maxEntry)
{
    field->setAccessibleName(QStringLiteral("Kijelző"));
    field->setValidator(new EntryLimit(maxEntry, field));
    field->installEventFilter(new AltFilter(field));
}

bool append(QLineEdit *field, const QString &text)
{
    const auto *limit = dynamic_cast<const EntryLimit *>(field->validator());
    const QString joined = field->text() + text;
    if (limit && joined.size() > limit->maxEntry())
        return false;
    field->setText(joined);
    return true;
}

void onKeyDown(QLineEdit *field, std::function<void(int)> keyDown)
{
    field->installEventFilter(new KeyDownFilter(field, std::move(keyDown)));
}

void focusAtEnd(QLineEdit *field)
{
    field->setFocus();
    field->setCursorPosition(field->text().size());
}

}  // namespace displayfield
