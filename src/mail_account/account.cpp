#include "mail_account/imap_upload.h"

#include <QCryptographicHash>

#include <cctype>

namespace mail_account {

MessageSource MessageSource::of(std::string message) {
    const std::uint64_t size = message.size();
    return {size, [message = std::move(message)](const Piece& take) {
                take(message);
            }};
}

std::string markFor(std::string_view key) {
    const QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(key.data(), qsizetype(key.size())), QCryptographicHash::Sha256);
    return digest.left(12).toHex().toUpper().toStdString();
}

int defaultPort(Security security) {
    return security == Security::SslTls ? 993 : 143;
}

UploadError::UploadError(Failure failure, std::string serverWords, std::string presentedCertificate,
                         std::string detail)
    : std::runtime_error(serverWords.empty() ? detail : serverWords), failure_(failure),
      serverWords_(std::move(serverWords)), presentedCertificate_(std::move(presentedCertificate)),
      detail_(std::move(detail)) {}

std::string normalFingerprint(const std::string& written) {
    std::string digits;
    for (const char c : written) {
        if (c == ':' || c == ' ')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
        digits += char(std::toupper(static_cast<unsigned char>(c)));
    }
    if (digits.size() != 64)
        return {};
    std::string text;
    for (size_t i = 0; i < digits.size(); i += 2)
        text += (i ? ":" : "") + digits.substr(i, 2);
    return text;
}

} // namespace mail_account
