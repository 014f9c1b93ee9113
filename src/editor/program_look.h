#pragma once

// The style and the small UI font that the window's compact design was made for.
// Call once, after the QApplication exists.
void applyProgramLook();
