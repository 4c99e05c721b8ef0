#include "app/dialogs/dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "scripted_dialogs.h"

namespace wendax {
namespace {

TEST(DialogFilters, PairsOfNameAndMaskBecomeNameFilters) {
    EXPECT_EQ(DialogNameFilters(QStringLiteral("All files|*.*|Text files|*.txt|")),
              (QStringList{QStringLiteral("All files (*)"), QStringLiteral("Text files (*.txt)")}));
}

TEST(DialogFilters, SeveralMasksAreSeparatedBySpaces) {
    EXPECT_EQ(DialogNameFilters(QStringLiteral("Sources|*.c;*.h; *.cpp|")),
              QStringList{QStringLiteral("Sources (*.c *.h *.cpp)")});
}

TEST(DialogFilters, IncompletePairsAreDropped) {
    EXPECT_EQ(DialogNameFilters(QStringLiteral("Text|*.txt|Lone|")),
              QStringList{QStringLiteral("Text (*.txt)")});
    EXPECT_EQ(DialogNameFilters(QStringLiteral("NoMask||Text|*.txt|")),
              QStringList{QStringLiteral("Text (*.txt)")});
    EXPECT_TRUE(DialogNameFilters(QString()).isEmpty());
}

TEST(MessageBoxes, EachKindHasItsCaption) {
    EXPECT_EQ(MessageCaption(mkWarning), "Warning");
    EXPECT_EQ(MessageCaption(mkError), "Error");
    EXPECT_EQ(MessageCaption(mkInformation), "Information");
    EXPECT_EQ(MessageCaption(mkConfirmation), "Confirm");
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsWhatWasAsked) {
    TScriptedDialogs dialogs;
    dialogs.ExpectMessage(mrYes);
    dialogs.ExpectOpen({QStringLiteral("/a"), QStringLiteral("/b")});
    dialogs.ExpectInput(QStringLiteral("12"));
    EXPECT_EQ(ShowMessage(dialogs, mkConfirmation, QStringLiteral("Sure?"), mbYes | mbNo), mrYes);
    EXPECT_EQ(dialogs.OpenFiles({QStringLiteral("T"), {}, QStringLiteral("/d"), {}}),
              (QStringList{QStringLiteral("/a"), QStringLiteral("/b")}));
    EXPECT_EQ(
        dialogs.InputText({QStringLiteral("Go"), QStringLiteral("Line"), QStringLiteral("1")}),
        QStringLiteral("12"));
    ASSERT_EQ(dialogs.Calls().size(), 3u);
    EXPECT_EQ(dialogs.Calls()[0].Message.Buttons, unsigned(mbYes | mbNo));
    EXPECT_EQ(dialogs.Calls()[1].File.InitialDir, "/d");
    EXPECT_EQ(dialogs.Calls()[2].Input.Value, "1");
}

TEST(ScriptedDialogs, ACancelledDialogGivesNothing) {
    TScriptedDialogs dialogs;
    dialogs.ExpectCancel(dkSaveFile);
    dialogs.ExpectCancel(dkFont);
    EXPECT_EQ(dialogs.SaveFile({}), std::nullopt);
    EXPECT_EQ(dialogs.ChooseFixedFont(QFont()), std::nullopt);
}

TEST(ScriptedDialogs, AnUnexpectedDialogFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            TScriptedDialogs dialogs;
            EXPECT_EQ(ShowMessage(dialogs, mkError, QStringLiteral("boom")), mrCancel);
        },
        "unexpected message box \"boom\"");
}

TEST(ScriptedDialogs, ADialogOfAnotherKindFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            TScriptedDialogs dialogs;
            dialogs.ExpectMessage(mrOk);
            EXPECT_EQ(dialogs.ChooseDirectory(QStringLiteral("/")), std::nullopt);
        },
        "expected a message box but got directory chooser");
}

TEST(ScriptedDialogs, AnAnswerLeftOverFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            TScriptedDialogs dialogs;
            dialogs.ExpectCancel(dkPrint);
        },
        "expected a print dialog that never appeared");
}

}  // namespace
}  // namespace wendax
