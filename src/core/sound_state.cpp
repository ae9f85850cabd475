#include "core/sound_state.h"

namespace glosbo::core {

void SoundState::selectProgram(std::uint16_t programNumber) {
    m_directory = GeLjudDirectory(programNumber);
}

SoundRequest SoundState::request(const DataRoots& roots, const std::string& fileName,
                                 SoundContext context) {
    context.soundDirectory = m_directory;
    SoundRequest result = SpelaUppWavLjud(roots, fileName, m_rootSound, context);
    m_rootSound = false;
    return result;
}

void SoundState::loadTranslations(const DataRoots& roots, int language) {
    FyllEngListan(roots, language, m_translations);
    m_listsLanguage = language;
    m_reload = false;
}

std::optional<std::string> SoundState::translationOf(const DataRoots& roots, int language,
                                                     const std::string& word) {
    if (language == 0 || word.empty()) return std::nullopt;
    if (m_reload || m_listsLanguage != language) loadTranslations(roots, language);
    const std::string* translation = findTranslation(m_translations, word);
    return translation ? std::optional<std::string>(*translation) : std::nullopt;
}

} // namespace glosbo::core
