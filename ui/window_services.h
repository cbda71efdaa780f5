#pragma once

namespace ampdesk {

class Dialogs;
class Scheduler;
class SerialLink;

// What the main window runs on: the programs pass the Qt implementations,
// tests the virtual clock, scripted dialogs and a link on a fake port.
struct WindowServices {
    Scheduler& scheduler;
    Dialogs& dialogs;
    SerialLink& link;
};

}  // namespace ampdesk
