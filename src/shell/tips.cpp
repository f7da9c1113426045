#include "shell/tips.h"

#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/application.h"
#include "standard/standwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QToolTip>

namespace {

// The controls every calculator window has under the same names.
template <typename Window>
void commonTips(Window &w, bool on)
{
    auto tip = [on](QWidget *control, const char *text) {
        control->setToolTip(on ? QString::fromUtf8(text) : QString());
    };
    tip(w.Label2, "Memória állapotjelző");
    tip(w.Command1[0], "Elhelyezi a memóriában");
    tip(w.Command1[1], "Kiolvassa a memória tartalmát");
    tip(w.Command1[2], "Törli a memóriát");
    tip(w.Command5[0], "Összeadás");
    tip(w.Command5[1], "Kivonás");
    tip(w.Command5[2], "Szorzás");
    tip(w.Command5[3], "Osztás");
    tip(w.Command6, "Törlés");
}

}  // namespace

void applyTips(Application &app, bool on)
{
    QToolTip::hideText();
    commonTips(app.stand(), on);

    ExtendWindow &extend = app.extend();
    commonTips(extend, on);
    const char *functionTips[13] = {
        "Hatványozás: x az n-ediken",
        "Gyökvonás: n-edik gyök x",
        "n faktoriálisa",
        "x reciproka",
        "Legnagyobb közös osztó",
        "Legkisebb közös többszörös",
        "Tizes alapú logaritmus",
        "Természetes (e) alapú logaritmus",
        "", "", "",  // sin, cos, tg: no tip
        "Százalékszámítás: a (alap) b %-a",
        "",          // ctg: never a tip
    };
    for (int i = 0; i < 13; ++i)
        extend.Command8[i]->setToolTip(on ? QString::fromUtf8(functionTips[i]) : QString());
    extend.Command9[0]->setToolTip(on ? QStringLiteral("Pi-konstans") : QString());
    extend.Command9[1]->setToolTip(on ? QStringLiteral("e-konstans") : QString());
    extend.Command10->setToolTip(on ? QStringLiteral("INVERZ: a művelet ellentéte") : QString());
    extend.Command11->setToolTip(on ? QStringLiteral("Másodfokú egyenlet-megoldás") : QString());
    extend.Command12->setToolTip(on ? QStringLiteral("Kétismeretlenes egyenletrendszer-megoldás") : QString());

    InfosWindow &infos = app.infos();
    commonTips(infos, on);
    for (int i = 10; i <= 15; ++i)
        infos.Command2[i]->setToolTip(on ? QString::number(i) : QString());
}
