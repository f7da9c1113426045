// Assistive technology, in process: the lock after a refusal is announced,
// Tab reaches every part of the help window and the about box's mail link.
// The names, roles and states as a screen reader gets them: tst_atspi.py.
#include "core/module1.h"
#include "shell/aboutdialog.h"
#include "shell/helpviewer.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

namespace {
QList<QPair<QObject *, QAccessible::Event>> events;
void record(QAccessibleEvent *event) { events.append({event->object(), event->type()}); }

QString focusName()
{
    QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    return focus ? focus->text(QAccessible::Name) : QString();
}

// The accessible names Tab (or Shift+Tab) visits, from `start`, until it comes back.
QStringList tabCycle(QWidget *start, bool forward)
{
    QStringList names;
    start->setFocus();
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
        if (QApplication::focusWidget() == start)
            return names;
        names << focusName();
    }
    return names << "(no way back)";
}
}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
public slots:
    void mail(const QUrl &url) { mailed << url; }

private slots:
    void lockIsAnnounced();
    void helpByTab();
    void mailLinkByKeyboard();

private:
    QList<QUrl> mailed;
};

void TestAccessibility::lockIsAnnounced()
{
    // Qt raises accessibility events only over a bridge to assistive
    // technology, which the offscreen platform lacks: tst_atspi runs this on X11.
    const bool bridge = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (bridge)
        QTRY_VERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(record);
    Module1 m;
    MessageRecorder messages;
    StandWindow w(m);
    RUN_SCRIPT(w, m, "1 / 0 =");
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(w.Text1->accessibleDescription(), QStringLiteral("Nullával nem lehet osztani!"));
    if (!bridge)
        QSKIP("no accessibility bridge offscreen");
    QVERIFY(events.contains(qMakePair(static_cast<QObject *>(w.tape()), QAccessible::Alert)));
}

void TestAccessibility::helpByTab()
{
    HelpViewer help;
    QVERIFY(help.isReady());
    help.showContents();
    QApplication::setActiveWindow(&help);
    QWidget *tabs = help.tabs()->tabBar();
    QCOMPARE(tabCycle(tabs, true), QStringList({"Tartalomjegyzék", "Súgóoldal"}));
    QCOMPARE(tabCycle(tabs, false), QStringList({"Súgóoldal", "Tartalomjegyzék"}));
    // The page's links by Ctrl+Tab (the first leads to this page), followed by Enter.
    const QUrl start = help.page()->source();
    help.page()->setFocus();
    for (int link = 0; link < 2; ++link)
        QTest::keyClick(help.page(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(help.page(), Qt::Key_Return);
    QVERIFY(help.page()->source() != start);
    help.showSearch();
    const QStringList forward = tabCycle(tabs, true), backward = tabCycle(tabs, false);
    for (const QStringList &cycle : {forward, backward}) {
        QVERIFY2(cycle.contains("Keresett szavak") && cycle.contains("Súgóoldal") && cycle.size() <= 6,
                 qPrintable(cycle.join(", ")));
        QVERIFY2(!cycle.contains(QString()), qPrintable(cycle.join(", ")));  // nameless stops
    }
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
