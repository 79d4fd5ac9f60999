#include "platform/linux/foreground_programs.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

const ForegroundProgram kEditorFirst{"xedit", "Xedit", 10, "notes.txt"};
const ForegroundProgram kEditorSecond{"xedit", "Xedit", 11, "todo.txt"};
const ForegroundProgram kGame{"game.exe", "game.exe", 20, "Shooter"};
const ForegroundProgram kWaylandTerminal{"", "foot", 0, "~"};

TEST(ForegroundChanges, OnlyAnotherProgramIsPassedOn) {
    std::vector<ForegroundProgram> heard;
    ForegroundChanges changes([&](const ForegroundProgram& program) { heard.push_back(program); });
    for (const ForegroundProgram& program : {kEditorFirst, kEditorFirst, kEditorSecond, kGame, kGame,
                                             kWaylandTerminal, kEditorSecond}) {
        changes.Report(program);
    }
    EXPECT_EQ(heard, (std::vector<ForegroundProgram>{kEditorFirst, kGame, kWaylandTerminal, kEditorSecond}));
}

TEST(DistinctPrograms, EachProgramOnceInTheOrderOfItsFirstWindow) {
    EXPECT_EQ(DistinctPrograms({kGame, kEditorFirst, kGame, kEditorSecond, kWaylandTerminal}),
              (std::vector<ForegroundProgram>{kGame, kEditorFirst, kWaylandTerminal}));
    EXPECT_TRUE(DistinctPrograms({}).empty());
}

}  // namespace
}  // namespace oryn7px
