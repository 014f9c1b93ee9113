// Desktop entries' command lines, split and filled in as the desktop entry rules say.
#include "platform/desktop_applications.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DesktopApplications, CommandLinesTakeTheFileAsTheirFieldCodesSay) {
    const QString file = u"/tmp/Sea view.eml"_s;
    const QString url = u"file:///tmp/Sea%20view.eml"_s;
    const struct {
        QString exec;
        QStringList command;
    } cases[] = {
        {u"thunderbird %u"_s, {u"thunderbird"_s, url}},
        {u"evolution %U"_s, {u"evolution"_s, url}},
        {u"\"/opt/My Mail/mail\" --compose %f"_s, {u"/opt/My Mail/mail"_s, u"--compose"_s, file}},
        {u"app \"a \\\"q\\\" \\$b\" %F"_s, {u"app"_s, u"a \"q\" $b"_s, file}},
        // No file code: the file comes last. %i, with no icon to give, leaves nothing.
        {u"app %i --name %c --from %k 100%%"_s,
         {u"app"_s, u"--name"_s, u"Mail"_s, u"--from"_s, u"/apps/mail.desktop"_s, u"100%"_s, file}},
        {u"  spaced\t%f  "_s, {u"spaced"_s, file}},
        // Codes inside an argument; deprecated ones leave nothing.
        {u"mail --file=%f --title=%c%% %d"_s, {u"mail"_s, u"--file="_s + file, u"--title=Mail%"_s}},
        {u"mail -compose attachment='%u'"_s,
         {u"mail"_s, u"-compose"_s, u"attachment='"_s + url + u"'"_s}},
        {u"\"unterminated %f"_s, {}},
        {u"%f"_s, {}},
    };
    for (const auto& c : cases) {
        const platform::DesktopApplication application{u"mail.desktop"_s, u"/apps/mail.desktop"_s,
                                                       u"Mail"_s, c.exec};
        EXPECT_EQ(platform::DesktopApplications::commandFor(application, file), c.command)
            << c.exec.toStdString();
    }
}

} // namespace
