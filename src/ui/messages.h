#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the application goes through here: modal, titled
// "Zorvexa", one OK button. Tests install a recorder instead of real boxes.
namespace messages {

enum class Icon { None, Exclamation };

// Shows the box and returns when the user has closed it. `owner` is the
// window the box belongs to; it is activated again afterwards.
void show(const QString &text, Icon icon = Icon::None, QWidget *owner = nullptr);

using Handler = std::function<void(const QString &text, Icon icon)>;

// Replaces the real boxes (tests); an empty handler restores them.
// Returns the handler in force before.
Handler setHandler(Handler handler);

// Called just before a real box is shown, with its owner: the event driver
// records it and arms the timer that closes it. Returns the one before.
using Observer = std::function<void(const QString &text, Icon icon, QWidget *owner)>;
Observer setObserver(Observer observer);

}  // namespace messages
