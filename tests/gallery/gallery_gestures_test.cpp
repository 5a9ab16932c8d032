// A gesture per control kind on the headless gallery, and what the status line says of it.
#include <string>

#include "gallery/callbacks.h"
#include "gallery/gallery_fonts.h"
#include "gallery/pages.h"
#include "gallery/status_line.h"
#include "tests/gallery/gallery_fixture.h"
#include "toolkit/toolkit_state.h"

namespace {

enum Page { Buttons, Areas, Values, Pickers };

const Control& On(Page page, int32_t index) {
    return galleryPages[page]->items[index];
}

TEST_F(GalleryTest, SliderAndScrollDragsShowTentativeAndFinalValues) {
    script_
        ->Drag(40 + 50 + 12, 126, 40 + 50 + 12 + 40, 126)  // the knob from 50 to 90
        .Then([] {
            EXPECT_STREQ(statusCallback, "slider onChange(): value 90 (tentative)");
            EXPECT_STREQ(statusState, "id 302: value 90");
        })
        .Drag(60, 259, 150, 259);  // the thumb from 0 to 90 of its 225 pixels of room
    EXPECT_EQ(Run(Values), 0);
    EXPECT_EQ(On(Values, kSliderAcross).value, 90);
    EXPECT_EQ(On(Values, kScrollBar).thumbOffset, 90);
    EXPECT_EQ(On(Values, kScrollBar).rangeStart, 30);
    EXPECT_STREQ(statusCallback, "scroll bar onChange(): rangeStart 30 thumbOffset 90 (tentative)");
    EXPECT_STREQ(statusState, "id 305: rangeStart 30 thumbOffset 90");
}

TEST_F(GalleryTest, TheDialTurnsWithTheHiddenCursorAndPutsItBack) {
    OsPoint before{};
    script_->MoveTo(498, 118)
        .Then([&before] { OsGetCursorPos(&before); })
        .Down()
        .Then(FromCentre(5, 0))
        .Then([] {
            EXPECT_LT(HeadlessCursorShowCount(), 0);
            EXPECT_STREQ(statusCallback, "dial onChange(items, id 307, value 5)");
        })
        .Up();
    EXPECT_EQ(Run(Values), 0);
    OsPoint after{};
    OsGetCursorPos(&after);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    EXPECT_EQ(HeadlessCursorShowCount(), 0);
    EXPECT_EQ(On(Values, kDial).value, 5);
    EXPECT_STREQ(statusState, "id 307: value 5");
}

TEST_F(GalleryTest, FreeMotionHandsOnItsDxAndDy) {
    script_->MoveTo(520, 122).Down().Then(FromCentre(3, -2)).Up();
    EXPECT_EQ(Run(Areas), 0);
    EXPECT_STREQ(statusCallback, "free motion onChange(items, id 209, dx 3, dy -2)");
    EXPECT_STREQ(statusState, "free motion: point at (3, -2)");
}

TEST_F(GalleryTest, TheDragSourceFollowsTheDragAndPicksFromItsPopUpGrid) {
    script_->Drag(60, 300, 69, 310)
        .Then([] {
            EXPECT_STREQ(statusCallback,
                         "drag source onRelease(items, 7, reason 0, 70, 310, 40, 290)");
        })
        .MoveTo(60, 300)
        .Down(VK_RBUTTON)  // the grid opens with cell 0 at the source's corner (40, 290)
        .Click(40 + 36 + 10, 290 + 36 + 10)
        .Up(VK_RBUTTON);
    EXPECT_EQ(Run(Areas), 0);
    EXPECT_EQ(dragSourceCell, 5);
    EXPECT_STREQ(statusCallback,
                 "drag source onRelease(items, 7, reason 64, grid: selectedCell 5)");
    EXPECT_STREQ(statusState, "drag source: cell 5");
}

TEST_F(GalleryTest, TheDropAreaAnswersClickOrDragAndReportsTheDrop) {
    script_->Click(250, 300)
        .Then([] {
            EXPECT_STREQ(statusCallback,
                         "drop area onPointer(items, 8, reason 64, 250, 300) -> 1: a click");
            EXPECT_STREQ(statusEvent,
                         "event Release (3)  index 8  key -1  detail 0  at (250, 300)");
        })
        .MoveTo(350, 300)
        .Down()
        .MoveTo(360, 310)
        .Up();
    EXPECT_EQ(Run(Areas), 0);
    EXPECT_STREQ(statusCallback, "drop area onPointer(items, 8, reason 32, 360, 310)");
}

TEST_F(GalleryTest, HoverAndPressAreasReportMotionAndThePressDetail) {
    script_->MoveTo(60, 100)
        .Then([] {
            EXPECT_STREQ(statusCallback, "hover onPointer(items, 2, reason 0, 60, 100, 40, 90)");
        })
        .MoveTo(250, 200)
        .Down()
        .Then([] {
            EXPECT_STREQ(statusEvent, "event Press (2)  index 5  key -1  detail 1  at (250, 200)");
        })
        .Up();
    EXPECT_EQ(Run(Areas), 0);
    EXPECT_STREQ(statusState, "page 2: Areas and drags");  // areas leave no state to report
}

TEST_F(GalleryTest, BothCellPickersPickACell) {
    script_->MoveTo(50, 100)
        .Down()  // the plain grid opens over the picker with cell 0 under the pointer
        .MoveTo(40 + 72 + 5, 90 + 36 + 5)
        .Up()
        .Then([] { EXPECT_STREQ(statusState, "id 402: selectedCell 6"); })
        // The framed grid puts the selected cell 6 over the picker: its cells start at (228, 54).
        .Click(310, 100)
        .Click(228 + 36 + 5, 54 + 5);
    EXPECT_EQ(Run(Pickers), 0);
    EXPECT_EQ(On(Pickers, 2).selectedCell, 6);
    EXPECT_EQ(On(Pickers, 4).selectedCell, 1);
    EXPECT_STREQ(statusState, "id 404: selectedCell 1");
}

TEST_F(GalleryTest, TextFieldsFilterTheirCharactersTabOnAndEscapeRestores) {
    script_->Click(100, 290);  // the digits field
    for (uint32_t key : {uint32_t{'1'}, uint32_t{'A'}, 0xBEu, uint32_t{VK_TAB}}) script_->Key(key);
    // Tab went on to the decimal field, which takes digits and "." only.
    for (uint32_t key : {uint32_t{'2'}, uint32_t{'X'}, uint32_t{VK_RETURN}}) script_->Key(key);
    script_->Then([] { EXPECT_STREQ(statusState, "id 408: text \"3.142\""); })
        .Click(100, 230)  // the plain field: anything is typed, Escape puts it back
        .Key('Q')
        .Key(VK_ESCAPE);
    EXPECT_EQ(Run(Pickers), 0);
    EXPECT_STREQ(On(Pickers, 7).text, "20261");
    EXPECT_STREQ(On(Pickers, 8).text, "3.142");
    EXPECT_STREQ(On(Pickers, 6).text, "Hello, gallery");
    EXPECT_STREQ(statusState, "id 406: text \"Hello, gallery\"");
}

TEST_F(GalleryTest, ToggleRadioAndPageButtonsChangeWhatIsShown) {
    script_
        ->Click(60, 200)  // the toggle
        .Then([] { EXPECT_STREQ(statusState, "id 104: checked 1"); })
        .Click(60, 290)  // radio B
        .Then([] { EXPECT_STREQ(statusState, "id 106: checked 1"); })
        .Click(60, 320)  // radio C is disabled: nothing changes
        .Click(700, 28)  // next page
        .Then([] { EXPECT_EQ(galleryPage, 1); })
        .Key(0x21);  // PageUp: back
    EXPECT_EQ(Run(Buttons), 0);
    EXPECT_EQ(galleryPage, 0);
    EXPECT_EQ(activeList, galleryPages[0]);
    EXPECT_EQ(On(Buttons, 4).checked, 1);
    EXPECT_EQ(On(Buttons, 5).checked, 0);
    EXPECT_EQ(On(Buttons, 6).checked, 1);
    EXPECT_EQ(On(Buttons, 7).checked, 0);
}

TEST_F(GalleryTest, AStatusLineLongerThanTheWindowIsCutWhereItStillFits) {
    script_->Then([] {
        SetStatusCallback("%s", std::string(300, 'W').c_str());
        EXPECT_EQ(std::string(statusCallback), std::string(kStatusChars, 'W'));
        EXPECT_LE(12 + TextWidth(statusCallback, &statusFont), 800);
    });
    EXPECT_EQ(Run(Buttons), 0);
}

TEST(GalleryArguments, APageArgumentIsOneToFourAndNothingElse) {
    EXPECT_EQ(PageOfArgument("1"), 0);
    EXPECT_EQ(PageOfArgument("4"), 3);
    for (const char* wrong : {"0", "5", "12", "", "x", "-1"}) EXPECT_EQ(PageOfArgument(wrong), -1);
}

}  // namespace
