#pragma once

namespace glosbo::app {

class WindowRegistry;

// Adds every window of the program to the registry, by class name.
void registerWindows(WindowRegistry& registry);

} // namespace glosbo::app
