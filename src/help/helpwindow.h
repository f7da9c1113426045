#pragma once

#include "help/helpfiles.h"

#include <QtPlugin>

#include <memory>

class QHelpEngine;
class QMainWindow;
class QString;
class QTabWidget;
class QTextBrowser;

// The help window as the program sees it. The viewer itself, with Qt Help
// and its database driver, is a module loaded the first time the help is
// opened, so a start that never opens it maps neither.
class HelpWindow {
public:
    virtual ~HelpWindow() = default;

    // When the help cannot be opened, why; the caller tells the user.
    virtual helpfiles::Problem problem() const = 0;
    bool isReady() const { return problem() == helpfiles::Problem::None; }

    virtual void showContents() = 0;
    virtual void showSearch() = 0;
    virtual void search(const QString &words) = 0;

    virtual QMainWindow *window() = 0;
    virtual QTabWidget *tabs() const = 0;
    virtual QTextBrowser *page() const = 0;
    virtual QHelpEngine *engine() const = 0;
    // The private folder holding this instance's copy of the collection.
    virtual QString workFolder() const = 0;
};

// What the module's root object offers.
class HelpModule {
public:
    virtual ~HelpModule() = default;
    virtual std::unique_ptr<HelpWindow> create() = 0;
};
#define ZORVEXA_HELP_MODULE_IID "hu.zorvexa.HelpModule/1"
Q_DECLARE_INTERFACE(HelpModule, ZORVEXA_HELP_MODULE_IID)

// Loads the viewer module and builds a help window (not shown yet); null,
// with a warning on the terminal, when the module cannot be loaded.
std::unique_ptr<HelpWindow> openHelpWindow();
