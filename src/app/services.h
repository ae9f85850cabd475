#pragma once

#include "app/message_boxes.h"
#include "app/modal_windows.h"
#include "app/print_service.h"
#include "app/sound_service.h"
#include "app/speech_service.h"
#include "app/text_measure.h"
#include "app/window_registry.h"

namespace glosbo::app {

// The platform services every window gets beside the shared state. main()
// makes the real ones; tests put in their own.
struct Services {
    MessageBoxes& messages;
    ModalWindows& modal;
    TextMeasure& measure;
    WindowRegistry& windows;
    SoundService& sounds;
    PrintService& printer;
    // Reading aloud; silent unless given.
    SpeechService& speech = SpeechService::silent();
};

} // namespace glosbo::app
