#pragma once
// Marks one event handled by Form1Logic: focus changes made while it runs are
// settled when the outermost scope closes.

#include "entry/Form1Logic.h"

namespace vantor {

class EventScope {
public:
    explicit EventScope(Form1Logic& logic) : logic_(logic) { ++logic_.depth_; }
    ~EventScope() {
        if (--logic_.depth_ == 0)
            logic_.settleFocus();
    }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

private:
    Form1Logic& logic_;
};

} // namespace vantor
