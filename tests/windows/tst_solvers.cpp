// The two solver windows as a user fills them: typed coefficients and sign
// labels go to the rules, the results and the key's caption come back, the
// messages are boxes with the right icon, the focus goes to the first empty
// field; Tab walks the fields in order and Enter in a field solves nothing;
// a coefficient hundreds of digits long is taken whole.
#include "core/module1.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"
#include "support/messagerecorder.h"
#include "support/typing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
// Where Tab takes the focus from `first`, `count` times.
QList<QWidget *> tabStops(QWidget *first, int count)
{
    first->setFocus();
    QList<QWidget *> stops{first};
    while (stops.size() < count) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << QApplication::focusWidget();
    }
    return stops;
}
}  // namespace

class TestSolvers : public QObject {
    Q_OBJECT
private slots:
    void quadratic();
    void linear();
};

void TestSolvers::quadratic()
{
    MessageRecorder recorder;
    MasodfWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    QCOMPARE(w.windowTitle(), QString("Másodfokú egyenlet-megoldás"));
    QCOMPARE(tabStops(w.Text1[0], 6),
             (QList<QWidget *>{w.Text1[0], w.Text1[1], w.Text1[2], w.Command1, w.Text4[0], w.Text4[1]}));
    for (int i = 0; i < 3; ++i)
        testkeys::type(w.Text1[size_t(i)], QStringList{"1", "3", "2"}[i]);
    QTest::mouseClick(w.Label2[1], Qt::LeftButton);
    QTest::keyClick(w.Text1[2], Qt::Key_Return);  // not a default button
    QCOMPARE(w.Command1->text(), QString("Számítás"));
    // A shortcut in a field is no sign: Ctrl+- leaves the sign alone.
    QTest::keyClick(w.Text1[2], Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(w.Label2[2]->text(), QString("+"));
    w.Command1->click();
    QCOMPARE(w.Text4[0]->text() + "|" + w.Text4[1]->text() + "|" + w.Command1->text(), QString("2|1|Újra"));
    for (QLineEdit *root : w.Text4) {  // only the solver writes the roots
        root->setFocus();
        QTest::keyClicks(root, "5");
    }
    QCOMPARE(w.Text4[0]->text() + "|" + w.Text4[1]->text(), QString("2|1"));
    // "Újra" from the keyboard: the keyboard goes to the first field, so the
    // next equation is typed at once.
    w.Command1->setFocus();
    QTest::keyClick(w.Command1, Qt::Key_Space);
    QCOMPARE(w.Text1[0]->text() + w.Text4[0]->text() + w.Label2[1]->text() + w.Command1->text(), QString("+Számítás"));
    QCOMPARE(QApplication::focusWidget(), w.Text1[0]);
    QTest::keyClicks(QApplication::focusWidget(), "2");
    QCOMPARE(w.Text1[0]->text(), QString("2"));
    w.Command1->setFocus();
    QTest::keyClick(w.Command1, Qt::Key_Space);
    QCOMPARE(recorder.shown.size(), 1);
    QCOMPARE(recorder.shown[0].text, QString("Minden együtthatót meg kell adnod!"));
    QCOMPARE(recorder.shown[0].icon, messages::Icon::Exclamation);
    QCOMPARE(w.Text1[0]->text(), QString());
    // The message cleared the equation: typing starts it again.
    QCOMPARE(QApplication::focusWidget(), w.Text1[0]);
    // Coefficients of 341 digits, far past a double, typed whole: the roots are those of x² + x - 1.
    const QString huge = "1" + QString(340, '0');
    for (int i = 0; i < 3; ++i)
        testkeys::type(w.Text1[size_t(i)], huge);
    QTest::mouseClick(w.Label2[2], Qt::LeftButton);
    w.Command1->click();
    QCOMPARE(w.Text4[0]->text() + "|" + w.Text4[1]->text(), QString(".618033988749895|-1.61803398874989"));
    QCOMPARE(recorder.shown.size(), 1);
    w.Command1->click();  // Újra
    // A message of the solution clears it too; shown roots keep the keyboard on the key.
    for (int i = 0; i < 3; ++i)
        testkeys::type(w.Text1[size_t(i)], QStringList{"2", "0", "8"}[i]);
    w.Command1->setFocus();
    QTest::keyClick(w.Command1, Qt::Key_Space);
    QCOMPARE(recorder.texts().last(), QString("Nincs valós gyök!"));
    QCOMPARE(recorder.shown.last().icon, messages::Icon::Exclamation);
    QCOMPARE(QApplication::focusWidget(), w.Text1[0]);
    for (int i = 0; i < 3; ++i)
        testkeys::type(w.Text1[size_t(i)], QStringList{"1", "0", "0"}[i]);
    w.Command1->setFocus();
    QTest::keyClick(w.Command1, Qt::Key_Space);
    QCOMPARE(w.Command1->text(), QString("Újra"));
    QCOMPARE(QApplication::focusWidget(), w.Command1);
}

void TestSolvers::linear()
{
    MessageRecorder recorder;
    core::Module1 m;
    LinearWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);
    QCOMPARE(w.windowTitle(), QString("Egyenletrendszer-megoldás"));
    QCOMPARE(w.Label4[0]->text() + "|" + w.Label4[1]->text(), QString("x =|y ="));
    QVERIFY(w.Label4[0]->x() < w.Label4[1]->x());
    QCOMPARE(tabStops(w.Text1[1], 9), (QList<QWidget *>{w.Text1[1], w.Text1[2], w.Text1[3], w.Text1[4], w.Text1[5],
                                                        w.Text1[6], w.Text1[7], w.Text1[8], w.Command1}));
    const char *typed[] = {"", "1", "1", "1", "1", "3", ""};  // a1 b1 a2 b2 c1; c2 left empty
    for (int k = 1; k <= 5; ++k)
        testkeys::type(w.Text1[size_t(k)], typed[k]);
    QTest::mouseClick(w.Label1[4], Qt::LeftButton);
    w.Command1->click();
    QCOMPARE(recorder.texts(), QStringList{"Nem adott meg minden együtthatót!"});
    QCOMPARE(recorder.shown[0].icon, messages::Icon::None);
    QCOMPARE(QApplication::focusWidget(), w.Text1[6]);
    testkeys::type(w.Text1[6], "1");
    w.Command1->click();
    QCOMPARE(w.Text1[7]->text() + "|" + w.Text1[8]->text() + "|" + w.Command1->text(), QString(" 2| 1|Újra"));
    for (int k : {7, 8}) {  // only the solver writes the results
        w.Text1[size_t(k)]->setFocus();
        QTest::keyClicks(w.Text1[size_t(k)], "5");
    }
    QCOMPARE(w.Text1[7]->text() + "|" + w.Text1[8]->text(), QString(" 2| 1"));
    w.Command1->click();
    QCOMPARE(w.Text1[1]->text() + w.Text1[7]->text() + w.Label1[4]->text(), QString("+"));
    QCOMPARE(QApplication::focusWidget(), w.Text1[1]);
}

QTEST_MAIN(TestSolvers)
#include "tst_solvers.moc"
