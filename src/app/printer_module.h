#pragma once

#include <vector>

#include "core/page.h"

class QWidget;

// The printer dialogs and Qt Print Support live in a module of their own
// (libglosbo_printing.so) that the print service loads at the first print,
// so that the program starts without them.
namespace glosbo::app {

// Shows the pages in a preview on A4; its print button asks for the printer
// and the number of copies and prints them. False when the preview was
// closed, the printer dialog cancelled or the printer could not be started.
// Without fileOutputAllowed the printer dialog offers no printing to a file.
using PrintWithDialogFunction = bool (*)(const std::vector<core::Page>& pages, QWidget* parent,
                                         bool fileOutputAllowed);
inline constexpr const char* kPrintWithDialogName = "glosbo_print_with_dialog";

} // namespace glosbo::app
