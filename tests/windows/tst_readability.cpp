// Readable in every theme and at every text size: each control's text
// against the face behind it, in a light and a dark palette, in both colour
// schemes, locked and unlocked; each caption within its control at the
// default desktop font and at 1.25 and 1.5 times its size, and named for a
// screen reader; help pages without colours of their own.
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "core/module1.h"
#include "ui/twips.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>
#include <memory>

namespace {
// The contrast ratio of the accessibility guidelines, from relative luminance.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette p(QColor(53, 53, 53), QColor(53, 53, 53));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        p.setColor(role, Qt::white);
        p.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
    }
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

// The problems of a window's visible controls: with `colours`, a text short
// of 4.5 (3 when locked) against the face behind it; otherwise a caption
// whose ink does not fit its room, and a key or field without an accessible
// name.
QStringList problems(QWidget *window, bool colours)
{
    QStringList found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const auto *button = qobject_cast<QAbstractButton *>(w);
        const auto *label = qobject_cast<QLabel *>(w);
        const bool key = qobject_cast<QPushButton *>(w), field = qobject_cast<QLineEdit *>(w);
        const QString caption = button ? QString(button->text()).remove('&') : label ? label->text() : QString();
        if (!w->isVisibleTo(window))  // e.g. the menu bar's overflow key
            continue;
        const QString where = w->objectName() + " '" + caption + "'";
        const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QPalette &p = w->palette();
        const QWidget *under = w;  // what shows behind a control that paints no face of its own
        while (!under->autoFillBackground() && !under->isWindow())
            under = under->parentWidget();
        QColor face =
            under == w ? p.color(group, w->backgroundRole()) : under->palette().color(under->backgroundRole());
        if (colours &&
            (field || (key && !caption.isEmpty()) || (!key && (button || label || qobject_cast<QGroupBox *>(w))))) {
            const QColor text = p.color(group, key     ? QPalette::ButtonText
                                               : field ? QPalette::Text
                                                       : w->foregroundRole());
            face = key ? p.color(group, QPalette::Button) : field ? p.color(group, QPalette::Base) : face;
            if (contrast(text, face) < (w->isEnabled() ? 4.5 : 3.0))
                found << where + " " + text.name() + " on " + face.name();
        }
        if (colours)
            continue;
        QRect room = w->contentsRect();
        if (button) {
            QStyleOptionButton option;
            option.initFrom(button);
            room = w->style()->subElementRect(qobject_cast<const QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                              : key                                 ? QStyle::SE_PushButtonContents
                                                                                    : QStyle::SE_CheckBoxContents,
                                              &option, w);
        }
        // The ink of the caption: what a clipped caption would lose.
        const QSize ink = QFontMetrics(w->font()).tightBoundingRect(caption).size();
        const bool plain = button || (label && !label->wordWrap() && !Qt::mightBeRichText(caption));
        if (plain && !caption.isEmpty() && (ink.width() > room.width() || ink.height() > room.height()))
            found << where + " clipped";
        // Keys are named by what they do (tst_atspi.py checks the words).
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        const QString name = iface ? iface->text(QAccessible::Name) : QString();
        if ((button || field) && name.isEmpty())
            found << where + " named '" + name + "'";
    }
    if (window->windowTitle().isEmpty())
        found << window->objectName() + ": no window title";
    return found;
}

std::unique_ptr<QWidget> build(const QString &name, Module1 &m)
{
    if (name == QLatin1String("stand"))
        return std::make_unique<StandWindow>(m);
    if (name == QLatin1String("extend"))
        return std::make_unique<ExtendWindow>(m);
    if (name == QLatin1String("infos"))
        return std::make_unique<InfosWindow>(m);
    return name == QLatin1String("masodf") ? std::unique_ptr<QWidget>(new MasodfWindow)
                                           : std::make_unique<LinearWindow>(m);
}
}  // namespace

class TestReadability : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void contrast_data();
    void contrast();
    void captions_data();
    void captions();
    void helpFollowsThePalette();
};

// Each window unlocked, locked, in inverse mode, in both palettes; the
// standard window also in its colour scheme, and with the palette changed
// after it was built.
void TestReadability::contrast_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("colourful");
    QTest::addColumn<bool>("themeChange");
    const char *const states[][2] = {{"stand", "1 + 2 = M+"},  {"stand", "M+ 1 / 0 ="}, {"extend", "1 + 2 = M+"},
                                     {"extend", "M+ 1 / 0 ="}, {"extend", "M+ Inv"},    {"infos", "1 + 2 = M+"},
                                     {"infos", "M+ 1 / 0 ="},  {"masodf", ""},          {"linear", ""}};
    for (const bool dark : {false, true})
        for (const auto &s : states)
            for (const bool colourful : {false, true})
                if (!colourful || s[0] == QLatin1String("stand"))
                    QTest::addRow("%s %s %s%s", dark ? "dark" : "light", s[0], s[1], colourful ? " colourful" : "")
                        << dark << s[0] << s[1] << colourful << false;
    for (const bool colourful : {false, true})
        QTest::addRow("light to dark%s", colourful ? " colourful" : "") << true << "stand"
                                                                        << "M+ 1 / 0 =" << colourful << true;
}

void TestReadability::contrast()
{
    QFETCH(bool, dark);
    QFETCH(QString, window);
    QFETCH(QString, script);
    QFETCH(bool, colourful);
    QFETCH(bool, themeChange);
    const QPalette light = QApplication::style()->standardPalette();
    QApplication::setPalette(dark != themeChange ? darkPalette() : light);
    Module1 m;
    MessageRecorder messages;
    const std::unique_ptr<QWidget> w = build(window, m);
    w->show();
    QApplication::setActiveWindow(w.get());
    if (auto *calculator = qobject_cast<CalculatorWindow *>(w.get()))
        RUN_SCRIPT(*calculator, m, script);
    if (colourful) {
        QWidget *face = static_cast<QMainWindow *>(w.get())->centralWidget();
        QTest::mouseDClick(face, Qt::LeftButton);
        QCOMPARE(face->palette().color(QPalette::Window), QColor(0, 0x80, 0));
    }
    if (themeChange) {
        QApplication::setPalette(dark ? darkPalette() : light);
        // Delivered as a running application delivers it (a test runs no event loop).
        QEvent changed(QEvent::ApplicationPaletteChange);
        for (QWidget *widget : QApplication::allWidgets())
            QApplication::sendEvent(widget, &changed);
        // What has no described colour takes the new desktop's.
        QCOMPARE(w->findChild<QPushButton *>("Command6")->palette().color(QPalette::Button), QColor(53, 53, 53));
    }
    const QStringList found = problems(w.get(), true);
    QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
}

void TestReadability::captions_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("window");
    for (double scale : {1.0, 1.25, 1.5})
        for (const char *window : {"stand", "extend", "infos", "masodf", "linear"})
            QTest::addRow("%s at %.2f", window, scale) << scale << window;
}

void TestReadability::captions()
{
    QFETCH(double, scale);
    QFETCH(QString, window);
    QFont desktop = QApplication::font();
    desktop.setPointSizeF(twips::kDesktopPointSize * scale);
    QApplication::setFont(desktop);
    twips::followDesktopFont();
    QVERIFY2(qAbs(twips::textScale() - scale) < 0.05, qPrintable(QString::number(twips::textScale())));
    Module1 m;
    const std::unique_ptr<QWidget> w = build(window, m);
    w->show();
    const QStringList found = problems(w.get(), false);
    QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    // The face grows with the text from its 3975 x 3375 twips (265 x 225 pixels).
    if (window == QLatin1String("stand")) {
        const QSize face = static_cast<QMainWindow *>(w.get())->centralWidget()->size();
        QVERIFY(qAbs(face.width() - 265 * scale) <= 1 && qAbs(face.height() - 225 * scale) <= 1);
    }
}

// No colour of their own: the help viewer's palette colours the pages.
void TestReadability::helpFollowsThePalette()
{
    const QDir folder(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/help"));
    const QRegularExpression colour(QStringLiteral("color|(?<!&)#[0-9a-f]{3,6}\\b"),
                                    QRegularExpression::CaseInsensitiveOption);
    const QStringList pages = folder.entryList({QStringLiteral("*.html"), QStringLiteral("*.css")});
    QVERIFY(pages.size() > 2);
    for (const QString &page : pages) {
        QFile file(folder.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch found = colour.match(QString::fromUtf8(file.readAll()));
        QVERIFY2(!found.hasMatch(), qPrintable(page + ": " + found.captured()));
    }
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
