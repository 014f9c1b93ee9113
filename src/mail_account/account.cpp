#include "mail_account/imap_upload.h"

#include <QCryptographicHash>

#include <cctype>
#include <future>

namespace mail_account {

struct MessageSource::Made {
    std::shared_future<std::pair<std::uint64_t, Produce>> message;
};

MessageSource::MessageSource(std::uint64_t size, Produce produce)
    : made_(std::make_shared<Made>()) {
    std::promise<std::pair<std::uint64_t, Produce>> now;
    now.set_value({size, std::move(produce)});
    made_->message = now.get_future().share();
}

MessageSource MessageSource::of(std::string message) {
    const std::uint64_t size = message.size();
    return {size, [message = std::move(message)](const Piece& take) {
                take(message);
            }};
}

MessageSource MessageSource::later(std::function<MessageSource()> make) {
    MessageSource source;
    source.made_ = std::make_shared<Made>();
    source.made_->message = std::async(std::launch::async, [make = std::move(make)] {
                                const MessageSource made = make();
                                return std::pair<std::uint64_t, Produce>(
                                    made.size(), [made](const Piece& take) { made.produce(take); });
                            }).share();
    return source;
}

std::uint64_t MessageSource::size() const {
    return made_ ? made_->message.get().first : 0;
}

void MessageSource::produce(const Piece& take) const {
    if (made_)
        made_->message.get().second(take);
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
    for (size_t i = 0; i < digits.size(); i += 2) {
        if (i)
            text += ':';
        text.append(digits, i, 2);
    }
    return text;
}

} // namespace mail_account
