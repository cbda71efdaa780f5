#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QString>
#include <QWidget>
#include <memory>
#include <ostream>

#include "fake_serial_backend.h"
#include "scripted_dialogs.h"
#include "serial_link.h"
#include "tform1.h"
#include "virtual_clock.h"

// Readable failure messages for Qt values.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}

namespace ampdesk::test {

// The main window of one edition on the virtual clock, a scripted dialog
// service and a link on a fake port.
struct WindowFixture {
    explicit WindowFixture(Edition edition)
        : link(clock, backend),
          form(std::make_unique<TForm1>(edition, WindowServices{clock, dialogs, link})) {}

    // Runs the start-up (the groups come up 10 ms after creation).
    void finishStartup() { clock.advance(10); }

    // Shows the window and makes it active so that focus moves work.
    void showActive() {
        form->show();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
    }

    template <class T = QWidget>
    T* find(const char* name) const {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Shown as far as the window is concerned (the window itself may be hidden).
    bool shown(const char* name) const {
        QWidget* w = find(name);
        return w && w->isVisibleTo(form.get());
    }

    VirtualClock clock;
    ScriptedDialogs dialogs;
    FakeSerialBackend backend;
    SerialLink link;
    std::unique_ptr<TForm1> form;
};

}  // namespace ampdesk::test
