#include "shared/texts.h"
#include "shared/handcursor.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "solvers/signlabel.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {
const QString kCompute = QStringLiteral("Számítás");
const QString kAgain = QStringLiteral("Újra");
const QString kMissing = QStringLiteral("Nem adott meg minden együtthatót!");
const QString kTwoEquations = QStringLiteral("Két egyenletre van szükség!\n(Így végtelen sok megoldás van)");
const QString kDependent = QStringLiteral("Két egymástól lineárisan független\n egyenletre van szükség!");
const QString kCoefficientTooLarge = QStringLiteral("Túl nagy együttható!");
const QString kResultTooLarge = QStringLiteral("Az eredmény túl nagy!");

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

// Types `text` into `field`; a leading "~" first clicks `sign` to "-".
void type(QLineEdit *field, SignLabel *sign, QString text)
{
    if (text.startsWith(QLatin1Char('~'))) {
        text.remove(0, 1);
        click(sign);
    }
    field->setFocus();
    if (text.size() > 40)
        field->setText(text);  // typing would take long
    else
        QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
}

// a, b, c.
void enter(MasodfWindow &w, const QStringList &texts)
{
    for (int i = 0; i < 3; ++i)
        type(w.Text1[size_t(i)], w.Label2[size_t(i)], texts[i]);
}

// a1, b1, c1 (I) and a2, b2, c2 (II): fields 1, 2, 5, 3, 4, 6.
void enter(LinearWindow &w, const QStringList &texts)
{
    constexpr size_t kFieldOf[6] = {1, 2, 5, 3, 4, 6};
    for (int i = 0; i < 6; ++i)
        type(w.Text1[kFieldOf[i]], w.Label1[kFieldOf[i]], texts[i]);
}

// Every field empty, every sign "+", the caption "Számítás" (element 0 of
// the linear window's arrays is unused).
template <typename Fields, typename Signs>
bool cleared(const Fields &fields, const Signs &signs, const QPushButton *button)
{
    return std::all_of(fields.begin(), fields.end(), [](const QLineEdit *f) { return !f || f->text().isEmpty(); }) &&
           std::all_of(signs.begin(), signs.end(), [](const SignLabel *s) { return !s || s->text() == "+"; }) &&
           button->text() == kCompute;
}

bool cleared(const MasodfWindow &w)
{
    return cleared(w.Text1, w.Label2, w.Command1) && cleared(w.Text4, w.Label2, w.Command1);
}

bool cleared(const LinearWindow &w)
{
    return cleared(w.Text1, w.Label1, w.Command1);
}
}  // namespace

// The quadratic (masodf) and the linear system (linear) solver windows.
class TestSolverWindows : public QObject {
    Q_OBJECT
private slots:
    void designState();
    void quadratic_data();
    void quadratic();
    void linearSystems_data();
    void linearSystems();
    void linearGapThenAgain();
    void keysAndSigns();
    void activationCentres();
};

void TestSolverWindows::designState()
{
    Module1 m;
    MasodfWindow q;
    LinearWindow l(m);
    QCOMPARE(q.windowTitle(), QStringLiteral("Másodfokú egyenlet-megoldás"));
    QCOMPARE(l.windowTitle(), QStringLiteral("Egyenletrendszer-megoldás"));
    QVERIFY(cleared(q));
    QVERIFY(cleared(l));
    for (const SignLabel *sign : q.Label2)
        QCOMPARE(sign->cursor().shape(), handCursor().shape());
    for (size_t k = 1; k <= 6; ++k)
        QCOMPARE(l.Label1[k]->cursor().shape(), handCursor().shape());

    QCOMPARE(q.size(), twips::size(4080, 2490));
    // "= 0" grows to the right, inside its frame, to show its whole caption.
    QCOMPARE(q.Label1[2]->pos(), twips::rect(3360, 360, 255, 255).topLeft());
    QVERIFY(q.Label1[2]->width() >= q.Label1[2]->sizeHint().width());
    QVERIFY(q.Label1[2]->geometry().right() < q.Frame1->width());
    QCOMPARE(l.size(), twips::size(4590, 3195));
    QCOMPARE(l.Text1[6]->geometry(), twips::rect(3240, 840, 735, 285));
}

void TestSolverWindows::quadratic_data()
{
    // "~" before a coefficient: its sign label clicked to "-".
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("message");  // "" for none
    QTest::addColumn<QString>("x1");
    QTest::addColumn<QString>("x2");
    const auto row = [](const char *name, QStringList coefficients, QString message, QString x1 = {},
                        QString x2 = {}) { QTest::newRow(name) << coefficients << message << x1 << x2; };
    const QString digits = QStringLiteral("Az együtthatók csak számok lehetnek!");

    row("signs of a and b", {"~2", "~6", "0"}, "", "-3", "0");
    row("sign of c", {"1", "1", "~1"}, "", ".618033988749895", "-1.61803398874989");
    row("small root without cancellation", {"1", "~100000000", "1"}, "", "100000000", ".00000001");
    row("linear, a 000", {"~000", "~4", "2"}, "", ".5", "");
    row("no real root", {"2", "0", "8"}, "Nincs valós gyök!");
    row("empty before bad", {"~1", "x", ""}, "Minden együtthatót meg kell adnod!");
    row("leading blank", {"1", "~1", " 3"}, digits);
    row("last character", {"1", "1", "12a"}, digits);
    row("0 = c", {"0", "0", "5"}, "Nincs megoldás!");
    row("0 = 0", {"~0", "00", "0"}, "Minden valós szám megoldás!");
    row("b too large, a 0", {"0", QString(400, '9'), "1"}, kCoefficientTooLarge);
}

void TestSolverWindows::quadratic()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, message);
    QFETCH(QString, x1);
    QFETCH(QString, x2);
    MessageRecorder rec;
    Module1 m;
    MasodfWindow w;
    w.show();
    enter(w, coefficients);
    click(w.Command1);
    QCOMPARE(rec.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    for (const MessageRecorder::Shown &shown : rec.shown)
        QCOMPARE(shown.icon, messages::Icon::Exclamation);
    QCOMPARE(w.Text4[0]->text(), x1);
    QCOMPARE(w.Text4[1]->text(), x2);
    if (message.isEmpty()) {
        // The roots wait for "Újra", which clears without checking the fields.
        QCOMPARE(w.Command1->text(), kAgain);
        QCOMPARE(w.Text1[1]->text(), QString(coefficients[1]).remove(QLatin1Char('~')));
        w.Text1[0]->setText(QStringLiteral("abc"));
        click(w.Command1);
    }
    QVERIFY(cleared(w));

    // Ready for the next equation.
    enter(w, {"1", "~3", "2"});
    click(w.Command1);
    QCOMPARE(w.Text4[0]->text(), QStringLiteral("2"));
    QCOMPARE(rec.shown.size(), message.isEmpty() ? 0 : 1);
}

void TestSolverWindows::linearSystems_data()
{
    // a1, b1, c1, a2, b2, c2 ("~": sign clicked to "-") | messages | x | y | caption | window cleared.
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("clearedAfter");
    const auto row = [](const char *name, QStringList system, QStringList messages, QString x, QString y,
                        QString caption, bool clearedAfter) {
        QTest::newRow(name) << system << messages << x << y << caption << clearedAfter;
    };
    const QStringList none;
    const QString digits = texts::kDigits;
    const QString points = texts::kPoints;
    const QString huge = "1" + QString(400, '0');  // beyond the largest double
    const QString big = "1" + QString(200, '0');   // a double, but not its square

    row("signs", {"~2", "~3", "~8", "1", "~1", "~1"}, none, " 1", " 2", kAgain, false);
    row("double precision", {"1", "1", "1.5", "1", "~1", "0.3"}, none, " .9", " .6", kAgain, false);
    row("typed minus", {"-2.5", "0", "~5", "0", "1", "1"}, none, " 2", " 1", kAgain, false);
    row("no unknown", {"0", "0", "5", "~0", "0.0", "1"}, {"Nagyon vicces!!"}, "", "", kCompute, true);
    row("I: 0 = 5, II through 0", {"0", "0", "5", "1", "1", "0"}, {"Ellentmondás!"}, "", "", kCompute, false);
    row("I: 0 = 0, II without y", {"0", "0", "0", "1", "0", "2"}, {kTwoEquations}, "", "", kCompute, false);
    row("no x", {"0", "2", "4", "0", "3", "6"}, none, "", " 2", kAgain, false);
    row("no y", {"2", "0", "4", "~3", "0", "~6"}, none, " 2", "", kAgain, false);
    row("0.1 4.7 / 0.3 14.1 multiples", {"0.1", "4.7", "2", "0.3", "14.1", "6"}, {kDependent}, "", "", kAgain,
        false);
    row("0.1 0.9 / 0.3 2.7 parallel", {"0.1", "0.9", "1", "0.3", "2.7", "0"}, {"Ellentmondás!!"}, "", "",
        kCompute, true);
    row("coefficient beyond a double", {"1", huge, "1", "1", "1", "1"}, none, " 1", " 0", kAgain, false);
    row("determinant beyond a double", {big, "0", big, "0", big, big}, none, " 1", " 1", kAgain, false);
    row("determinant of x beyond a double", {"1", big, big, "1", "2" + big.mid(1), "1"}, none, " 2E+200", "-1",
        kAgain, false);
    row("result too large", {"0." + QString(400, '0') + "1", "0", "1", "0", "1", "1"}, {kResultTooLarge}, "", "",
        kCompute, false);

    // The character check: one message per bad field, then the window is cleared.
    row("comma", {"1,5", "1", "~1", "1", "1", "1"}, {digits}, "", "", kCompute, true);
    row("minus inside, twice", {"5-3", "1", "1", "--1", "1", "1"}, {digits, digits}, "", "", kCompute, true);
    row("each bad field", {"x", "1", "1", "1", "1", "1..1"}, {digits, points}, "", "", kCompute, true);
    row("empty, then bad", {"1", "", "1", "1", "1", "q"}, {kMissing, digits}, "", "", kCompute, true);
}

void TestSolverWindows::linearSystems()
{
    QFETCH(QStringList, system);
    QFETCH(QStringList, messages);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, caption);
    QFETCH(bool, clearedAfter);
    MessageRecorder rec;
    Module1 m;
    LinearWindow w(m);
    w.show();
    enter(w, system);
    click(w.Command1);

    QCOMPARE(rec.texts(), messages);
    for (const MessageRecorder::Shown &shown : rec.shown)
        QCOMPARE(shown.icon, messages::Icon::None);
    QCOMPARE(w.Text1[7]->text(), x);
    QCOMPARE(w.Text1[8]->text(), y);
    QCOMPARE(w.Command1->text(), caption);
    QCOMPARE(cleared(w), clearedAfter);
    if (!clearedAfter)
        QCOMPARE(w.Text1[5]->text(), QString(system[2]).remove(QLatin1Char('~')));
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
    // Nothing infinite reaches the shared variables.
    for (double value : {m.a1, m.b1, m.c1, m.a2, m.b2, m.c2, m.det, m.detx, m.dety})
        QVERIFY(std::isfinite(value));
}

void TestSolverWindows::linearGapThenAgain()
{
    MessageRecorder rec;
    Module1 m;
    LinearWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);
    enter(w, {"1", "1", "1.5", "1", "~", ""});  // b2 and c2 empty
    click(w.Command1);
    QCOMPARE(rec.texts(), QStringList{kMissing});
    QCOMPARE(QApplication::focusWidget(), w.Text1[4]);
    QCOMPARE(m.folytat, true);
    // Nothing is cleared or solved.
    QCOMPARE(w.Label1[4]->text(), QStringLiteral("-"));
    QCOMPARE(w.Text1[5]->text(), QStringLiteral("1.5"));
    QCOMPARE(w.Command1->text(), kCompute);

    w.Text1[4]->setText(QStringLiteral("1"));
    w.Text1[6]->setText(QStringLiteral("0.3"));
    click(w.Command1);
    QCOMPARE(w.Command1->text(), kAgain);
    QCOMPARE(m.folytat, false);
    QCOMPARE(m.b2, -1.0);
    QCOMPARE(m.c2, 0.3);  // a double, not a single
    QCOMPARE(m.det, -2.0);
    QCOMPARE(m.detx, -1.8);
    QCOMPARE(m.dety, -1.2);

    // "Újra" checks the fields as they are now, then resets.
    rec.clear();
    w.Text1[2]->clear();
    w.Text1[3]->setText(QStringLiteral("a"));
    click(w.Command1);
    QCOMPARE(rec.texts(), (QStringList{kMissing, texts::kDigits}));
    QVERIFY(cleared(w));
    QCOMPARE(QApplication::focusWidget(), w.Text1[1]);
    QCOMPARE(m.folytat, false);
    for (double value : {m.a1, m.b2, m.c2, m.det, m.detx, m.dety})
        QCOMPARE(value, 0.0);
}

void TestSolverWindows::keysAndSigns()
{
    MessageRecorder rec;
    Module1 m;
    MasodfWindow q;
    q.show();
    QApplication::setActiveWindow(&q);
    click(q.Label2[2]);
    QCOMPARE(q.Label2[2]->text(), QStringLiteral("-"));
    click(q.Label2[2]);
    QCOMPARE(q.Label2[2]->text(), QStringLiteral("+"));
    // A press that ends outside the label is no click.
    QTest::mousePress(q.Label2[2], Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(q.Label2[2], Qt::LeftButton, Qt::NoModifier, QPoint(-30, 2));
    QCOMPARE(q.Label2[2]->text(), QStringLiteral("+"));

    // Enter in a field computes nothing.
    enter(q, {"1", "~3", "2"});
    QTest::keyClick(q.Text1[2], Qt::Key_Return);
    QCOMPARE(q.Command1->text(), kCompute);
    QTest::keyClick(q.Text1[2], Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(q.Command1->text(), kCompute);
    const QList<QWidget *> order{q.Text1[0], q.Text1[1], q.Text1[2], q.Command1, q.Text4[0], q.Text4[1]};
    for (int i = 0; i + 1 < order.size(); ++i)
        QCOMPARE(nextTabStop(order[i]), order[i + 1]);

    LinearWindow l(m);
    l.show();
    QApplication::setActiveWindow(&l);
    enter(l, {"1", "1", "3", "1", "~1", "1"});
    QTest::keyClick(l.Text1[6], Qt::Key_Return);
    QCOMPARE(l.Command1->text(), kCompute);
    for (size_t k = 1; k < 8; ++k)
        QCOMPARE(nextTabStop(l.Text1[k]), l.Text1[k + 1]);
    QCOMPARE(nextTabStop(l.Text1[8]), static_cast<QWidget *>(l.Command1));
    QVERIFY(rec.shown.isEmpty());
}

void TestSolverWindows::activationCentres()
{
    Module1 m;
    MasodfWindow q;
    LinearWindow l(m);
    for (QDialog *w : {static_cast<QDialog *>(&q), static_cast<QDialog *>(&l)}) {
        w->show();
        w->move(0, 0);
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(w);
        const QRect screen = w->screen()->geometry();
        QVERIFY(std::abs(w->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(std::abs(w->frameGeometry().center().y() - screen.center().y()) <= 1);
    }
}

QTEST_MAIN(TestSolverWindows)
#include "tst_solverwindows.moc"
