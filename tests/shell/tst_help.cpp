// Help: the collection built with the application, contents and search, in
// unusual set-ups: no home, a home or an installation that cannot be
// written, two instances, a missing or damaged documentation file.
#include "shell/application.h"
#include "shell/helpfiles.h"
#include "shell/helpviewer.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <memory>

namespace {

// Searches and waits for the result; the number of hits.
int searchFor(HelpViewer &viewer, const QString &words)
{
    QHelpSearchEngine *search = viewer.engine()->searchEngine();
    QSignalSpy done(search, &QHelpSearchEngine::searchingFinished);
    viewer.search(words);
    if (!done.wait(20000))
        return -1;
    return search->searchResultCount();
}

// Every entry of a folder, hidden ones included, with size, time and content.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        const QByteArray digest = info.isFile() && file.open(QIODevice::ReadOnly)
                                      ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()
                                      : QByteArray();
        entries << QStringLiteral("%1 %2 %3 %4").arg(info.fileName()).arg(info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch()).arg(QLatin1String(digest));
    }
    return entries;
}

// Puts a documentation file aside for one test and brings it back.
struct FileAside {
    explicit FileAside(const QString &path) : path(path) { ok = QFile::rename(path, path + ".aside"); }
    ~FileAside()
    {
        QFile::remove(path);
        QFile::rename(path + ".aside", path);
    }
    QString path;
    bool ok = false;
};

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void contentsOpenFromTheMenu();
    void searchIgnoresAccents_data();
    void searchIgnoresAccents();
    void searchSpeaksHungarian();
    void escapeAndCtrlWClose();
    void worksWithoutAWritableHome_data();
    void worksWithoutAWritableHome();
    void installationIsNeverWritten();
    void twoInstancesKeepTheirOwnCopies();
    void brokenHelpFileIsNamed_data();
    void brokenHelpFileIsNamed();
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
    QVERIFY2(searchFor(viewer, words) > 0, qPrintable(words));
}

void TestHelp::searchSpeaksHungarian()
{
    HelpViewer viewer;
    QCOMPARE(searchFor(viewer, "xylofonzenekar"), 0);
    auto *results = viewer.engine()->searchEngine()->resultWidget()->findChild<QTextBrowser *>();
    QVERIFY(results);
    const QString shown = results->toPlainText();
    QVERIFY2(shown.contains(QString::fromUtf8("A keresés nem hozott eredményt.")), qPrintable(shown));
    QVERIFY2(!shown.contains("search"), qPrintable(shown));
}

void TestHelp::escapeAndCtrlWClose()
{
    HelpViewer viewer;
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_W, Qt::ControlModifier}}) {
        viewer.showSearch();
        QApplication::setActiveWindow(&viewer);
        QVERIFY(viewer.isVisible());
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);  // from the words to look for
        QVERIFY(!viewer.isVisible());
    }
}

void TestHelp::worksWithoutAWritableHome_data()
{
    QTest::addColumn<bool>("unset");
    QTest::newRow("HOME unset") << true;
    QTest::newRow("home not writable") << false;  // a file, so not even root writes under it
}

void TestHelp::worksWithoutAWritableHome()
{
    QFETCH(bool, unset);
    const QByteArray home = qgetenv("HOME");
    QTemporaryDir scratch;
    QFile blocker(scratch.filePath("home"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(QFile::setPermissions(blocker.fileName(), QFile::ReadOwner));
    if (unset)
        qunsetenv("HOME");
    else
        qputenv("HOME", blocker.fileName().toLocal8Bit());
    const QStringList rootBefore = QDir("/").entryList(QDir::AllEntries | QDir::Hidden);
    {
        MessageRecorder recorder;
        Application app;
        app.start();
        app.stand().findChild<QAction *>("tart")->trigger();
        QVERIFY(recorder.shown.isEmpty());
        HelpViewer *viewer = app.helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->page()->toPlainText().contains("Zorvexa"));
        QVERIFY(searchFor(*viewer, "memória") > 0);  // the index is written in the private copy
        QVERIFY2(viewer->workFolder().startsWith(QDir::tempPath() + "/"), qPrintable(viewer->workFolder()));
    }
    qputenv("HOME", home);
    QCOMPARE(QDir("/").entryList(QDir::AllEntries | QDir::Hidden), rootBefore);
}

void TestHelp::installationIsNeverWritten()
{
    const QString folder = helpfiles::findHelpFolder();
    QVERIFY(!folder.isEmpty());
    const QStringList before = snapshot(folder);
    QString work;
    {
        HelpViewer viewer;
        work = viewer.workFolder();
        QVERIFY(searchFor(viewer, "memória") > 0);
        viewer.showContents();
        QVERIFY(!work.startsWith(folder) && QDir(work).exists());
    }
    QCOMPARE(snapshot(folder), before);
    QVERIFY(!QDir(work).exists());  // an instance removes its own copy
}

void TestHelp::twoInstancesKeepTheirOwnCopies()
{
    auto first = std::make_unique<HelpViewer>();
    HelpViewer second;
    QVERIFY(first->isReady() && second.isReady());
    QVERIFY(first->workFolder() != second.workFolder());
    QVERIFY(searchFor(*first, "memória") > 0);
    const QString firstFolder = first->workFolder();
    first.reset();
    QVERIFY(!QDir(firstFolder).exists());
    // The one left still reads and searches its files.
    QVERIFY(QFile::exists(QDir(second.workFolder()).filePath(helpfiles::kDocumentationFile)));
    QVERIFY(searchFor(second, "memoria") > 0);
    second.showContents();
    QVERIFY(second.page()->toPlainText().contains("Zorvexa"));
}

void TestHelp::brokenHelpFileIsNamed_data()
{
    QTest::addColumn<qint64>("keptBytes");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << qint64(-1) << QString::fromUtf8("hiányzik");
    QTest::newRow("truncated") << qint64(16384) << QString::fromUtf8("sérült");
    QTest::newRow("empty") << qint64(0) << QString::fromUtf8("sérült");
}

void TestHelp::brokenHelpFileIsNamed()
{
    QFETCH(qint64, keptBytes);
    QFETCH(QString, cause);
    const QString file = helpfiles::findHelpFolder() + "/" + helpfiles::kDocumentationFile;
    FileAside aside(file);
    QVERIFY(aside.ok);
    if (keptBytes >= 0) {
        QFile whole(file + ".aside");
        QFile cut(file);
        QVERIFY(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(keptBytes));
    }

    MessageRecorder recorder;
    Application app;
    app.start();
    app.stand().findChild<QAction *>("tart")->trigger();
    QCOMPARE(recorder.shown.size(), 1);
    const QString text = recorder.shown.at(0).text;
    QVERIFY2(text.contains("zorvexa.qch") && text.contains(cause), qPrintable(text));
    QCOMPARE(recorder.shown.at(0).icon, messages::Icon::Exclamation);
    QVERIFY(!app.helpViewer() || !app.helpViewer()->isVisible());
    for (QWidget *window : QApplication::topLevelWidgets())  // never an empty help window
        QVERIFY(!window->isVisible() || window == &app.stand());
    app.stand().Command2[4]->click();  // the calculator goes on
    QCOMPARE(app.stand().Text1->text(), QString("4"));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
