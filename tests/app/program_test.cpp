#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include "program.h"

namespace ampdesk {
namespace {

QMainWindow* mainWindow() {
    for (auto* w : QApplication::topLevelWidgets())
        if (w->objectName() == "TForm1" && w->isVisible()) return qobject_cast<QMainWindow*>(w);
    return nullptr;
}

// The whole program, as main runs it: the window opens at its size and the
// program ends cleanly when the window is closed.
class ProgramTest : public ::testing::TestWithParam<Edition> {};

TEST_P(ProgramTest, OpensItsWindowAndEndsWhenItIsClosed) {
    const Edition edition = GetParam();
    QSize seen;
    bool found = false;
    QTimer::singleShot(300, [&] {
        if (auto* w = mainWindow()) {
            found = true;
            seen = w->size();
            w->close();
        } else {
            QApplication::exit(99);
        }
    });
    EXPECT_EQ(runProgram(edition), 0);
    EXPECT_TRUE(found);
    EXPECT_EQ(seen, QSize(750, edition == Edition::A ? 787 : 753));
    EXPECT_EQ(mainWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(BothEditions, ProgramTest, ::testing::Values(Edition::A, Edition::B),
                         [](const auto& info) {
                             return std::string(info.param == Edition::A ? "A" : "B");
                         });

}  // namespace
}  // namespace ampdesk
