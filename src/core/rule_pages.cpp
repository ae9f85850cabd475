#include "core/rule_pages.h"

#include "core/data_fs.h"
#include "core/text.h"

namespace glosbo::core {

std::string rulePageFor(std::uint16_t p) {
    if (p >= 22100 && p <= 22300 && p % 100 == 0) return "Dubbelskrivning1.htm";
    switch (p) {
    case 23100:
        return "Ae-ljudet.htm";
    case 23200:
        return "Aa-ljudet1.htm";
    case 23300:
        return "Tj-ljudet.htm";
    case 23400:
    case 23500:
        return "Sj-ljudet1.htm";
    case 23600:
        return "Ng-ljudet.htm";
    case 23700:
        return "J-ljudet1.htm";
    case 23800:
        return "Ks-ljudet.htm";
    case 36100:
    case 36200:
        return "Avstavning.htm";
    case 39200:
        return "Varvart.htm";
    case 44000:
        return "Genus.htm";
    case 46200:
        return "Imperativ.htm";
    case 46300:
        return "Tema1.htm";
    case 46400:
        return "Transitiva.htm";
    default:
        break;
    }
    if (p >= 37100 && p <= 37300) return "Kortning1.htm";
    if (p >= 46110 && p <= 46150) return "Tema1.htm";
    return {};
}

RulePage findRulePage(const DataRoots& roots, std::uint16_t programNumber) {
    RulePage page;
    const std::string name = rulePageFor(programNumber);
    if (!name.empty()) {
        if (auto p = findDataFileCdFirst(roots, "regler/" + name); p && fileExists(*p)) {
            page.path = *p;
            return page;
        }
    }
    page.missingMessage =
        u8"Filen " + asUtf8(roots.pcPath + "/regler/" + name) + u8" finns inte eller är felaktig";
    return page;
}

} // namespace glosbo::core
