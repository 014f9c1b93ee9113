#pragma once

#include "stationery/export.h"

#include <QString>

namespace platform {

// The folder the designs' pictures are written to, inside the program's data folder.
QString designsFolder();
// The folder the pictures of opened message templates are taken out to, beside it.
QString picturesFolder();

// What an export checks of the files it carries, judged as the program judges them
// when it shows or plays them: a picture must decode, a sound must be one the sound
// device plays. The designs' folder counts as the program's own. Nothing from a hidden
// or system folder is carried unless the caller adds a question.
stationery::ExportGuards exportGuards();

} // namespace platform
