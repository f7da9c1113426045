// What the eye gets: outlines and focus marks at 3:1 in the rendered pixels,
// in a light and two dark desktop palettes; no caption clipped at desktop
// fonts of 8 to 14 points, also when a theme sets its font again after start;
// the about box's pictures and the icon drawn for screens at 1, 1.5 and 2.
#include "core/module1.h"
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/aboutdialog.h"
#include "shell/optionsdialog.h"
#include "shell/resources.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "standard/standwindow.h"
#include "ui/contraststyle.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>

namespace {
// Contrast ratio from relative luminance (sRGB, W3C definition).
double ratio(QRgb a, QRgb b)
{
    const auto lum = [](QRgb c) {
        const auto lin = [](int v) {
            return v / 255.0 <= 0.04045 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
    };
    const double x = lum(a), y = lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QPalette desktop(const char *window, const char *base, const char *text, const char *highlight)
{
    QPalette p{QColor(window), QColor(window)};
    p.setColor(QPalette::Base, QColor(base));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(role, QColor(text));
    p.setColor(QPalette::Highlight, QColor(highlight));
    return p;
}

// The strongest contrast in `area` of `after` against `before` (one colour, or the same pixels).
double strongest(const QImage &after, QRect area, const QImage &before, QRgb against = 0, bool ringOnly = false)
{
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!ringOnly || !area.adjusted(2, 2, -2, -2).contains(x, y))
                best = std::max(best, ratio(after.pixel(x, y), before.isNull() ? against : before.pixel(x, y)));
    return best;
}

std::vector<std::unique_ptr<QWidget>> everyWindow(Module1 &m)
{
    std::vector<std::unique_ptr<QWidget>> w;
    w.emplace_back(new StandWindow(m));
    w.emplace_back(new ExtendWindow(m));
    w.emplace_back(new InfosWindow(m));
    w.emplace_back(new MasodfWindow);
    w.emplace_back(new LinearWindow(m));
    w.emplace_back(new OptionsDialog);
    w.emplace_back(new AboutDialog);
    return w;
}
}  // namespace

class TestLooks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(new ContrastStyle); }
    void nonTextContrast_data();
    void nonTextContrast();
    void noCaptionClipped_data();
    void noCaptionClipped();
    void picturesSharp();
    void picturesSharpAtEveryScale();
};

void TestLooks::nonTextContrast_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << desktop("#efefef", "#ffffff", "#000000", "#308cc6");
    QTest::newRow("GNOME dark") << desktop("#353535", "#2d2d2d", "#eeeeec", "#15539e");
    QTest::newRow("KDE dark") << desktop("#31363b", "#232629", "#eff0f1", "#3daee9");
}

// Each field's frame, each unchecked radio button's and check box's mark
// against the face around it; then each of them and a key focused from the
// keyboard against its own unfocused pixels.
void TestLooks::nonTextContrast()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    Module1 m;
    InfosWindow infos(m);
    OptionsDialog options;
    for (QWidget *window : {static_cast<QWidget *>(&infos), static_cast<QWidget *>(&options)}) {
        window->show();
        QApplication::setActiveWindow(window);
        window->setAttribute(Qt::WA_KeyboardFocusChange);  // as after a Tab
        QList<QWidget *> parts;
        for (QWidget *w : window->findChildren<QWidget *>())
            if (qobject_cast<QLineEdit *>(w) || qobject_cast<QCheckBox *>(w) || w->objectName() == "Option1_0" ||
                w->objectName() == "Command6")
                parts << w;
        QVERIFY(parts.size() >= 2);
        for (QWidget *w : std::as_const(parts)) {
            w->clearFocus();
            const QImage unfocused = window->grab().toImage();
            const QRect area(w->mapTo(window, QPoint(0, 0)), w->size());
            const QRgb around = unfocused.pixel(area.topLeft() - QPoint(2, 0));
            QRect mark = area;
            if (auto *box = qobject_cast<QAbstractButton *>(w); box && !qobject_cast<QPushButton *>(w)) {
                QStyleOptionButton option;
                option.initFrom(box);
                mark = w->style()
                           ->subElementRect(qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxIndicator
                                                                         : QStyle::SE_RadioButtonIndicator,
                                            &option, w)
                           .translated(area.topLeft());
            }
            const bool field = qobject_cast<QLineEdit *>(w);
            if (!qobject_cast<QPushButton *>(w))
                QVERIFY2(strongest(unfocused, mark, QImage(), around, field) >= 3,
                         qPrintable(w->objectName() + " outline"));
            w->setFocus(Qt::TabFocusReason);
            QVERIFY(w->hasFocus());
            const double focusMark = strongest(window->grab().toImage(), area, unfocused, 0, field);
            QVERIFY2(focusMark >= 3, qPrintable(w->objectName() + " focus " + QString::number(focusMark)));
        }
    }
}

void TestLooks::noCaptionClipped_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("themeAgain");
    for (int points = 8; points <= 14; ++points)
        for (bool theme : {false, true})
            QTest::addRow("%d pt%s", points, theme ? ", set again by the theme" : "") << points << theme;
}

void TestLooks::noCaptionClipped()
{
    QFETCH(int, points);
    QFETCH(bool, themeAgain);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(points);
    QApplication::setFont(font);
    twips::followDesktopFont();  // as at start-up
    Module1 m;
    const auto windows = everyWindow(m);
    if (themeAgain)  // as qt6ct does once the event loop runs
        QGuiApplication::setFont(font);
    QStringList clipped;
    for (const auto &window : windows) {
        window->show();
        QCoreApplication::processEvents();
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const auto *button = qobject_cast<QAbstractButton *>(w);
            const auto *label = qobject_cast<QLabel *>(w);
            const QString caption = button ? button->text() : label && !label->wordWrap() ? label->text() : QString();
            if (caption.isEmpty() || Qt::mightBeRichText(caption) || !w->isVisibleTo(window.get()))
                continue;
            QRect room = w->contentsRect();
            if (button) {
                QStyleOptionButton option;
                option.initFrom(w);
                room = w->style()->subElementRect(qobject_cast<const QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                  : qobject_cast<const QCheckBox *>(w)  ? QStyle::SE_CheckBoxContents
                                                                                        : QStyle::SE_PushButtonContents,
                                                  &option, w);
            }
            const QSize ink = QFontMetrics(w->font()).tightBoundingRect(caption).size();
            if (ink.width() > room.width() || ink.height() > room.height())
                clipped << window->objectName() + "." + w->objectName() + " '" + caption + "'";
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
}

// Drawn for this process's screen: the pictures and the icon hand the screen
// as many pixels as it has.
void TestLooks::picturesSharp()
{
    const qreal scale = qApp->devicePixelRatio();
    AboutDialog about;
    about.show();
    for (const auto &[label, size] : {std::pair{about.Picture1, QSize(150, 50)}, {about.Picture2, QSize(103, 65)}}) {
        QCOMPARE(label->pixmap().deviceIndependentSize().toSize(), size);
        QCOMPARE(label->pixmap().size(), (QSizeF(size) * scale).toSize());
    }
    for (int side : {16, 24, 32, 48, 64})
        QCOMPARE(appIcon().pixmap(QSize(side, side), scale).size(), (QSizeF(side, side) * scale).toSize());
}

void TestLooks::picturesSharpAtEveryScale()
{
    for (const char *scale : {"1.5", "2"}) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
        run.setProcessEnvironment(env);
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("picturesSharp")});
        QVERIFY(run.waitForFinished(60000));
        QVERIFY2(run.exitCode() == 0, run.readAllStandardOutput().constData());
    }
}

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
