// The fax setup window: the user types sender, recipient, message and the time the fax
// claims to have been sent, chooses a delay and sends. A clock ticks in the window.
#include "forms/Forms.h"
#include "forms/Translatable.h"
#include "modules/Timing.h"
#include "modules/onTop.h"

#include <QCoreApplication>

#include <limits>

namespace vb {

namespace {

constexpr FontRecord posterBodoni{.face = "PosterBodoni It BT", .size = 112500};
constexpr FontRecord palaceScript{
    .face = "Palace Script MT", .size = 720000, .weight = 400, .italic = true};

constexpr ControlDescription controls[] = {
    CommandButtonDescription{.name = "Command2",
                             .place = {.left = 6960, .top = 2160, .width = 1095, .height = 495},
                             .caption = TRANSLATABLE("FormNew", "Clear"),
                             .tabIndex = 17},
    TextBoxDescription{.name = "Text1",
                       .place = {.left = 1080, .top = 360, .width = 3135, .height = 390},
                       .text = TRANSLATABLE("FormNew", "Fake Person"),
                       .tabIndex = 0,
                       .heading = "Label1"},
    FrameDescription{.name = "Frame1",
                     .place = {.left = 0, .top = 0, .width = 8415, .height = 3495},
                     .caption = TRANSLATABLE("FormNew", "Fake Fax Setup"),
                     .tabIndex = 1},
    PictureBoxDescription{.name = "Picture1",
                          .container = "Frame1",
                          .place = {.left = 6000, .top = 2880, .width = 480, .height = 480},
                          .tabIndex = 16,
                          .picture = Image::ProgramIcon,
                          .autoSize = true},
    CommandButtonDescription{.name = "Command1",
                             .container = "Frame1",
                             .place = {.left = 4680, .top = 2160, .width = 1095, .height = 495},
                             .caption = TRANSLATABLE("FormNew", "Send"),
                             .tabIndex = 15},
    TextBoxDescription{.name = "Text5",
                       .container = "Frame1",
                       .place = {.left = 6600, .top = 1560, .width = 375, .height = 390},
                       .text = "15",
                       .tabIndex = 13,
                       .heading = "Label8"},
    TextBoxDescription{.name = "Text4",
                       .container = "Frame1",
                       .place = {.left = 6600, .top = 720, .width = 1575, .height = 390},
                       .tabIndex = 10,
                       .heading = "Label6"},
    TimerDescription{.name = "Timer1", .container = "Frame1", .interval = 100},
    TextBoxDescription{.name = "Text3",
                       .container = "Frame1",
                       .place = {.left = 240, .top = 1800, .width = 3975, .height = 1455},
                       .text = TRANSLATABLE("FormNew", "Main Message"),
                       .tabIndex = 6,
                       .multiLine = true,
                       .scrollBars = BothScrollBars,
                       .heading = "Label3"},
    TextBoxDescription{.name = "Text2",
                       .container = "Frame1",
                       .place = {.left = 720, .top = 840, .width = 3495, .height = 390},
                       .text = TRANSLATABLE("FormNew", "Most Likely You"),
                       .tabIndex = 4,
                       .heading = "Label2"},
    LineDescription{
        .name = "Line3", .container = "Frame1", .x1 = 6600, .y1 = 3120, .x2 = 8280, .y2 = 3120},
    LineDescription{
        .name = "Line2", .container = "Frame1", .x1 = 4440, .y1 = 3120, .x2 = 6000, .y2 = 3120},
    LineDescription{
        .name = "Line1", .container = "Frame1", .x1 = 4680, .y1 = 2040, .x2 = 8040, .y2 = 2040},
    LabelDescription{.name = "Label9",
                     .container = "Frame1",
                     .place = {.left = 7080, .top = 1560, .width = 1095, .height = 375},
                     .caption = TRANSLATABLE("FormNew", "Seconds"),
                     .tabIndex = 14},
    LabelDescription{.name = "Label8",
                     .container = "Frame1",
                     .place = {.left = 4680, .top = 1560, .width = 1935, .height = 375},
                     .caption = TRANSLATABLE("FormNew", "Receive Fax In"),
                     .tabIndex = 12},
    ShapeDescription{.name = "Shape4",
                     .container = "Frame1",
                     .place = {.left = 4440, .top = 1440, .width = 3855, .height = 1335}},
    LabelDescription{.name = "Label6",
                     .container = "Frame1",
                     .place = {.left = 4560, .top = 720, .width = 2055, .height = 375},
                     .caption = TRANSLATABLE("FormNew", "Fake Sent Time:"),
                     .tabIndex = 9},
    LabelDescription{.name = "Label5",
                     .container = "Frame1",
                     .place = {.left = 6360, .top = 360, .width = 1815, .height = 375},
                     .tabIndex = 8,
                     .heading = "Label4"},
    LabelDescription{.name = "Label4",
                     .container = "Frame1",
                     .place = {.left = 4560, .top = 360, .width = 2055, .height = 255},
                     .caption = TRANSLATABLE("FormNew", "Current Time:"),
                     .tabIndex = 7},
    ShapeDescription{.name = "Shape3",
                     .container = "Frame1",
                     .place = {.left = 4440, .top = 240, .width = 3855, .height = 1095}},
    LabelDescription{.name = "Label3",
                     .container = "Frame1",
                     .place = {.left = 240, .top = 1560, .width = 1215, .height = 375},
                     .caption = TRANSLATABLE("FormNew", "Message:"),
                     .tabIndex = 5},
    ShapeDescription{.name = "Shape2",
                     .container = "Frame1",
                     .place = {.left = 120, .top = 1440, .width = 4215, .height = 1935}},
    ShapeDescription{.name = "Shape1",
                     .container = "Frame1",
                     .place = {.left = 120, .top = 240, .width = 4215, .height = 1095}},
    LabelDescription{.name = "Label2",
                     .container = "Frame1",
                     .place = {.left = 240, .top = 840, .width = 855, .height = 375},
                     .caption = TRANSLATABLE("FormNew", "To:"),
                     .tabIndex = 3},
    LabelDescription{.name = "Label1",
                     .container = "Frame1",
                     .place = {.left = 240, .top = 360, .width = 1095, .height = 375},
                     .caption = TRANSLATABLE("FormNew", "From:"),
                     .tabIndex = 2},
    LabelDescription{.name = "Label7",
                     .place = {.left = 0, .top = 3600, .width = 8415, .height = 1095},
                     .caption = "Quoriam",
                     .tabIndex = 11,
                     .foreColor = Red,
                     .alignment = Center,
                     .backStyle = Transparent,
                     .font = &palaceScript},
};

// 64 spaces push the name to the right of the title bar.
constexpr FormDescription description{
    .name = "FormNew",
    .caption = "                                                                Quoriam",
    .clientWidth = 8415,
    .clientHeight = 4650,
    .backColor = 0x0000C000,
    .font = &posterBodoni,
    .controls = controls,
};

QString productTitle()
{
    return QCoreApplication::translate("FormNew", "Quoriam-Fake Fax Creator");
}

void Form_Load()
{
    KeepOnTop(FormNew.hWnd());
}

// Closing the setup window leaves no window to end the program from: end it here.
void Form_Unload()
{
    End();
}

void Timer1_Timer()
{
    FormNew["Label5"].setCaption(TimeOfDayText());
}

void Text4_Click()
{
    FormNew["Text4"].setText(FormNew["Label5"].caption());
}

void Text4_GotFocus()
{
    FormNew["Text4"].setText(FormNew["Label5"].caption());
}

void Text5_Change()
{
    if (FormNew["Text5"].text().isEmpty()) {
        MsgBox(QCoreApplication::translate("FormNew", "Must be 0 or more"),
               vbSystemModal + vbCritical + vbOKOnly, productTitle());
        FormNew["Text5"].setText(QStringLiteral("0"));
    } else if (FormNew["Text5"].text() == QStringLiteral("Razo Rules")) {
        // The phrase is the same in every language; the answer is not.
        MsgBox(QCoreApplication::translate("FormNew", "Yaaaaa hooooooo, yup, he does!!!"),
               vbSystemModal + vbInformation + vbOKOnly, QStringLiteral("Quoriam"));
    }
}

void Command2_Click()
{
    // The defaults, as the window was built with them.
    FormNew["Text1"].setText(QCoreApplication::translate("FormNew", "Fake Person"));
    FormNew["Text2"].setText(QCoreApplication::translate("FormNew", "Most Likely You"));
    FormNew["Text3"].setText(QCoreApplication::translate("FormNew", "Main Message"));
    FormNew["Text4"].setText(QString());
    FormNew["Text5"].setText(QStringLiteral("15"));
}

void Picture1_Click()
{
    FormNew["Line2"].setVisible(false);
    FormNew["Line3"].setVisible(false);
}

// What the user is told of a delay that cannot be waited for. The limits are written as
// plain digits, so that they can be typed back.
QString badDelayMessage(Int32Reading::Status status)
{
    switch (status) {
    case Int32Reading::AboveRange:
        return QCoreApplication::translate("FormNew", "Delay must be at most %1 seconds")
            .arg(std::numeric_limits<std::int32_t>::max());
    case Int32Reading::BelowRange:
        return QCoreApplication::translate("FormNew", "Delay must be at least %1 seconds")
            .arg(std::numeric_limits<std::int32_t>::min());
    default:
        return QCoreApplication::translate("FormNew", "Delay must be a number of seconds");
    }
}

// Send: the setup window vanishes, the fax is filled in with the texts as they are now,
// and it arrives when the delay has passed. A delay that is no number or out of range keeps
// the window as it is and says so, so the user can correct it and send again.
void Command1_Click()
{
    const Int32Reading delay = ToInt32(FormNew["Text5"].text());
    if (delay.status != Int32Reading::Number) {
        MsgBox(badDelayMessage(delay.status), vbSystemModal + vbCritical + vbOKOnly,
               productTitle());
        FormNew["Text5"].setFocus();
        return;
    }
    FormNew.Hide();
    Form2["Label2"].setCaption(FormNew["Text1"].text());
    Form2["Label3"].setCaption(FormNew["Text2"].text());
    Form2["Label5"].setCaption(FormNew["Text3"].text());
    Form2["Label8"].setCaption(FormNew["Text4"].text());
    WaitSeconds(delay.value);
    Form2.Show();
}

constexpr Handler handlers[] = {
    {"Form_Load", Form_Load},           {"Form_Unload", Form_Unload},
    {"Timer1_Timer", Timer1_Timer},     {"Text4_Click", Text4_Click},
    {"Text4_GotFocus", Text4_GotFocus}, {"Text5_Change", Text5_Change},
    {"Command2_Click", Command2_Click}, {"Picture1_Click", Picture1_Click},
    {"Command1_Click", Command1_Click},
};

} // namespace

const FormDefinition FormNewDefinition{description, handlers};

} // namespace vb
