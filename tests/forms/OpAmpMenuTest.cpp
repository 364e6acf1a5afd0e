#include <gtest/gtest.h>

#include "tests/support/FormHarness.h"

namespace {

// Two captions repeat another form's on purpose: the subtractor says
// "Summator", the Schmitt trigger "Inverting amplifier".
TEST(OpAmpMenu, EveryCommandOpensItsForm) {
    struct Command {
        int id;
        const char* className;
        const char* caption;
    };
    const Command commands[] = {
        {32781, "CInvertingAmpDlg", "Inverting amplifier"},
        {32782, "CNonInvertingAmpDlg", "Non inverting amplifier"},
        {32783, "CDifferentiatorDlg", "Differentiator"},
        {32799, "CIntegratorDlg", "Integrator"},
        {32786, "CSummatorDlg", "Summator"},
        {32798, "CSubtractorDlg", "Summator"},
        {32800, "CSchmittTriggerDlg", "Inverting amplifier"},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.className);
        const auto form = harness::OpenCommand(command.id);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->objectName(), command.className);
        EXPECT_EQ(form->windowTitle(), command.caption);
        EXPECT_EQ(harness::FocusId(*form), form->Binding().CloseId());
    }
}

}  // namespace
