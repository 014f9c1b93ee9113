#include "platform/error_words.h"
#include "stationery/errors.h"
#include "stationery/file_names.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using stationery::ExportError;
using stationery::ReadError;

// Every failure the core reports is worded, for the window and the command line alike,
// naming the files concerned and the reason, whatever the code.
TEST(ErrorWords, EveryFailureNamesItsFilesAndReason) {
    const std::string pageName = "/tmp/Café/page.htm";
    const std::filesystem::path page = stationery::pathFromUtf8(pageName);
    const std::filesystem::path source = stationery::pathFromUtf8("/tmp/Café/été.jpg");
    const std::string reason = "No space left on device";
    struct Case {
        std::exception_ptr error;
        std::vector<std::string> named;
    };
    std::vector<Case> cases;
    cases.push_back(
        {std::make_exception_ptr(stationery::SaveError(page, reason)), {pageName, reason}});
    for (int code = 0; code <= static_cast<int>(ReadError::Code::PictureNotPlaced); ++code) {
        const ReadError error(static_cast<ReadError::Code>(code), "12q");
        cases.push_back({std::make_exception_ptr(error.inFile(page)), {pageName}});
    }
    for (int code = 0; code <= static_cast<int>(ExportError::Code::FolderMissing); ++code) {
        const auto kind = static_cast<ExportError::Code>(code);
        const bool aboutTheSource = kind != ExportError::Code::PageNotWritten &&
                                    kind != ExportError::Code::PageIsStationery &&
                                    kind != ExportError::Code::PageIsFolder;
        const ExportError error(kind, aboutTheSource ? source : std::filesystem::path(), reason);
        std::vector<std::string> named{pageName};
        if (aboutTheSource)
            named.push_back("été.jpg");
        cases.push_back({std::make_exception_ptr(error.toPage(page)), named});
    }
    // Each failure in the words the window and the command line give: one wording, made
    // from the failure's code, files and detail.
    const auto wordsOf = [](const std::exception_ptr& error) -> std::string {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            return errorWords(e).toStdString();
        }
    };
    for (const Case& c : cases) {
        const std::string worded = wordsOf(c.error);
        EXPECT_TRUE(worded.starts_with("Could not ")) << worded;
        for (const std::string& name : c.named)
            EXPECT_NE(worded.find(name), std::string::npos) << worded << " lacks " << name;
    }
    // Codes that quote the system or the file carry their detail through.
    EXPECT_NE(wordsOf(cases[0].error).find(reason), std::string::npos);
    const ReadError fontSize(ReadError::Code::BadFontSize, "12q");
    EXPECT_NE(errorWords(fontSize).indexOf(QStringLiteral("\"12q\"")), -1);
    // A template cut off is said to be, not to be someone else's.
    EXPECT_NE(errorWords(ReadError(ReadError::Code::Incomplete)).indexOf(QStringLiteral("cut off")),
              -1);
}

} // namespace
