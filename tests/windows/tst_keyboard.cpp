// Working from the keyboard: typing goes on in the display after a message
// box a key raised; a long paste puts in what fits; the keypad's decimal key
// writes "." in every display; a solver's signs are typed in their fields or
// pressed by assistive technology, its results show their start and only it
// writes them.
#include "core/module1.h"
#include "extend/extendwindow.h"
#include "infos/infoswindow.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"
#include "stand/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"
#include "support/typing.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
const QString kDigits = QString::fromUtf8("Számjegyeket írjon be!");

std::unique_ptr<CalculatorWindow> shown(int view, core::Module1 &m)  // 0 stand, 1 extend, 2 infos
{
    std::unique_ptr<CalculatorWindow> w;
    view == 0 ? w.reset(new StandWindow(m)) : view == 1 ? w.reset(new ExtendWindow(m)) : w.reset(new InfosWindow(m));
    w->show();
    QApplication::setActiveWindow(w.get());
    return w;
}
}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void afterABox();
    void paste();
    void keypadPointInInformatics();
    void solvers();
};

// core::Real boxes, read and closed by a timer; "m:<base>" clicks that base option
// with the mouse, which gives it the focus.
void TestKeyboard::afterABox()
{
    const QString fraction = QString::fromUtf8("Törtszámokat nem tudok átváltani! (Egyelőre)");
    const QString tooLarge = QString::fromUtf8("A szám túl nagy az átváltáshoz!");
    for (const auto &[view, keys, box, base] :
         QList<std::tuple<int, QString, QString, QString>>{{0, "t:5x", kDigits, ""},
                                                           {1, "t:99999999 * t:99999999 =", kDigits, ""},
                                                           {2, "b:2 t:1.1 m:16", fraction, "10"},
                                                           {2, "b:2 t:" + QString(54, '1') + " m:10", tooLarge, "2"}}) {
        core::Module1 m;
        const auto w = shown(view, m);
        QStringList boxes;
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&boxes] {
            if (auto *open = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                boxes << open->windowTitle() + ": " + open->text(), open->accept();
        });
        reader.start(5);
        for (const QString &word : keys.split(' ')) {
            for (QRadioButton *option : w->findChildren<QRadioButton *>())
                if (word == "m:" + option->text())
                    QTest::mouseClick(option, Qt::LeftButton);
            if (!word.startsWith("m:"))
                RUN_SCRIPT(*w, word);
        }
        QCOMPARE(boxes.value(0), "Zorvexa: " + box);
        QString chosen;  // the base the window shows chosen after the box
        for (QRadioButton *option : w->findChildren<QRadioButton *>())
            chosen += option->isChecked() ? option->text() : "";
        QCOMPARE(chosen, base);
        QVERIFY2(QApplication::focusWidget() == w->Text1, qPrintable(keys));
        QCOMPARE(w->Text1->cursorPosition(), w->Text1->text().size());
    }
}

// The start of the pasted text at the caret ("|"), without the blanks and
// line break a copy brings along, then the display's check; the caret
// stands after what went in.
void TestKeyboard::paste()
{
    const QString digits = QString("0123456789").repeated(4);
    for (const auto &[view, before, pasted, after, boxes] :
         QList<std::tuple<int, QString, QString, QString, QStringList>>{
             {0, "1|2", digits, "1" + digits.left(28) + "|2", {}},
             {1, "|", "12x" + digits, "|", {kDigits}},
             {2, "|", QString(70, '1'), QString(64, '1') + "|", {}},
             {0, "|", "42\n", "42|", {}},
             {1, "7|", " 42\t\r\n", "742|", {}},
             {2, "|", "4\n2", "|", {kDigits}}}) {
        MessageRecorder recorder;
        core::Module1 m;
        const auto w = shown(view, m);
        RUN_SCRIPT(*w, "t:" + QString(before).remove('|'));
        w->Text1->setCursorPosition(before.indexOf('|'));
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(w->Text1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->Text1->text(), QString(after).remove('|'));
        QCOMPARE(w->Text1->cursorPosition(), after.indexOf('|'));
        QCOMPARE(recorder.texts(), boxes);
    }
}

// X11 marks the keypad's "," by the keypad modifier, Wayland only by its key
// symbol (KP_Separator, KP_Decimal); the keypad's "+" still only types.
void TestKeyboard::keypadPointInInformatics()
{
    MessageRecorder recorder;
    core::Module1 m;
    InfosWindow w(m);
    for (const char *key : {"kp:,", "nk:,", "nk:."}) {
        RUN_SCRIPT(w, QString("CLR t:1 %1 2").arg(key));
        QCOMPARE(w.Text1->text(), "1.2");
    }
    RUN_SCRIPT(w, "CLR kp:+");
    QCOMPARE(recorder.texts(), QStringList{kDigits});
}

// 3x² + x − 1 = 0 and x + y = 1, x − 5y = 0, typed field after field with
// Tab, signs included.
void TestKeyboard::solvers()
{
    MessageRecorder recorder;
    core::Module1 m;
    MasodfWindow q;
    LinearWindow l(m);
    for (const auto &[w, typed] : {std::pair<QDialog *, QStringList>{&q, {"3", "1", "-1"}},
                                   std::pair<QDialog *, QStringList>{&l, {"1", "1", "1", "-5", "1", "0"}}}) {
        w->show();
        QApplication::setActiveWindow(w);
        for (const QString &text : typed) {
            testkeys::type(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(w->findChild<QPushButton *>("Command1"), Qt::Key_Space);
    }
    QCOMPARE(q.Label2[0]->text() + q.Label2[1]->text() + q.Label2[2]->text() + l.Label1[4]->text(), "++--");
    QStringList results;  // each from its start: caret first, the field scrolled to it
    for (QLineEdit *field : {q.Text4[0], q.Text4[1], l.Text1[7], l.Text1[8]}) {
        field->grab();
        QCOMPARE(field->cursorPosition(), 0);
        QVERIFY(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x() < field->width() / 4);
        results << field->text();
    }
    QCOMPARE(results.join('|'), ".434258545910665|-.767591879243998| .833333333333333| .166666666666667");
    for (QLineEdit *field : {q.Text4[0], l.Text1[7]}) {  // only the solver writes them
        field->setFocus();
        QTest::keyClicks(field, "5");
    }
    QCOMPARE(q.Text4[0]->text() + l.Text1[7]->text(), ".434258545910665 .833333333333333");
    QCOMPARE(l.Label4[0]->text() + l.Label4[1]->text(), "x =y =");
    QVERIFY(l.Label4[0]->x() < l.Label4[1]->x());
    // A sign set from a field leaves the keyboard there, also after "Újra"
    // gave it to the first field.
    QTest::keyClick(l.Command1, Qt::Key_Space);
    l.Text1[4]->setFocus();
    testkeys::keypad(l.Text1[4], '-');
    QCOMPARE(l.Label1[4]->text() + l.Text1[4]->text(), "-");
    testkeys::type(l.Text1[4], "+");
    QCOMPARE(l.Label1[4]->text() + l.Text1[4]->text(), "+");
    QCOMPARE(QApplication::focusWidget(), l.Text1[4]);
    QVERIFY(recorder.shown.isEmpty());
    // Assistive technology: a button named by its sign, with a press action.
    QAccessibleInterface *sign = QAccessible::queryAccessibleInterface(q.Label2[1]);
    QCOMPARE(sign->role(), QAccessible::Button);
    sign->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(sign->text(QAccessible::Name), "-");
    // "Újra" from the keyboard gives it to the first field: the next equation is typed at once.
    QApplication::setActiveWindow(&q);
    q.Command1->setFocus();
    QTest::keyClick(q.Command1, Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), q.Text1[0]);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
