// The controller and how library controls find it, forget it and report focus changes.
#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "control/control_form.h"
#include "control/controller.h"
#include "control/private_messages.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_window.h"
#include "test_control.h"

namespace wendax {
namespace {

using testkit::TTestControl;

TEST(Controller, StartsWithBuiltinTablesEpoch1900InsertModeAndNoPendingError) {
    const TOvcController controller;
    EXPECT_EQ(controller.EntryCommands().Count(), 3);
    EXPECT_EQ(controller.Epoch(), 1900);
    EXPECT_TRUE(controller.InsertMode());
    EXPECT_FALSE(controller.ErrorPending());
}

TEST(Controller, EpochTakesOnlyValuesFrom1600To3999) {
    TOvcController controller;
    for (const int rejected : {1599, 4000, 0, -1900}) {
        controller.SetEpoch(rejected);
        EXPECT_EQ(controller.Epoch(), 1900);
    }
    controller.SetEpoch(1600);
    EXPECT_EQ(controller.Epoch(), 1600);
    controller.SetEpoch(3999);
    EXPECT_EQ(controller.Epoch(), 3999);
}

TEST(Controller, ErrorsGoToOnErrorOrElseToAnErrorBox) {
    THeadlessPlatform platform;
    TOvcController controller;
    TTestControl control;
    controller.ReportError(&control, 268, "too long");
    EXPECT_EQ(platform.ErrorBoxes, std::vector<std::string>{"too long"});
    TOvcBase* sender = nullptr;
    std::uint16_t code = 0;
    controller.OnError = [&](TOvcBase* s, std::uint16_t c, const std::string& text) {
        sender = s;
        code = c;
        EXPECT_EQ(text, "full");
    };
    controller.ReportError(&control, 263, "full");
    EXPECT_EQ(sender, &control);
    EXPECT_EQ(code, 263);
    EXPECT_EQ(platform.ErrorBoxes.size(), 1u);
}

TEST(ControllerLink, AnAssignedControllerIsKeptWhenTheWindowIsCreated) {
    TControlForm form;
    TOvcController onForm(&form);
    TOvcController assigned;
    TTestControl control;
    control.SetForm(&form);
    control.SetController(&assigned);
    THeadlessWindow window(control);
    control.AttachWindow(window);
    EXPECT_EQ(control.Controller(), &assigned);
    EXPECT_EQ(control.Window(), &window);
    EXPECT_EQ(control.WindowsCreated, 1);
}

TEST(ControllerLink, WithoutOneTheFormsFirstControllerIsTaken) {
    TControlForm form;
    TTestControl control;
    control.SetForm(&form);
    TOvcController first(&form);
    TOvcController second(&form);
    control.SetController(nullptr);
    THeadlessWindow window(control);
    control.AttachWindow(window);
    EXPECT_EQ(control.Controller(), &first);
}

TEST(ControllerLink, WithNoneAnywhereTheWindowIsNotCreated) {
    TControlForm form;
    TTestControl onForm;
    onForm.SetForm(&form);
    TTestControl alone;
    for (TTestControl* control : {&onForm, &alone}) {
        THeadlessWindow window(*control);
        try {
            control->AttachWindow(window);
            ADD_FAILURE() << "no exception";
        } catch (const EControllerError& e) {
            EXPECT_STREQ(e.what(), "No Controller assigned");
        }
        EXPECT_EQ(control->Window(), nullptr);
        EXPECT_EQ(control->WindowsCreated, 0);
    }
}

TEST(ControllerLink, AControllerPlacedLaterIsAdoptedByControlsWithoutOne) {
    TControlForm form;
    TOvcController other;
    TTestControl without;
    TTestControl with;
    without.SetForm(&form);
    with.SetForm(&form);
    with.SetController(&other);
    TOvcController placed(&form);
    EXPECT_EQ(without.Controller(), &placed);
    EXPECT_EQ(with.Controller(), &other);
}

TEST(ControllerLink, ADestroyedControllerIsForgottenByEveryControlUsingIt) {
    TControlForm form;
    TTestControl a;
    TTestControl b;
    a.SetForm(&form);
    {
        TOvcController controller(&form);
        b.SetController(&controller);
        EXPECT_EQ(a.Controller(), &controller);
    }
    EXPECT_EQ(a.Controller(), nullptr);
    EXPECT_EQ(b.Controller(), nullptr);
    EXPECT_EQ(form.FirstController(), nullptr);
}

TEST(ControllerLink, ControlsAndControllersOutliveTheirForm) {
    TTestControl control;
    TOvcController controller;
    {
        TControlForm form;
        control.SetForm(&form);
        TOvcController onForm(&form);
        EXPECT_EQ(control.Controller(), &onForm);
        control.SetController(&controller);
    }
    EXPECT_EQ(control.Form(), nullptr);
    EXPECT_EQ(control.Controller(), &controller);
}

TEST(FocusMessages, AfterEnterAndAfterExitArriveThroughTheQueueInOrder) {
    TOvcController controller;
    TTestControl control;
    control.SetController(&controller);
    THeadlessWindow window(control);
    control.AttachWindow(window);
    std::vector<std::string> events;
    control.AfterEnter = [&](TOvcBase& sender) {
        EXPECT_EQ(&sender, &control);
        events.push_back("enter");
    };
    control.AfterExit = [&](TOvcBase&) { events.push_back("exit"); };
    window.SetFocused(true);
    window.SetFocused(false);
    EXPECT_TRUE(events.empty());  // posted, not sent
    ASSERT_EQ(window.Posted.size(), 2u);
    EXPECT_EQ(window.Posted[0].Msg, omAfterEnter);
    EXPECT_EQ(window.Posted[1].Msg, omAfterExit);
    EXPECT_EQ(window.DeliverMessages(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

TEST(FocusMessages, MessagesWithoutHandlersAndOtherMessagesAreIgnored) {
    TOvcController controller;
    TTestControl control;
    control.SetController(&controller);
    THeadlessWindow window(control);
    control.AttachWindow(window);
    window.SetFocused(true);
    window.PostMessage({omShowStatus, 1, 2});
    EXPECT_EQ(window.DeliverMessages(), 2);
}

TEST(PrivateMessages, KeepTheirFixedNumbers) {
    EXPECT_EQ(omSetFocus, 0x7F01u);
    EXPECT_EQ(omShowStatus, 0x7F02u);
    EXPECT_EQ(omPreEdit, 0x7F06u);
    EXPECT_EQ(omPostEdit, 0x7F07u);
    EXPECT_EQ(omAfterEnter, 0x7F08u);
    EXPECT_EQ(omAfterExit, 0x7F09u);
    EXPECT_EQ(omDelayNotify, 0x7F0Au);
}

}  // namespace
}  // namespace wendax
