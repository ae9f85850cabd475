#pragma once

#include <string>
#include <vector>

namespace glosbo::tool {

// One finding of the media check: a problem fails the check, a note does not.
struct MediaFinding {
    std::string file; // the path looked for
    std::string message;
    bool problem = true;
};

// The pictures and sounds that the root's data files and the program call
// for and that are not there. A root with a BILD folder is a full data root
// and must hold the program's own pictures and the anthem; the word sounds of
// the listed exercise files and the pictures of the picture questions are
// needed in any root. A word sound that the voice command could not make
// (no synthesiser on the machine that built the root) is a note.
std::vector<MediaFinding> checkMedia(const std::string& root);

} // namespace glosbo::tool
