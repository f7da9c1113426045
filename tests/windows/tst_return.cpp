// Coming back to a calculator window: after a message box a key raised, the
// keyboard is in the display again (real boxes, closed by a timer); after a
// look at the help, the pending operation is still there.
#include "core/module1.h"
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/application.h"
#include "shell/helpviewer.h"
#include "standard/standwindow.h"
#include "support/script.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class TestReturn : public QObject {
    Q_OBJECT
private slots:
    void focusAfterABox_data();
    void focusAfterABox();
    void fromTheHelp();
};

void TestReturn::focusAfterABox_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("keys");  // "m:<base>" clicks a base option with the mouse
    QTest::addColumn<QString>("box");
    const QString digits = QString::fromUtf8("Számjegyeket írjon be!");
    QTest::newRow("typed letter") << 0 << "t:5x" << digits;
    QTest::newRow("result refused") << 1 << "t:99999999 * t:99999999 =" << digits;
    QTest::newRow("fraction") << 2 << "b:2 t:1.1 m:16" << QString::fromUtf8("Törtszámokat nem tudok átváltani! (Egyelőre)");
    QTest::newRow("too large") << 2 << "b:2 t:" + QString(54, '1') + " m:10"
                               << QString::fromUtf8("A szám túl nagy az átváltáshoz!");
}

void TestReturn::focusAfterABox()
{
    QFETCH(int, view);
    QFETCH(QString, keys);
    QFETCH(QString, box);
    Module1 m;
    std::unique_ptr<CalculatorWindow> w;
    view == 0 ? w.reset(new StandWindow(m)) : view == 1 ? w.reset(new ExtendWindow(m)) : w.reset(new InfosWindow(m));
    w->show();
    QApplication::setActiveWindow(w.get());
    QStringList shown;
    QTimer closer;  // the user reads the box and presses OK
    connect(&closer, &QTimer::timeout, [&shown] {
        if (auto *open = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            shown << open->text(), open->accept();
    });
    closer.start(5);
    for (const QString &word : keys.split(' ')) {
        for (QRadioButton *option : w->findChildren<QRadioButton *>())
            if (word.startsWith("m:") && option->text() == word.mid(2))
                QTest::mouseClick(option, Qt::LeftButton);
        if (!word.startsWith("m:"))
            RUN_SCRIPT(*w, m, word);
    }
    QCOMPARE(shown.value(0), box);
    QCOMPARE(QApplication::focusWidget(), w->Text1);
    QCOMPARE(w->Text1->cursorPosition(), w->Text1->text().size());
}

// "12 +", F1, back to the calculator, "3 =": the help kept the operation.
void TestReturn::fromTheHelp()
{
    Application app;
    app.start();
    StandWindow &w = app.stand();
    RUN_SCRIPT(w, app.state(), "1 2 +");
    QTest::keyClick(w.Text1, Qt::Key_F1);
    QVERIFY(app.helpViewer() && app.helpViewer()->isVisible());
    QApplication::setActiveWindow(app.helpViewer());
    QApplication::setActiveWindow(&w);
    QVERIFY(w.isActiveWindow());
    RUN_SCRIPT(w, app.state(), "3 =");
    QCOMPARE(w.Text1->text() + "|" + w.tape()->text(), "15|12+3 ");
}

QTEST_MAIN(TestReturn)
#include "tst_return.moc"
