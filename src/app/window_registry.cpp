#include "app/window_registry.h"

#include "app/services.h"

namespace glosbo::app {

void WindowRegistry::add(const std::string& name, Factory factory,
                         ModalWindows::Placement placement) {
    m_entries[name] = Entry{std::move(factory), placement};
}

bool WindowRegistry::has(const std::string& name) const {
    return m_entries.count(name) != 0;
}

std::optional<int> WindowRegistry::open(const std::string& name,
                                        const WindowContext& context) const {
    const auto it = m_entries.find(name);
    if (it == m_entries.end()) return std::nullopt;
    std::unique_ptr<QDialog> window = it->second.factory(context);
    if (!window) return std::nullopt;
    return context.services.modal.exec(*window, it->second.placement);
}

void WindowRegistry::openOrSayNotReady(const std::string& name,
                                       const WindowContext& context) const {
    if (!has(name)) {
        context.services.messages.information(kNotReadyMessage);
        return;
    }
    open(name, context);
}

} // namespace glosbo::app
