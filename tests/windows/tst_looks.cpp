// What the eye gets: text at 4.5:1 (3:1 when locked) against the face behind
// it in a light and a dark palette and in the colourful scheme; key edges,
// outlines, focus marks and locked captions at 3:1 in the rendered pixels, in
// a light, three dark and a high-contrast desktop palette; no caption clipped
// at desktop fonts of 8 to 14 points, also when a theme sets its font again
// after start.
#include "core/module1.h"
#include "extend/extendwindow.h"
#include "infos/infoswindow.h"
#include "shell/aboutdialog.h"
#include "shell/optionsdialog.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "stand/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"
#include "ui/contraststyle.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

// Contrast ratio from relative luminance (sRGB, W3C definition).
static double ratio(QRgb a, QRgb b)
{
    const auto lum = [](QRgb c) {
        const auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(qRed(c) / 255.0) + 0.7152 * lin(qGreen(c) / 255.0) + 0.0722 * lin(qBlue(c) / 255.0);
    };
    return (std::max(lum(a), lum(b)) + 0.05) / (std::min(lum(a), lum(b)) + 0.05);
}

// The strongest contrast in `area` of `after` against `before` (the same
// pixels) or against one colour; `ring`: the outer two pixels only.
static double strongest(const QImage &after, QRect area, const QImage &before, QRgb against, bool ring)
{
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!ring || !area.adjusted(2, 2, -2, -2).contains(x, y))
                best = std::max(best, ratio(after.pixel(x, y), before.isNull() ? against : before.pixel(x, y)));
    return best;
}

// Where the style puts a part of a radio button, check box or key.
static QRect part(QWidget *w, QStyle::SubElement radio, QStyle::SubElement check, QStyle::SubElement key)
{
    QStyleOptionButton option;
    option.initFrom(w);
    return w->style()->subElementRect(qobject_cast<QRadioButton *>(w) ? radio
                                      : qobject_cast<QCheckBox *>(w)  ? check
                                                                      : key,
                                      &option, w);
}

// How far the key's edge stands out from what is just outside it, on its
// weakest side: on each side's middle, the stronger of its outer two pixels
// against the pixel two beyond the key.
static double edgeAllRound(const QImage &shot, QRect key)
{
    const QPoint middle = key.center();
    const struct {
        QPoint edge, outward;
    } sides[] = {{{middle.x(), key.top()}, {0, -1}},
                 {{middle.x(), key.bottom()}, {0, 1}},
                 {{key.left(), middle.y()}, {-1, 0}},
                 {{key.right(), middle.y()}, {1, 0}}};
    double weakest = 21;
    for (const auto &side : sides) {
        const QRgb outside = shot.pixel(side.edge + 2 * side.outward);
        weakest = std::min(weakest, std::max(ratio(shot.pixel(side.edge), outside),
                                             ratio(shot.pixel(side.edge - side.outward), outside)));
    }
    return weakest;
}

// A desktop palette from window, button, base, text, disabled text and highlight colours.
static QPalette desktopPalette(const QStringList &colours)
{
    QPalette palette{QColor(colours[1]), QColor(colours[0])};
    palette.setColor(QPalette::Base, QColor(colours[2]));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(role, QColor(colours[3]));
        palette.setColor(QPalette::Disabled, role, QColor(colours[4]));
    }
    palette.setColor(QPalette::Highlight, QColor(colours[5]));
    return palette;
}

class TestLooks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(new ContrastStyle); }
    void textContrast_data();
    void textContrast();
    void nonTextContrast_data();
    void nonTextContrast();
    void keyEdges_data() { nonTextContrast_data(); }
    void keyEdges();
    void noCaptionClipped_data();
    void noCaptionClipped();
    void indicatorsGrowWithText();
    void rootPicture();
};

// Each calculator window unlocked, locked and in inverse mode, the solvers,
// in a light and a dark palette; the standard window also in its colourful
// scheme, and with the desktop turned dark after it was built.
void TestLooks::textContrast_data()
{
    QTest::addColumn<QColor>("face");  // window and keys; text white on dark, black on light
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("colourful");
    QTest::addColumn<bool>("turnsDark");
    const char *const states[][2] = {{"stand", "1 + 2 = M+"},  {"stand", "M+ 1 / 0 ="}, {"extend", "1 + 2 = M+"},
                                     {"extend", "M+ 1 / 0 ="}, {"extend", "M+ Inv"},    {"infos", "1 + 2 = M+"},
                                     {"infos", "M+ 1 / 0 ="},  {"masodf", ""},          {"linear", ""}};
    for (const char *face : {"#efefef", "#353535"})
        for (const auto &s : states)
            for (const bool colourful : {false, true})
                if (!colourful || s[0] == QLatin1String("stand"))
                    QTest::addRow("%s %s %s%s", face, s[0], s[1], colourful ? " colourful" : "")
                        << QColor(face) << s[0] << s[1] << colourful << false;
    for (const bool colourful : {false, true})
        QTest::addRow("turns dark%s", colourful ? " colourful" : "") << QColor("#353535") << "stand"
                                                                     << "M+ 1 / 0 =" << colourful << true;
}

void TestLooks::textContrast()
{
    QFETCH(QColor, face);
    QFETCH(QString, window);
    QFETCH(QString, script);
    QFETCH(bool, colourful);
    QFETCH(bool, turnsDark);
    QPalette desktop(face, face);
    const QColor ink = face.lightness() < 128 ? Qt::white : Qt::black;
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        desktop.setColor(role, ink);
        desktop.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
    }
    desktop.setColor(QPalette::Base, face.lightness() < 128 ? QColor(35, 35, 35) : Qt::white);
    QApplication::setPalette(turnsDark ? QApplication::style()->standardPalette() : desktop);
    core::Module1 m;
    MessageRecorder messages;
    std::unique_ptr<QWidget> w;
    if (window == "stand" || window == "extend" || window == "infos") {
        CalculatorWindow *c = window == "stand"    ? static_cast<CalculatorWindow *>(new StandWindow(m))
                              : window == "extend" ? static_cast<CalculatorWindow *>(new ExtendWindow(m))
                                                   : new InfosWindow(m);
        w.reset(c);
        c->show();
        QApplication::setActiveWindow(c);
        RUN_SCRIPT(*c, script);
    } else {
        w = window == "masodf" ? std::unique_ptr<QWidget>(new MasodfWindow) : std::make_unique<LinearWindow>(m);
        w->show();
    }
    if (colourful) {
        QWidget *central = static_cast<QMainWindow *>(w.get())->centralWidget();
        QTest::mouseDClick(central, Qt::LeftButton);
        QCOMPARE(central->palette().color(QPalette::Window), QColor(0, 0x80, 0));
    }
    if (turnsDark) {
        QApplication::setPalette(desktop);
        // Delivered as a running application delivers it (a test runs no event loop).
        QEvent changed(QEvent::ApplicationPaletteChange);
        for (QWidget *widget : QApplication::allWidgets())
            QApplication::sendEvent(widget, &changed);
        // What has no described colour takes the new desktop's.
        QCOMPARE(w->findChild<QPushButton *>("Command6")->palette().color(QPalette::Button), face);
    }
    QStringList poor;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        const bool key = qobject_cast<QPushButton *>(c), field = qobject_cast<QLineEdit *>(c);
        const auto *button = qobject_cast<QAbstractButton *>(c);
        if (!c->isVisibleTo(w.get()) || (key && button->text().isEmpty()) ||
            !(field || button || qobject_cast<QLabel *>(c) || qobject_cast<QGroupBox *>(c)))
            continue;
        const QPalette::ColorGroup group = c->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QWidget *under = c;  // what shows behind a control that paints no face of its own
        while (!under->autoFillBackground() && !under->isWindow())
            under = under->parentWidget();
        const QPalette &p = c->palette();
        const QColor text = p.color(group, key ? QPalette::ButtonText : field ? QPalette::Text : c->foregroundRole());
        const QColor back = key     ? p.color(group, QPalette::Button)
                            : field ? p.color(group, QPalette::Base)
                                    : under->palette().color(group, under->backgroundRole());
        if (ratio(text.rgb(), back.rgb()) < (c->isEnabled() ? 4.5 : 3.0))
            poor << c->objectName() + " " + text.name() + " on " + back.name();
    }
    QVERIFY2(poor.isEmpty(), qPrintable(poor.join("; ")));
}

void TestLooks::nonTextContrast_data()
{
    QTest::addColumn<QStringList>("colours");  // window, button, base, text, disabled text, highlight
    QTest::newRow("light") << QStringList{"#efefef", "#efefef", "#ffffff", "#000000", "#bebebe", "#308cc6"};
    QTest::newRow("GNOME dark") << QStringList{"#353535", "#353535", "#2d2d2d", "#eeeeec", "#919190", "#15539e"};
    QTest::newRow("KDE dark") << QStringList{"#31363b", "#31363b", "#232629", "#eff0f1", "#6e7175", "#3daee9"};
    // qt6ct's "darker": keys lighter than the window.
    QTest::newRow("darker keys") << QStringList{"#222020", "#424245", "#3d3d3d", "#ffffff", "#808080", "#12608a"};
    QTest::newRow("high contrast") << QStringList{"#000000", "#000000", "#000000", "#ffffff", "#3ff23f", "#1aebff"};
}

// Each field's frame, unchecked radio button and check box against the face
// around it; then each of them and a key focused from the keyboard against
// its own unfocused pixels.
void TestLooks::nonTextContrast()
{
    QFETCH(QStringList, colours);
    QApplication::setPalette(desktopPalette(colours));
    core::Module1 m;
    InfosWindow infos(m);
    OptionsDialog options;
    MasodfWindow masodf;
    for (QWidget *window :
         {static_cast<QWidget *>(&infos), static_cast<QWidget *>(&options), static_cast<QWidget *>(&masodf)}) {
        window->show();
        QApplication::setActiveWindow(window);
        window->setAttribute(Qt::WA_KeyboardFocusChange);  // as after a Tab
        for (QWidget *w : window->findChildren<QWidget *>()) {
            // C in the calculator, OK and the solver's Számítás in the dialogs.
            const bool field = qobject_cast<QLineEdit *>(w),
                       key = w->objectName() == (window == &infos ? "Command6" : "Command1");
            if (!field && !key && !qobject_cast<QCheckBox *>(w) && w->objectName() != "Option1_0")
                continue;
            w->clearFocus();
            const QImage unfocused = window->grab().toImage();
            const QRect area(w->mapTo(window, QPoint(0, 0)), w->size());
            const QRect mark = field ? area
                                     : part(w, QStyle::SE_RadioButtonIndicator, QStyle::SE_CheckBoxIndicator,
                                            QStyle::SE_PushButtonContents)
                                           .translated(area.topLeft());
            const QRgb around = unfocused.pixel(area.topLeft() - QPoint(2, 0));
            QVERIFY2(key || strongest(unfocused, mark, QImage(), around, field) >= 3, qPrintable(w->objectName()));
            w->setFocus(Qt::TabFocusReason);
            const double focus = strongest(window->grab().toImage(), area, unfocused, 0, field);
            QVERIFY2(focus >= 3, qPrintable(w->objectName() + " focus " + QString::number(focus)));
        }
    }
}

// Every key of every window and of a message box, also in the colourful
// scheme, with Inv lit and locked by a refusal: its edge against the window
// around it; and a locked key's or option's caption against its face.
void TestLooks::keyEdges()
{
    QFETCH(QStringList, colours);
    QApplication::setPalette(desktopPalette(colours));
    QStringList poor;
    const auto judge = [&poor](QWidget *window, const QString &state) {
        window->show();
        const QImage shot = window->grab().toImage();
        int keys = 0;
        for (QAbstractButton *control : window->findChildren<QAbstractButton *>()) {
            const auto *key = qobject_cast<QPushButton *>(control);
            if (!control->isVisibleTo(window) || (key && key->isFlat()))
                continue;
            const QRect area(control->mapTo(window, QPoint(0, 0)), control->size());
            if (key) {
                ++keys;
                const double edge = edgeAllRound(shot, area);
                if (edge < 3)
                    poor << state + " " + key->objectName() + " edge " + QString::number(edge, 'f', 2);
            }
            if (control->isEnabled() || control->text().isEmpty())
                continue;
            // The face the caption is written on: inside a key's edge, or at
            // the corner of an option's caption.
            const QRect caption = part(control, QStyle::SE_RadioButtonContents, QStyle::SE_CheckBoxContents,
                                       QStyle::SE_PushButtonContents)
                                      .translated(area.topLeft());
            const QRgb face = shot.pixel(key ? area.topLeft() + QPoint(3, 3) : caption.topLeft());
            const double ink = strongest(shot, caption, QImage(), face, false);
            if (ink < 3)
                poor << state + " " + control->objectName() + " locked caption " + QString::number(ink, 'f', 2);
            if (!qobject_cast<QRadioButton *>(control) || !control->isChecked())
                continue;
            // The chosen one of locked options: its mark against the circle's inside.
            const QRect circle = part(control, QStyle::SE_RadioButtonIndicator, {}, {}).translated(area.topLeft());
            const QRect mark =
                circle.adjusted(circle.width() / 3, circle.height() / 3, -circle.width() / 3, -circle.height() / 3);
            const double dot =
                strongest(shot, mark, QImage(), shot.pixel(circle.left() + 2, circle.center().y()), false);
            if (dot < 3)
                poor << state + " " + control->objectName() + " locked mark " + QString::number(dot, 'f', 2);
        }
        if (keys == 0)
            poor << state + " has no keys";
    };
    {
        MessageRecorder messages;
        core::Module1 m;
        StandWindow stand(m);
        judge(&stand, "stand");
        QTest::mouseDClick(stand.centralWidget(), Qt::LeftButton);
        judge(&stand, "stand colourful");
        RUN_SCRIPT(stand, "1 / 0 =");
        judge(&stand, "stand colourful locked");
        ExtendWindow extend(m);
        extend.show();
        RUN_SCRIPT(extend, "M+ Inv");
        judge(&extend, "extend Inv");
        InfosWindow infos(m);
        infos.show();
        RUN_SCRIPT(infos, "1 / 0 =");
        judge(&infos, "infos locked");
        InfosWindow pending(m);  // a second operation pending: the base options locked
        pending.show();
        RUN_SCRIPT(pending, "1 + 2 +");
        QVERIFY(!pending.Option1[0]->isEnabled());
        judge(&pending, "infos options locked");
        MasodfWindow masodf;
        judge(&masodf, "masodf");
        LinearWindow linear(m);
        judge(&linear, "linear");
        OptionsDialog options;
        judge(&options, "options");
        AboutDialog about;
        judge(&about, "about");
    }
    bool boxSeen = false;
    QTimer::singleShot(0, this, [&] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible()) {
                boxSeen = true;
                judge(box, "message box");
                box->close();
            }
    });
    messages::show(QStringLiteral("Nullával nem lehet osztani!"), messages::Icon::Exclamation);
    QVERIFY(boxSeen);
    QVERIFY2(poor.isEmpty(), qPrintable(poor.join("; ")));
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
    const QFont font(QStringLiteral("DejaVu Sans"), points);
    QApplication::setFont(font);
    twips::followDesktopFont();  // as at start-up
    core::Module1 m;
    const std::unique_ptr<QWidget> windows[] = {std::make_unique<StandWindow>(m),  std::make_unique<ExtendWindow>(m),
                                                std::make_unique<InfosWindow>(m),  std::make_unique<MasodfWindow>(),
                                                std::make_unique<LinearWindow>(m), std::make_unique<OptionsDialog>(),
                                                std::make_unique<AboutDialog>()};
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
            if (caption.isEmpty() || !w->isVisibleTo(window.get()))
                continue;
            const QRect room = label ? w->contentsRect()
                                     : part(w, QStyle::SE_RadioButtonContents, QStyle::SE_CheckBoxContents,
                                            QStyle::SE_PushButtonContents);
            const QSize ink = QFontMetrics(w->font()).tightBoundingRect(caption).size();
            if (ink.width() > room.width() || ink.height() > room.height())
                clipped << window->objectName() + "." + w->objectName() + " '" + caption + "'";
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
}

// Radio buttons and check boxes grow with the desktop font, and stay square.
void TestLooks::indicatorsGrowWithText()
{
    const QFont before = QApplication::font();
    for (const int points : {9, 14}) {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        twips::followDesktopFont();
        for (QStyle::SubElement element : {QStyle::SE_RadioButtonIndicator, QStyle::SE_CheckBoxIndicator}) {
            QStyleOptionButton option;
            option.rect = QRect(0, 0, 400, 100);
            const QRect box = QApplication::style()->subElementRect(element, &option);
            QVERIFY2(box.width() == box.height() && box.height() >= points + 4,
                     qPrintable(QStringLiteral("%1x%2 at %3 points").arg(box.width()).arg(box.height()).arg(points)));
        }
    }
    QApplication::setFont(before);
    twips::followDesktopFont();
}

// The radical sign rises steeply from its foot to its bar, left of the x.
void TestLooks::rootPicture()
{
    core::Module1 m;
    ExtendWindow extend(m);
    const QImage root = extend.Command8[1]->icon().pixmap(QSize(18, 18), 1.0).toImage();
    int stroke = 0;
    for (int x = 7; x <= 9; ++x)
        for (int y = 8; y <= 10; ++y)
            stroke = std::max(stroke, qAlpha(root.pixel(x, y)));
    QVERIFY2(stroke > 100, qPrintable(QString::number(stroke)));
}

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
