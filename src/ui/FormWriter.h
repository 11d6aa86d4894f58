// Writes a form description (see FormReader.h) of a component tree: the root,
// its stored properties that differ from their defaults, and the components
// the root owns, nested under their parents.
#pragma once

#include <string>

namespace sk::ui {

class Component;

std::string writeFormDescription(Component& root);

}  // namespace sk::ui
