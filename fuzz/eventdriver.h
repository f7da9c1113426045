#pragma once

#include "invariants.h"
#include "memory.h"
#include "randomsource.h"
#include "resultcheck.h"
#include "watchdog.h"

#include "support/messagerecorder.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <functional>

class Application;
class HelpViewer;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QWidget;

// Drives the whole application through its real widgets with random events
// and checks the invariants after each one. Runs inside the event loop, one
// event per turn, so painting and deferred deletions happen as they would
// for a user; ends the loop when done.
class EventDriver : public QObject {
    Q_OBJECT
public:
    struct Settings {
        std::int64_t events = 200000;
        bool trace = false;
        bool realBoxes = false;  // real message boxes, closed by a timer, instead of recorded ones
        int watchdogSeconds = 60;
    };
    EventDriver(Application &app, std::uint64_t seed, const Settings &settings);
    ~EventDriver() override;

    // Schedules the first chunk; QApplication::exec() then runs the events.
    void start();

    std::int64_t performed() const { return count_; }
    void printSummary() const;
    // Resident memory grew past its bound (plain builds).
    bool memoryOver() const { return memory_.over(); }

private:
    enum Category {
        KeyClick,
        Typing,
        OtherCharacters,
        LongText,
        Paste,
        KeypadKey,
        EditingKey,
        BaseOption,
        ViewSwitch,
        Activation,
        Options,
        Solver,
        SolverEvent,
        About,
        Help,
        DoubleClick,
        CategoryCount
    };

    void chunk();
    void finish();
    void progress() const;
    // Records, performs and checks one event; a violation ends the process.
    // `check`, made before the event, judges the results it shows.
    void perform(Category category, const QString &what, const std::function<void()> &act,
                 const resultcheck::After &check = {});
    [[noreturn]] void fail(const QStringList &violations);

    void calculatorEvent(QMainWindow *window, QLineEdit *display);
    void clickKey(QMainWindow *window);
    void typeEvent(QLineEdit *display, Category category, const QString &text);
    void baseOptionEvent();
    void viewEvent(QMainWindow *window);
    void optionsEvent(QMainWindow *window);
    void helpEvent(QMainWindow *window);
    void searchHelp(HelpViewer *viewer);
    void openModal(Category category, const QString &what, const std::function<void()> &act);
    void driveModal();
    // One event in an open solver; false when the batch should end.
    bool solverEvent(QWidget *modal);
    void aboutEvent(QWidget *modal);
    // A real message box opened: record it and close it from a timer.
    void boxShown(const QString &text, messages::Icon icon, QWidget *owner);
    void closeBox();
    void checkReactivation();

    const QVector<QPushButton *> &keysOf(QMainWindow *window);
    void activate(QWidget *window);
    void click(QPushButton *key, const QString &what, Category category, const resultcheck::After &check = {});
    // The reference check of a calculator key that shows a result.
    resultcheck::After checkOfKey(QMainWindow *window, QPushButton *key);

    Application &app_;
    std::uint64_t seed_;
    RandomSource rng_;
    std::int64_t limit_;
    std::int64_t count_ = 0;
    bool trace_;
    bool realBoxes_;
    Watchdog watchdog_;
    memory::RunMemory memory_;
    std::int64_t realBoxesShown_ = 0;
    QPointer<QWidget> boxOwner_;  // the window of the last real box, to be active again
    MessageRecorder recorder_;
    Invariants invariants_;
    QHash<QMainWindow *, QVector<QPushButton *>> keys_;
    std::array<std::int64_t, CategoryCount> perCategory_{};
    std::int64_t messages_ = 0;
    std::int64_t modalsOpened_ = 0;
    std::int64_t reported_ = 0;
    std::int64_t sampled_ = 0;
    QElapsedTimer clock_;
};
