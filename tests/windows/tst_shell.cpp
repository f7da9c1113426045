// The shell as a person uses it: one calculation in three views (switching
// and what carries over), activation; and every key from the
// keyboard: each key's shortcut fires it while the display has the focus and
// types nothing, a locked key's shortcut does nothing, Tab walks the keys row
// by row, the menus open with Alt and F1, and no Alt combination types into a
// display. (Every control's accessible name: tst_readability.)
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "ui/calculatorwindow.h"
#include "shell/application.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {
const char kViewLetter[] = "sei";

QString suffix(View view) { return view == View::Standard ? QString() : QString::number(int(view) + 1); }

bool isCentred(const QWidget &window)
{
    return (window.frameGeometry().center() - window.screen()->geometry().center()).manhattanLength() <= 2;
}

// Does what a script says in the calculator window the user sees: "m:<item>"
// triggers a menu item, any other word goes to the calculator script driver.
QString press(Application &app, const QString &script)
{
    for (const QString &token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        auto &window = static_cast<CalculatorWindow &>(*app.visibleWindow());
        QAction *item = window.findChild<QAction *>(token.mid(2));
        if (token.startsWith(QLatin1String("m:")) && item)
            item->trigger();
        else if (const QString failure = testscript::run(window, app.state(), token); !failure.isEmpty())
            return failure;
    }
    return QString();
}

// The editing keys a line edit acts on; a key's shortcut must take none of
// them. (Deselect, Ctrl+Shift+A under X11, is not one: a line edit keeps its
// selection on it.)
using K = QKeySequence;
// clang-format off
const K::StandardKey kEditingKeys[] = {
    K::Undo, K::Redo, K::Cut, K::Copy, K::Paste, K::SelectAll, K::Delete, K::Backspace, K::DeleteStartOfWord,
    K::DeleteEndOfWord, K::DeleteEndOfLine, K::DeleteCompleteLine, K::MoveToNextWord, K::MoveToPreviousWord,
    K::MoveToStartOfLine, K::MoveToEndOfLine, K::SelectNextWord, K::SelectPreviousWord, K::SelectStartOfLine,
    K::SelectEndOfLine, K::InsertParagraphSeparator};
// clang-format on

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
        QTest::addRow("%c", kViewLetter[view]) << view;
}
}  // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void views();
    void activationComesFromAnotherWindow();
    void shortcuts_data() { addViewRows(); }
    void shortcuts();
    void tabWalksTheRows_data() { addViewRows(); }
    void tabWalksTheRows();
    void menus_data() { addViewRows(); }
    void menus();
};

// A script, the windows loaded in order (the one shown at the end in
// capitals), that window's display and memory indicator, the standard tape and
// szam1. Every script ends on an activation, so no operation is pending then.
void TestShell::views()
{
    const auto row = [this](const QString &script, const QString &loads, const QString &display,
                            const QString &indicator, const QString &tape, double szam1) {
        MessageRecorder recorder;
        Application app;
        QString loaded;
        connect(&app, &Application::windowLoaded, this, [&loaded](View view) { loaded += kViewLetter[int(view)]; });
        app.start();
        QCOMPARE(press(app, script), QString());
        QCOMPARE(loaded, loads.toLower());
        const QChar shown = *std::find_if(loads.begin(), loads.end(), [](QChar c) { return c.isUpper(); });
        CalculatorWindow &window = app.window(View(QString(kViewLetter).indexOf(shown.toLower())));
        QCOMPARE(QApplication::activeWindow(), &window);
        QVERIFY(isCentred(window));
        QCOMPARE(QStringList({window.Text1->text(), window.Label2->text(), app.stand().Label1->text()}),
                 QStringList({display, indicator, tape}));
        QCOMPARE(app.state().muvelet, core::Operation::None);
        QCOMPARE(app.state().szam1, szam1);
        if (&window == &app.stand())
            QVERIFY(app.state().valto && QApplication::focusWidget() == app.stand().Text1);
        QVERIFY(!app.helpViewer());
        QVERIFY(recorder.shown.isEmpty());
    };
    // The switching table; the third window is loaded hidden by the first switch.
    row("m:egysz", "S", "", "", "", 0.0);
    row("m:bovit m:info2", "seI", "", "", "", 0.0);
    row("m:info m:egysz3", "Sie", "", "", "", 0.0);
    row("1 2 + m:bovit", "sEi", "", "", "12+", 12.0);
    row("m:info 3 + m:egysz3 4 =", "Sie", "4", "", "4 ", 3.0);
    row("1 2 m:info 5 / 0 = m:egysz3 + 3 m:bovit m:egysz2", "Sie", "3", "", "12+", 12.0);  // a lock stays in its window
    row("4 * 7 m:bovit 9 M+ m:egysz2 m:bovit", "sEi", "9", "M", "4*", 4.0);
}

// The platform may take the activation away to no window and hand it back to
// the same window late: that is no return to it. A message box in between is.
void TestShell::activationComesFromAnotherWindow()
{
    Application app;
    app.start();
    app.switchView(View::Standard, View::Extended);  // loads infos hidden, which clears valto
    QCOMPARE(app.state().valto, false);
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&app.extend());
    app.switchView(View::Extended, View::Informatics);
    QCOMPARE(app.state().valto, false);

    QCOMPARE(press(app, "1 +"), QString());
    QTimer::singleShot(0, &app, [] { QApplication::activeModalWidget()->close(); });
    messages::show(QStringLiteral("x"), messages::Icon::None, &app.infos());  // a real box
    QTRY_COMPARE(QApplication::activeWindow(), &app.infos());
    QCOMPARE(app.state().muvelet, core::Operation::None);
}

void TestShell::shortcuts()
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
    QList<QKeySequence> taken;
    for (QKeySequence::StandardKey editing : kEditingKeys)
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
void TestShell::tabWalksTheRows()
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
void TestShell::menus()
{
    QFETCH(int, view);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, view);
    for (const char *name : {"nezet", "help"}) {
        auto *menu = w.menuBar()->findChild<QMenu *>(name + suffix(View(view)));
        QVERIFY(menu);
        QTest::keyClick(w.Text1, name[0] == 'n' ? Qt::Key_N : Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }
    QSignalSpy contents(w.findChild<QAction *>("tart" + suffix(View(view))), &QAction::triggered);
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

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
