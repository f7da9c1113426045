#include "shell/aboutdialog.h"

#include "shell/resources.h"
#include "ui/centring.h"
#include "ui/decoration.h"
#include "ui/handcursor.h"
#include "ui/twips.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

const QString AboutDialog::kContactAddress = QStringLiteral("zorvexa@example.org");

namespace {

QFont georgia(bool bold = false)
{
    QFont font(QStringLiteral("Georgia"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(9.75 * twips::textScale());  // grows with the layout
    font.setBold(bold);
    return font;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

// A picture drawn for the widget's screen: the double-size drawing where the
// screen is denser than 1, scaled down smoothly where it is between.
QPixmap picture(const QString &name, const QString &dense, QSize size, const QWidget *on)
{
    const qreal ratio = on->devicePixelRatioF();
    if (ratio <= 1)
        return QPixmap(QStringLiteral(":/images/") + name);
    QPixmap drawn = QPixmap(QStringLiteral(":/images/") + dense)
                        .scaled((QSizeF(size) * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    drawn.setDevicePixelRatio(ratio);
    return drawn;
}

void line(QWidget *parent, QFrame::Shape shape, QRect geometry)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Plain);
    frame->setGeometry(geometry);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
    decoration::hide(frame);
}

}  // namespace

AboutDialog::AboutDialog(QWidget *parent) : WithFormActivate(parent)
{
    loadResources();
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("Névjegy"));
    twips::keepFont(this);
    setFixedSize(twips::size(6060, 4500));

    // Decoration: two rectangles along the edge, two rules across.
    line(this, QFrame::Box, QRect(QPoint(0, 0), twips::size(6060, 4500)));
    line(this, QFrame::Box, twips::rect(50, 50, 6060 - 100, 4500 - 100));
    line(this, QFrame::HLine, twips::rect(120, 2950, 5930 - 120, 15));
    line(this, QFrame::HLine, twips::rect(120, 3000, 5930 - 120, 15));

    Picture1 = makeLabel(this, "Picture1", QString(), twips::rect(120, 120, 2415, 855));
    Picture1->setPixmap(
        picture(QStringLiteral("banner.gif"), QStringLiteral("banner@2x.png"), QSize(150, 50), Picture1));
    Picture1->setAccessibleName(QStringLiteral("Zorvexa"));
    Picture2 = makeLabel(this, "Picture2", QString(), twips::rect(450, 1080, 1575, 1040));
    Picture2->setPixmap(
        picture(QStringLiteral("calculator.jpg"), QStringLiteral("calculator@2x.jpg"), QSize(103, 65), Picture2));
    Picture2->setAccessibleName(QStringLiteral("Zsebszámológép"));

    Label2 = makeLabel(this, "Label2", QStringLiteral("Zorvexa-program"), twips::rect(2760, 360, 3135, 375));
    Label2->setFont(georgia());
    Label3 = makeLabel(this, "Label3", QStringLiteral("1.0.0 változat"), twips::rect(3120, 720, 2655, 375));
    Label3->setFont(georgia());
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A flat key that reads as the address: Tab reaches it, Enter or Space
    // opens it as a click does, and it is told as something to press.
    Label5 = new QPushButton(QStringLiteral("E-Mail: ") + kContactAddress, this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFlat(true);
    Label5->setFont(georgia(true));
    Label5->setGeometry(twips::rect(2520, 1800, 3255, 375));
    Label5->resize(Label5->sizeHint().width(), Label5->height());
    connect(Label5, &QPushButton::clicked, this, &AboutDialog::Label5_Click);
    // The licence, as everywhere else: GPL-3.0-or-later. Two lines, under
    // the pictures, above the rules.
    Label4 = makeLabel(this, "Label4",
                       QStringLiteral("© 2026 Zorvexa fejlesztői\nSzabad szoftver: GNU GPL 3. vagy későbbi változat."),
                       twips::rect(240, 2280, 5655, 615));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Label1 = makeLabel(this, "Label1",
                       QStringLiteral("A programot úgy adjuk, ahogy van, mindenféle jótállás nélkül. "
                                      "Fontos számítások eredményét ellenőrizze más módon is; "
                                      "a program használatából eredő károkért a szerzők nem "
                                      "vállalnak felelősséget."),
                       twips::rect(240, 3240, 4575, 1095));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips::rect(5040, 3240, 615, 975));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &AboutDialog::Command1_Click);
    // Enter closes the box until Tab moves to the address.
    Command1->setFocus();

    Form_Load();
}

void AboutDialog::Form_Load() { Label5->setCursor(handCursor()); }

void AboutDialog::Form_Activate() { centreOnScreen(this); }

void AboutDialog::Command1_Click() { accept(); }

void AboutDialog::Label5_Click()
{
    // Whether a mail program starts or not, the box says nothing of its own.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + kContactAddress));
}
