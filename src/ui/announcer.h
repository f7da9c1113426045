#pragma once

#include <QWidget>

// Tells a screen reader a short sentence that no control of the window reads
// out by itself. Qt 6.4 has no announcement event, and its AT-SPI bridge sends
// a name or description change without the new text, which Orca cannot speak;
// a notification that shows is read out at once. Takes no room on screen.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    // Shows the notification anew with these words; nothing for none.
    void say(const QString &words);
};
