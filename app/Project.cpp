// The project's windows and its start-up.
#include "app/Project.h"

#include "forms/Forms.h"
#include "platform/Startup.h"
#include "platform/WindowSet.h"

namespace quoriam {

namespace {
const vb::FormDefinition forms[] = {vb::Form1Definition, vb::FormNewDefinition, vb::Form2Definition,
                                    vb::FormAboutDefinition};
} // namespace

const vb::Project &project()
{
    static const vb::Project quoriam{forms, "Form1", "Quoriam"};
    return quoriam;
}

bool initialise()
{
    const bool fontsLoaded = vb::initialisePlatform();
    vb::WindowSet::instance().setProject(project());
    return fontsLoaded;
}

} // namespace quoriam
