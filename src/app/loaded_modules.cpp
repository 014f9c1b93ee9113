#include "app/loaded_modules.h"
#include "app/program_modules.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <cstdio>
#include <mutex>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace program_modules {

namespace {

// A module, loaded once whichever thread asks first; it stays loaded.
class LoadedModule {
public:
    explicit LoadedModule(const char* name) : name_(name) {}

    // Its export of that name; null, with `failure` saying why, when it has none.
    QFunctionPointer resolve(const char* function, QString& failure) {
        std::call_once(once_, [this] { load(); });
        const QFunctionPointer found =
            library_.isLoaded() ? library_.resolve(function) : QFunctionPointer();
        if (!found)
            failure = failure_.isEmpty() ? library_.errorString() : failure_;
        return found;
    }

private:
    void load() {
        QStringList failures;
        for (const QString& place : moduleFolders()) {
            library_.setFileName(QDir(place).filePath(QLatin1String(name_)));
            if (library_.load())
                return;
            failures << library_.errorString();
        }
        failure_ = failures.join(QStringLiteral("; "));
    }

    const char* name_;
    std::once_flag once_;
    QLibrary library_;
    QString failure_;
};

} // namespace

QString programFolder() {
#ifdef Q_OS_WIN
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return QFileInfo(QString::fromStdWString(path)).absolutePath();
#else
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
#endif
}

QStringList moduleFolders() {
    const QString folder = programFolder();
    return {folder, folder + QStringLiteral("/../" STATIONERY_MODULE_DIR)};
}

int runWindow(int argc, char* argv[]) {
    static LoadedModule window(kWindow);
    QString failure;
    if (const auto run = reinterpret_cast<RunWindow>(window.resolve(kRunWindow, failure)))
        return run(argc, argv);
    std::fprintf(stderr, "stationery-editor: the window could not be loaded (%s).\n",
                 qUtf8Printable(failure));
    return 1;
}

std::string pictureProblem(const std::filesystem::path& file) {
    static LoadedModule pictures(kPictures);
    QString failure;
    const auto judge = reinterpret_cast<PictureProblem>(pictures.resolve(kPictureProblem, failure));
    if (!judge)
        return "the picture loader could not be loaded (" + failure.toStdString() + ")";
    std::string problem;
    judge(file, problem);
    return problem;
}

} // namespace program_modules
