// The about box names the program's licence, GPL-3.0-or-later, in
// Hungarian, whole; it claims no other rights.
#include "shell/aboutdialog.h"

#include <QLabel>
#include <QTest>

class TestLicence : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxNamesTheLicence();
};

void TestLicence::aboutBoxNamesTheLicence()
{
    AboutDialog about;
    about.show();
    QStringList texts;
    for (const QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    QVERIFY2(!texts.join(' ').contains("jog"), qPrintable(texts.join('|')));
    const QString notice = QString::fromUtf8("© 2026 Zorvexa.\nSzabad szoftver: GNU GPL 3. vagy későbbi változat.");
    const QLabel *label = about.Label4;
    QCOMPARE(label->text(), notice);
    // Every line on the box, none cut.
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
    QVERIFY(about.rect().contains(label->geometry()));
}

QTEST_MAIN(TestLicence)
#include "tst_licence.moc"
