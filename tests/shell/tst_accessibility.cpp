// Every control a person works with is reachable by assistive technology
// under the name they see.
#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/aboutdialog.h"
#include "shell/optionsdialog.h"
#include "shelldriver.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "standard/standwindow.h"
#include "support/messagerecorder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

QString nameOf(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString captionOf(const QString &text)
{
    QString caption = text;
    return caption.remove(QLatin1Char('&'));
}

// The problems of one window's tree, one line each.
QStringList problems(QWidget *window)
{
    QStringList found;
    const QString where = window->objectName() + "/";
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;  // e.g. the menu bar's overflow key, shown only when needed
        const QString name = nameOf(w);
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (!button->text().isEmpty() && name != captionOf(button->text()))
                found << where + button->objectName() + ": name '" + name + "' is not its caption '" + button->text() + "'";
            else if (name.isEmpty())
                found << where + button->objectName() + ": a key without a caption has no name";
        } else if (auto *field = qobject_cast<QLineEdit *>(w)) {
            if (name.isEmpty())
                found << where + field->objectName() + ": a field without a name";
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->text().isEmpty() && !label->accessibleName().isEmpty() &&
                label->accessibleName() != label->text())
                found << where + label->objectName() + ": a captioned label renamed";
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            if (!group->title().isEmpty() && name != group->title())
                found << where + group->objectName() + ": a frame renamed";
        }
    }
    if (window->windowTitle().isEmpty())
        found << where + ": no window title";
    return found;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyWindow_data();
    void everyWindow();
    void pictureKeysAreNamed();
    void checkFindsMissingNames();
};

void TestAccessibility::everyWindow_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"stand", "extend", "infos", "masodf", "linear", "options", "about"})
        QTest::newRow(name) << name;
}

void TestAccessibility::everyWindow()
{
    QFETCH(QString, window);
    MessageRecorder recorder;
    Application app;
    app.start();
    std::unique_ptr<QWidget> owned;
    QWidget *w = nullptr;
    if (window == "stand")
        w = &app.stand();
    else if (window == "extend")
        w = &app.extend();
    else if (window == "infos")
        w = &app.infos();
    else if (window == "masodf")
        owned = std::make_unique<MasodfWindow>(app.state());
    else if (window == "linear")
        owned = std::make_unique<LinearWindow>(app.state());
    else if (window == "about")
        owned = std::make_unique<AboutDialog>();
    if (window == "options") {
        app.showOptions();
        w = app.options();
    }
    if (owned)
        w = owned.get();
    QVERIFY(w);
    w->show();
    const QStringList found = problems(w);
    QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
}

void TestAccessibility::pictureKeysAreNamed()
{
    MessageRecorder recorder;
    Application app;
    ExtendWindow &extend = app.extend();
    QVERIFY(extend.Command8[0]->text().isEmpty());
    QVERIFY(!extend.Command8[0]->icon().isNull());
    QCOMPARE(nameOf(extend.Command8[0]), QString::fromUtf8("Hatványozás"));
    QCOMPARE(nameOf(extend.Command8[1]), QString::fromUtf8("Gyökvonás"));
    QCOMPARE(nameOf(app.stand().Text1), QString::fromUtf8("Kijelző"));
}

// The walk itself notices a nameless field, a nameless picture key and a
// renamed caption.
void TestAccessibility::checkFindsMissingNames()
{
    QWidget window;
    window.setObjectName("probe");
    window.setWindowTitle("probe");
    auto *field = new QLineEdit(&window);
    field->setObjectName("field");
    auto *picture = new QPushButton(&window);
    picture->setObjectName("picture");
    auto *renamed = new QPushButton("OK", &window);
    renamed->setObjectName("renamed");
    renamed->setAccessibleName("Rendben");
    window.show();
    const QStringList found = problems(&window);
    QCOMPARE(found.size(), 3);
    QVERIFY(found.join(' ').contains("probe/field"));
    QVERIFY(found.join(' ').contains("probe/picture"));
    QVERIFY(found.join(' ').contains("probe/renamed"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
