#pragma once

#include "core/module1.h"
#include "shell/view.h"

#include <QObject>
#include <QPointer>

#include <memory>

class ExtendWindow;
class HelpWindow;
class InfosWindow;
class OptionsDialog;
class CalculatorWindow;
class QMainWindow;
class StandWindow;

// Owns the shared state and the windows. Naming a window loads it: the
// calculator windows are built the first time they are asked for and then
// kept; the dialogs are built at every opening.
class Application : public QObject {
    Q_OBJECT
public:
    Application();
    ~Application() override;

    core::Module1 &state() { return state_; }

    StandWindow &stand();
    ExtendWindow &extend();
    InfosWindow &infos();
    CalculatorWindow &window(View view);
    bool isLoaded(View view) const;

    // Start-up: load and show `stand`.
    void start();

    // The Nézet menu: show `to`, hide the third window (loading it hidden if
    // needed), then hide `from`.
    void switchView(View from, View to);

    // Beállítások: the settings dialog, modeless. Null until first opened and
    // after the user closed it from its frame.
    void showOptions();
    OptionsDialog *options() const;
    // The key tips of the three views on or off, window by window: `stand`,
    // then `extend`, then `infos`; a window not loaded yet is loaded hidden.
    void setTips(bool on);

    // Névjegy: the about box, modal over `owner`.
    void showAbout(QMainWindow *owner);

    // Súgó: contents (Tartalom, Index) or search (Keresés).
    void showHelpContents();
    void showHelpSearch();
    HelpWindow *helpViewer() const { return help_.get(); }

    // Kilépés, and closing the visible calculator window from its frame.
    void quit();

    // The calculator window the user works in: the visible one.
    QMainWindow *visibleWindow();

signals:
    // A window was loaded; its Form_Load has run.
    void windowLoaded(View view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loaded(QMainWindow *window, View view);
    HelpWindow *help();  // built on first use; null, after a message, when it cannot be opened

    core::Module1 state_;
    std::unique_ptr<StandWindow> stand_;
    std::unique_ptr<ExtendWindow> extend_;
    std::unique_ptr<InfosWindow> infos_;
    QPointer<OptionsDialog> options_;
    std::unique_ptr<HelpWindow> help_;
    bool quitting_ = false;
};
