#pragma once

// The driver's own checks, checked: the number forms on texts whose verdict
// is known, and the invariants on states made broken on purpose, so a driver
// that could never fail is caught. Needs a QApplication.
namespace selftest {

int run();

}  // namespace selftest
