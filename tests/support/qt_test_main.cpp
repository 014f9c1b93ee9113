// One main for every widget test: a QApplication on Qt's offscreen platform (unless
// the caller chose another), with the program's own look.
#include "editor/program_look.h"
#include "platform/translations.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// On Linux each test points the XDG variables at a folder of its own. Windows finds
// the data and cache folders without them, so each test starts with the test program's
// own ones emptied instead.
class FreshProgramFolders : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        for (const auto location :
             {QStandardPaths::AppDataLocation, QStandardPaths::AppLocalDataLocation,
              QStandardPaths::CacheLocation})
            QDir(QStandardPaths::writableLocation(location)).removeRecursively();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installTranslations(app); // English unless a test asks for another language
    applyProgramLook();
    ::testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProgramFolders);
#endif
    return RUN_ALL_TESTS();
}
