#include "app/text_editor.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/file_storage.h"
#include "model/text.h"
#include "support/game_fixture.h"

namespace krizovky {
namespace {

using testing::GameFixture;
using V = std::vector<std::string>;

const std::string kFile = cp1250FromUtf8("@čáp\r\n0*15\r\n@dub\r\n2*15\r\n");

// The game with the text editor opened by "&Text" on kFile.
struct EditorFixture : GameFixture {
    EditorFixture() {
        dir.write("krizovky.KRI", kFile);
        game.tasks().showTextEditor();
        editor().activate();
    }
    TaskTextEditor& editor() { return game.tasks().textEditor(); }
    std::string file() { return readFileBytes(dir.file("krizovky.KRI")); }
};

TEST(TextEditor, OpensOnlyOnAnExistingFileAndReadsItAtEachActivation) {
    EditorFixture f;
    EXPECT_EQ(f.editor().screen().lines, splitLines(kFile));
    EXPECT_FALSE(f.editor().modified());

    // Active already: the same activation. After leaving: the file again,
    // LF alone reading like CR LF, UTF-8 as Windows-1250; a file that is gone
    // keeps the text shown.
    f.dir.write("krizovky.KRI", "@jiná\n");
    f.editor().activate();
    EXPECT_EQ(f.editor().screen().lines.size(), 4u);
    f.editor().deactivate();
    f.editor().activate();
    EXPECT_EQ(f.editor().screen().lines, V{cp1250FromUtf8("@jiná")});
    f.editor().deactivate();
    std::filesystem::remove(f.dir.file("krizovky.KRI"));
    f.editor().activate();
    EXPECT_EQ(f.host.failures, V{kFileNotFound});
    EXPECT_EQ(f.editor().screen().lines, V{cp1250FromUtf8("@jiná")});

    f.editor().leave();
    f.game.tasks().showTextEditor();
    EXPECT_FALSE(f.editor().screen().visible);
    f.game.tasks().setTaskFilePath("");
    f.game.tasks().showTextEditor();
    EXPECT_FALSE(f.editor().screen().visible);
}

TEST(TextEditor, SavesCrLfLinesAndTheTaskListShowsTheNamesAtOnce) {
    EditorFixture f;
    f.game.tasks().showTaskList();
    f.game.tasks().fillTaskList(true);
    f.editor().changeText(cp1250FromUtf8("@řeka\n0*15\n@dub\n2*15"));
    EXPECT_TRUE(f.editor().modified());
    EXPECT_TRUE(f.editor().save());
    EXPECT_FALSE(f.editor().modified());
    EXPECT_EQ(f.file(), cp1250FromUtf8("@řeka\r\n0*15\r\n@dub\r\n2*15\r\n"));
    EXPECT_EQ(f.game.tasks().taskListScreen().items, (V{"dub", "řeka"}));

    // Every line the field shows comes back, an empty last one too; an
    // empty field is an empty file.
    EXPECT_EQ(TaskTextEditor::fileBytes(splitLines("a\r\n\r\n")), "a\r\n\r\n");
    EXPECT_EQ(TaskTextEditor::textLines("a\n"), (V{"a", ""}));
    EXPECT_EQ(TaskTextEditor::textLines("a\r\nb"), (V{"a", "b"}));
    f.editor().changeText("");
    f.editor().save();
    EXPECT_EQ(f.file(), "");
}

TEST(TextEditor, AFailedSaveLeavesTheFileWholeAndTheChangesUnsaved) {
    for (WriteStep step : {WriteStep::kCreate, WriteStep::kWrite, WriteStep::kRename}) {
        EditorFixture f;
        f.editor().changeText("@nic");
        injectWriteFault(step, ENOSPC);
        EXPECT_FALSE(f.editor().save());
        injectWriteFault(WriteStep::kNone, 0);
        EXPECT_EQ(f.host.failures, V{std::strerror(ENOSPC)});
        EXPECT_EQ(f.file(), kFile);
        EXPECT_TRUE(f.editor().modified());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.path()), {}), 2)
            << "a temporary file was left behind";
    }
    // "OK" with Yes to the question and a save that fails: the editor stays
    // open with what was typed.
    EditorFixture f;
    f.editor().changeText("@nic");
    f.host.answers = {true};
    injectWriteFault(WriteStep::kWrite, ENOSPC);
    f.editor().leave();
    injectWriteFault(WriteStep::kNone, 0);
    EXPECT_TRUE(f.editor().screen().visible);
    EXPECT_TRUE(f.editor().modified());
    f.editor().activate();  // not read again over the changes
    EXPECT_EQ(f.editor().screen().lines, V{"@nic"});
    EXPECT_EQ(f.file(), kFile);
}

TEST(TextEditor, LeavingWithChangesAsksYesSavesNoDiscards) {
    const std::string question =
        "Data byla upravena, ale nebyla dosud uložena. \r\nChcete je uložit?";
    {
        EditorFixture f;
        f.editor().leave();  // nothing changed, nothing asked
        EXPECT_TRUE(f.host.questions.empty());
        EXPECT_FALSE(f.editor().screen().visible);
    }
    {
        EditorFixture f;
        f.editor().changeText("@ano");
        f.host.answers = {true};
        f.editor().leave();
        EXPECT_EQ(f.host.questions, V{question});
        EXPECT_EQ(f.file(), "@ano\r\n");
    }
    {
        EditorFixture f;
        f.editor().changeText("@ne");
        f.host.answers = {false};
        f.editor().deactivate();
        f.editor().deactivate();
        EXPECT_EQ(f.host.questions, V{question});
        EXPECT_EQ(f.file(), kFile);
        // The next activation shows the file as it was saved last.
        f.editor().activate();
        EXPECT_EQ(f.editor().screen().lines, splitLines(kFile));
        EXPECT_FALSE(f.editor().modified());
    }
}

// A Host whose boxes take the activation from the editor, as the boxes of a
// window system do.
struct StealingHost : testing::ScriptedHost {
    TaskTextEditor* editor = nullptr;
    void whileShown(const Request&) override { editor->deactivate(); }
};

TEST(TextEditor, ItsOwnBoxesAreNoLeaving) {
    testing::TempDir dir;
    StealingHost host;
    Requests requests(host);
    TaskTextEditor editor(requests, desktopStorage(), {});
    host.editor = &editor;
    dir.write("a.kri", "@a\r\n");
    editor.open(Place::kChosen, dir.file("a.kri"));
    editor.activate();
    editor.changeText("@b");
    injectWriteFault(WriteStep::kWrite, EIO);
    editor.save();
    injectWriteFault(WriteStep::kNone, 0);
    EXPECT_EQ(host.failures.size(), 1u);
    EXPECT_TRUE(host.questions.empty()) << "the failure's box asked about leaving";
    EXPECT_TRUE(editor.active());
}

}  // namespace
}  // namespace krizovky
