// The sign in front of a solver's coefficient without a mouse: "-" or "+"
// typed in the coefficient's field sets it, and assistive technology sees a
// button it can press. Tab still goes from field to field.
#include "core/module1.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"
#include "support/messagerecorder.h"
#include "support/typing.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestSigns : public QObject {
    Q_OBJECT
private slots:
    void quadraticFromTheKeyboard();
    void linearSignStaysInItsField();
    void pressedByAssistiveTechnology();
};

// x² − 3x + 2 = 0, typed: "1", Tab, "-3", Tab, "+2", Tab, Space.
void TestSigns::quadraticFromTheKeyboard()
{
    MessageRecorder recorder;
    MasodfWindow w;
    w.show();
    QApplication::setActiveWindow(&w);
    QCOMPARE(QApplication::focusWidget(), w.Text1[0]);
    const QList<QWidget *> stops{w.Text1[1], w.Text1[2], w.Command1};
    const QStringList typed{"1", "-3", "+2"};
    for (int i = 0; i < 3; ++i) {
        testkeys::type(QApplication::focusWidget(), typed[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stops[i]);
    }
    QTest::keyClick(w.Command1, Qt::Key_Space);
    QCOMPARE(w.Label2[0]->text() + w.Label2[1]->text() + w.Label2[2]->text(), "+-+");
    QCOMPARE(w.Text1[0]->text() + "|" + w.Text1[1]->text() + "|" + w.Text1[2]->text(), "1|3|2");
    QCOMPARE(w.Text4[0]->text() + "|" + w.Text4[1]->text(), "2|1");
    QVERIFY(recorder.shown.isEmpty());
}

// The keypad's signs too; the focus stays in the field, even after a message
// that named another one.
void TestSigns::linearSignStaysInItsField()
{
    MessageRecorder recorder;
    Module1 m;
    LinearWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);
    QTest::keyClick(w.Command1, Qt::Key_Space);  // nothing typed: the first field is named
    QCOMPARE(recorder.shown.size(), 1);
    w.Text1[4]->setFocus();
    testkeys::type(w.Text1[4], "-2");
    QCOMPARE(w.Label1[4]->text() + w.Text1[4]->text(), "-2");
    QCOMPARE(QApplication::focusWidget(), w.Text1[4]);
    testkeys::keypad(w.Text1[4], '+');
    testkeys::keypad(w.Text1[6], '-');
    QCOMPARE(w.Label1[4]->text() + w.Text1[4]->text() + w.Label1[6]->text(), "+2-");
    QCOMPARE(QApplication::focusWidget(), w.Text1[4]);
}

// A button named by the sign it shows, described by what it signs, with a
// press action that changes the sign.
void TestSigns::pressedByAssistiveTechnology()
{
    Module1 m;
    MasodfWindow q;
    LinearWindow l(m);
    for (SignLabel *sign : {q.Label2[1], l.Label1[5]}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(sign);
        QVERIFY(iface && iface->actionInterface());
        QCOMPARE(iface->role(), QAccessible::Button);
        QVERIFY(iface->text(QAccessible::Description).contains(QString::fromUtf8("előjel"), Qt::CaseInsensitive));
        QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(iface->text(QAccessible::Name), "-");
        QCOMPARE(sign->focusPolicy(), Qt::NoFocus);
    }
}

QTEST_MAIN(TestSigns)
#include "tst_signs.moc"
