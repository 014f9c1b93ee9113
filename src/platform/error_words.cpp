#include "platform/error_words.h"

#include "platform/file_system_paths.h"
#include "stationery/errors.h"

#include <QCoreApplication>

namespace {

// For the translation tools: what a file that is none of the program's own is.
[[maybe_unused]] const char* const kForeignKinds[] = {
    QT_TRANSLATE_NOOP("ErrorWords", "a picture"), QT_TRANSLATE_NOOP("ErrorWords", "a sound"),
    QT_TRANSLATE_NOOP("ErrorWords", "an e-mail message not made by this program"),
    QT_TRANSLATE_NOOP("ErrorWords", "a web page not made by this program")};

class ErrorWords {
    Q_DECLARE_TR_FUNCTIONS(ErrorWords)

public:
    static QString save(const stationery::SaveError& error) {
        return tr("Could not save \"%1\": %2.").arg(shown(error.file()), system(error.reason()));
    }

    static QString read(const stationery::ReadError& error) {
        const QString reason = readReason(error);
        return error.file().empty()
                   ? reason
                   : tr("Could not open \"%1\": %2.").arg(shown(error.file()), reason);
    }

    static QString exported(const stationery::ExportError& error) {
        const QString reason = exportReason(error);
        return error.page().empty()
                   ? reason
                   : tr("Could not export \"%1\": %2.").arg(shown(error.page()), reason);
    }

private:
    static QString shown(const std::filesystem::path& file) { return qStringFromPath(file); }
    // The system's own words; they come untranslated from the C library.
    static QString system(const std::string& reason) { return QString::fromStdString(reason); }

    static QString readReason(const stationery::ReadError& error) {
        using Code = stationery::ReadError::Code;
        switch (error.code()) {
        case Code::SystemError:
            return system(error.detail());
        case Code::IsFolder:
            return tr("it is a folder");
        case Code::NotRegularFile:
            return tr("it is not a regular file");
        case Code::TooLarge:
            return tr("it is larger than 16 MB, and a stationery file is about 5 KB");
        case Code::NotText:
            return tr("it holds bytes that are not text");
        case Code::NotOurs:
            if (!error.detail().empty())
                return tr("it is %1, not a stationery, a page for today's mail clients or a "
                          "message template made by this program")
                    .arg(tr(error.detail().c_str()));
            break;
        case Code::BadFontSize:
            return tr("its font size \"%1\" is not a number").arg(system(error.detail()));
        case Code::BadMargin:
            return tr("its margin \"%1\" is not a number of pixels").arg(system(error.detail()));
        case Code::BadPictureSize:
            return tr("its picture size \"%1\" is not a number of pixels")
                .arg(system(error.detail()));
        case Code::PictureNotPlaced:
            return tr("its picture could not be written to the program's pictures folder (%1)")
                .arg(system(error.detail()));
        case Code::Incomplete:
            return tr("it is a message template made by this program, but cut off before its "
                      "end");
        }
        return tr("it is not a stationery file made by this program");
    }

    static QString because(const QString& detail) {
        return detail.isEmpty() ? QString() : tr(" (%1)").arg(detail);
    }

    static QString exportReason(const stationery::ExportError& error) {
        using Code = stationery::ExportError::Code;
        const QString source = shown(error.source());
        const QString reason = system(error.detail());
        switch (error.code()) {
        case Code::PageNotWritten:
            return reason;
        case Code::PictureMissing:
            return tr("the picture \"%1\" could not be copied: it does not exist or is no file")
                .arg(source);
        case Code::SoundMissing:
            return tr("the sound \"%1\" could not be copied: it does not exist or is no file")
                .arg(source);
        case Code::PictureUnderPage:
            return tr("the picture \"%1\" would be written over by the export").arg(source);
        case Code::SoundUnderPage:
            return tr("the sound \"%1\" would be written over by the export").arg(source);
        case Code::PictureNotCopied:
            return tr("the picture \"%1\" could not be copied: %2").arg(source, reason);
        case Code::SoundNotCopied:
            return tr("the sound \"%1\" could not be copied: %2").arg(source, reason);
        case Code::PictureNotRead:
            break;
        case Code::PictureChanged:
            return tr("the picture \"%1\" could not be read: it changed while it was read")
                .arg(source);
        case Code::PictureNotSupported:
            return tr("the picture \"%1\" is not a JPEG, GIF, PNG or BMP picture%2, so it is not "
                      "carried")
                .arg(source, because(reason));
        case Code::SoundNotSupported:
            return tr("the sound \"%1\" is not a MIDI, WAV or MP3 sound%2, so it is not carried")
                .arg(source, because(reason));
        case Code::PicturePrivate:
            return tr("the picture \"%1\" is in a hidden or system folder, and such a file is "
                      "carried only when you agree")
                .arg(source);
        case Code::SoundPrivate:
            return tr("the sound \"%1\" is in a hidden or system folder, and such a file is "
                      "carried only when you agree")
                .arg(source);
        case Code::PageIsStationery:
            return tr("that is the stationery being exported, which would be written over");
        case Code::PageIsFolder:
            return tr("it is a folder");
        case Code::FolderMissing:
            return tr("the folder \"%1\" does not exist").arg(source);
        }
        return tr("the picture \"%1\" could not be read: %2").arg(source, reason);
    }
};

} // namespace

QString errorWords(const std::exception& error) {
    if (const auto* save = dynamic_cast<const stationery::SaveError*>(&error))
        return ErrorWords::save(*save);
    if (const auto* read = dynamic_cast<const stationery::ReadError*>(&error))
        return ErrorWords::read(*read);
    if (const auto* exported = dynamic_cast<const stationery::ExportError*>(&error))
        return ErrorWords::exported(*exported);
    return QString::fromLocal8Bit(error.what());
}

PieceWriter withFailuresInWords(PieceWriter produce) {
    return [produce = std::move(produce)](const std::function<void(std::string_view)>& take) {
        try {
            produce(take);
        } catch (const std::exception& error) {
            throw std::runtime_error(errorWords(error).toStdString());
        }
    };
}
