#pragma once
// Marks one event handled by Form1Logic: focus changes made while it runs are
// settled when the outermost scope closes, and so is the message label's colour.

#include "entry/Form1Logic.h"

#include <string>

namespace vantor {

class EventScope {
public:
    explicit EventScope(Form1Logic& logic) : logic_(logic) {
        if (logic_.depth_++ == 0) {
            caption_ = logic_.m_.lblDialog.caption;
            announcements_ = logic_.announcements_;
        }
    }
    ~EventScope() {
        if (--logic_.depth_ != 0)
            return;
        logic_.settleFocus();
        // Red belongs to the duplicate announcement alone: any other text that replaces
        // it (a printer notice, a clock message) shows in the normal colours.
        if (logic_.announcements_ == announcements_ && logic_.m_.lblDialog.caption != caption_)
            logic_.m_.lblDialog.back = colours::Message;
    }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

private:
    Form1Logic& logic_;
    std::string caption_;
    int announcements_ = 0;
};

} // namespace vantor
