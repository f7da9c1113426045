// The Súgó menu: a look at the help keeps the pending operation; the help's
// private copy goes with Ctrl+C (SIGINT), or, left by a killed instance, at
// the next start; the pages say what the program does; the about box names
// the licence.
#include "shell/aboutdialog.h"
#include "shell/application.h"
#include "shell/helpviewer.h"
#include "standard/standwindow.h"
#include "support/script.h"

#include <QApplication>
#include <QDir>
#include <QHelpEngine>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <csignal>

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void backFromTheHelpThenCtrlC();
    void killedInstancesCopy();
    void pages();
    void licence();
};

// "12 +", F1, back to the calculator, "3 =" gives 15; then Ctrl+C ends the
// program, which removes the help's copy.
void TestHelpMenu::backFromTheHelpThenCtrlC()
{
    QString copy;
    {
        Application app;
        app.start();
        StandWindow &w = app.stand();
        RUN_SCRIPT(w, app.state(), "1 2 +");
        QTest::keyClick(w.Text1, Qt::Key_F1);
        QVERIFY(app.helpViewer() && app.helpViewer()->isVisible());
        QApplication::setActiveWindow(app.helpViewer());
        QApplication::setActiveWindow(&w);
        RUN_SCRIPT(w, app.state(), "3 =");
        QCOMPARE(w.Text1->text() + "|" + w.tape()->text(), "15|12+3 ");
        copy = app.helpViewer()->workFolder();
        QTimer::singleShot(0, [] { std::raise(SIGINT); });
        QTimer::singleShot(10000, [] { QApplication::exit(7); });  // not ended: the test fails
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(QDir(copy).exists());
    }
    QVERIFY(!QDir(copy).exists());
}

// A copy whose owner was killed (SIGKILL) and one whose owner runs (this
// test), then the real program started in that temporary folder, and ended
// by SIGINT.
void TestHelpMenu::killedInstancesCopy()
{
    const QString program = QCoreApplication::applicationDirPath() + "/zorvexa";
    QVERIFY2(QFile::exists(program), "the zorvexa program is not built");
    QTemporaryDir scratch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", scratch.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess killed, zorvexa;
    killed.setProcessEnvironment(environment);
    killed.start(QCoreApplication::applicationFilePath(), {"--leave-help-copy"});
    QVERIFY(killed.waitForFinished(20000) && killed.exitStatus() == QProcess::CrashExit);
    const QStringList leftOver = QDir(scratch.path()).entryList({"zorvexa-help-*"}, QDir::Dirs);
    QCOMPARE(leftOver.size(), 1);
    qputenv("TMPDIR", scratch.path().toLocal8Bit());
    HelpViewer mine;
    qunsetenv("TMPDIR");
    QVERIFY(mine.workFolder().startsWith(scratch.path()));
    zorvexa.setProcessEnvironment(environment);
    zorvexa.start(program, {});
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(scratch.filePath(leftOver.first())).exists(), 20000);
    QVERIFY(QDir(mine.workFolder()).exists());
    ::kill(pid_t(zorvexa.processId()), SIGINT);
    QVERIFY(zorvexa.waitForFinished(10000));
    QCOMPARE(zorvexa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zorvexa.exitCode(), 0);
}

// The built pages on the "-" inside a number, the small results, results
// from the shown decimals, the fraction rule and the keys.
void TestHelpMenu::pages()
{
    HelpViewer viewer;
    const QList<QPair<QString, QStringList>> says{
        {"index", {"--5", "0.000000000000001", ".795851", "F1, vissza a számológéphez, 3 = eredménye 15"}},
        {"egyszeru", {"5-3 és a --5 a „Számjegyeket írjon be!”", "0.000000000000001", ".795851"}},
        {"bovitett", {"(5-3, --5)", "0.000000000000001", "2617010996188.4"}},
        {"informatikai", {"1.1-ből a „16” választásakor 1.5 lesz", "0.000000000000001", "tizedes billentyűje itt is"}},
        {"masodfoku", {"1, Tab, -3, Tab, 2"}},
        {"billentyuk", {"Mindhárom nézetben pontot ír", "Ctrl+Shift+Q", "Ctrl+Enter"}}};
    for (const auto &[page, phrases] : says) {
        QTextDocument document;
        document.setHtml(
            QString::fromUtf8(viewer.engine()->fileData("qthelp://hu.zorvexa.help/doc/" + page + ".html")));
        const QString text = document.toPlainText().simplified();
        QVERIFY2(!text.contains("értéke 5") && !text.contains("bárhol elfogadja"), qPrintable(page));
        for (const QString &phrase : phrases)
            QVERIFY2(text.contains(phrase), qPrintable(page + ": " + phrase));
    }
}

void TestHelpMenu::licence()
{
    AboutDialog about;
    QStringList texts;
    for (const QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    QVERIFY2(!texts.join(' ').contains("jog"), qPrintable(texts.join('|')));
    QCOMPARE(about.Label4->text(),
             QString::fromUtf8("© 2026 Zorvexa.\nSzabad szoftver: GNU GPL 3. vagy későbbi változat."));
    QVERIFY(about.Label4->heightForWidth(about.Label4->width()) <= about.Label4->height());  // no line cut
    QVERIFY(about.rect().contains(about.Label4->geometry()));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--leave-help-copy") {  // the killed instance
        HelpViewer viewer;
        std::raise(viewer.isReady() ? SIGKILL : SIGTERM);
    }
    TestHelpMenu test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_helpmenu.moc"
