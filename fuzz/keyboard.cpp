#include "keyboard.h"

#include <QTest>

#include <array>

namespace keyboard {
namespace {

// The key code a layout would report for a character.
Qt::Key codeOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return Qt::Key(Qt::Key_0 + (u - u'0'));
    if (u >= u'a' && u <= u'z')
        return Qt::Key(Qt::Key_A + (u - u'a'));
    if (u >= 0x20 && u < 0x7F)
        return Qt::Key(u);  // ASCII: the key codes are the characters
    if (u >= 0xC0 && u <= 0xFF)
        return Qt::Key(c.toUpper().unicode());  // Latin-1 letters: upper-case code
    return Qt::Key_unknown;
}

}  // namespace

void type(QWidget *widget, const QString &text)
{
    for (int i = 0; i < text.size();) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString unit = text.mid(i, length);
        i += length;
        QTest::sendKeyEvent(QTest::Click, widget, codeOf(unit.at(0)), unit, Qt::NoModifier);
    }
}

Key keypadKey(RandomSource &rng)
{
    static const std::array<Key, 12> keys{{
        {Qt::Key_Plus, QStringLiteral("+"), Qt::KeypadModifier, "keypad +"},
        {Qt::Key_Minus, QStringLiteral("-"), Qt::KeypadModifier, "keypad -"},
        {Qt::Key_Asterisk, QStringLiteral("*"), Qt::KeypadModifier, "keypad *"},
        {Qt::Key_Slash, QStringLiteral("/"), Qt::KeypadModifier, "keypad /"},
        {Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier, "keypad Enter"},
        {Qt::Key_Comma, QStringLiteral(","), Qt::KeypadModifier, "keypad decimal (,)"},
        {Qt::Key_Period, QStringLiteral("."), Qt::KeypadModifier, "keypad decimal (.)"},
        {Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier, "Return"},
        {Qt::Key_Plus, QStringLiteral("+"), Qt::NoModifier, "main +"},
        {Qt::Key_Minus, QStringLiteral("-"), Qt::NoModifier, "main -"},
        {Qt::Key_Asterisk, QStringLiteral("*"), Qt::ShiftModifier, "main *"},
        {Qt::Key_Slash, QStringLiteral("/"), Qt::ShiftModifier, "main /"},
    }};
    if (rng.oneIn(5)) {
        static const std::array<const char *, 10> names{"keypad 0", "keypad 1", "keypad 2", "keypad 3", "keypad 4",
                                                        "keypad 5", "keypad 6", "keypad 7", "keypad 8", "keypad 9"};
        const int digit = rng.below(10);
        return {Qt::Key(Qt::Key_0 + digit), QString(QChar(u'0' + digit)), Qt::KeypadModifier, names[size_t(digit)]};
    }
    // The operators and Enter most of the time.
    return keys[size_t(rng.percent(80) ? rng.below(5) : rng.below(int(keys.size())))];
}

Key editingKey(RandomSource &rng)
{
    static const std::array<Key, 21> keys{{
        {Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier, "Backspace"},
        {Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier, "Delete"},
        {Qt::Key_Left, QString(), Qt::NoModifier, "Left"},
        {Qt::Key_Right, QString(), Qt::NoModifier, "Right"},
        {Qt::Key_Home, QString(), Qt::NoModifier, "Home"},
        {Qt::Key_End, QString(), Qt::NoModifier, "End"},
        {Qt::Key_Left, QString(), Qt::ShiftModifier, "Shift+Left"},
        {Qt::Key_Home, QString(), Qt::ShiftModifier, "Shift+Home"},
        {Qt::Key_End, QString(), Qt::ShiftModifier, "Shift+End"},
        {Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier, "Ctrl+A"},
        {Qt::Key_Z, QStringLiteral("\x1a"), Qt::ControlModifier, "Ctrl+Z"},
        {Qt::Key_Y, QStringLiteral("\x19"), Qt::ControlModifier, "Ctrl+Y"},
        {Qt::Key_Z, QStringLiteral("\x1a"), Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
        {Qt::Key_X, QStringLiteral("\x18"), Qt::ControlModifier, "Ctrl+X"},
        {Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier, "Ctrl+C"},
        {Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier, "Ctrl+V"},
        {Qt::Key_Backspace, QStringLiteral("\b"), Qt::ControlModifier, "Ctrl+Backspace"},
        {Qt::Key_K, QStringLiteral("\x0b"), Qt::ControlModifier, "Ctrl+K"},
        {Qt::Key_Escape, QStringLiteral("\x1b"), Qt::NoModifier, "Escape"},
        {Qt::Key_Tab, QStringLiteral("\t"), Qt::NoModifier, "Tab"},
        {Qt::Key_Insert, QString(), Qt::NoModifier, "Insert"},
    }};
    // Escape and Tab leave the field or close a dialog: rarer.
    return keys[size_t(rng.percent(95) ? rng.below(18) : rng.below(int(keys.size())))];
}

void press(QWidget *widget, const Key &key)
{
    QTest::sendKeyEvent(QTest::Click, widget, key.code, key.text, key.modifiers);
}

}  // namespace keyboard
