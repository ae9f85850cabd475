#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/data_roots.h"
#include "core/draw.h"

namespace glosbo::core {

// The 40 pictures of Sweden: a random order built once from the draw
// permutation, and the two captions of each picture.
class Pictures {
public:
    static constexpr int kCount = 40;
    enum class CaptionKind { Exercise, StartPicture };

    // Reads "/BILD/BILDTEXT.DAT" (lines "n#exercise caption#start caption",
    // Windows-1252) from the PC path, else the CD path. A missing file leaves
    // the captions empty.
    void loadCaptions(const DataRoots& roots);
    // Sets captions from the lines of such a file.
    void parseCaptions(std::string_view text);

    // The next picture number; builds the order on first use. Sets the
    // current caption to the picture's exercise caption.
    int haemta_Bildslumptal(const DrawPermutation& draw, int& position);

    const std::string& caption(int number, CaptionKind kind) const;
    const std::string& currentCaption() const { return m_current; }
    bool orderBuilt() const { return m_built; }

private:
    std::array<int, kCount + 1> m_order{};
    std::array<std::string, kCount + 1> m_exercise;
    std::array<std::string, kCount + 1> m_start;
    std::string m_current;
    bool m_built = false;
};

// "/BILD/SVE007.BMP": an exercise picture.
std::string exercisePictureName(int number);
// "/BILD/SVES007.BMP": a start picture in size L, M or S.
std::string startPictureName(char sizeLetter, int number);
// The size of the start pictures by screen width: L up to 700, M below 900, S from 900.
char startPictureSize(int screenWidth);

} // namespace glosbo::core
