#pragma once

#include <algorithm>

namespace glosbo::core {

// The pupil's settings; they live in memory for one run of the program and
// start over with every start of the main window.
class Settings {
public:
    // Seconds a right answer stays in sight, 0..9.
    int answerDisplaySeconds() const { return m_answerDisplaySeconds; }
    void setAnswerDisplaySeconds(int seconds) {
        m_answerDisplaySeconds = std::clamp(seconds, 0, 9);
    }

    // 0 silent; 1 and 3 play the words of the sound exercises.
    int soundMode() const { return m_soundMode; }
    void setSoundMode(int mode) { m_soundMode = mode; }
    bool playsWords() const { return m_soundMode == 1 || m_soundMode == 3; }

    // 1 and 3 show a picture of Sweden at the end of a series.
    int swedenPicturesMode() const { return m_swedenPicturesMode; }
    void setSwedenPicturesMode(int mode) { m_swedenPicturesMode = mode; }
    bool showsPictures() const { return m_swedenPicturesMode == 1 || m_swedenPicturesMode == 3; }

    // The language spoken words are translated into: 0 none, 1 English, 2 German.
    int soundTranslation() const { return m_soundTranslation; }
    void setSoundTranslation(int language) { m_soundTranslation = language; }

    // Reading aloud: whether a question is read as it comes up, and whether
    // the voice speaks slowly.
    bool readsQuestionsAloud() const { return m_readsQuestionsAloud; }
    void setReadsQuestionsAloud(bool on) { m_readsQuestionsAloud = on; }
    bool slowSpeech() const { return m_slowSpeech; }
    void setSlowSpeech(bool slow) { m_slowSpeech = slow; }

    // Back to the values every start begins with.
    void reset() { *this = Settings{}; }

private:
    int m_answerDisplaySeconds = 3;
    int m_soundMode = 1;
    int m_swedenPicturesMode = 1;
    int m_soundTranslation = 0;
    bool m_readsQuestionsAloud = false;
    bool m_slowSpeech = false;
};

} // namespace glosbo::core
