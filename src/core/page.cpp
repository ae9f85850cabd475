#include "core/page.h"

namespace glosbo::core {

void Page::rectangle(double left, double top, double right, double bottom) {
    line(left, top, right, top);
    line(right, top, right, bottom);
    line(right, bottom, left, bottom);
    line(left, bottom, left, top);
}

} // namespace glosbo::core
