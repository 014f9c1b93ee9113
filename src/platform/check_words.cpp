#include "platform/check_words.h"

#include "stationery/client_support.h"

#include <QCoreApplication>
#include <QLocale>

#include <string>

namespace {

using stationery::Concern;

class CheckWords {
    Q_DECLARE_TR_FUNCTIONS(CheckWords)

public:
    static FindingWords of(const stationery::Finding& f) {
        const QString picture = QString::fromStdString(f.picture);
        const QString sound = QString::fromStdString(f.sound);
        switch (f.concern) {
        case Concern::TextOnBackground:
            return {tr("Text on the background colour: %1; aim for %2.")
                        .arg(ratio(f.ratio), ratio(stationery::kContrastAdviceBelow)),
                    tr("Choose a text colour further from the background colour, darker on a "
                       "light background or lighter on a dark one.")};
        case Concern::TextOnPicture:
            return {tr("Text on the picture: %1; aim for %2.")
                        .arg(ratio(f.ratio), ratio(stationery::kContrastAdviceBelow)),
                    f.lightText ? tr("Choose a darker or calmer picture, or a text colour that "
                                     "stands out from all of it.")
                                : tr("Choose a paler or calmer picture, or a text colour that "
                                     "stands out from all of it.")};
        case Concern::PictureGone:
            return {tr("The picture \"%1\" no longer exists.").arg(picture),
                    tr("Choose the picture again on the Image tab.")};
        case Concern::SoundGone:
            return {tr("The sound \"%1\" no longer exists.").arg(sound),
                    tr("Choose the sound again on the Sound tab, or tick \"No Sound\".")};
        case Concern::Weight:
            return {weight(picture, sound, plainSize(f.bytes)),
                    tr("Choose a smaller picture or sound, or save the picture smaller.")};
        case Concern::NamedByPlace:
            return {namedByPlace(picture, sound),
                    tr("Use File > New Message in Mail Client, or Export's message template. "
                       "The picture then travels inside the message.")};
        case Concern::ScrollsByScript:
            return {tr("The picture scrolls by a script. Received mail never runs one, so "
                       "recipients see it standing still."),
                    tr("The message template scrolls it by CSS instead, which %1 play.")
                        .arg(clientWords(stationery::kCssScrollingSupport.shownBy))};
        case Concern::TickerByScript:
            return {tr("The ticker writes to a status bar by a script. No mail client of "
                       "today runs one."),
                    tr("Put anything recipients must read into the message itself.")};
        case Concern::BackgroundSound:
            return {tr("The background sound plays only in old mail clients. The message "
                       "template leaves it out."),
                    tr("Expect recipients not to hear it.")};
        }
        return {};
    }

    static QString size(std::uintmax_t bytes) {
        if (bytes < 1024 * 1024)
            return tr("%1 KB").arg(QLocale().toString(double(bytes) / 1024.0, 'f', 0));
        return tr("%1 MB").arg(QLocale().toString(double(bytes) / (1024.0 * 1024.0), 'f', 1));
    }

private:
    static QString ratio(double value) {
        const bool whole = value == double(qint64(value));
        return tr("%1:1").arg(QLocale().toString(value, 'f', whole ? 0 : 1));
    }

    static QString weight(const QString& picture, const QString& sound, const QString& size) {
        if (!picture.isEmpty() && !sound.isEmpty())
            return tr("The picture \"%1\" and the sound \"%2\" add %3 to every message sent "
                      "with this stationery.")
                .arg(picture, sound, size);
        if (!picture.isEmpty())
            return tr("The picture \"%1\" adds %2 to every message sent with this stationery.")
                .arg(picture, size);
        return tr("The sound \"%1\" adds %2 to every message sent with this stationery.")
            .arg(sound, size);
    }

    static QString namedByPlace(const QString& picture, const QString& sound) {
        if (!picture.isEmpty() && !sound.isEmpty())
            return tr("The picture \"%1\" and the sound \"%2\" are named by their place on "
                      "this computer. Recipients do not have them unless the mail client "
                      "sends them along.")
                .arg(picture, sound);
        if (!picture.isEmpty())
            return tr("The picture \"%1\" is named by its place on this computer. Recipients "
                      "do not have it unless the mail client sends it along.")
                .arg(picture);
        return tr("The sound \"%1\" is named by its place on this computer. Recipients do not "
                  "have it unless the mail client sends it along.")
            .arg(sound);
    }
};

} // namespace

FindingWords findingWords(const stationery::Finding& finding) {
    return CheckWords::of(finding);
}

QString plainSize(std::uintmax_t bytes) {
    return CheckWords::size(bytes);
}

QString clientWords(std::string_view english) {
    const std::string text(english);
    return QCoreApplication::translate("ClientSupport", text.c_str());
}
