// The keys that open the equation solvers.
#include "scientific/extendwindow.h"

#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"

// A fresh dialog per opening, so each starts from its design state. No
// platform hands activation back after a modal dialog; taking it here runs
// Form_Activate as a return to this window should.
void ExtendWindow::Command11_Click()
{
    MasodfWindow w(m, this);
    w.exec();
    activateWindow();
}

void ExtendWindow::Command12_Click()
{
    LinearWindow w(m, this);
    w.exec();
    activateWindow();
}
