#include "app/font_read_ahead.h"

#if defined(__linux__)
#include <dlfcn.h>
#endif

FontReadAhead::FontReadAhead() {
#if defined(__linux__)
    reader_ = std::thread([] {
        // The library the window module brings anyway; without it there is nothing to
        // read ahead. Fontconfig keeps one configuration for the process, so Qt's own
        // call finds this one read, or reads it itself if it comes first.
        void* fontconfig = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!fontconfig)
            return;
        if (const auto init = reinterpret_cast<int (*)()>(dlsym(fontconfig, "FcInit")))
            init();
        dlclose(fontconfig);
    });
#endif
}

FontReadAhead::~FontReadAhead() {
    if (reader_.joinable())
        reader_.join();
}
