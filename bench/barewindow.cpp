// The yardstick for start-up: a bare Qt Widgets window as anyone would write
// it, with what `stand` shows: two menus (4 and 5 items), a line edit, two
// labels and 20 push buttons, in a client area of the same size (265 x 225).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));

    QMenu *view = window.menuBar()->addMenu(QStringLiteral("Nézet"));
    for (const char *item : {"Egyszerű", "Bővített", "Informatikai", "Beállítások"})
        view->addAction(QString::fromUtf8(item));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("Súgó"));
    for (const char *item : {"Tartalom", "Index", "Keresés", "Névjegy", "Kilépés"})
        help->addAction(QString::fromUtf8(item));

    auto *client = new QWidget;
    client->setFixedSize(265, 225);
    auto *tape = new QLabel(client);
    tape->setGeometry(16, 8, 233, 25);
    auto *display = new QLineEdit(client);
    display->setGeometry(16, 40, 233, 25);
    auto *indicator = new QLabel(client);
    indicator->setGeometry(16, 88, 25, 25);
    for (int i = 0; i < 20; ++i) {
        auto *key = new QPushButton(QString::number(i), client);
        key->setGeometry(56 + 40 * (i % 5), 88 + 32 * (i / 5), 25, 25);
    }
    window.setCentralWidget(client);
    window.show();
    return qapp.exec();
}
