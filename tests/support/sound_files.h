#pragma once

#include <QByteArray>

// Sound files made on the spot, so the tests ship no binaries.
namespace sound_files {

// A 16-bit mono WAV of a sine tone.
QByteArray sineWav(double seconds = 0.3, int frequency = 440, int sampleRate = 22050);
// A format-0 MIDI file that plays one note for about `seconds`.
QByteArray oneNoteMidi(double seconds = 0.3);

} // namespace sound_files
