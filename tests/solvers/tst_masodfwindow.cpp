#include "shared/handcursor.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/twips.h"
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

namespace {
// The next widget Tab moves to.
QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// Types the three coefficients and makes the signs in `minus` ("012") "-".
void enter(MasodfWindow &w, const QStringList &texts, const QString &minus)
{
    for (int i = 0; i < 3; ++i) {
        w.Text1[i]->setFocus();
        if (texts[i].size() > 40)
            w.Text1[i]->setText(texts[i]);  // typing would take long
        else
            QTest::keyClicks(w.Text1[i], texts[i]);
        QCOMPARE(w.Text1[i]->text(), texts[i]);
    }
    for (const QChar index : minus)
        click(w.Label2[index.digitValue()]);
}

void verifyCleared(const MasodfWindow &w)
{
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(w.Text1[i]->text(), QString());
        QCOMPARE(w.Label2[i]->text(), QStringLiteral("+"));
    }
    QCOMPARE(w.Text4[0]->text(), QString());
    QCOMPARE(w.Text4[1]->text(), QString());
    QCOMPARE(w.Command1->text(), QStringLiteral("Számítás"));
}
}  // namespace

class TestMasodfWindow : public QObject {
    Q_OBJECT
private slots:
    void designState();
    void roots_data();
    void roots();
    void messagesThenCleared_data();
    void messagesThenCleared();
    void againClears();
    void signLabelsToggle();
    void enterDoesNotCompute();
    void layoutFollowsTheTwipsTable();
    void namesForAssistiveTechnology();
    void activationCentres();

private:
    Module1 m;
};

void TestMasodfWindow::designState()
{
    MasodfWindow w(m);
    QCOMPARE(w.windowTitle(), QStringLiteral("Másodfokú egyenlet-megoldás"));
    QCOMPARE(w.objectName(), QStringLiteral("masodf"));
    verifyCleared(w);
    QCOMPARE(w.Frame1->title(), QStringLiteral("Add meg az együtthatókat:"));
    QCOMPARE(w.Frame2->title(), QStringLiteral("Az eredmények:"));
    QCOMPARE(w.Label1[0]->text(), QStringLiteral("x2"));
    QCOMPARE(w.Label1[1]->text(), QStringLiteral("x"));
    QCOMPARE(w.Label1[2]->text(), QStringLiteral("= 0"));
    QCOMPARE(w.Label3[0]->text(), QStringLiteral("x1 ="));
    QCOMPARE(w.Label3[1]->text(), QStringLiteral("x2 ="));
    for (const SignLabel *sign : w.Label2) {
        QCOMPARE(sign->cursor().shape(), handCursor().shape());
        QCOMPARE(sign->alignment(), Qt::AlignCenter);
        QCOMPARE(sign->font().pointSizeF(), 12.0);
    }
    QCOMPARE(w.Label1[0]->font().pointSizeF(), 9.75);
}

void TestMasodfWindow::roots_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("minus");
    QTest::addColumn<QString>("x1");
    QTest::addColumn<QString>("x2");

    QTest::newRow("x^2-3x+2") << QStringList{"1", "3", "2"} << "1" << "2" << "1";
    QTest::newRow("double root") << QStringList{"1", "2", "1"} << "" << "-1" << "-1";
    QTest::newRow("negative a") << QStringList{"1", "0", "4"} << "0" << "-2" << "2";
    QTest::newRow("golden ratio") << QStringList{"1", "1", "1"} << "2" << ".618033988749895" << "-1.61803398874989";
    QTest::newRow("small root without cancellation")
        << QStringList{"1", "100000000", "1"} << "1" << "100000000" << numbertext::displayForm(1e-8);
    QTest::newRow("all signs minus") << QStringList{"2", "6", "0"} << "012" << "-3" << "0";
    QTest::newRow("linear") << QStringList{"0", "2", "4"} << "" << "-2" << "";
    QTest::newRow("linear, a 000") << QStringList{"000", "2", "4"} << "" << "-2" << "";
    QTest::newRow("linear, signs") << QStringList{"0", "4", "2"} << "01" << ".5" << "";
    QTest::newRow("long coefficients") << QStringList{"1" + QString(199, '0'), "0", "1" + QString(201, '0')} << "0"
                                       << "-10" << "10";
}

void TestMasodfWindow::roots()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, minus);
    QFETCH(QString, x1);
    QFETCH(QString, x2);
    MessageRecorder rec;
    MasodfWindow w(m);
    w.show();
    enter(w, coefficients, minus);
    click(w.Command1);
    QCOMPARE(rec.texts(), QStringList());
    QCOMPARE(w.Text4[0]->text(), x1);
    QCOMPARE(w.Text4[1]->text(), x2);
    QCOMPARE(w.Command1->text(), QStringLiteral("Újra"));
    // The coefficients stay on show with the roots.
    QCOMPARE(w.Text1[1]->text(), coefficients[1]);
}

void TestMasodfWindow::messagesThenCleared_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("minus");
    QTest::addColumn<QString>("message");

    const QString noRoot = QStringLiteral("Nincs valós gyök!");
    const QString missing = QStringLiteral("Minden együtthatót meg kell adnod!");
    const QString digits = QStringLiteral("Az együtthatók csak számok lehetnek!");
    QTest::newRow("no real root") << QStringList{"2", "0", "8"} << "" << noRoot;
    QTest::newRow("no real root, signs") << QStringList{"2", "1", "8"} << "012" << noRoot;
    QTest::newRow("a missing") << QStringList{"", "1", "2"} << "0" << missing;
    QTest::newRow("c missing, b bad") << QStringList{"1", "x", ""} << "2" << missing;
    QTest::newRow("point") << QStringList{"1.5", "1", "2"} << "" << digits;
    QTest::newRow("minus typed") << QStringList{"1", "-3", "2"} << "" << digits;
    QTest::newRow("leading blank") << QStringList{"1", "1", " 3"} << "1" << digits;
    QTest::newRow("blank only") << QStringList{"1", " ", "3"} << "" << digits;
    QTest::newRow("letter last") << QStringList{"1", "1", "12a"} << "" << digits;
    QTest::newRow("0 = 5") << QStringList{"0", "0", "5"} << "" << "Nincs megoldás!";
    QTest::newRow("0 = -5") << QStringList{"0", "0", "5"} << "012" << "Nincs megoldás!";
    QTest::newRow("0 = 0") << QStringList{"0", "00", "0"} << "1" << "Minden valós szám megoldás!";
    QTest::newRow("a beyond range") << QStringList{"1" + QString(400, '0'), "1", "1"} << "" << "Túl nagy együttható!";
    QTest::newRow("b beyond range, a 0") << QStringList{"0", QString(400, '9'), "1"} << "" << "Túl nagy együttható!";
}

void TestMasodfWindow::messagesThenCleared()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, minus);
    QFETCH(QString, message);
    MessageRecorder rec;
    MasodfWindow w(m);
    w.show();
    enter(w, coefficients, minus);
    click(w.Command1);
    QCOMPARE(rec.texts(), QStringList{message});
    QCOMPARE(rec.shown.first().icon, messages::Icon::Exclamation);
    verifyCleared(w);

    // Usable again straight away.
    enter(w, {"1", "3", "2"}, "1");
    click(w.Command1);
    QCOMPARE(w.Text4[0]->text(), QStringLiteral("2"));
    QCOMPARE(rec.shown.size(), 1);
}

void TestMasodfWindow::againClears()
{
    MessageRecorder rec;
    MasodfWindow w(m);
    w.show();
    enter(w, {"1", "3", "2"}, "012");
    click(w.Command1);
    QCOMPARE(w.Text4[0]->text(), QStringLiteral("-2"));
    QCOMPARE(w.Text4[1]->text(), QStringLiteral("-1"));
    QCOMPARE(w.Label2[1]->text(), QStringLiteral("-"));

    // "Újra" clears, even after the fields were edited.
    w.Text1[0]->setText(QStringLiteral("abc"));
    click(w.Command1);
    verifyCleared(w);
    QVERIFY(rec.shown.isEmpty());

    // The linear case shows its root and also waits for "Újra".
    enter(w, {"0", "5", "10"}, "");
    click(w.Command1);
    QCOMPARE(w.Text4[0]->text(), QStringLiteral("-2"));
    QCOMPARE(w.Command1->text(), QStringLiteral("Újra"));
    click(w.Command1);
    verifyCleared(w);
    QVERIFY(rec.shown.isEmpty());
}

void TestMasodfWindow::signLabelsToggle()
{
    MasodfWindow w(m);
    w.show();
    click(w.Label2[2]);
    QCOMPARE(w.Label2[2]->text(), QStringLiteral("-"));
    QCOMPARE(w.Label2[0]->text(), QStringLiteral("+"));
    click(w.Label2[2]);
    QCOMPARE(w.Label2[2]->text(), QStringLiteral("+"));
    // Any caption other than "-" counts as "+".
    w.Label2[0]->setText(QStringLiteral("?"));
    click(w.Label2[0]);
    QCOMPARE(w.Label2[0]->text(), QStringLiteral("-"));
    // A press that ends outside the label is no click.
    QTest::mousePress(w.Label2[1], Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(w.Label2[1], Qt::LeftButton, Qt::NoModifier, QPoint(-30, 2));
    QCOMPARE(w.Label2[1]->text(), QStringLiteral("+"));
}

void TestMasodfWindow::enterDoesNotCompute()
{
    MessageRecorder rec;
    MasodfWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);
    enter(w, {"1", "3", "2"}, "1");
    QTest::keyClick(w.Text1[2], Qt::Key_Return);
    QTest::keyClick(w.Text1[2], Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(w.Text4[0]->text(), QString());
    QCOMPARE(w.Command1->text(), QStringLiteral("Számítás"));
    QVERIFY(rec.shown.isEmpty());
    QVERIFY(!w.Command1->isDefault());
    QVERIFY(!w.Command1->autoDefault());

    // Tab order: a, b, c, the button, the two roots.
    const QList<QWidget *> order{w.Text1[0], w.Text1[1], w.Text1[2], w.Command1, w.Text4[0], w.Text4[1]};
    for (int i = 0; i + 1 < order.size(); ++i)
        QCOMPARE(nextTabStop(order[i]), order[i + 1]);
}

void TestMasodfWindow::layoutFollowsTheTwipsTable()
{
    MasodfWindow w(m);
    QCOMPARE(w.size(), twips::size(4080, 2490));
    QCOMPARE(w.Frame1->geometry(), twips::rect(50, 50, 3975, 900));
    QCOMPARE(w.Frame2->geometry(), twips::rect(50, 1560, 3975, 855));
    QCOMPARE(w.Command1->geometry(), twips::rect(1440, 1080, 1215, 375));
    QCOMPARE(w.Label2[1]->geometry(), twips::rect(1320, 360, 255, 255));
    QCOMPARE(w.Text1[2]->geometry(), twips::rect(2640, 360, 615, 285));
    // "= 0" may grow to the right to show its whole caption.
    QCOMPARE(w.Label1[2]->pos(), twips::rect(3360, 360, 255, 255).topLeft());
    QVERIFY(w.Label1[2]->width() >= twips::toPixels(255));
    QVERIFY(w.Label1[2]->width() >= w.Label1[2]->sizeHint().width());
    QVERIFY(w.Label1[2]->geometry().right() < w.Frame1->width());
    QCOMPARE(w.Text4[1]->geometry(), twips::rect(2400, 360, 1095, 285));
    QCOMPARE(w.Label3[1]->geometry(), twips::rect(2040, 360, 375, 255));
    QCOMPARE(w.Text1[0]->parentWidget(), w.Frame1);
    QCOMPARE(w.Text4[0]->parentWidget(), w.Frame2);
}

void TestMasodfWindow::namesForAssistiveTechnology()
{
    MasodfWindow w(m);
    QStringList names;
    for (const QLineEdit *field : w.Text1)
        names << field->accessibleName();
    for (const QLineEdit *field : w.Text4)
        names << field->accessibleName();
    for (const QString &name : names)
        QVERIFY2(!name.isEmpty(), "every field is named");
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    // Captioned controls speak their caption.
    QCOMPARE(w.Command1->accessibleName(), QString());
    QCOMPARE(w.Label2[0]->accessibleName(), QString());
    QCOMPARE(w.Label1[0]->accessibleName(), QString());
    QVERIFY(w.Text4[0]->isReadOnly());
}

void TestMasodfWindow::activationCentres()
{
    MasodfWindow w(m);
    w.show();
    w.move(0, 0);
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&w);
    const QRect screen = w.screen()->geometry();
    QVERIFY(std::abs(w.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(std::abs(w.frameGeometry().center().y() - screen.center().y()) <= 1);
}

QTEST_MAIN(TestMasodfWindow)
#include "tst_masodfwindow.moc"
