#include "app/window_catalogue.h"

#include "app/window_registry.h"

namespace glosbo::app {

void registerWindows(WindowRegistry& registry) {
    // Each window unit adds its entry here as it is built.
    (void)registry;
}

} // namespace glosbo::app
