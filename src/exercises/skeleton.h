#pragma once

#include "core/series.h"

namespace glosbo::exercises {

// When a window asks its first question.
enum class FirstQuestion {
    // As the window is created.
    AtCreation,
    // After the window's introduction (a reading text, a sound): the window
    // asks it itself with NyPost.
    AfterIntroduction,
};

// The shape of one exercise window: which parts of the shared skeleton it
// has and what its parts are called. Each window gives one row of these to
// the base constructor; the base builds, names and wires only those parts.
struct Skeleton {
    // The window's class name, its objectName.
    const char* name = "";
    const char* title = "";
    // The button bar ("Rätta felen", "Fortsätta", "Avbryta", "Inställningar").
    const char* buttonBarName = "Panel1";
    // The bar's "Fortsätta" and "Avbryta" buttons; a window without a
    // correction round has no "Rätta felen" in its bar.
    const char* continueButtonName = "Button2";
    const char* cancelButtonName = "Button3";
    bool correctionButton = true;
    // The answer display after the last question.
    const char* lastAnswerTimerName = "Timer3";
    // Strip, button bar, picture and praise panels laid out over the screen.
    bool layout = true;
    // The progress strip at the right edge.
    bool strip = true;
    // The warning lamp beside a text input.
    bool lamp = true;
    // The finish picture, the praise and the correction round.
    bool endOfSeries = true;
    // A picture of Sweden at the end of a series; without it the window
    // covers its question area itself (coverQuestionArea).
    bool finishPicture = true;
    // After a wrong last answer the button bar shows at once, while the
    // answer is still shown, rather than when its display ends.
    bool barDuringLastAnswer = false;
    // The diagnosis box in the diagnosis modes.
    bool diagnosisBox = true;
    // The worksheet badge (and bar) in worksheet mode.
    bool worksheetBar = true;
    // The window sees Esc, Space, F2 and its own keys before the focused
    // control does (FormKeyUp).
    bool previewsKeys = false;
    // The recorded word of each question (Timer5, "Upprepa ordet").
    bool wordSound = false;
    FirstQuestion firstQuestion = FirstQuestion::AtCreation;
    // When a diagnosis practice is done.
    core::CompletionRule completion = core::CompletionRule::TwoGoodSeries;
    // What "Fortsätta" does to the counts of an interrupted series.
    core::ResumeRule resume = core::ResumeRule::CountsRestart;
};

} // namespace glosbo::exercises
