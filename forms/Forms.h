// The program's four windows, addressed by name from any handler, and the descriptions
// and handlers that make them.
#pragma once

#include "forms/Description.h"
#include "platform/Runtime.h"

namespace vb {

inline constexpr Form Form1{"Form1"};
inline constexpr Form FormNew{"FormNew"};
inline constexpr Form Form2{"Form2"};
inline constexpr Form FormAbout{"FormAbout"};

extern const FormDefinition Form1Definition;
extern const FormDefinition FormNewDefinition;
extern const FormDefinition Form2Definition;
extern const FormDefinition FormAboutDefinition;

} // namespace vb
