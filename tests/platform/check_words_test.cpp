#include "platform/check_words.h"
#include "stationery/client_support.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using stationery::Concern;
using stationery::Finding;
using stationery::Severity;

// Every finding in words names the files and figures it is about, in short sentences:
// none over 25 words, a quoted file name counted as one.
TEST(CheckWords, FindingsNameTheirFilesAndFiguresInShortSentences) {
    const auto finding = [](Concern concern, std::string picture, std::string sound,
                            std::uintmax_t bytes = 0, double ratio = 0) {
        Finding f{Severity::Note, concern, ratio};
        f.picture = std::move(picture);
        f.sound = std::move(sound);
        f.bytes = bytes;
        return f;
    };
    const struct {
        Finding finding;
        const char* meaningStarts;
    } cases[] = {
        {finding(Concern::TextOnBackground, "", "", 0, 4.4),
         "Text on the background colour: 4.4:1; aim for 4.5:1."},
        {finding(Concern::TextOnPicture, "", "", 0, 3.0), "Text on the picture: 3:1;"},
        {finding(Concern::PictureGone, "/home/ann/sky.jpg", ""),
         "The picture \"/home/ann/sky.jpg\" no longer exists."},
        {finding(Concern::SoundGone, "", "chime.wav"), "The sound \"chime.wav\" no longer"},
        {finding(Concern::Weight, "sky.jpg", "", 5 * 1024 * 1024),
         "The picture \"sky.jpg\" adds 5.0 MB to every message"},
        {finding(Concern::Weight, "", "chime.wav", 640 * 1024),
         "The sound \"chime.wav\" adds 640 KB"},
        {finding(Concern::Weight, "sky.jpg", "chime.wav", 3 * 1024 * 1024),
         "The picture \"sky.jpg\" and the sound \"chime.wav\" add 3.0 MB"},
        {finding(Concern::NamedByPlace, "/home/ann/sky.jpg", "C:\\Sounds\\chime.wav"),
         "The picture \"/home/ann/sky.jpg\" and the sound \"C:\\Sounds\\chime.wav\" are named "
         "by their place"},
        {finding(Concern::NamedByPlace, "", "/s/chime.wav"), "The sound \"/s/chime.wav\" is"},
        {finding(Concern::ScrollsByScript, "", ""), "The picture scrolls by a script."},
        {finding(Concern::TickerByScript, "", ""), "The ticker writes to a status bar"},
        {finding(Concern::BackgroundSound, "", ""), "The background sound plays only"},
    };
    const QRegularExpression sentenceEnd(QStringLiteral(R"([.;](?= |$))"));
    for (const auto& c : cases) {
        const FindingWords words = findingWords(c.finding);
        EXPECT_TRUE(words.meaning.startsWith(QString::fromUtf8(c.meaningStarts)))
            << words.meaning.toStdString();
        EXPECT_FALSE(words.action.isEmpty()) << c.meaningStarts;
        for (const QString& text : {words.meaning, words.action}) {
            QString unquoted = text;
            unquoted.replace(QRegularExpression(QStringLiteral("\"[^\"]*\"")),
                             QStringLiteral("file"));
            for (const QString& sentence : unquoted.split(sentenceEnd, Qt::SkipEmptyParts))
                EXPECT_LE(sentence.trimmed().split(QLatin1Char(' ')).size(), 25)
                    << sentence.toStdString();
        }
    }
    // The scrolling advice names the clients from the table.
    EXPECT_TRUE(findingWords(finding(Concern::ScrollsByScript, "", ""))
                    .action.contains(clientWords(stationery::kCssScrollingSupport.shownBy)));
}

} // namespace
