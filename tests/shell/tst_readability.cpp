// Readable in every theme and at every text size: each control's text
// against the face behind it, in a light and a dark palette, in both colour
// schemes, locked and unlocked; each caption within its control at the
// default desktop font and at 1.25 and 1.5 times its size; help pages
// without colours of their own.
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shared/module1.h"
#include "shared/twips.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"
#include "support/script.h"

#include <QAbstractButton>
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

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(const QColor &c)
{
    const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette p(QColor(53, 53, 53), QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
    return p;
}

// What shows behind a control that paints no face of its own.
QColor backdrop(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(p->backgroundRole());
    return QApplication::palette().color(QPalette::Window);
}

// Every control whose text falls short, with its ratio.
QStringList unreadable(QWidget *window)
{
    QStringList found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QPalette &p = w->palette();
        QColor text, face;
        if (auto *key = qobject_cast<QPushButton *>(w)) {
            if (key->text().isEmpty())
                continue;
            text = p.color(group, QPalette::ButtonText), face = p.color(group, QPalette::Button);
        } else if (qobject_cast<QLineEdit *>(w)) {
            text = p.color(group, QPalette::Text), face = p.color(group, QPalette::Base);
        } else if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QGroupBox *>(w)) {
            text = p.color(group, w->foregroundRole());
            face = w->autoFillBackground() ? p.color(group, w->backgroundRole()) : backdrop(w);
        } else {
            continue;
        }
        const double ratio = contrast(text, face), need = w->isEnabled() ? 4.5 : 3.0;
        if (ratio < need)
            found << QStringLiteral("%1 %2 on %3: %4")
                         .arg(w->objectName(), text.name(), face.name())
                         .arg(ratio, 0, 'f', 2);
    }
    return found;
}

// Every caption wider or taller than the room its control gives it.
QStringList clipped(QWidget *window)
{
    QStringList found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QString caption;
        QRect room;
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            caption = QString(button->text()).remove('&');
            QStyleOptionButton option;
            option.initFrom(button);
            const bool radio = qobject_cast<QRadioButton *>(w);
            room = w->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                    : (qobject_cast<QPushButton *>(w) ? QStyle::SE_PushButtonContents
                                                                                      : QStyle::SE_CheckBoxContents),
                                              &option, w);
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->wordWrap() || Qt::mightBeRichText(label->text()))
                continue;
            caption = label->text(), room = label->contentsRect();
        }
        if (caption.isEmpty() || !w->isVisibleTo(window))
            continue;
        // The ink of the caption: what a clipped caption would lose.
        const QSize ink = QFontMetrics(w->font()).tightBoundingRect(caption).size();
        if (ink.width() > room.width() || ink.height() > room.height())
            found << QStringLiteral("%1 '%2': %3x%4 in %5x%6")
                         .arg(w->objectName(), caption)
                         .arg(ink.width())
                         .arg(ink.height())
                         .arg(room.width())
                         .arg(room.height());
    }
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
    if (name == QLatin1String("masodf"))
        return std::make_unique<MasodfWindow>();
    return std::make_unique<LinearWindow>(m);
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

void TestReadability::contrast_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("colourful");
    QTest::addColumn<bool>("themeChange");  // the other palette comes after the window
    const struct {
        const char *window, *state, *script;
    } states[] = {
        {"stand", "unlocked", "1 + 2 = M+"}, {"stand", "locked", "M+ 1 / 0 ="},
        {"extend", "unlocked", "1 + 2 = M+"}, {"extend", "locked", "M+ 1 / 0 ="}, {"extend", "inverse", "M+ Inv"},
        {"infos", "unlocked", "1 + 2 = M+"}, {"infos", "locked", "M+ 1 / 0 ="},
        {"masodf", "as opened", ""}, {"linear", "as opened", ""},
    };
    for (bool dark : {false, true})
        for (const auto &s : states)
            for (bool colourful : {false, true})
                if (!colourful || QLatin1String(s.window) == QLatin1String("stand"))
                    QTest::addRow("%s %s %s%s", dark ? "dark" : "light", s.window, s.state,
                                  colourful ? " colourful" : "")
                        << dark << s.window << s.script << colourful << false;
    for (bool colourful : {false, true})
        QTest::addRow("light to dark stand%s", colourful ? " colourful" : "")
            << true << "stand" << "M+ 1 / 0 =" << colourful << true;
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
    const QStringList found = unreadable(w.get());
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
    const QStringList found = clipped(w.get());
    if (window == QLatin1String("masodf") && scale == 1.0)
        QEXPECT_FAIL("", "the layout's 375-twip result label is 1 pixel short of \"x1 =\" in 8-point DejaVu Sans",
                     Continue);
    QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    // The face grows with the text from its 3975 x 3375 twips (265 x 225 pixels).
    if (window == QLatin1String("stand")) {
        const QSize face = static_cast<QMainWindow *>(w.get())->centralWidget()->size();
        QVERIFY(qAbs(face.width() - 265 * scale) <= 1 && qAbs(face.height() - 225 * scale) <= 1);
    }
}

void TestReadability::helpFollowsThePalette()
{
    // No colour of their own: the help viewer's palette colours the pages.
    const QDir folder(QStringLiteral(QT_TESTCASE_SOURCEDIR "/resources/help"));
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
