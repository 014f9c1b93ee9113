// The sound module: the SDL_mixer audio device in a library of its own, loaded by
// LoadedAudioDevice when the program first needs sound.
#include "platform/loaded_audio_device.h"
#include "platform/sdl_audio_device.h"

extern "C" Q_DECL_EXPORT platform::AudioDevice* stationeryCreateAudioDevice() {
    return new platform::SdlAudioDevice;
}
