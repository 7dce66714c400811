// The main menu: a banner under a menu bar, from which the user opens the fax setup
// window or the About window, or ends the program.
#include "forms/Forms.h"
#include "forms/Translatable.h"
#include "modules/onTop.h"

namespace vb {

namespace {

constexpr MenuDescription menus[] = {
    {.name = "File", .caption = TRANSLATABLE("Form1", "&File")},
    {.name = "About", .caption = TRANSLATABLE("Form1", "&About"), .parent = "File"},
    {.name = "Exit", .caption = TRANSLATABLE("Form1", "E&xit"), .parent = "File"},
    {.name = "IncFax", .caption = TRANSLATABLE("Form1", "&Incoming Fax")},
    {.name = "New", .caption = TRANSLATABLE("Form1", "&New"), .parent = "IncFax"},
};

constexpr FormDescription description{
    .name = "Form1",
    .caption = TRANSLATABLE("Form1", "Quoriam-The Only Fake Fax Creator Program"),
    .clientWidth = 7890,
    .clientHeight = 1305,
    .picture = Image::Banner,
    .menus = menus,
};

void Form_Load()
{
    KeepOnTop(Form1.hWnd());
}

void About_Click()
{
    FormAbout.Show();
}

void Exit_Click()
{
    End();
}

void New_Click()
{
    Form1.Hide();
    FormNew.Show();
}

void Form_Unload()
{
    End();
}

constexpr Handler handlers[] = {
    {"Form_Load", Form_Load}, {"About_Click", About_Click}, {"Exit_Click", Exit_Click},
    {"New_Click", New_Click}, {"Form_Unload", Form_Unload},
};

} // namespace

const FormDefinition Form1Definition{description, handlers};

} // namespace vb
