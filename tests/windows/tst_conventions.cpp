// The desktop's conventions: Ctrl+C in a display copies the number shown when
// nothing is selected, Ctrl+Q quits from every view.
#include "shell/application.h"
#include "stand/standwindow.h"
#include "support/script.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestConventions : public QObject {
    Q_OBJECT
private slots:
    void copyTheShownNumber()
    {
        core::Module1 m;
        StandWindow w(m);
        w.show();
        QApplication::setActiveWindow(&w);
        RUN_SCRIPT(w, "1 2 , 5");
        QApplication::clipboard()->setText("before");
        QTest::keyClick(w.Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12.5"));
        w.Text1->setSelection(1, 2);  // a selection is copied as it is
        QTest::keyClick(w.Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2."));
    }

    void quitWithCtrlQ()
    {
        Application app;
        app.start();
        for (View view : {View::Stand, View::Extend, View::Infos}) {
            app.switchView(View::Stand, view);
            QMainWindow &window = app.window(view);
            QApplication::setActiveWindow(&window);
            QSignalSpy quits(window.findChildren<QAction *>(QRegularExpression("^quit")).value(0), &QAction::triggered);
            QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
            QCOMPARE(quits.size(), 1);
            app.switchView(view, View::Stand);
        }
    }
};

QTEST_MAIN(TestConventions)
#include "tst_conventions.moc"
