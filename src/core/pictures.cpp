#include "core/pictures.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/record_fields.h"

namespace glosbo::core {

namespace {
std::string threeDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}
} // namespace

void Pictures::loadCaptions(const DataRoots& roots) {
    const auto path = findDataFile(roots, "BILD/BILDTEXT.DAT");
    if (!path) return;
    std::ifstream in(*path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    parseCaptions(text.str());
}

void Pictures::parseCaptions(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    while (readLine(in, line)) {
        if (!isRecord(classifyLine(line))) continue;
        const RecordFields f = str_postarray(line);
        const int n = std::atoi(f[1].c_str());
        if (n < 1 || n > kCount) continue;
        m_exercise[n] = MellanslagBort(f[2]);
        m_start[n] = f[3].empty() ? m_exercise[n] : MellanslagBort(f[3]);
    }
}

int Pictures::haemta_Bildslumptal(const DrawPermutation& draw, int& position) {
    if (!m_built) {
        int k = 1;
        for (int i = 1; i <= DrawPermutation::kSize && k <= kCount; ++i)
            if (draw.entry(i) >= 1 && draw.entry(i) <= kCount) m_order[k++] = draw.entry(i);
        for (; k <= kCount; ++k)
            m_order[k] = k; // only after a partial reshuffle
        m_built = true;
    }
    if (position < 1 || position > kCount) position = 1;
    const int n = m_order[position];
    m_current = m_exercise[n];
    position = position < kCount ? position + 1 : 1;
    return n;
}

const std::string& Pictures::caption(int number, CaptionKind kind) const {
    static const std::string none;
    if (number < 1 || number > kCount) return none;
    return kind == CaptionKind::Exercise ? m_exercise[number] : m_start[number];
}

std::string exercisePictureName(int number) {
    return "/BILD/SVE" + threeDigits(number) + ".BMP";
}

std::string startPictureName(char sizeLetter, int number) {
    return std::string("/BILD/SVE") + sizeLetter + threeDigits(number) + ".BMP";
}

char startPictureSize(int screenWidth) {
    if (screenWidth <= 700) return 'L';
    if (screenWidth < 900) return 'M';
    return 'S';
}

} // namespace glosbo::core
