// Every key of every calculator window from the keyboard, against one key
// map written here: each key's caption and shortcut, the shortcut fires the
// key at once and types nothing, a locked key's shortcut does nothing; the
// keypad's keys in the display; Tab walks the keys row by row; the menus
// open with Alt and F1. And what a click leaves: the focus and the caret in
// the display, the lock shown on the keys.
#include "infos/infoswindow.h"
#include "shell/application.h"
#include "support/messagerecorder.h"
#include "support/script.h"
#include "support/typing.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
// Caption (or the name of a picture key) and shortcut, by view.
QMap<QString, QString> keyMap(int view)
{
    QMap<QString, QString> map{{",", "Ctrl+."},  {"+", "F5"},      {"-", "F6"},          {"*", "F7"},
                               {"/", "F8"},      {"+/-", "F9"},    {"=", "Ctrl+Return"}, {"C", "Esc"},
                               {"M+", "Ctrl+P"}, {"MR", "Ctrl+R"}, {"MC", "Ctrl+L"}};
    for (int digit = 0; digit <= 9; ++digit)
        map.insert(QString::number(digit), QStringLiteral("Ctrl+%1").arg(digit));
    if (view == 1)
        map.insert({{"Inv", "Ctrl+I"},
                    {"Pi", "Ctrl+Shift+P"},
                    {"e", "Ctrl+Shift+E"},
                    {"Hatványozás", "Ctrl+Shift+Y"},
                    {"Gyökvonás", "Ctrl+Shift+G"},
                    {"n !", "Ctrl+Shift+F"},
                    {"1/x", "Ctrl+Shift+R"},
                    {"%", "Ctrl+Shift+B"},
                    {"Lnko", "Ctrl+Shift+O"},
                    {"Lkkt", "Ctrl+Shift+M"},
                    {"lg x", "Ctrl+Shift+L"},
                    {"ln x", "Ctrl+Shift+N"},
                    {"sin x", "Ctrl+Shift+S"},
                    {"cos x", "Ctrl+Shift+C"},
                    {"tg x", "Ctrl+Shift+T"},
                    {"ctg x", "Ctrl+Shift+K"},
                    {"x1,x2", "Ctrl+Shift+Q"},
                    {"x,y,z", "Ctrl+Shift+X"}});
    if (view == 2)
        for (const char letter : QByteArray("ABCDEF"))
            map.insert(QString(QChar(letter)) + (letter == 'C' ? "16" : ""),
                       QStringLiteral("Ctrl+Shift+%1").arg(letter));
    return map;
}

QString captionOf(const QPushButton *key)
{
    if (key->text().isEmpty())
        return key->accessibleName();
    // The informatics view's hex digit C beside its C key.
    return key->text() + (key->text() == "C" && key->shortcut() != QKeySequence(Qt::Key_Escape) ? "16" : "");
}

// The window shown, active, its display focused, every key usable (the
// informatics view in base 16).
CalculatorWindow &ready(Application &app, int view)
{
    CalculatorWindow &w = app.window(View(view));
    w.show();
    QApplication::setActiveWindow(&w);
    if (auto *hex = w.findChild<QRadioButton *>(QStringLiteral("Option1_9")))
        hex->click();
    w.Text1->setFocus();
    return w;
}

void addViewRows()
{
    QTest::addColumn<int>("view");
    QTest::newRow("stand") << 0;
    QTest::newRow("extend") << 1;
    QTest::newRow("infos") << 2;
}
}  // namespace

class TestKeyMap : public QObject {
    Q_OBJECT
private slots:
    void shortcuts_data() { addViewRows(); }
    void shortcuts();
    void keypad_data();
    void keypad();
    void tabWalksTheRows_data() { addViewRows(); }
    void tabWalksTheRows();
    void baseOptionsAreOneStop();
    void menus_data() { addViewRows(); }
    void menus();
    void clicksLeaveTheDisplayReady();
};

void TestKeyMap::shortcuts()
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
    QMap<QString, QString> seen;
    const QList<QPushButton *> keys = w.centralWidget()->findChildren<QPushButton *>();
    for (QPushButton *key : keys) {
        const QKeySequence shortcut = key->shortcut();
        seen.insert(captionOf(key), shortcut.toString(QKeySequence::PortableText));
        QApplication::setActiveWindow(&w);  // back from a solver dialog
        w.Command6->click();                // unlocks what the previous key locked
        w.Text1->setFocus();
        QSignalSpy clicked(key, &QPushButton::clicked);
        QTest::keyClick(w.Text1, shortcut[0].key(), shortcut[0].keyboardModifiers());
        // At once, and the key does not take the keyboard from the display.
        QVERIFY2(clicked.count() == 1 && QApplication::focusWidget() != key, qPrintable(captionOf(key)));
    }
    QCOMPARE(seen, keyMap(view));

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

// The keypad in the display: operators step, Enter evaluates, the decimal key
// writes a point; as X11 sends them (keypad modifier) and as Wayland does
// (only the key symbol).
void TestKeyMap::keypad_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<bool>("wayland");
    for (int view : {0, 1})
        for (bool wayland : {false, true})
            QTest::addRow("%s%s", view ? "extend" : "stand", wayland ? " wayland" : "") << view << wayland;
}

void TestKeyMap::keypad()
{
    QFETCH(int, view);
    QFETCH(bool, wayland);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, view);
    const auto key = [&w, wayland](QChar c) {
        wayland ? testkeys::nativeKeypad(w.Text1, c) : testkeys::keypad(w.Text1, c);
    };
    testkeys::type(w.Text1, "12");
    key('+');
    testkeys::type(w.Text1, "3");
    key('*');  // no chaining: 3 * 2
    testkeys::type(w.Text1, "2");
    key('\r');
    QCOMPARE(w.Text1->text(), QString("6"));
    QCOMPARE(w.tape()->text(), QString("12+*2 "));
    for (const QChar point : {QChar(','), QChar('.')}) {
        w.Command6->click();
        testkeys::type(w.Text1, "1");
        key(point);
        testkeys::type(w.Text1, "5");
        QCOMPARE(w.Text1->text(), QString("1.5"));
    }
    key('-');
    key('/');
    testkeys::type(w.Text1, "0");
    key('\r');  // a division by zero: the keypad still works while the keys are locked
    testkeys::type(w.Text1, "4");
    key('-');
    testkeys::type(w.Text1, "1");
    key('\r');
    QCOMPARE(w.Text1->text(), QString("3"));
    QVERIFY(messages.shown.isEmpty());
}

// Tab goes round the keys row by row and back to the display; Space presses
// the focused key and hands the keyboard back to the display.
void TestKeyMap::tabWalksTheRows()
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
    w.Command2[7]->setFocus();
    QSignalSpy clicked(w.Command2[7], &QPushButton::clicked);
    QTest::keyClick(w.Command2[7], Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(QApplication::focusWidget(), w.Text1);  // typing goes on in the display
}

// Tab enters the base options on the chosen base and leaves them at the
// next Tab; the arrow keys choose, converting the display as a click does.
void TestKeyMap::baseOptionsAreOneStop()
{
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, 2);  // base 16
    const auto options = w.findChildren<QRadioButton *>();
    const auto option = [&w](int base) {
        return w.findChild<QRadioButton *>(QStringLiteral("Option1_%1").arg(base == 16 ? 9 : base - 2));
    };
    RUN_SCRIPT(w, "F F");
    QTest::keyClick(w.Text1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), option(16));
    QTest::keyClick(option(16), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), option(10));
    QVERIFY(option(10)->isChecked());
    QCOMPARE(w.Text1->text(), QString("255"));
    QTest::keyClick(option(10), Qt::Key_Left);
    QVERIFY(option(9)->isChecked());
    QCOMPARE(w.Text1->text(), QString("313"));
    QTest::keyClick(option(9), Qt::Key_Tab);
    QVERIFY2(!options.contains(QApplication::focusWidget()), qPrintable(QApplication::focusWidget()->objectName()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), option(9));
    QTest::keyClick(option(9), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
}

// Alt+N opens the Nézet menu, Alt+S the Súgó menu, F1 the contents; no Alt
// combination types, the same keys without Alt do.
void TestKeyMap::menus()
{
    QFETCH(int, view);
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, view);
    const QString suffix = view == 0 ? "" : QString::number(view + 1);
    for (const char *name : {"nezet", "help"}) {
        auto *menu = w.menuBar()->findChild<QMenu *>(name + suffix);
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
    testkeys::type(w.Text1, "5");
    QCOMPARE(w.Text1->text(), QStringLiteral("5"));
}

// A click leaves the keyboard in the display with the caret after the result
// a user reads on; a refusal shows on the keys: only C usable.
void TestKeyMap::clicksLeaveTheDisplayReady()
{
    Application app;
    MessageRecorder messages;
    CalculatorWindow &w = ready(app, 0);
    for (QPushButton *key : {w.Command2[1], w.Command5[3], w.Command2[3], w.Command7}) {
        QTest::mouseClick(key, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w.Text1);
    }
    QCOMPARE(w.Text1->text(), QString("0.333333333333333"));
    QCOMPARE(w.Text1->cursorPosition(), w.Text1->text().size());
    // Pi, e and Inv leave the focus where it is: a click does not take it.
    CalculatorWindow &extend = ready(app, 1);
    for (QPushButton *key : extend.centralWidget()->findChildren<QPushButton *>())
        if (key->text() == "Pi" || key->text() == "Inv") {
            QTest::mouseClick(key, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), extend.Text1);
        }
    w.show();
    QApplication::setActiveWindow(&w);
    for (QPushButton *key : {w.Command5[3], w.Command2[0], w.Command7})
        key->click();
    QStringList usable;
    for (QPushButton *key : w.centralWidget()->findChildren<QPushButton *>())
        if (key->isEnabled())
            usable << key->text();
    QCOMPARE(usable, QStringList{"C"});
    QCOMPARE(w.tape()->text(), QString("Nullával nem lehet osztani! "));
}

QTEST_MAIN(TestKeyMap)
#include "tst_keymap.moc"
