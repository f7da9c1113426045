#pragma once

namespace core {

// Where the user came from when a window became the active one.
enum class Arrival {
    FromOurWindow,  // shown, switched to, or back from a dialog or message box of the application
    FromHelp,       // back from the help window, which the calculator does not wait for
    FromElsewhere,  // back from another program, or from no window at all
};

// A window's Form_Activate runs only on a return from another of the
// application's windows: a pending operation survives a look at the help
// or at another program.
constexpr bool runsFormActivate(Arrival from) { return from == Arrival::FromOurWindow; }

}  // namespace core
