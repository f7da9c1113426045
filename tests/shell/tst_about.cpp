// The about box: contents, pictures, the mail link.
#include "shell/aboutdialog.h"
#include "support/messagerecorder.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

class MailCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void contents();
    void mailLinkGoesToTheDesktop();
    void noMailProgramGivesNoMessage();
    void okCloses();
};

void TestAbout::contents()
{
    AboutDialog about;
    QCOMPARE(about.windowTitle(), QString::fromUtf8("Névjegy"));
    QCOMPARE(about.size(), QSize(404, 300));
    QCOMPARE(about.Label2->text(), QString("Zorvexa-program"));
    QCOMPARE(about.Label3->text(), QString::fromUtf8("1.0.0 változat"));
    QVERIFY(about.Label3->alignment() & Qt::AlignRight);
    QCOMPARE(about.Label5->text(), "E-Mail: " + AboutDialog::kContactAddress);
    QVERIFY(about.Label5->font().bold());
    QCOMPARE(about.Label5->font().pointSizeF(), 9.75);
    QVERIFY(!about.Label4->text().isEmpty());
    QVERIFY(!about.Label1->text().isEmpty());
    QCOMPARE(about.Command1->text(), QString("OK"));
    QCOMPARE(about.Picture1->pixmap().size(), QSize(150, 50));
    QCOMPARE(about.Picture2->pixmap().size(), QSize(103, 65));
    QCOMPARE(about.Picture1->geometry(), QRect(8, 8, 161, 57));
    QCOMPARE(about.Command1->geometry(), QRect(336, 216, 41, 65));
    // No hand.cur beside the test: the system's pointing hand.
    QCOMPARE(about.Label5->cursor().shape(), Qt::PointingHandCursor);
}

void TestAbout::mailLinkGoesToTheDesktop()
{
    MessageRecorder recorder;
    MailCatcher catcher;
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    AboutDialog about;
    about.show();
    QTest::mouseClick(about.Label5, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl("mailto:" + AboutDialog::kContactAddress)});
    QVERIFY(recorder.shown.isEmpty());
    QTest::mouseClick(about.Label2, Qt::LeftButton);
    QCOMPARE(catcher.opened.size(), 1);
}

void TestAbout::noMailProgramGivesNoMessage()
{
    MessageRecorder recorder;
    AboutDialog about;
    about.Label5_Click();  // nothing handles mailto: offscreen
    QVERIFY(recorder.shown.isEmpty());
}

void TestAbout::okCloses()
{
    AboutDialog about;
    about.show();
    QApplication::setActiveWindow(&about);
    const QRect screen = about.screen()->geometry();
    QVERIFY(qAbs(about.frameGeometry().center().x() - screen.center().x()) <= 1);
    about.Command1->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
