#include "catalogue/window_catalogue.h"

#include "app/window_registry.h"
#include "exercises/tbilden.h"
#include "exercises/tdiktam.h"
#include "exercises/tflerbar.h"
#include "exercises/tinsetxt.h"
#include "exercises/tklockan.h"
#include "exercises/tlasljud.h"
#include "exercises/tordna.h"
#include "exercises/tpassakt.h"
#include "exercises/tsats.h"
#include "exercises/tskriv.h"
#include "exercises/tskrivhi.h"
#include "exercises/tskrivinf.h"
#include "exercises/tvokalex.h"
#include "games/tavsloj.h"
#include "games/tberaetta.h"
#include "games/tfalska.h"
#include "games/tkatten.h"
#include "games/tprank.h"
#include "games/tspelnam.h"
#include "games/tsynon.h"
#include "info/tflagga.h"
#include "info/tkarta.h"
#include "info/tmanual.h"
#include "info/tomtolm.h"
#include "info/tregelform.h"
#include "info/tstallin.h"
#include "info/tsvhymn.h"
#include "menus/menu_window.h"
#include "results/tdiag.h"
#include "results/tdiaprot.h"
#include "results/tklass.h"
#include "results/tnlos.h"
#include "results/trekord.h"

namespace glosbo::catalogue {

using app::ModalWindows;
using app::WindowContext;

void registerWindows(app::WindowRegistry& registry) {
    // Each window unit adds its entry here as it is built.
    menus::registerMenus(registry);
    registry.add("TPassAkt", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TPassAkt>(c);
    });
    registry.add("TSKRIV", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TSKRIV>(c);
    });
    registry.add("TSkrivinf", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TSkrivinf>(c);
    });
    registry.add("TSKRIVHI", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TSKRIVHI>(c);
    });
    registry.add("TFLERBAR", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TFLERBAR>(c);
    });
    registry.add("TOrdna", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TOrdna>(c);
    });
    registry.add("TSats", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TSats>(c);
    });
    registry.add("TBilden", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TBilden>(c);
    });
    registry.add("TKlockan", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TKlockan>(c);
    });
    registry.add("TVokalex", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TVokalex>(c);
    });
    registry.add("TDiktam", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TDiktam>(c);
    });
    registry.add("TInseTxt", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TInseTxt>(c);
    });
    registry.add("TLasLjud", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<exercises::TLasLjud>(c);
    });
    registry.add("Tavsloj", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<games::Tavsloj>(c);
    });
    registry.add("TFalska", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<games::TFalska>(c);
    });
    registry.add("Tkatten", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<games::Tkatten>(c);
    });
    registry.add(
        "TSpelNam",
        [](const WindowContext& c) {
            return std::make_unique<games::TSpelNam>(c.state, c.services, c.parent);
        },
        ModalWindows::Placement::Centred);
    registry.add("TSynon", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<games::TSynon>(c);
    });
    registry.add("TRekord", [](const WindowContext& c) {
        return std::make_unique<results::TRekord>(c.state, c.services, c.parent);
    });
    registry.add("TPrank", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<games::TPrank>(c);
    });
    registry.add("Tberaetta", [](const WindowContext& c) {
        return exercises::makeExerciseWindow<games::Tberaetta>(c);
    });
    registry.add(
        "TStallin",
        [](const WindowContext& c) {
            return std::make_unique<info::TStallin>(c.state, c.services, c.parent);
        },
        ModalWindows::Placement::Centred);
    registry.add(
        "TDiag",
        [](const WindowContext& c) {
            return std::make_unique<results::TDiag>(c.state, c.services, c.parent);
        },
        ModalWindows::Placement::Centred);
    registry.add("Tdiaprot", [](const WindowContext& c) {
        return std::make_unique<results::Tdiaprot>(c.state, c.services, c.parent);
    });
    registry.add("TKlass", [](const WindowContext& c) {
        return std::make_unique<results::TKlass>(c.state, c.services, c.parent);
    });
    registry.add(
        "TNLOS",
        [](const WindowContext& c) {
            return std::make_unique<results::TNLOS>(c.state, c.services, c.parent);
        },
        ModalWindows::Placement::Centred);
    registry.add("TManual", [](const WindowContext& c) {
        return std::make_unique<info::TManual>(c.state, c.services, c.parent);
    });
    registry.add("TOmTolm", [](const WindowContext& c) {
        return std::make_unique<info::TOmTolm>(c.state, c.services, c.parent);
    });
    registry.add("TKarta", [](const WindowContext& c) {
        return std::make_unique<info::TKarta>(c.state, c.services, c.parent);
    });
    registry.add("TFlagga", [](const WindowContext& c) {
        return std::make_unique<info::TFlagga>(c.state, c.services, c.parent);
    });
    registry.add("TSvHymn", [](const WindowContext& c) {
        return std::make_unique<info::TSvHymn>(c.state, c.services, c.parent);
    });
    registry.add("TRegelform", [](const WindowContext& c) {
        return std::make_unique<info::TRegelform>(c.state, c.services, c.programNumber, c.parent);
    });
}

} // namespace glosbo::catalogue
