#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/modal_windows.h"

namespace glosbo::core {
class AppState;
}

namespace glosbo::app {

struct Services;

// What a window needs when it is made: the shared state, the services, the
// window that opens it, and what the window is asked to show when it takes
// more than the state.
struct WindowContext {
    core::AppState& state;
    Services& services;
    QWidget* parent = nullptr;
    // The program whose rule page TRegelform shows.
    std::uint16_t programNumber = 0;
    // The picture a picture-question exercise asks about.
    std::string pictureFileName{};
};

// What the user is told about a window this version does not have yet.
inline constexpr const char8_t* kNotReadyMessage =
    u8"Den här delen av Glosbo är inte färdig ännu. Välj gärna något annat!";

// The windows that can be opened, by class name ("TF1", "TDiag", ...).
// Each unit that builds a window adds its factory; until then opening that
// name does nothing.
class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<QDialog>(const WindowContext&)>;

    void add(const std::string& name, Factory factory,
             ModalWindows::Placement placement = ModalWindows::Placement::Maximised);
    bool has(const std::string& name) const;

    // Creates the window, runs it modally through the modal-window service
    // and frees it when it closes. Returns the window's result code
    // (QDialog::Accepted, QDialog::Rejected or its own); nothing when no such
    // window exists yet.
    std::optional<int> open(const std::string& name, const WindowContext& context) const;
    // The same, but a window that does not exist yet is said so through the
    // message service, rather than the click doing nothing.
    void openOrSayNotReady(const std::string& name, const WindowContext& context) const;

private:
    struct Entry {
        Factory factory;
        ModalWindows::Placement placement;
    };
    std::map<std::string, Entry> m_entries;
};

} // namespace glosbo::app
