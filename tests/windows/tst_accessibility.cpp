// Assistive technology, in process: the changes a screen reader would not
// read out by itself are announced.
// The names, roles and states as a screen reader gets them: tst_atspi.py.
#include "core/module1.h"
#include "extend/extendwindow.h"
#include "stand/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

// The words of every notification shown, as assistive technology gets them.
static QStringList announced;

static void recordAnnouncement(QAccessibleEvent *event)
{
    QAccessibleInterface *shown = event->type() == QAccessible::ObjectShow ? event->accessibleInterface() : nullptr;
    if (shown && shown->role() == QAccessible::Notification)
        announced << shown->text(QAccessible::Name);
}

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void changesAreAnnounced_data();
    void changesAreAnnounced();
};

void TestAccessibility::changesAreAnnounced_data()
{
    QTest::addColumn<bool>("scientific");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("words");
    // A key clicked (by Space, its shortcut or the mouse) tells the new value;
    // typing into the display tells nothing, a screen reader echoes it.
    QTest::newRow("keys") << false << "7 2 + 5 =" << QStringList{"7", "72", "Kijelző: üres", "5", "77"};
    QTest::newRow("typed") << false << "t:72" << QStringList{};
    const QStringList lock{"1", "Kijelző: üres", "0", "Nullával nem lehet osztani!"};
    QTest::newRow("lock") << false << "1 / 0 =" << lock;
    QTest::newRow("memory") << false << "5 M+ M+ MC MC" << QStringList{"5", "Memória: tárol értéket", "Memória: üres"};
    QTest::newRow("Inv") << true << "9 Inv CLR" << QStringList{"9", "Inverz be", "Kijelző: üres, Inverz ki"};
}

// What the window's notification says now, as assistive technology reads it.
static QString notice(QWidget &window)
{
    for (QWidget *part : window.findChildren<QWidget *>()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(part);
        if (face && face->role() == QAccessible::Notification && !face->state().invisible)
            return face->text(QAccessible::Name);
    }
    return QString();
}

void TestAccessibility::changesAreAnnounced()
{
    QFETCH(bool, scientific);
    QFETCH(QString, script);
    QFETCH(QStringList, words);
    // Qt raises accessibility events only over a bridge to assistive
    // technology, which the offscreen platform lacks: tst_atspi runs this on
    // X11 for every announcement; offscreen, the last one is read back.
    const bool bridge = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (bridge)
        QTRY_VERIFY(QAccessible::isActive());
    core::Module1 m;
    MessageRecorder messages;
    std::unique_ptr<CalculatorWindow> w;
    if (scientific)
        w = std::make_unique<ExtendWindow>(m);
    else
        w = std::make_unique<StandWindow>(m);
    w->show();
    QApplication::setActiveWindow(w.get());  // the typing's window, with no window manager to say so
    announced.clear();
    QAccessible::installUpdateHandler(recordAnnouncement);
    RUN_SCRIPT(*w, script);
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(notice(*w), words.value(words.size() - 1));
    if (bridge)
        QCOMPARE(announced, words);
    if (script.endsWith("1 / 0 ="))
        QCOMPARE(w->Text1->accessibleDescription(), QStringLiteral("Nullával nem lehet osztani!"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
