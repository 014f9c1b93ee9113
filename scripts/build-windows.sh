#!/usr/bin/env bash
# Builds the editor for 64-bit Windows with MinGW-w64, against the dependencies
# scripts/windows-deps.sh builds from Debian's sources, and makes
#   build-windows/stationery-editor-VERSION-setup.exe   the installer (NSIS), and
#   build-windows/stationery-editor-VERSION-windows.zip the same program for a folder.
# The program's own tests for Windows are built beside it (scripts/test-windows.sh
# runs them under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
deps=$(scripts/windows-deps.sh | tail -n 1)
out=build-windows
jobs=${JOBS:-$(nproc)}

# The icons are drawn at build time by the build machine's own make_icons.
cmake -S . -B $out/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DSTATIONERY_BUILD_BENCH=OFF >/dev/null
cmake --build $out/host --target make_icons --parallel "$jobs"

"$deps/bin/qt-cmake" -S . -B $out/program -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DSTATIONERY_HOST_MAKE_ICONS="$PWD/$out/host/tools/make_icons" \
    -DSTATIONERY_WERROR=ON -DSTATIONERY_BUILD_BENCH=OFF -DBUILD_TESTING=ON \
    -DCMAKE_FIND_ROOT_PATH="$deps;/usr/x86_64-w64-mingw32" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64 >/dev/null
cmake --build $out/program --parallel "$jobs"

version=$(sed -n 's/^project(stationery-editor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$out/stage
rm -rf "$stage"
cmake --install $out/program --prefix "$stage" --strip >/dev/null
# What the program loads: Qt, the plugins for the window, its style and the picture
# formats it reads (PNG and BMP are built into Qt's GUI library), and the compiler's
# runtime.
cp "$deps"/bin/Qt6{Core,Gui,Widgets}.dll "$stage/"
mkdir -p "$stage"/{platforms,styles,imageformats}
cp "$deps/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$deps/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$deps"/plugins/imageformats/{qjpeg,qgif,qico}.dll "$stage/imageformats/"
runtime=/usr/lib/gcc/x86_64-w64-mingw32/$(x86_64-w64-mingw32-g++-posix -dumpversion)
cp "$runtime"/{libstdc++-6,libgcc_s_seh-1}.dll /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll \
    "$stage/"
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.dll "$stage"/*/*.dll
cp $out/program/src/app/stationery-editor.ico "$stage/"
# Qt's own texts (the standard dialogs' buttons) in the languages the program speaks;
# the program's are built into it.
mkdir -p "$stage/translations"
for language in de fr es it pt_BR; do
    cp "/usr/share/qt6/translations/qtbase_$language.qm" "$stage/translations/"
done

rm -f "$out/stationery-editor-$version-windows.zip"
(cd "$stage" && zip -qr9 "../stationery-editor-$version-windows.zip" .)
makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" \
    -DOUTFILE="$PWD/$out/stationery-editor-$version-setup.exe" packaging/windows/installer.nsi
echo "$out/stationery-editor-$version-setup.exe"
