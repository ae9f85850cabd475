#include "core/praise.h"

namespace glosbo::core {

int diagnosisTestNumber(std::uint16_t p) {
    switch (p) {
    case 23100:
        return 1;
    case 23200:
        return 2;
    case 23300:
        return 3;
    case 23400:
        return 4;
    case 23500:
        return 5;
    case 23600:
        return 6;
    case 23700:
        return 7;
    case 23800:
        return 8;
    case 23900:
        return 9;
    case 22200:
    case 22300:
        return 10;
    case 24300:
        return 11;
    case 45000:
        return 12;
    case 42000:
        return 14;
    case 32400:
        return 15;
    default:
        break;
    }
    if (p >= 43100 && p <= 43300) return 13;
    if (p >= 33100 && p <= 33300) return 16;
    if (p >= 34100 && p <= 34800) return 17;
    return 0;
}

std::string HaemtaLovordFilNamn(int correctCount, int seriesLength, std::uint16_t programNumber,
                                const std::array<int, 21>& results, const std::string& userName) {
    const int missed = seriesLength - correctCount;
    if (missed < 0 || missed > 2) return {};
    const int t = diagnosisTestNumber(programNumber);
    const bool named = !userName.empty();
    const int r = t > 0 ? results[t] : 0;
    static constexpr int kPlain[2][3] = {{9001, 9002, 9013}, {9005, 9006, 9015}};
    static constexpr int kUntested[2][3] = {{9003, 9004, 9014}, {9007, 9008, 9016}};
    int number;
    if (t == 0)
        number = kPlain[named][missed];
    else if (r == 0)
        number = kUntested[named][missed];
    else if (missed == 2)
        number = named ? 9016 : 9014;
    else if (r < 20)
        number = missed == 0 ? 9009 : 9010;
    else
        number = missed == 0 ? 9011 : 9012;
    return "SVOM" + std::to_string(number) + ".LOV";
}

std::string LovordMen(std::string_view text, const std::string& userName, int testNumber,
                      int testResult) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '<') {
            out += text[i++];
            continue;
        }
        // The placeholders are tried in this order at the same place.
        bool replaced = false;
        for (const auto& [key, value] :
             {std::pair<std::string_view, std::string>{"<namn>", userName},
              {"<diagnos>", std::to_string(testNumber)},
              {"<res>", std::to_string(testResult)}}) {
            if (text.substr(i, key.size()) == key) {
                out += value;
                i += key.size();
                replaced = true;
                if (i >= text.size() || text[i] != '<') break;
            }
        }
        if (!replaced) ++i; // a stray '<' is dropped
    }
    return out;
}

} // namespace glosbo::core
