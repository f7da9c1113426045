#pragma once

#include "help/helpfiles.h"
#include "help/helpwindow.h"

#include <QMainWindow>

#include <memory>

class QHelpEngine;
class QTabWidget;
class QTextBrowser;

// The help window: contents and full-text search beside the page, a main
// window of its own (so assistive technology sees a window). Built on
// first use; when the help cannot be opened `isReady()` is false, `problem()`
// says why, and the caller tells the user.
class HelpViewer : public QMainWindow, public HelpWindow {
    Q_OBJECT
public:
    HelpViewer();
    ~HelpViewer() override;

    helpfiles::Problem problem() const override { return problem_; }

    void showContents() override;
    void showSearch() override;
    void search(const QString &words) override;

    QMainWindow *window() override { return this; }
    QTabWidget *tabs() const override { return tabs_; }
    QTextBrowser *page() const override { return page_; }
    QHelpEngine *engine() const override { return engine_.get(); }
    QString workFolder() const override;

private:
    helpfiles::Problem load();
    void open(int tab);
    void build();

    std::unique_ptr<helpfiles::PrivateFolder> place_;  // outlives the engine, which has its files open
    std::unique_ptr<QHelpEngine> engine_;
    QTabWidget *tabs_ = nullptr;
    QTextBrowser *page_ = nullptr;
    QString pendingSearch_;
    helpfiles::Problem problem_ = helpfiles::Problem::Missing;
    bool indexed_ = false;
    bool placed_ = false;  // centred at its first showing, then where the user puts it
};
