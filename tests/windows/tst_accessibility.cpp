// Assistive technology, in process: the lock after a refusal is announced,
// Tab reaches every part of the help window and the about box's mail link.
// The names, roles and states as a screen reader gets them: tst_atspi.py.
#include "core/module1.h"
#include "help/helpwindow.h"
#include "shell/aboutdialog.h"
#include "stand/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <memory>

static QList<QPair<QObject *, QAccessible::Event>> events;

// The accessible names Tab (or Shift+Tab) visits from `start` until it is back.
static QStringList tabCycle(QWidget *start, Qt::Key key)
{
    QStringList names;
    start->setFocus();
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        if (QApplication::focusWidget() == start)
            return names;
        names << QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name);
    }
    return names << "(no way back)";
}

class TestAccessibility : public QObject {
    Q_OBJECT
    QList<QUrl> mailed;
public slots:
    void mail(const QUrl &url) { mailed << url; }
private slots:
    void lockIsAnnounced();
    void helpByTab();
    void mailLinkByKeyboard();
};

void TestAccessibility::lockIsAnnounced()
{
    // Qt raises accessibility events only over a bridge to assistive
    // technology, which the offscreen platform lacks: tst_atspi runs this on X11.
    const bool bridge = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (bridge)
        QTRY_VERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler([](QAccessibleEvent *e) { events.append({e->object(), e->type()}); });
    core::Module1 m;
    MessageRecorder messages;
    StandWindow w(m);
    RUN_SCRIPT(w, "1 / 0 =");
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(w.Text1->accessibleDescription(), QStringLiteral("Nullával nem lehet osztani!"));
    if (!bridge)
        QSKIP("no accessibility bridge offscreen");
    QVERIFY(events.contains(qMakePair(static_cast<QObject *>(w.tape()), QAccessible::Alert)));
}

void TestAccessibility::helpByTab()
{
    const std::unique_ptr<HelpWindow> viewer = openHelpWindow();
    QVERIFY(viewer && viewer->isReady());
    HelpWindow &help = *viewer;
    help.showContents();
    QApplication::setActiveWindow(help.window());
    QWidget *tabs = help.tabs()->tabBar();
    QCOMPARE(tabCycle(tabs, Qt::Key_Tab), QStringList({"Tartalomjegyzék", "Súgóoldal"}));
    QCOMPARE(tabCycle(tabs, Qt::Key_Backtab), QStringList({"Súgóoldal", "Tartalomjegyzék"}));
    // The page's links by Ctrl+Tab (the first leads to this page), followed by Enter.
    const QUrl start = help.page()->source();
    help.page()->setFocus();
    for (int link = 0; link < 2; ++link)
        QTest::keyClick(help.page(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(help.page(), Qt::Key_Return);
    QVERIFY(help.page()->source() != start);
    help.showSearch();
    for (const QStringList &cycle : {tabCycle(tabs, Qt::Key_Tab), tabCycle(tabs, Qt::Key_Backtab)})
        QVERIFY2(cycle.contains("Keresett szavak") && cycle.contains("Súgóoldal") && cycle.size() <= 6 &&
                     !cycle.contains(QString()),  // nameless stops
                 qPrintable(cycle.join(", ")));
}

void TestAccessibility::mailLinkByKeyboard()
{
    QDesktopServices::setUrlHandler("mailto", this, "mail");
    AboutDialog about;
    about.show();
    QApplication::setActiveWindow(&about);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about.Label5);
    QTest::keyClick(about.Label5, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(mailed, QList<QUrl>({QUrl("mailto:zorvexa@example.org")}));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
