// The declarative model of a window: its own properties and the ordered list of its
// controls. Every window of the program is data first; the forms runtime builds the
// window from it and raises its events to the handlers named after control and event.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <variant>

namespace vb {

// One twip is 1/1440 inch; all positions and sizes of a description are in twips.
using Twips = int;

// A colour laid out as 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour Red = 0x000000FF;

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

// Left, Top, Width and Height of a control, relative to its container.
struct Place
{
    Twips left = 0, top = 0, width = 0, height = 0;
};

// What every control of a kind is: the layer it is drawn in (within one container the
// window layer stands above the drawn layer, which is painted on the container's own
// surface; a timer is not drawn), whether it takes the focus, the events it raises.
enum class Layer { None, Drawn, Window };
enum Focus : bool { NoFocus = false, TakesFocus = true };
struct Kind
{
    Layer layer;
    Focus focus;
    std::array<std::string_view, 3> events;
};

// Each kind of control is a description type: its Kind and the properties its descriptions
// give. Every control has a name, unique in its window, and a container: the Frame holding
// it, or empty for the window. TabIndex -1 keeps a control out of the tab order.

struct LabelDescription
{
    static constexpr Kind kind{Layer::Drawn, NoFocus, {}};
    std::string_view name, container{};
    Place place{};
    std::string_view caption{};
    int tabIndex = -1;
    std::optional<Colour> foreColor{};
    Alignment alignment = LeftJustify;
    BackStyle backStyle = Opaque;
    const FontRecord *font = nullptr;
    std::string_view heading{}; // the label whose caption names this one to assistive tools
};

struct TextBoxDescription
{
    static constexpr Kind kind{Layer::Window, TakesFocus, {"Click", "GotFocus", "Change"}};
    std::string_view name, container{};
    Place place{};
    std::string_view text{};
    int tabIndex = -1;
    bool multiLine = false;
    ScrollBars scrollBars = NoScrollBars;
    std::string_view heading{}; // the label whose caption names this box to assistive tools
};

struct CommandButtonDescription
{
    static constexpr Kind kind{Layer::Window, TakesFocus, {"Click", "GotFocus"}};
    std::string_view name, container{};
    Place place{};
    std::string_view caption{};
    int tabIndex = -1;
};

// A frame is opaque and holds the controls that name it as their container.
struct FrameDescription
{
    static constexpr Kind kind{Layer::Window, NoFocus, {}};
    std::string_view name, container{};
    Place place{};
    std::string_view caption{};
    int tabIndex = -1;
};

struct PictureBoxDescription
{
    static constexpr Kind kind{Layer::Window, TakesFocus, {"Click", "GotFocus"}};
    std::string_view name, container{};
    Place place{};
    int tabIndex = -1;
    Image picture = Image::None;
    bool autoSize = false; // the box takes the size of its picture; it has no border
};

struct TimerDescription
{
    static constexpr Kind kind{Layer::None, NoFocus, {"Timer"}};
    std::string_view name, container{};
    int interval = 0; // milliseconds between ticks; 0 stops it
};

struct LineDescription
{
    static constexpr Kind kind{Layer::Drawn, NoFocus, {}};
    std::string_view name, container{};
    Twips x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool visible = true;
};

// The outline of a rectangle.
struct ShapeDescription
{
    static constexpr Kind kind{Layer::Drawn, NoFocus, {}};
    std::string_view name, container{};
    Place place{};
};

// A control of any kind. Every kind there is is listed here, and built by its overload of
// build() in platform/controls/ (listed in platform/FormBuilder.cpp): the compiler holds
// the two lists together.
struct ControlDescription
    : std::variant<LabelDescription, TextBoxDescription, CommandButtonDescription, FrameDescription,
                   PictureBoxDescription, TimerDescription, LineDescription, ShapeDescription>
{
    using variant::variant;

    // What the runtime reads of a control whatever its kind.
    template <class Read> constexpr auto read(Read f) const
    {
        return std::visit(f, static_cast<const variant &>(*this));
    }
    constexpr std::string_view name() const
    {
        return read([](auto &c) { return c.name; });
    }
    constexpr std::string_view container() const
    {
        return read([](auto &c) { return c.container; });
    }
    constexpr Kind kind() const
    {
        return read([](auto &c) { return c.kind; });
    }
    // The TabIndex of a control that takes the focus; -1 for one that does not.
    constexpr int tabStop() const
    {
        return read([](auto &c) {
            if constexpr (std::remove_cvref_t<decltype(c)>::kind.focus)
                return c.tabIndex;
            return -1;
        });
    }
    // The label whose caption names the control to assistive tools, if any.
    constexpr std::string_view heading() const
    {
        return read([](auto &c) {
            if constexpr (requires { c.heading; })
                return c.heading;
            return std::string_view{};
        });
    }
    // A window raises Load and Unload, a menu entry without children Click.
    constexpr bool raises(std::string_view event) const
    {
        const auto events = kind().events;
        return !event.empty() && std::find(events.begin(), events.end(), event) != events.end();
    }
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
