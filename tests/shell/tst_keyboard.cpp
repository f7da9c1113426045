// Every key from the keyboard: each key's shortcut fires it while the display
// has the focus and types nothing, a locked key's shortcut does nothing, Tab
// walks the keys row by row, the menus open with Alt and F1, and no Alt
// combination types into a display.
#include "shared/calculatorwindow.h"
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
// The window shown, active, its display focused, and every key usable (the
// informatics window in base 16, so A to F as well).
CalculatorWindow &ready(Application &app, int view)
{
    CalculatorWindow &w = app.window(View(view));
    w.show();
    QApplication::setActiveWindow(&w);
    if (auto *hex = w.findChild<QRadioButton *>(QStringLiteral("Option1_9")))
        hex->setChecked(true);
    w.Text1->setFocus();
    return w;
}

void addViewRows()
{
    QTest::addColumn<int>("view");
    for (int view = 0; view < 3; ++view)
        QTest::addRow("%c", "sei"[view]) << view;
}
}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void shortcuts_data() { addViewRows(); }
    void shortcuts();
    void tabWalksTheRows_data() { addViewRows(); }
    void tabWalksTheRows();
    void menus_data() { addViewRows(); }
    void menus();
};

void TestKeyboard::shortcuts()
{
    QFETCH(int, view);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, view);
    QTimer closer;  // the solver keys open modal dialogs; close them as a user would
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(20);
    // The editing keys a line edit acts on; a key's shortcut must take none of
    // them. (Deselect, Ctrl+Shift+A under X11, is not one: a line edit keeps
    // its selection on it.)
    QList<QKeySequence> taken;
    for (QKeySequence::StandardKey editing : {QKeySequence::Undo,
                                              QKeySequence::Redo,
                                              QKeySequence::Cut,
                                              QKeySequence::Copy,
                                              QKeySequence::Paste,
                                              QKeySequence::SelectAll,
                                              QKeySequence::Delete,
                                              QKeySequence::Backspace,
                                              QKeySequence::DeleteStartOfWord,
                                              QKeySequence::DeleteEndOfWord,
                                              QKeySequence::DeleteEndOfLine,
                                              QKeySequence::DeleteCompleteLine,
                                              QKeySequence::MoveToNextWord,
                                              QKeySequence::MoveToPreviousWord,
                                              QKeySequence::MoveToStartOfLine,
                                              QKeySequence::MoveToEndOfLine,
                                              QKeySequence::SelectNextWord,
                                              QKeySequence::SelectPreviousWord,
                                              QKeySequence::SelectStartOfLine,
                                              QKeySequence::SelectEndOfLine,
                                              QKeySequence::InsertParagraphSeparator})
        taken << QKeySequence::keyBindings(editing);

    const QList<QPushButton *> keys = w.centralWidget()->findChildren<QPushButton *>();
    for (QPushButton *key : keys) {
        const QKeySequence shortcut = key->shortcut();
        const QString name = key->objectName() + " " + shortcut.toString();
        const Qt::KeyboardModifiers mods = shortcut[0].keyboardModifiers();
        // One key, typing nothing: a Ctrl combination or a key without a character.
        QVERIFY2(shortcut.count() == 1 && !(mods & Qt::AltModifier) &&
                     ((mods & Qt::ControlModifier) || shortcut[0].key() >= Qt::Key_Escape),
                 qPrintable(name));
        QVERIFY2(!taken.contains(shortcut), qPrintable(name));
        taken << shortcut;  // no two keys share one

        QApplication::setActiveWindow(&w);  // back from a solver dialog
        w.Command6->click();                // unlocks what the previous key locked
        w.Text1->setFocus();
        QSignalSpy clicked(key, &QPushButton::clicked);
        QTest::keyClick(w.Text1, shortcut[0].key(), mods);
        // At once, and the key does not take the keyboard from the display.
        QVERIFY2(clicked.count() == 1 && QApplication::focusWidget() != key, qPrintable(name));
    }

    // Locked keys: their shortcuts do nothing, and nothing is typed.
    w.Command6->click();
    int clicks = 0;
    for (QPushButton *key : keys) {
        key->setEnabled(false);
        connect(key, &QPushButton::clicked, [&clicks] { ++clicks; });
    }
    w.Text1->setFocus();
    for (QPushButton *key : keys)
        QTest::keyClick(w.Text1, key->shortcut()[0].key(), key->shortcut()[0].keyboardModifiers());
    QTest::qWait(300);
    QCOMPARE(clicks, 0);
    QCOMPARE(w.Text1->text(), QString());
}

// Tab goes round the keys row by row and back to the display; Space presses
// the focused key; a click leaves the focus in the display.
void TestKeyboard::tabWalksTheRows()
{
    QFETCH(int, view);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, view);
    QList<QPushButton *> visited;
    for (int stop = 0; stop < 100 && (stop == 0 || QApplication::focusWidget() != w.Text1); ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto *key = qobject_cast<QPushButton *>(QApplication::focusWidget()))
            visited << key;
    }
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    QCOMPARE(visited.size(), w.centralWidget()->findChildren<QPushButton *>().size());
    for (int i = 1; i < visited.size(); ++i) {
        const QPoint a = visited[i - 1]->pos(), b = visited[i]->pos();
        QVERIFY2(b.y() > a.y() || (b.y() == a.y() && b.x() > a.x()),
                 qPrintable(visited[i - 1]->objectName() + " before " + visited[i]->objectName()));
    }
    visited[0]->setFocus();  // Space presses the focused key
    QSignalSpy clicked(visited[0], &QPushButton::clicked);
    QTest::keyClick(visited[0], Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);
    w.Text1->setFocus();
    QTest::mouseClick(w.Command2[1], Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
}

// Alt+N opens the Nézet menu, Alt+S the Súgó menu, F1 the contents; no Alt
// combination types, the same keys without Alt do.
void TestKeyboard::menus()
{
    QFETCH(int, view);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, view);
    const QString suffix = view == 0 ? QString() : QString::number(view + 1);
    for (const char *name : {"nezet", "help"}) {
        auto *menu = w.menuBar()->findChild<QMenu *>(name + suffix);
        QVERIFY(menu);
        QTest::keyClick(w.Text1, name[0] == 'n' ? Qt::Key_N : Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }
    QSignalSpy contents(w.findChild<QAction *>("tart" + suffix), &QAction::triggered);
    QTest::keyClick(w.Text1, Qt::Key_F1);
    QCOMPARE(contents.count(), 1);
    for (const QChar c : QStringLiteral("q5+.a")) {
        const int code = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        QTest::sendKeyEvent(QTest::KeyAction::Click, w.Text1, Qt::Key(code), QString(c), Qt::AltModifier);
    }
    QCOMPARE(w.Text1->text(), QString());
    QTest::sendKeyEvent(QTest::KeyAction::Click, w.Text1, Qt::Key_5, QStringLiteral("5"), Qt::NoModifier);
    QCOMPARE(w.Text1->text(), QStringLiteral("5"));
    QCOMPARE(messages.texts(), QStringList());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
