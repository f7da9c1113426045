// Ending the application: Kilépés in every window, and closing the visible
// calculator window from its frame.
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shelldriver.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"

Q_DECLARE_METATYPE(View)

namespace {
// Ends a loop that nothing else ended, with 1; gone with the test.
struct SafetyNet {
    QTimer timer;
    SafetyNet()
    {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [] { QApplication::exit(1); });
        timer.start(5000);
    }
};
}  // namespace

class TestQuit : public QObject {
    Q_OBJECT
private slots:
    void quitItemEnds_data();
    void quitItemEnds();
    void closingTheVisibleWindowEnds();
    void switchingDoesNotEnd();
};

void TestQuit::quitItemEnds_data()
{
    QTest::addColumn<View>("view");
    QTest::addColumn<QString>("item");
    QTest::newRow("stand") << View::Standard << "quit";
    QTest::newRow("extend") << View::Extended << "quit2";
    QTest::newRow("infos") << View::Informatics << "quit3";
}

void TestQuit::quitItemEnds()
{
    QFETCH(View, view);
    QFETCH(QString, item);
    MessageRecorder recorder;
    Application app;
    app.start();
    if (view != View::Standard)
        app.switchView(View::Standard, view);
    QTimer::singleShot(0, [&] { triggerItem(app.window(view), item); });
    SafetyNet net;
    QCOMPARE(QApplication::exec(), 0);
}

void TestQuit::closingTheVisibleWindowEnds()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    app.switchView(View::Standard, View::Informatics);
    QTimer::singleShot(0, [&] { app.infos().close(); });
    SafetyNet net;
    QCOMPARE(QApplication::exec(), 0);
}

void TestQuit::switchingDoesNotEnd()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QTimer::singleShot(0, [&] {
        app.switchView(View::Standard, View::Extended);
        app.switchView(View::Extended, View::Standard);
    });
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, [] { QApplication::exit(7); });
    end.start(300);
    QCOMPARE(QApplication::exec(), 7);
    QVERIFY(app.stand().isVisible());
}

QTEST_MAIN(TestQuit)
#include "tst_quit.moc"
