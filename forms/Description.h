// The declarative model of a window: its own properties and the ordered list of its
// controls. Every window of the program is data first; the forms runtime builds the
// window from it and raises its events to the handlers named after control and event.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vb {

// One twip is 1/1440 inch; all positions and sizes of a description are in twips.
using Twips = int;

// A colour laid out as 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour Red = 0x000000FF;

enum class Kind { Label, TextBox, CommandButton, Frame, PictureBox, Timer, Line, Shape };

enum class Image { None, Banner, ProgramIcon };

enum Alignment { LeftJustify = 0, Center = 2 };
enum BackStyle { Transparent = 0, Opaque = 1 };
enum ScrollBars { NoScrollBars = 0, BothScrollBars = 3 };

struct FontRecord
{
    std::string_view face;
    int size; // in 1/10000 point: 112500 is 11.25 pt
    int weight = 400;
    bool italic = false;
};

struct ControlDescription
{
    std::string_view name;
    Kind kind;
    std::string_view container{}; // the Frame holding the control; empty for the window
    Twips left = 0, top = 0, width = 0, height = 0;
    std::string_view caption{}; // Caption of a label, frame or button; Text of a text box
    int tabIndex = -1;          // -1: the control takes no part in the tab order
    std::optional<Colour> foreColor{};
    Alignment alignment = LeftJustify;
    BackStyle backStyle = Opaque;
    const FontRecord *font = nullptr;
    bool multiLine = false;
    ScrollBars scrollBars = NoScrollBars;
    Image picture = Image::None;
    bool autoSize = false; // a picture box takes the size of its picture; it has no border
    int interval = 0;      // Timer: milliseconds between ticks
    Twips x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool visible = true;
    std::string_view heading{}; // the label whose caption names this control to assistive tools
};

struct MenuDescription
{
    std::string_view name;
    std::string_view caption; // '&' marks the access key
    std::string_view parent{};
};

struct FormDescription
{
    std::string_view name;
    std::string_view caption;
    Twips clientWidth, clientHeight;
    std::optional<Colour> backColor{};
    Image picture = Image::None;
    Image icon = Image::ProgramIcon;
    const FontRecord *font = nullptr;
    std::span<const MenuDescription> menus{};
    std::span<const ControlDescription> controls{};
};

// The events a control of each kind raises. A window raises Load and Unload, a menu entry
// without children Click.
constexpr bool raisesEvent(Kind kind, std::string_view event)
{
    switch (kind) {
    case Kind::TextBox:
        return event == "Click" || event == "GotFocus" || event == "Change";
    case Kind::CommandButton:
    case Kind::PictureBox:
        return event == "Click" || event == "GotFocus";
    case Kind::Timer:
        return event == "Timer";
    case Kind::Label:
    case Kind::Frame:
    case Kind::Line:
    case Kind::Shape:
        break;
    }
    return false;
}

// A handler is found by its name, `<control>_<event>` or `Form_<event>`.
struct Handler
{
    std::string_view name;
    void (*run)();
};

struct FormDefinition
{
    const FormDescription &description;
    std::span<const Handler> handlers;
};

} // namespace vb
