#pragma once

#include <QWidget>

#include <memory>

class QHelpEngine;
class QTabWidget;
class QTextBrowser;

// The help window: contents and full-text search beside the page. Built on
// first use; `isReady()` is false when the help file is missing, and the
// caller tells the user.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();
    ~HelpViewer() override;

    bool isReady() const { return ready_; }

    void showContents();
    void showSearch();
    void search(const QString &words);

    QTabWidget *tabs() const { return tabs_; }
    QTextBrowser *page() const { return page_; }
    QHelpEngine *engine() const { return engine_.get(); }

private:
    void open(int tab);
    void build();

    std::unique_ptr<QHelpEngine> engine_;
    QTabWidget *tabs_ = nullptr;
    QTextBrowser *page_ = nullptr;
    QString pendingSearch_;
    bool indexed_ = false;
    bool ready_ = false;
    bool placed_ = false;  // centred at its first showing, then where the user puts it
};
