// The order in which a window's controls are built.
#include "platform/Stacking.h"

namespace vb {

std::vector<const ControlDescription *> buildingOrder(std::span<const ControlDescription> controls)
{
    std::vector<const ControlDescription *> order;
    const auto addLayer = [&](std::string_view container, Layer layer) {
        for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
            if (it->container() == container && it->kind().layer == layer)
                order.push_back(&*it);
        }
    };
    addLayer({}, Layer::Drawn);
    addLayer({}, Layer::Window);
    for (const ControlDescription &control : controls) {
        addLayer(control.name(), Layer::Drawn); // what a frame holds
        addLayer(control.name(), Layer::Window);
    }
    for (const ControlDescription &control : controls) {
        if (control.kind().layer == Layer::None)
            order.push_back(&control);
    }
    return order;
}

} // namespace vb
