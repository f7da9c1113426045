// The "x1,x2" and "x,y,z" keys open the solvers modally, one fresh dialog per
// opening, and hand activation back to the calculator afterwards.
#include "extenddriver.h"
#include "shared/module1.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "support/messagerecorder.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

namespace {
struct Seen {
    QString className;
    QString title;
    bool modal = false;
    QWidget *parent = nullptr;
    QString firstField;
};

// Once the modal dialog is up, notes what it is, types into its first field
// when asked (to see whether the next opening starts afresh) and closes it.
void closeWhenOpen(Seen &seen, const QString &typeIntoFirstField)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, typeIntoFirstField] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        seen.className = dialog->metaObject()->className();
        seen.title = dialog->windowTitle();
        seen.modal = dialog->isModal();
        seen.parent = dialog->parentWidget();
        const auto fields = dialog->findChildren<QLineEdit *>();
        for (QLineEdit *field : fields)
            if (field->isEnabled() && !field->isReadOnly()) {
                seen.firstField = field->text();
                if (!typeIntoFirstField.isEmpty())
                    field->setText(typeIntoFirstField);
                break;
            }
        dialog->close();
    });
    poll->start(10);
}
}  // namespace

class TestExtendSolverKeys : public QObject {
    Q_OBJECT
private slots:
    void opensModally_data();
    void opensModally();
};

void TestExtendSolverKeys::opensModally_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("title");
    QTest::newRow("x1,x2") << "x1,x2" << "MasodfWindow" << QString::fromUtf8("Másodfokú egyenlet-megoldás");
    QTest::newRow("x,y,z") << "x,y,z" << "LinearWindow" << QString::fromUtf8("Egyenletrendszer-megoldás");
}

void TestExtendSolverKeys::opensModally()
{
    QFETCH(QString, key);
    QFETCH(QString, className);
    QFETCH(QString, title);
    MessageRecorder recorder;
    Module1 m;
    ExtendWindow w(m);
    w.show();
    QApplication::setActiveWindow(&w);

    for (int opening = 0; opening < 2; ++opening) {
        QVERIFY(press(w, "C 1 2 +"));
        QCOMPARE(m.muvelet, QString("+"));
        w.move(0, 0);
        Seen seen;
        closeWhenOpen(seen, opening == 0 ? QStringLiteral("7") : QString());
        QVERIFY(press(w, key));  // returns once the dialog is closed
        QCOMPARE(seen.className, className);
        QCOMPARE(seen.title, title);
        QVERIFY(seen.modal);
        QCOMPARE(seen.parent, &w);
        QCOMPARE(seen.firstField, QString());  // each opening starts afresh
        QVERIFY(w.findChildren<QDialog *>().isEmpty());
        // Back in the calculator: its activation dropped the pending sign and
        // centred it again.
        QTRY_VERIFY(w.isActiveWindow());
        QCOMPARE(m.muvelet, QString());
        QCOMPARE(m.valto, true);
        QVERIFY(w.pos() != QPoint(0, 0));
    }
}

QTEST_MAIN(TestExtendSolverKeys)
#include "tst_extendsolverkeys.moc"
