// The quadratic (masodf) and linear system (linear) solver windows: the
// messages, what is cleared, the sign labels, Enter and Tab. Both solvers'
// results are swept against the reference (tests/reference).
#include "ui/handcursor.h"
#include "core/module1.h"
#include "core/texts.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString kCompute = QStringLiteral("Számítás");
const QString kAgain = QStringLiteral("Újra");
const QString kMissing = QStringLiteral("Nem adott meg minden együtthatót!");

void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center()); }

QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

// Types the texts into the fields `at` names; a leading "~" first clicks the
// field's sign label to "-".
template <typename Fields, typename Signs>
void enter(const Fields &fields, const Signs &signs, const QList<int> &at, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        QString text = texts[i];
        if (text.startsWith(QLatin1Char('~')))
            click(signs[size_t(at[i])]), text.remove(0, 1);
        fields[size_t(at[i])]->setFocus();
        text.size() > 40 ? fields[size_t(at[i])]->setText(text) : QTest::keyClicks(fields[size_t(at[i])], text);
    }
}
void enter(MasodfWindow &w, const QStringList &texts) { enter(w.Text1, w.Label2, {0, 1, 2}, texts); }
// a1, b1, c1 (I) and a2, b2, c2 (II).
void enter(LinearWindow &w, const QStringList &texts) { enter(w.Text1, w.Label1, {1, 2, 5, 3, 4, 6}, texts); }

// Every field empty, every sign "+", the caption "Számítás".
template <typename Window>
bool cleared(const Window &w)
{
    for (const QLineEdit *f : w.template findChildren<QLineEdit *>())
        if (!f->text().isEmpty())
            return false;
    for (const SignLabel *s : w.template findChildren<SignLabel *>())
        if (s->text() != "+")
            return false;
    return w.Command1->text() == kCompute;
}
}  // namespace

class TestSolverWindows : public QObject {
    Q_OBJECT
private slots:
    void quadratic();
    void linearSystems();
    void linearGapThenAgain();
    void keysAndSigns();
};

// The coefficients ("~": the sign label clicked to "-"), the message (an
// exclamation) or the roots; roots wait for "Újra", which clears without
// checking the fields.
void TestSolverWindows::quadratic()
{
    const auto row = [](const QStringList &coefficients, const QString &message, const QString &roots = {}) {
        MessageRecorder rec;
        MasodfWindow w;
        w.show();
        enter(w, coefficients);
        click(w.Command1);
        QCOMPARE(rec.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(w.Text4[0]->text() + "|" + w.Text4[1]->text(), roots);
        if (message.isEmpty()) {
            QCOMPARE(w.Command1->text(), kAgain);
            w.Text1[0]->setText(QStringLiteral("abc"));
            click(w.Command1);
        }
        QVERIFY(cleared(w));
    };
    row({"~2", "~6", "0"}, "", "-3|0");
    row({"~000", "~4", "2"}, "", ".5|");  // linear
    row({"2", "0", "8"}, "Nincs valós gyök!", "|");
    row({"~1", "x", ""}, "Minden együtthatót meg kell adnod!", "|");  // empty before bad
    row({"~0", "00", "0"}, "Minden valós szám megoldás!", "|");
}

// a1, b1, c1, a2, b2, c2, the messages (no icon) in order, x|y, and what
// then: "again" waits for "Újra", "kept" keeps the fields, "cleared".
void TestSolverWindows::linearSystems()
{
    const QString digits = texts::kDigits;
    const auto row = [](const QStringList &system, const QStringList &messages, const QString &xy, const char *then) {
        MessageRecorder rec;
        Module1 m;
        LinearWindow w(m);
        w.show();
        enter(w, system);
        click(w.Command1);
        QCOMPARE(rec.texts(), messages);
        QCOMPARE(w.Text1[7]->text() + "|" + w.Text1[8]->text(), xy);
        QCOMPARE(cleared(w), then == QLatin1String("cleared"));
        QCOMPARE(w.Command1->text(), then == QLatin1String("again") ? kAgain : kCompute);
    };
    row({"~2", "~3", "~8", "1", "~1", "~1"}, {}, " 1| 2", "again");
    row({"0", "0", "5", "1", "1", "0"}, {"Ellentmondás!"}, "|", "kept");
    row({"0", "0", "0", "1", "0", "2"}, {"Két egyenletre van szükség!\n(Így végtelen sok megoldás van)"}, "|", "kept");
    row({"0", "0", "5", "~0", "0.0", "1"}, {"Nagyon vicces!!"}, "|", "cleared");
    row({"0.1", "0.9", "1", "0.3", "2.7", "0"}, {"Ellentmondás!!"}, "|", "cleared");
    row({"x", "1", "1", "1", "1", "1..1"}, {digits, texts::kPoints}, "|", "cleared");  // one message per bad field
    row({"1", "", "1", "1", "1", "q"}, {kMissing, digits}, "|", "cleared");
}

void TestSolverWindows::linearGapThenAgain()
{
    MessageRecorder rec;
    Module1 m;
    LinearWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);
    enter(w, {"1", "1", "1.5", "1", "~1", ""});  // c2 empty
    click(w.Command1);
    QCOMPARE(rec.texts(), QStringList{kMissing});
    QCOMPARE(QApplication::focusWidget(), w.Text1[6]);
    QCOMPARE(m.folytat, true);
    QCOMPARE(w.Label1[4]->text() + w.Command1->text(), "-" + kCompute);  // nothing is cleared or solved
    w.Text1[6]->setText(QStringLiteral("0.3"));
    click(w.Command1);
    QCOMPARE(w.Command1->text(), kAgain);
    QCOMPARE(m.folytat, false);
}

void TestSolverWindows::keysAndSigns()
{
    MessageRecorder rec;
    Module1 m;
    MasodfWindow q;
    q.show();
    QApplication::setActiveWindow(&q);
    QCOMPARE(q.Label2[2]->cursor().shape(), handCursor().shape());
    for (const char *sign : {"-", "+"}) {
        click(q.Label2[2]);
        QCOMPARE(q.Label2[2]->text(), QString(sign));
    }
    // Enter in a field computes nothing.
    enter(q, {"1", "~3", "2"});
    QTest::keyClick(q.Text1[2], Qt::Key_Return);
    QTest::keyClick(q.Text1[2], Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(q.Command1->text(), kCompute);
    LinearWindow l(m);
    l.show();
    QCOMPARE(l.Label1[6]->cursor().shape(), handCursor().shape());
    // Tab: a, b, c, the key, the roots; the linear fields in order, then its key.
    for (const QList<QWidget *> &order :
         {QList<QWidget *>{q.Text1[0], q.Text1[1], q.Text1[2], q.Command1, q.Text4[0], q.Text4[1]},
          QList<QWidget *>{l.Text1[1], l.Text1[2], l.Text1[3], l.Text1[4], l.Text1[5], l.Text1[6], l.Text1[7],
                           l.Text1[8], l.Command1}})
        for (int i = 0; i + 1 < order.size(); ++i)
            QCOMPARE(nextTabStop(order[i]), order[i + 1]);
    QVERIFY(rec.shown.isEmpty());
}

QTEST_MAIN(TestSolverWindows)
#include "tst_solverwindows.moc"
