// The sound module on Windows: the multimedia API's audio device in a library of its
// own, loaded by LoadedAudioDevice when the program first needs sound.
#include "platform/loaded_audio_device.h"
#include "platform/winmm_audio_device.h"

extern "C" Q_DECL_EXPORT platform::AudioDevice* stationeryCreateAudioDevice() {
    return new platform::WinmmAudioDevice;
}
