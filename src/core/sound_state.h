#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/data_roots.h"
#include "core/sounds.h"

namespace glosbo::core {

// The sounds of the current exercise and the translation lists of its
// spoken words.
class SoundState {
public:
    // The sound directory of the current exercise ("S231").
    const std::string& directory() const { return m_directory; }
    // Makes the sound directory that of a program; the state does this when
    // it selects an exercise.
    void selectProgram(std::uint16_t programNumber);

    // The next sound lies directly in "/LJUD", not in the exercise's directory.
    void playFromRoot() { m_rootSound = true; }
    bool fromRoot() const { return m_rootSound; }
    void clearRootSound() { m_rootSound = false; }
    // Finds the file of a sound (fileName Windows-1252) for the exercise of
    // the context, in this state's directory or the root, and clears the
    // root flag.
    SoundRequest request(const DataRoots& roots, const std::string& fileName, SoundContext context);

    // The lists must be loaded again before they are used.
    void requestTranslationReload() { m_reload = true; }
    bool translationReloadRequested() const { return m_reload; }
    // Loads the lists of a language now.
    void loadTranslations(const DataRoots& roots, int language);
    // The translation of a word (Windows-1252) in the lists of a language,
    // which are loaded first when a reload was asked for or they are of
    // another language. Nothing without a language or when the word is not
    // listed.
    std::optional<std::string> translationOf(const DataRoots& roots, int language,
                                             const std::string& word);
    const TranslationLists& translations() const { return m_translations; }

private:
    std::string m_directory;
    bool m_rootSound = false;
    TranslationLists m_translations;
    bool m_reload = true;
    // The language the lists were last loaded for: a setting changed without
    // the reload flag (English off, then German on, then "Avbryt") still gets
    // the lists of its own language.
    int m_listsLanguage = 0;
};

} // namespace glosbo::core
