#pragma once

namespace glosbo::app {
class WindowRegistry;
}

// The catalogue of every window of the program. It sits above the window
// layers (menus, exercises, information) so that they never depend on each
// other through it; the program and the tests fill a registry from it.
namespace glosbo::catalogue {

// Adds every window of the program to the registry, by class name.
void registerWindows(app::WindowRegistry& registry);

} // namespace glosbo::catalogue
