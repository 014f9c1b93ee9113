#!/usr/bin/env bash
# Builds what the Windows program links (OpenSSL, libcurl and Qt) for 64-bit Windows
# with MinGW-w64, from Debian's own source packages, into a cache outside the clone
# that later builds reuse:
#   /var/cache/stationery-editor/windows-deps-<versions>-r<recipe>/
# A cache is used only once its last step wrote its stamp, so a half-built one is
# never taken for a whole one; each step that finished keeps its own stamp, so a build
# stopped half-way goes on where it stopped. A changed source version, or a changed
# recipe (bump `recipe` below whenever a step builds differently), builds a new cache.
# (The password on Windows is kept by the Credential Manager through the program's own
# small back end: Debian's mirror serves QtKeychain's .dsc but not its sources.)
# Prints the cache's folder on its last line. Runs as root, or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

cache_root=${STATIONERY_WINDOWS_CACHE:-/var/cache/stationery-editor}
jobs=${JOBS:-$(nproc)}
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

need=(g++-mingw-w64-x86-64-posix curl cmake ninja-build dpkg-dev perl python3 qt6-base-dev
      qt6-base-dev-tools)
missing=()
for package in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done

# The source packages come from the same suites as the binary ones.
if ! grep -rqs '^deb-src\|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
        sed -n 's/^deb /deb-src /p' |
        "${sudo[@]}" tee /etc/apt/sources.list.d/stationery-editor-sources.list >/dev/null
    { cat /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } |
        sed 's/^Types: *deb *$/Types: deb-src/' |
        "${sudo[@]}" tee /etc/apt/sources.list.d/stationery-editor-sources.sources >/dev/null
    "${sudo[@]}" apt-get update -qq
elif [ ${#missing[@]} -gt 0 ]; then
    "${sudo[@]}" apt-get update -qq
fi
[ ${#missing[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    --no-install-recommends "${missing[@]}"

# The newest version of a source package that the mirror really serves (a suite's
# index can name a version whose files are already gone).
source_version() {
    local version uri
    for version in $(apt-cache showsrc "$1" | awk '/^Version:/ { print $2 }' | sort -rV); do
        uri=$(apt-get source --print-uris -qq "$1=$version" | awk -F"'" '/\.dsc/ { print $2 }')
        if [ -n "$uri" ] && curl -sfI --max-time 30 "$uri" >/dev/null; then
            echo "$version"
            return
        fi
    done
}
qt_version=$(source_version qt6-base)
openssl_version=$(source_version openssl)
curl_version=$(source_version curl)
for v in "$qt_version" "$openssl_version" "$curl_version"; do
    [ -n "$v" ] || { echo "windows-deps: a source package is not available" >&2; exit 1; }
done
recipe=1
name="windows-deps-qt${qt_version}-ssl${openssl_version}-curl${curl_version}-r${recipe}"
name=${name//[:~+]/_}
prefix=$cache_root/$name
if [ -e "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

"${sudo[@]}" mkdir -p "$cache_root"
[ -w "$cache_root" ] || "${sudo[@]}" chown "$(id -u):$(id -g)" "$cache_root"
# One builder at a time: a second caller waits for the first one's cache.
exec 9>"$cache_root/.lock"
flock 9
if [ -e "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
# What a stopped build of another recipe or version left behind goes.
for old in "$cache_root"/build-* "$cache_root"/windows-deps-*; do
    case $old in *"$name") continue ;; esac
    [ -e "$old/.complete" ] || rm -rf "$old"
done
work=$cache_root/build-$name
mkdir -p "$prefix" "$work"
# A step runs unless it finished before; its stamp says it did.
done_before() { [ -e "$prefix/.step-$1" ]; }
finished() { touch "$prefix/.step-$1"; }
log() { echo "windows-deps: $(date +%T) $*" >&2; }

fetch() { # package version -> unpacked source folder
    local folder="$work/src-$1"
    mkdir -p "$folder"
    (cd "$folder" && apt-get source -qq "$1=$2" >/dev/null 2>&1) || {
        echo "windows-deps: apt-get source $1 failed" >&2
        exit 1
    }
    find "$folder" -mindepth 1 -maxdepth 1 -type d | head -1
}

triplet=x86_64-w64-mingw32
# The cache's own toolchain file: Qt's CMake files name it, so it lives beside them.
toolchain=$prefix/mingw-w64-toolchain.cmake
cat >"$toolchain" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_CXX_COMPILER $triplet-g++-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet $prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

if ! done_before openssl; then
log "OpenSSL $openssl_version"
src=$(fetch openssl "$openssl_version")
(cd "$src" && ./Configure mingw64 no-shared no-tests no-engine no-module \
    --prefix="$prefix" --libdir=lib CC=$triplet-gcc-posix AR=$triplet-ar RANLIB=$triplet-ranlib \
    RC=$triplet-windres >/dev/null &&
    make -j"$jobs" build_libs >/dev/null && make install_dev >/dev/null)
finished openssl
fi

if ! done_before curl; then
log "libcurl $curl_version"
src=$(fetch curl "$curl_version")
cmake -S "$src" -B "$work/curl" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DOPENSSL_ROOT_DIR="$prefix" -DOPENSSL_USE_STATIC_LIBS=ON -DCURL_USE_OPENSSL=ON \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DCURL_DISABLE_LDAP=ON \
    -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBPSL=OFF -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF \
    -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DENABLE_MANUAL=OFF \
    -DCURL_DISABLE_FTP=ON -DCURL_DISABLE_DICT=ON -DCURL_DISABLE_TELNET=ON \
    -DCURL_DISABLE_TFTP=ON -DCURL_DISABLE_RTSP=ON -DCURL_DISABLE_GOPHER=ON \
    -DCURL_DISABLE_MQTT=ON -DCURL_DISABLE_SMB=ON -DCURL_DISABLE_POP3=ON -DCURL_DISABLE_SMTP=ON \
    -DCURL_DISABLE_FILE=ON >/dev/null
cmake --build "$work/curl" --parallel "$jobs" >"$work/curl-build.log" 2>&1 ||
    { tail -40 "$work/curl-build.log" >&2; exit 1; }
cmake --install "$work/curl" >/dev/null
finished curl
fi

if ! done_before qt; then
log "Qt $qt_version (about an hour on two cores)"
src=$(fetch qt6-base "$qt_version")
# Qt's own configure would compile its bootstrap with the host compiler: the
# toolchain names the cross compilers, and Debian's Qt is the host Qt.
mkdir -p "$work/qt"
(cd "$work/qt" && "$src/configure" -prefix "$prefix" -release -xplatform win32-g++ \
    -qt-host-path /usr -nomake examples -nomake tests -no-opengl -qt-zlib -qt-libpng \
    -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -no-dbus -no-icu -no-feature-sql \
    -no-feature-network -no-feature-printsupport -no-feature-concurrent -no-feature-xml \
    -no-feature-opengl -no-feature-vulkan -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DFEATURE_tabletevent=OFF \
    >"$work/qt-configure.log" 2>&1) || { tail -40 "$work/qt-configure.log" >&2; exit 1; }
cmake --build "$work/qt" --parallel "$jobs" >"$work/qt-build.log" 2>&1 ||
    { tail -40 "$work/qt-build.log" >&2; exit 1; }
cmake --install "$work/qt" >/dev/null
finished qt
fi

rm -rf "$work"
date -u +%FT%TZ >"$prefix/.complete"
log "done"
echo "$prefix"
