#include "platform/Stacking.h"

namespace vb {

bool isWindowLayer(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::Frame ||
           kind == Kind::PictureBox;
}

std::vector<const ControlDescription *> buildingOrder(std::span<const ControlDescription> controls)
{
    std::vector<const ControlDescription *> order;
    const auto addLayer = [&](std::string_view container, bool windowLayer) {
        for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
            if (it->container == container && it->kind != Kind::Timer &&
                isWindowLayer(it->kind) == windowLayer)
                order.push_back(&*it);
        }
    };
    addLayer({}, false);
    addLayer({}, true);
    for (const ControlDescription &control : controls) {
        if (control.kind == Kind::Frame) {
            addLayer(control.name, false);
            addLayer(control.name, true);
        }
    }
    return order;
}

} // namespace vb
