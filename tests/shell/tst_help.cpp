// Help: the collection built with the application, contents and search.
#include "shell/helpfiles.h"
#include "shell/helpviewer.h"
#include "shelldriver.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"

#include <QFile>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextBrowser>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void contentsOpenFromTheMenu();
    void searchFindsWholeWordsWithoutAccents_data();
    void searchFindsWholeWordsWithoutAccents();
    void missingHelpFileIsReported();
};

void TestHelp::contentsOpenFromTheMenu()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    QVERIFY(!helpfiles::findHelpFolder().isEmpty());
    QVERIFY(triggerItem(app.stand(), "tart"));
    HelpViewer *viewer = app.helpViewer();
    QVERIFY(viewer && viewer->isReady());
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->tabs()->currentIndex(), 0);
    QVERIFY(viewer->page()->toPlainText().contains("Zorvexa"));
    QVERIFY(recorder.shown.isEmpty());

    QVERIFY(triggerItem(app.stand(), "keres"));
    QCOMPARE(viewer->tabs()->currentIndex(), 1);
    QApplication::setActiveWindow(viewer);
    auto *words = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(words);
    QVERIFY(viewer->isAncestorOf(words));
    QVERIFY(triggerItem(app.stand(), "index"));
    QCOMPARE(viewer->tabs()->currentIndex(), 0);
}

void TestHelp::searchFindsWholeWordsWithoutAccents_data()
{
    QTest::addColumn<QString>("words");
    QTest::newRow("accented") << QString::fromUtf8("memória");
    QTest::newRow("without accents") << "memoria";
    QTest::newRow("prefix") << QString::fromUtf8("gyök*");
    QTest::newRow("message word") << "tizedespont";
}

void TestHelp::searchFindsWholeWordsWithoutAccents()
{
    QFETCH(QString, words);
    HelpViewer viewer;
    QVERIFY(viewer.isReady());
    QHelpSearchEngine *search = viewer.engine()->searchEngine();
    QSignalSpy done(search, &QHelpSearchEngine::searchingFinished);
    viewer.search(words);
    QVERIFY(done.wait(20000));
    QVERIFY2(search->searchResultCount() > 0, qPrintable(words));
}

void TestHelp::missingHelpFileIsReported()
{
    MessageRecorder recorder;
    const QString file = helpfiles::findHelpFolder() + "/" + helpfiles::kDocumentationFile;
    const QString aside = file + ".aside";
    QVERIFY(QFile::rename(file, aside));
    struct Restore {
        QString from, to;
        ~Restore() { QFile::rename(from, to); }
    } restore{aside, file};

    Application app;
    app.start();
    QVERIFY(triggerItem(app.stand(), "tart"));
    QCOMPARE(recorder.texts(), QStringList{Application::kHelpMissing});
    QCOMPARE(recorder.shown.at(0).icon, messages::Icon::Exclamation);
    // The calculator goes on.
    app.stand().Command2[4]->click();
    QCOMPARE(app.stand().Text1->text(), QString("4"));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
