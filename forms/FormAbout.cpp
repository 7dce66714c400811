// The About window: the program icon, the full product title and a note from its maker.
#include "forms/Forms.h"
#include "forms/Translatable.h"
#include "modules/onTop.h"

namespace vb {

namespace {

constexpr FontRecord nachtmere{.face = "Nachtmere", .size = 142500, .weight = 700};

constexpr ControlDescription controls[] = {
    PictureBoxDescription{.name = "Picture1",
                          .place = {.left = 120, .top = 120, .width = 480, .height = 480},
                          .tabIndex = 0,
                          .picture = Image::ProgramIcon,
                          .autoSize = true},
    LabelDescription{
        .name = "Label2",
        .place = {.left = 120, .top = 1200, .width = 4335, .height = 1095},
        .caption = TRANSLATABLE("FormAbout",
                                "Quoriam sends a fax that never was.  Say who it is from, who it "
                                "is for and what it says, pick a delay, and watch it arrive.  "
                                "Fool your friends kindly!"),
        .tabIndex = 2,
        .alignment = Center,
        .backStyle = Transparent},
    LineDescription{.name = "Line1", .x1 = 4440, .y1 = 1080, .x2 = 120, .y2 = 1080},
    LabelDescription{.name = "Label1",
                     .place = {.left = 720, .top = 120, .width = 3735, .height = 855},
                     .caption =
                         TRANSLATABLE("FormAbout", "Quoriam-The Only Fake Fax Creator Program"),
                     .tabIndex = 1,
                     .alignment = Center,
                     .font = &nachtmere},
};

constexpr FormDescription description{
    .name = "FormAbout",
    .caption = TRANSLATABLE("FormAbout", "Quoriam About"),
    .clientWidth = 4560,
    .clientHeight = 1860,
    .controls = controls,
};

void Form_Load()
{
    KeepOnTop(FormAbout.hWnd());
}

constexpr Handler handlers[] = {
    {"Form_Load", Form_Load},
};

} // namespace

const FormDefinition FormAboutDefinition{description, handlers};

} // namespace vb
