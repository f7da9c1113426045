#include "support/keys.h"

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

void keypad(QWidget *widget, QChar key)
{
    Qt::Key code = Qt::Key_unknown;
    QString text(key);
    switch (key.unicode()) {
    case '+': code = Qt::Key_Plus; break;
    case '-': code = Qt::Key_Minus; break;
    case '*': code = Qt::Key_Asterisk; break;
    case '/': code = Qt::Key_Slash; break;
    case ',': code = Qt::Key_Comma; break;
    case '.': code = Qt::Key_Period; break;
    case '\r': code = Qt::Key_Enter; break;
    default: break;
    }
    QTest::sendKeyEvent(QTest::KeyAction::Click, widget, code, text, Qt::KeypadModifier);
}

}  // namespace testkeys
