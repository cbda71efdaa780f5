#include "scripted_dialogs.h"

#include <gtest/gtest.h>

namespace ampdesk {
namespace {

TEST(ScriptedDialogs, OpenAndSaveAnswerFromTheirOwnScriptsThenCancel) {
    ScriptedDialogs dialogs;
    dialogs.answerSave("/tmp/saved");
    dialogs.answerOpen("/tmp/first");
    dialogs.answerOpen(std::nullopt);
    FileDialogOptions options;
    options.title = "Load";
    options.filterLabel = "Group file";
    EXPECT_EQ(dialogs.getOpenFileName(options), "/tmp/first");
    EXPECT_EQ(dialogs.getSaveFileName(options), "/tmp/saved");
    EXPECT_EQ(dialogs.getOpenFileName(options), std::nullopt);  // scripted cancel
    EXPECT_EQ(dialogs.getSaveFileName(options), std::nullopt);  // unscripted
    ASSERT_EQ(dialogs.records().size(), 4u);
    using Kind = ScriptedDialogs::Kind;
    const Kind kinds[] = {Kind::Open, Kind::Save, Kind::Open, Kind::Save};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(dialogs.records()[i].kind, kinds[i]) << i;
        EXPECT_EQ(dialogs.records()[i].text, "Group file");
        EXPECT_EQ(dialogs.records()[i].caption, "Load");
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace ampdesk
