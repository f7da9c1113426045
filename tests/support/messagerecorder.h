#pragma once

#include "ui/messages.h"

#include <QList>
#include <QString>

#include <utility>

// Records the message boxes shown while it lives, instead of showing them.
class MessageRecorder {
public:
    struct Shown {
        QString text;
        messages::Icon icon;
    };

    MessageRecorder()
    {
        previous_ = messages::setHandler([this](const QString &text, messages::Icon icon) {
            shown.append({text, icon});
        });
    }
    ~MessageRecorder() { messages::setHandler(std::move(previous_)); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &s : shown)
            result << s.text;
        return result;
    }
    void clear() { shown.clear(); }

    QList<Shown> shown;

private:
    messages::Handler previous_;
};
