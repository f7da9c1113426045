// Help: the collection built with the application, contents and search.
#include "shared/texts.h"
#include "shell/application.h"
#include "shell/helpfiles.h"
#include "shell/helpviewer.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void contentsOpenFromTheMenu();
    void searchIgnoresAccents_data();
    void searchIgnoresAccents();
    void missingHelpFileIsReported();
};

void TestHelp::contentsOpenFromTheMenu()
{
    MessageRecorder recorder;
    Application app;
    app.start();
    app.stand().findChild<QAction *>("tart")->trigger();
    HelpViewer *viewer = app.helpViewer();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->tabs()->currentIndex(), 0);
    QVERIFY(viewer->page()->toPlainText().contains("Zorvexa"));
    QVERIFY(recorder.shown.isEmpty());

    app.stand().findChild<QAction *>("keres")->trigger();  // straight to the words to look for
    QCOMPARE(viewer->tabs()->currentIndex(), 1);
    QApplication::setActiveWindow(viewer);
    auto *words = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(words && viewer->isAncestorOf(words));
    app.stand().findChild<QAction *>("index")->trigger();
    QCOMPARE(viewer->tabs()->currentIndex(), 0);
}

void TestHelp::searchIgnoresAccents_data()
{
    QTest::addColumn<QString>("words");
    QTest::newRow("accented") << QString::fromUtf8("memória");
    QTest::newRow("without accents") << "memoria";
}

void TestHelp::searchIgnoresAccents()
{
    QFETCH(QString, words);
    HelpViewer viewer;
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
    QVERIFY(QFile::rename(file, file + ".aside"));
    struct Restore {
        QString file;
        ~Restore() { QFile::rename(file + ".aside", file); }
    } restore{file};

    Application app;
    app.start();
    app.stand().findChild<QAction *>("tart")->trigger();
    QCOMPARE(recorder.texts(), QStringList{texts::kHelpMissing});
    QCOMPARE(recorder.shown.at(0).icon, messages::Icon::Exclamation);
    app.stand().Command2[4]->click();  // the calculator goes on
    QCOMPARE(app.stand().Text1->text(), QString("4"));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
