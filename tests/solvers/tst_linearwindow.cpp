#include "shared/handcursor.h"
#include "shared/inputcheck.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "solvers/linearwindow.h"
#include "solvers/signlabel.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {
const QString kCompute = QStringLiteral("Számítás");
const QString kAgain = QStringLiteral("Újra");
const QString kMissing = QStringLiteral("Nem adott meg minden együtthatót!");
const QString kContradiction = QStringLiteral("Ellentmondás!");
const QString kTwoEquations = QStringLiteral("Két egyenletre van szükség!\n(Így végtelen sok megoldás van)");
const QString kParallel = QStringLiteral("Ellentmondás!!");
const QString kDependent = QStringLiteral("Két egymástól lineárisan független\n egyenletre van szükség!");

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

// The typed texts of a1, b1, c1 (I) and a2, b2, c2 (II), each optionally
// preceded by "~" for a sign label clicked to "-".
struct System {
    QStringList first;
    QStringList second;
};

// Field index of each typed text: a1 b1 c1 a2 b2 c2.
constexpr int kFieldOf[6] = {1, 2, 5, 3, 4, 6};

void enter(LinearWindow &w, const System &system)
{
    const QStringList all = system.first + system.second;
    for (int i = 0; i < 6; ++i) {
        QString text = all[i];
        QLineEdit *field = w.Text1[size_t(kFieldOf[i])];
        if (text.startsWith(QLatin1Char('~'))) {
            text.remove(0, 1);
            click(w.Label1[size_t(kFieldOf[i])]);
        }
        field->setFocus();
        if (text.size() > 40)
            field->setText(text);
        else
            QTest::keyClicks(field, text);
        QCOMPARE(field->text(), text);
    }
}

bool cleared(const LinearWindow &w)
{
    for (int k = 1; k <= 8; ++k) {
        if (!w.Text1[size_t(k)]->text().isEmpty())
            return false;
    }
    for (int k = 1; k <= 6; ++k) {
        if (w.Label1[size_t(k)]->text() != QStringLiteral("+"))
            return false;
    }
    return w.Command1->text() == kCompute;
}
}  // namespace

Q_DECLARE_METATYPE(System)

class TestLinearWindow : public QObject {
    Q_OBJECT
private slots:
    void designState();
    void systems_data();
    void systems();
    void missingCoefficient();
    void badCharacters_data();
    void badCharacters();
    void againRunsTheChecksThenClears();
    void sharedState();
    void valuesBeyondADouble_data();
    void valuesBeyondADouble();
    void signLabelsToggle();
    void enterAndTabOrder();
    void layoutFollowsTheTwipsTable();
    void namesForAssistiveTechnology();
    void activationCentres();

private:
    Module1 m;
};

void TestLinearWindow::designState()
{
    LinearWindow w(m);
    QCOMPARE(w.windowTitle(), QStringLiteral("Egyenletrendszer-megoldás"));
    QCOMPARE(w.objectName(), QStringLiteral("linear"));
    QVERIFY(cleared(w));
    QCOMPARE(w.Frame1->title(), QStringLiteral("Add meg az együtthatókat:"));
    QCOMPARE(w.Frame2->title(), QStringLiteral("Az eredmények:"));
    QCOMPARE(w.Label3[0]->text(), QStringLiteral("I."));
    QCOMPARE(w.Label3[1]->text(), QStringLiteral("II."));
    QVERIFY(w.Label3[1]->font().bold());
    QCOMPARE(w.Label2[0]->text(), QStringLiteral("="));
    QCOMPARE(w.Label2[1]->font().pointSizeF(), 12.0);
    QCOMPARE(w.Label4[0]->text(), QStringLiteral("x ="));
    QCOMPARE(w.Label4[1]->text(), QStringLiteral("y ="));
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(w.Label1[size_t(k)]->cursor().shape(), handCursor().shape());
}

void TestLinearWindow::systems_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("clearedAfter");

    const auto row = [](const char *name, System system, QStringList messages, QString x, QString y,
                        QString caption, bool clearedAfter) {
        QTest::newRow(name) << system << messages << x << y << caption << clearedAfter;
    };
    const QStringList none;

    row("x+y=3, x-y=1", {{"1", "1", "3"}, {"1", "~1", "1"}}, none, " 2", " 1", kAgain, false);
    row("2x+3y=8, x-y=-1", {{"2", "3", "8"}, {"1", "~1", "~1"}}, none, " 1", " 2", kAgain, false);
    row("double precision", {{"1", "1", "1.5"}, {"1", "~1", "0.3"}}, none, " .9", " .6", kAgain, false);
    row("typed minus", {{"-2.5", "0", "5"}, {"0", "1", "1"}}, none, "-2", " 1", kAgain, false);

    row("no unknown", {{"0", "0", "5"}, {"~0", "0.0", "1"}}, {"Nagyon vicces!!"}, "", "", kCompute, true);

    row("I: 0 = 5", {{"0", "0", "5"}, {"1", "1", "2"}}, {kContradiction}, "", "", kCompute, false);
    row("I: 0 = 0", {{"0", "0", "0"}, {"1", "1", "2"}}, {kTwoEquations}, "", "", kCompute, false);
    row("I: 0 = 5, II through 0", {{"0", "0", "5"}, {"1", "1", "0"}}, {kContradiction}, "", "", kCompute, false);
    row("I: 0 = 0, II without y", {{"0", "0", "0"}, {"1", "0", "2"}}, {kTwoEquations}, "", "", kCompute, false);
    row("II: 0 = -4", {{"1", "2", "3"}, {"0", "0", "~4"}}, {kContradiction}, "", "", kCompute, false);

    row("no x", {{"0", "2", "4"}, {"0", "3", "6"}}, none, "", " 2", kAgain, false);
    row("no x, contradicts", {{"0", "2", "4"}, {"0", "3", "7"}}, {kParallel}, "", "", kCompute, true);
    row("no y", {{"2", "0", "4"}, {"~3", "0", "~6"}}, none, " 2", "", kAgain, false);

    row("multiples", {{"1", "2", "3"}, {"2", "4", "6"}}, {kDependent}, "", "", kAgain, false);
    row("parallel", {{"1", "2", "3"}, {"2", "4", "7"}}, {kParallel}, "", "", kCompute, true);
    row("multiples through 0", {{"1", "2", "0"}, {"2", "4", "0"}}, {kDependent}, "", "", kAgain, false);
    row("parallel, I through 0", {{"1", "2", "0"}, {"2", "4", "5"}}, {kParallel}, "", "", kCompute, true);
    row("0.1 4.7 / 0.3 14.1 multiples", {{"0.1", "4.7", "2"}, {"0.3", "14.1", "6"}}, {kDependent}, "", "", kAgain,
        false);
    row("0.1 0.9 / 0.3 2.7 parallel", {{"0.1", "0.9", "1"}, {"0.3", "2.7", "0"}}, {kParallel}, "", "", kCompute,
        true);
    row("long fields", {{QString(60, '9'), "1", "1"}, {QString(60, '9'), "1", "~" + QString(60, '9')}}, {kParallel},
        "", "", kCompute, true);

    row("result beyond range", {{"0." + QString(400, '0') + "1", "0", "1"}, {"0", "1", "1"}},
        {"Az eredmény túl nagy!"}, "", "", kCompute, false);
}

void TestLinearWindow::systems()
{
    QFETCH(System, system);
    QFETCH(QStringList, messages);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, caption);
    QFETCH(bool, clearedAfter);
    MessageRecorder rec;
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
        QCOMPARE(w.Text1[5]->text(), QString(system.first[2]).remove(QLatin1Char('~')));
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
}

void TestLinearWindow::missingCoefficient()
{
    MessageRecorder rec;
    LinearWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);
    enter(w, {{"1", "1", "3"}, {"1", "1", "1"}});
    click(w.Label1[2]);
    w.Text1[4]->clear();
    w.Text1[6]->clear();
    click(w.Command1);
    QCOMPARE(rec.texts(), QStringList{kMissing});
    QCOMPARE(QApplication::focusWidget(), w.Text1[4]);
    // Nothing is cleared or solved.
    QCOMPARE(w.Text1[1]->text(), QStringLiteral("1"));
    QCOMPARE(w.Label1[2]->text(), QStringLiteral("-"));
    QCOMPARE(w.Text1[7]->text(), QString());
    QCOMPARE(w.Command1->text(), kCompute);

    // A blank is not empty; once filled it solves.
    w.Text1[4]->setText(QStringLiteral("1"));
    w.Text1[6]->setText(QStringLiteral(" 1 "));
    rec.clear();
    click(w.Command1);
    QCOMPARE(rec.texts(), QStringList());
    QCOMPARE(w.Text1[7]->text(), QStringLiteral(" 2"));
    QCOMPARE(w.Text1[8]->text(), QStringLiteral("-1"));
}

void TestLinearWindow::badCharacters_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<int>("emptied");  // a field emptied before the click, 0 for none
    QTest::addColumn<QStringList>("messages");

    const QString digits = inputcheck::kMessageDigits;
    const QString points = inputcheck::kMessagePoints;
    QTest::newRow("comma") << System{{"1,5", "1", "1"}, {"1", "1", "1"}} << 0 << QStringList{digits};
    QTest::newRow("two points") << System{{"1", "1", "1"}, {"1", "1.2.3", "1"}} << 0 << QStringList{points};
    QTest::newRow("letter after points") << System{{"1", "1", "1.2.a"}, {"1", "1", "1"}} << 0
                                         << QStringList{digits, points};
    QTest::newRow("each bad field") << System{{"x", "1", "1"}, {"1", "1", "1..1"}} << 0
                                    << QStringList{digits, points};
    QTest::newRow("missing, then bad") << System{{"1", "1", "1"}, {"1", "1", "q"}} << 2
                                       << QStringList{kMissing, digits};
}

void TestLinearWindow::badCharacters()
{
    QFETCH(System, system);
    QFETCH(int, emptied);
    QFETCH(QStringList, messages);
    MessageRecorder rec;
    LinearWindow w(m);
    w.show();
    enter(w, system);
    click(w.Label1[3]);
    if (emptied > 0)
        w.Text1[size_t(emptied)]->clear();
    click(w.Command1);
    QCOMPARE(rec.texts(), messages);
    QVERIFY(cleared(w));
    QCOMPARE(m.hibas, false);
    QCOMPARE(m.pontdb, 0);
}

void TestLinearWindow::againRunsTheChecksThenClears()
{
    MessageRecorder rec;
    LinearWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);
    enter(w, {{"1", "1", "3"}, {"1", "~1", "1"}});
    click(w.Command1);
    QCOMPARE(w.Command1->text(), kAgain);
    click(w.Command1);
    QVERIFY(cleared(w));
    QVERIFY(rec.shown.isEmpty());
    QCOMPARE(QApplication::focusWidget(), w.Text1[1]);

    // After the dependent message too.
    enter(w, {{"1", "2", "3"}, {"2", "4", "6"}});
    click(w.Command1);
    QCOMPARE(rec.texts(), QStringList{kDependent});
    click(w.Command1);
    QVERIFY(cleared(w));

    // Fields edited after a result are still checked before the clearing.
    rec.clear();
    enter(w, {{"1", "1", "3"}, {"1", "~1", "1"}});
    click(w.Command1);
    w.Text1[1]->clear();
    w.Text1[2]->setText(QStringLiteral("a"));
    click(w.Command1);
    QCOMPARE(rec.texts(), (QStringList{kMissing, inputcheck::kMessageDigits}));
    QVERIFY(cleared(w));
}

void TestLinearWindow::sharedState()
{
    MessageRecorder rec;
    LinearWindow w(m);
    w.show();
    enter(w, {{"1", "1", "1.5"}, {"1", "~1", "0.3"}});
    click(w.Command1);
    QCOMPARE(m.a1, 1.0);
    QCOMPARE(m.b2, -1.0);
    QCOMPARE(m.c1, 1.5);
    QCOMPARE(m.c2, 0.3);  // a double, not a single
    QCOMPARE(m.det, -2.0);
    QCOMPARE(m.detx, -1.8);
    QCOMPARE(m.dety, -1.2);
    QCOMPARE(m.folytat, false);

    w.Text1[3]->clear();
    click(w.Command1);  // "Újra": message, then the reset
    QCOMPARE(m.folytat, false);
    QCOMPARE(m.a1, 0.0);
    QCOMPARE(m.c2, 0.0);
    QCOMPARE(m.det, 0.0);
    QCOMPARE(m.dety, 0.0);

    w.Text1[1]->setText(QStringLiteral("1"));
    click(w.Command1);
    QCOMPARE(m.folytat, true);
}

void TestLinearWindow::valuesBeyondADouble_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("message");
    const QString huge = "1" + QString(400, '0');  // beyond the largest double
    const QString big = "1" + QString(200, '0');   // a double, but not its square
    QTest::newRow("coefficient") << System{{"1", huge, "1"}, {"1", "1", "1"}} << QStringLiteral("Túl nagy együttható!");
    QTest::newRow("negative right-hand side")
        << System{{"1", "1", "1"}, {"1", "2", "~" + huge}} << QStringLiteral("Túl nagy együttható!");
    // Both systems have results a double holds (1 and 1; 2E+200 and -1).
    QTest::newRow("determinant") << System{{big, "0", big}, {"0", big, big}} << QStringLiteral("Az eredmény túl nagy!");
    QTest::newRow("determinant of x")
        << System{{"1", big, big}, {"1", "2" + big.mid(1), "1"}} << QStringLiteral("Az eredmény túl nagy!");
}

void TestLinearWindow::valuesBeyondADouble()
{
    QFETCH(System, system);
    QFETCH(QString, message);
    MessageRecorder rec;
    Module1 shared;
    LinearWindow w(shared);
    w.show();
    enter(w, system);
    click(w.Command1);

    QCOMPARE(rec.texts(), QStringList{message});
    QCOMPARE(rec.shown.first().icon, messages::Icon::None);
    QCOMPARE(w.Text1[7]->text(), QString());
    QCOMPARE(w.Text1[8]->text(), QString());
    QCOMPARE(w.Command1->text(), kCompute);
    QCOMPARE(w.Text1[1]->text(), QString(system.first[0]).remove(QLatin1Char('~')));
    // Nothing infinite reaches the shared variables.
    for (double value : {shared.a1, shared.b1, shared.c1, shared.a2, shared.b2, shared.c2, shared.det, shared.detx,
                         shared.dety})
        QCOMPARE(value, 0.0);

    // The window goes on: small coefficients are solved.
    const QList<QPair<int, const char *>> small{{1, "1"}, {2, "1"}, {5, "3"}, {3, "1"}, {4, "1"}, {6, "1"}};
    for (int k = 1; k <= 6; ++k)
        if (w.Label1[size_t(k)]->isMinus())
            click(w.Label1[size_t(k)]);
    for (const auto &[field, text] : small)
        w.Text1[size_t(field)]->setText(QString::fromLatin1(text));
    click(w.Label1[4]);
    click(w.Command1);
    QCOMPARE(w.Text1[7]->text(), QStringLiteral(" 2"));
    QCOMPARE(w.Text1[8]->text(), QStringLiteral(" 1"));
}

void TestLinearWindow::signLabelsToggle()
{
    LinearWindow w(m);
    w.show();
    click(w.Label1[6]);
    QCOMPARE(w.Label1[6]->text(), QStringLiteral("-"));
    QCOMPARE(w.Label1[5]->text(), QStringLiteral("+"));
    click(w.Label1[6]);
    QCOMPARE(w.Label1[6]->text(), QStringLiteral("+"));
}

void TestLinearWindow::enterAndTabOrder()
{
    MessageRecorder rec;
    LinearWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);
    enter(w, {{"1", "1", "3"}, {"1", "~1", "1"}});
    QTest::keyClick(w.Text1[6], Qt::Key_Return);
    QCOMPARE(w.Text1[7]->text(), QString());
    QCOMPARE(w.Command1->text(), kCompute);
    QVERIFY(rec.shown.isEmpty());

    for (int k = 1; k < 8; ++k)
        QCOMPARE(nextTabStop(w.Text1[size_t(k)]), w.Text1[size_t(k + 1)]);
    QCOMPARE(nextTabStop(w.Text1[8]), static_cast<QWidget *>(w.Command1));
}

void TestLinearWindow::layoutFollowsTheTwipsTable()
{
    LinearWindow w(m);
    QCOMPARE(w.size(), twips::size(4590, 3195));
    QCOMPARE(w.Frame1->geometry(), twips::rect(68, 120, 4455, 1455));
    QCOMPARE(w.Frame2->geometry(), twips::rect(68, 2160, 4455, 975));
    QCOMPARE(w.Command1->geometry(), twips::rect(1800, 1680, 975, 375));
    QCOMPARE(w.Label3[1]->geometry(), twips::rect(240, 840, 255, 255));
    QCOMPARE(w.Label1[1]->geometry(), twips::rect(600, 360, 255, 255));
    QCOMPARE(w.Text1[2]->geometry(), twips::rect(1920, 360, 735, 285));
    QCOMPARE(w.Label1[5]->geometry(), twips::rect(3000, 360, 255, 255));
    QCOMPARE(w.Text1[5]->geometry(), twips::rect(3240, 360, 735, 285));
    QCOMPARE(w.Text1[6]->geometry(), twips::rect(3240, 840, 735, 285));
    QCOMPARE(w.Label2[1]->geometry(), twips::rect(2760, 840, 255, 255));
    QCOMPARE(w.Label4[1]->geometry(), twips::rect(2520, 360, 375, 255));
    QCOMPARE(w.Text1[7]->geometry(), twips::rect(720, 360, 1215, 285));
    QCOMPARE(w.Text1[8]->geometry(), twips::rect(3000, 360, 1215, 285));
    QCOMPARE(w.Text1[8]->parentWidget(), w.Frame2);
}

void TestLinearWindow::namesForAssistiveTechnology()
{
    LinearWindow w(m);
    QStringList names;
    for (int k = 1; k <= 8; ++k)
        names << w.Text1[size_t(k)]->accessibleName();
    for (const QString &name : names)
        QVERIFY2(!name.isEmpty(), "every field is named");
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 8);
    QCOMPARE(w.Command1->accessibleName(), QString());
    QCOMPARE(w.Label1[1]->accessibleName(), QString());
    QCOMPARE(w.Label3[0]->accessibleName(), QString());
    QVERIFY(w.Text1[7]->isReadOnly());
    QVERIFY(!w.Text1[6]->isReadOnly());
}

void TestLinearWindow::activationCentres()
{
    LinearWindow w(m);
    w.show();
    w.move(0, 0);
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&w);
    const QRect screen = w.screen()->geometry();
    QVERIFY(std::abs(w.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(std::abs(w.frameGeometry().center().y() - screen.center().y()) <= 1);
}

QTEST_MAIN(TestLinearWindow)
#include "tst_linearwindow.moc"
