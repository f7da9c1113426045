// Every key from the keyboard: each key's shortcut fires it while the display
// has the focus and types nothing, a locked key's shortcut does nothing, Tab
// walks the keys row by row, the menus open with Alt and F1, and no Alt
// combination types into a display.
#include "informatics/infoswindow.h"
#include "shell/application.h"
#include "support/messagerecorder.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const char kViewLetter[] = "sei";

// The editing keys a line edit acts on; a key's shortcut must take none of
// them. (Deselect, Ctrl+Shift+A under X11, is not one: a line edit keeps its
// selection on it.)
const QKeySequence::StandardKey kEditingKeys[] = {
    QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
    QKeySequence::SelectAll, QKeySequence::Delete, QKeySequence::Backspace,
    QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
    QKeySequence::DeleteCompleteLine, QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
    QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine, QKeySequence::SelectNextWord,
    QKeySequence::SelectPreviousWord, QKeySequence::SelectStartOfLine, QKeySequence::SelectEndOfLine,
    QKeySequence::InsertParagraphSeparator};

QString suffix(View view)
{
    return view == View::Standard ? QString() : QString::number(int(view) + 1);
}

// The window shown, active, its display focused, and every key usable (the
// informatics window in base 16, so A to F as well).
CalculatorWindow &ready(Application &app, View view)
{
    CalculatorWindow &w = app.window(view);
    w.show();
    QApplication::setActiveWindow(&w);
    if (view == View::Informatics)
        w.findChild<QRadioButton *>(QStringLiteral("Option1_9"))->setChecked(true);
    w.Text1->setFocus();
    return w;
}

void press(QWidget *widget, const QKeySequence &shortcut)
{
    QTest::keyClick(widget, shortcut[0].key(), shortcut[0].keyboardModifiers());
}

void addViewRows()
{
    QTest::addColumn<int>("view");
    for (int view = 0; view < 3; ++view)
        QTest::addRow("%c", kViewLetter[view]) << view;
}
}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void shortcuts_data() { addViewRows(); }
    void shortcuts();
    void tabWalksTheRows_data() { addViewRows(); }
    void tabWalksTheRows();
    void clickLeavesTheFocus();
    void menus_data();
    void menus();
    void altNeverTypes_data() { addViewRows(); }
    void altNeverTypes();
};

void TestKeyboard::shortcuts()
{
    QFETCH(int, view);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, View(view));
    // The solver keys open modal dialogs; close them as a user would.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(20);

    const QList<QPushButton *> keys = w.centralWidget()->findChildren<QPushButton *>();
    QList<QKeySequence> seen;
    for (QPushButton *key : keys) {
        const QString name = key->objectName() + " " + key->shortcut().toString();
        const QKeySequence shortcut = key->shortcut();
        QVERIFY2(shortcut.count() == 1, qPrintable(name));
        const Qt::KeyboardModifiers mods = shortcut[0].keyboardModifiers();
        // Types nothing: a Ctrl combination or a key without a character.
        QVERIFY2(!(mods & Qt::AltModifier) && ((mods & Qt::ControlModifier) || shortcut[0].key() >= Qt::Key_Escape),
                 qPrintable(name));
        for (QKeySequence::StandardKey editing : kEditingKeys)
            QVERIFY2(!QKeySequence::keyBindings(editing).contains(shortcut), qPrintable(name));
        QVERIFY2(!seen.contains(shortcut), qPrintable(name + " twice"));
        seen << shortcut;

        QApplication::setActiveWindow(&w);  // back from a solver dialog
        w.Command6->click();                // unlocks what the previous key locked
        w.Text1->setFocus();
        QSignalSpy clicked(key, &QPushButton::clicked);
        press(w.Text1, shortcut);
        // At once, and the key does not take the keyboard from the display.
        QVERIFY2(clicked.count() == 1, qPrintable(name));
        QVERIFY2(QApplication::focusWidget() != key, qPrintable(name));
    }

    // Locked keys: their shortcuts do nothing, and nothing is typed.
    w.Command6->click();
    QSignalSpy anyClick(w.Command6, &QPushButton::clicked);
    int clicks = 0;
    for (QPushButton *key : keys) {
        key->setEnabled(false);
        connect(key, &QPushButton::clicked, [&clicks] { ++clicks; });
    }
    w.Text1->setFocus();
    for (QPushButton *key : keys)
        press(w.Text1, key->shortcut());
    QTest::qWait(300);
    QCOMPARE(clicks, 0);
    QCOMPARE(w.Text1->text(), QString());
}

void TestKeyboard::tabWalksTheRows()
{
    QFETCH(int, view);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, View(view));
    QList<QPushButton *> visited;
    for (int stop = 0; stop < 100; ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == w.Text1)
            break;
        if (auto *key = qobject_cast<QPushButton *>(QApplication::focusWidget()))
            visited << key;
    }
    QCOMPARE(QApplication::focusWidget(), w.Text1);  // round the chain and back
    QList<QPushButton *> keys = w.centralWidget()->findChildren<QPushButton *>();
    QCOMPARE(visited.size(), keys.size());
    for (int i = 1; i < visited.size(); ++i) {
        const QPoint a = visited[i - 1]->pos(), b = visited[i]->pos();
        QVERIFY2(b.y() > a.y() || (b.y() == a.y() && b.x() > a.x()),
                 qPrintable(visited[i - 1]->objectName() + " before " + visited[i]->objectName()));
    }

    // Space presses the focused key.
    w.Text1->setFocus();
    QTest::keyClick(w.Text1, Qt::Key_Tab);
    while (!qobject_cast<QPushButton *>(QApplication::focusWidget()))  // past the base options
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto *first = qobject_cast<QPushButton *>(QApplication::focusWidget());
    QSignalSpy clicked(first, &QPushButton::clicked);
    QTest::keyClick(first, Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);
}

void TestKeyboard::clickLeavesTheFocus()
{
    // Pi does not move the focus itself; a key that took it on a click would.
    Application app;
    CalculatorWindow &w = ready(app, View::Extended);
    QPushButton *pi = w.findChild<QPushButton *>(QStringLiteral("Command9_0"));
    QTest::mouseClick(pi, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    QTest::keyClick(w.Text1, Qt::Key_1);
    QVERIFY(w.Text1->text().endsWith('1'));
}

void TestKeyboard::menus_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("opens");  // a menu, or "tart": the contents item
    for (int view = 0; view < 3; ++view) {
        QTest::addRow("Alt+N %c", kViewLetter[view]) << view << int(Qt::Key_N) << int(Qt::AltModifier) << "nezet";
        QTest::addRow("Alt+S %c", kViewLetter[view]) << view << int(Qt::Key_S) << int(Qt::AltModifier) << "help";
        QTest::addRow("F1 %c", kViewLetter[view]) << view << int(Qt::Key_F1) << int(Qt::NoModifier) << "tart";
    }
}

void TestKeyboard::menus()
{
    QFETCH(int, view);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, opens);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, View(view));
    const QString name = opens + suffix(View(view));
    if (auto *item = w.findChild<QAction *>(name)) {
        QSignalSpy triggered(item, &QAction::triggered);
        QTest::keyClick(w.Text1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(triggered.count(), 1);
    } else {
        auto *menu = w.menuBar()->findChild<QMenu *>(name);
        QVERIFY(menu);
        QTest::keyClick(w.Text1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(messages.texts(), QStringList());
}

void TestKeyboard::altNeverTypes()
{
    QFETCH(int, view);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, View(view));
    for (const QChar c : QStringLiteral("q5+.a")) {
        const int code = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        QTest::sendKeyEvent(QTest::KeyAction::Click, w.Text1, Qt::Key(code), QString(c), Qt::AltModifier);
    }
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(messages.texts(), QStringList());
    // Without Alt the same keys still type.
    QTest::sendKeyEvent(QTest::KeyAction::Click, w.Text1, Qt::Key_5, QStringLiteral("5"), Qt::NoModifier);
    QCOMPARE(w.Text1->text(), QStringLiteral("5"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
