// The incoming fax: the product name, four red headings and the four values that Send
// copied into it. Closing it ends the program.
#include "forms/Forms.h"
#include "forms/Translatable.h"

namespace vb {

namespace {

constexpr FontRecord parkAvenue{.face = "ParkAvenue BT", .size = 142500, .weight = 700};
constexpr FontRecord parkAvenueLarge{.face = "ParkAvenue BT", .size = 360000, .weight = 700};

constexpr ControlDescription controls[] = {
    LabelDescription{.name = "Label10",
                     .place = {.left = 1200, .top = 600, .width = 3615, .height = 375},
                     .caption = TRANSLATABLE("Form2", "Incoming Fax"),
                     .tabIndex = 9,
                     .alignment = Center},
    LineDescription{.name = "Line4", .x1 = 120, .y1 = 1080, .x2 = 5880, .y2 = 1080},
    LabelDescription{.name = "Label9",
                     .place = {.left = 120, .top = -120, .width = 5775, .height = 855},
                     .caption = "Quoriam",
                     .tabIndex = 8,
                     .foreColor = Red,
                     .alignment = Center,
                     .backStyle = Transparent,
                     .font = &parkAvenueLarge},
    LabelDescription{.name = "Label8",
                     .place = {.left = 1440, .top = 4560, .width = 4455, .height = 375},
                     .tabIndex = 7,
                     .heading = "Label7"},
    LabelDescription{.name = "Label7",
                     .place = {.left = 120, .top = 4560, .width = 1935, .height = 375},
                     .caption = TRANSLATABLE("Form2", "Time Sent:"),
                     .tabIndex = 6,
                     .foreColor = Red},
    LineDescription{.name = "Line3", .x1 = 120, .y1 = 4440, .x2 = 5880, .y2 = 4440},
    LabelDescription{.name = "Label6",
                     .place = {.left = 120, .top = 2400, .width = 1455, .height = 375},
                     .caption = TRANSLATABLE("Form2", "Message:"),
                     .tabIndex = 5,
                     .foreColor = Red},
    LabelDescription{.name = "Label5",
                     .place = {.left = 120, .top = 2880, .width = 5775, .height = 1455},
                     .tabIndex = 4,
                     .heading = "Label6"},
    LineDescription{.name = "Line2", .x1 = 120, .y1 = 2280, .x2 = 5880, .y2 = 2280},
    LabelDescription{.name = "Label4",
                     .place = {.left = 120, .top = 1800, .width = 1095, .height = 375},
                     .caption = TRANSLATABLE("Form2", "Fax To:"),
                     .tabIndex = 3,
                     .foreColor = Red},
    LabelDescription{.name = "Label3",
                     .place = {.left = 1320, .top = 1800, .width = 4575, .height = 375},
                     .tabIndex = 2,
                     .heading = "Label4"},
    LineDescription{.name = "Line1", .x1 = 120, .y1 = 1680, .x2 = 5880, .y2 = 1680},
    LabelDescription{.name = "Label2",
                     .place = {.left = 1440, .top = 1200, .width = 4455, .height = 375},
                     .tabIndex = 1,
                     .heading = "Label1"},
    LabelDescription{.name = "Label1",
                     .place = {.left = 120, .top = 1200, .width = 1455, .height = 375},
                     .caption = TRANSLATABLE("Form2", "Fax From:"),
                     .tabIndex = 0,
                     .foreColor = Red},
};

// 34 spaces push the words to the right of the title bar.
constexpr FormDescription description{
    .name = "Form2",
    .caption = "                                  " TRANSLATABLE("Form2", "Incoming Fax"),
    .clientWidth = 5985,
    .clientHeight = 5040,
    .font = &parkAvenue,
    .controls = controls,
};

void Form_Unload()
{
    End();
}

constexpr Handler handlers[] = {
    {"Form_Unload", Form_Unload},
};

} // namespace

const FormDefinition Form2Definition{description, handlers};

} // namespace vb
