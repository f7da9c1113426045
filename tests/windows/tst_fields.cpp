// What the fields take and show: a paste longer than the display goes in as
// far as it fits, the keypad's decimal key writes the point in the
// informatics display too, and a solver's result shows its start.
#include "core/module1.h"
#include "informatics/infoswindow.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestFields : public QObject {
    Q_OBJECT
private slots:
    void paste_data();
    void paste();
    void keypadPointInInformatics();
    void resultsShowTheirStart();
};

void TestFields::paste_data()
{
    QTest::addColumn<bool>("informatics");
    QTest::addColumn<QString>("before");  // "|" is the caret
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("box");
    const QString digits = QString("0123456789").repeated(4);
    QTest::newRow("empty") << false << "|" << digits << digits.left(30) << "";
    QTest::newRow("in the middle") << false << "1|2" << digits << "1" + digits.left(28) + "2" << "";
    QTest::newRow("checked") << false << "|" << "12x" + digits << "" << QString::fromUtf8("Számjegyeket írjon be!");
    QTest::newRow("informatics") << true << "|" << QString(70, '1') << QString(64, '1') << "";
}

void TestFields::paste()
{
    QFETCH(bool, informatics);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(QString, box);
    MessageRecorder recorder;
    Module1 m;
    std::unique_ptr<CalculatorWindow> w;
    informatics ? w.reset(new InfosWindow(m)) : w.reset(new StandWindow(m));
    w->show();
    QApplication::setActiveWindow(w.get());
    RUN_SCRIPT(*w, m, QString(informatics ? "b:2 " : "") + "t:" + QString(before).remove('|'));
    w->Text1->setCursorPosition(before.indexOf('|'));
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(w->Text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->Text1->text(), after);
    QCOMPARE(recorder.texts().join('|'), box);
}

// X11 marks the keypad's "," with the keypad modifier, Wayland only by its
// key symbol (KP_Separator, KP_Decimal); the keypad's "+" still types.
void TestFields::keypadPointInInformatics()
{
    MessageRecorder recorder;
    Module1 m;
    InfosWindow w(m);
    RUN_SCRIPT(w, m, "t:1 kp:, 2 CLR t:3 nk:, 4 CLR t:5 nk:. 6");
    QCOMPARE(w.Text1->text(), "5.6");
    QVERIFY(recorder.shown.isEmpty());
    RUN_SCRIPT(w, m, "CLR kp:+");
    QCOMPARE(recorder.texts(), QStringList{QString::fromUtf8("Számjegyeket írjon be!")});
}

// 3x² + x − 1 = 0 and x + y = 1, x − 5y = 0: every result starts at the
// left edge of its field, caret before it.
void TestFields::resultsShowTheirStart()
{
    MessageRecorder recorder;
    Module1 m;
    MasodfWindow q;
    LinearWindow l(m);
    for (QDialog *w : {static_cast<QDialog *>(&q), static_cast<QDialog *>(&l)}) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    const QList<QString> typed{"3", "1", "1", "1", "1", "1", "5", "1", "0"};  // a, b, c; a1, b1, a2, b2, c1, c2
    for (int i = 0; i < 3; ++i)
        QTest::keyClicks(q.Text1[i], typed[i]);
    QTest::mouseClick(q.Label2[2], Qt::LeftButton);
    for (int k = 1; k <= 6; ++k)
        QTest::keyClicks(l.Text1[k], typed[k + 2]);
    QTest::mouseClick(l.Label1[4], Qt::LeftButton);
    QTest::mouseClick(q.Command1, Qt::LeftButton);
    QTest::mouseClick(l.Command1, Qt::LeftButton);
    const QList<QLineEdit *> results{q.Text4[0], q.Text4[1], l.Text1[7], l.Text1[8]};
    QStringList shown;
    for (QLineEdit *field : results) {
        field->grab();  // painted: scrolled to the caret
        QCOMPARE(field->cursorPosition(), 0);
        const int caretX = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        QVERIFY2(caretX < field->width() / 4, qPrintable(field->text() + " " + QString::number(caretX)));
        shown << field->text();
    }
    QCOMPARE(shown.join('|'), ".434258545910665|-.767591879243998| .833333333333333| .166666666666667");
    QVERIFY(recorder.shown.isEmpty());
}

QTEST_MAIN(TestFields)
#include "tst_fields.moc"
