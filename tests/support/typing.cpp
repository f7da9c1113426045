#include "support/typing.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QTest>

namespace testkeys {

void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const int key = c.isLetterOrNumber() ? int(c.toUpper().unicode()) : int(c.unicode());
        QTest::sendKeyEvent(QTest::KeyAction::Click, widget, Qt::Key(key), QString(c), Qt::NoModifier);
    }
}

namespace {
Qt::Key keypadCode(QChar key)
{
    static const QHash<QChar, Qt::Key> codes{{'+', Qt::Key_Plus},  {'-', Qt::Key_Minus}, {'*', Qt::Key_Asterisk},
                                             {'/', Qt::Key_Slash}, {',', Qt::Key_Comma}, {'.', Qt::Key_Period},
                                             {'\r', Qt::Key_Enter}};
    return codes.value(key, Qt::Key_unknown);
}
}  // namespace

void keypad(QWidget *widget, QChar key)
{
    QTest::sendKeyEvent(QTest::KeyAction::Click, widget, keypadCode(key), QString(key), Qt::KeypadModifier);
}

void nativeKeypad(QWidget *widget, QChar key)
{
    static const QHash<QChar, quint32> keysyms{{'+', 0xffab}, {'-', 0xffad}, {'*', 0xffaa}, {'/', 0xffaf},
                                               {',', 0xffac}, {'.', 0xffae}, {'\r', 0xff8d}};
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, keypadCode(key), Qt::NoModifier, 0, keysyms.value(key), 0, QString(key));
        QApplication::sendEvent(widget, &event);
    }
}

}  // namespace testkeys
