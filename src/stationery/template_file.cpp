#include "stationery/template_file.h"

#include "stationery/atomic_file.h"
#include "stationery/errors.h"
#include "stationery/file_names.h"
#include "stationery/hex_color.h"
#include "stationery/message_writer.h"
#include "stationery/todays_form.h"

#include <cstring>
#include <fstream>

namespace stationery {

namespace fs = std::filesystem;

namespace {

// Far more than a template's headers and page, which come before the picture.
constexpr std::size_t kMaxHead = 4 * 1024 * 1024;
constexpr std::string_view kClosing = "--=_stationery_related--";

[[noreturn]] void failReading(const fs::path& path, const FileWriteError& error) {
    throw ReadError(ReadError::Code::SystemError, error.reason(), path);
}

std::string headOf(const fs::path& path, std::size_t limit) {
    try {
        return regularFileHead(path, limit);
    } catch (const FileWriteError& error) {
        failReading(path, error);
    }
}

// The text with LF line ends made CR LF, and where `offset` of the result lies in it.
std::pair<std::string, std::size_t> withCrLf(std::string_view text, std::size_t offset) {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 32);
    std::size_t original = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (crlf.size() >= offset && original == std::string_view::npos)
            original = i;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            crlf += '\r';
        crlf += text[i];
    }
    return {crlf, original == std::string_view::npos ? text.size() : original};
}

// Decodes the picture's base64 as it comes, up to the closing boundary, handing the
// bytes on in pieces.
class Base64Stream {
public:
    explicit Base64Stream(const std::function<void(std::string_view)>& out) : out_(out) {}

    // False once the closing boundary has been read: nothing more is wanted.
    bool feed(std::string_view text) {
        for (const char c : text) {
            if (!closing_.empty() || c == '-') {
                closing_ += c;
                if (closing_.size() == kClosing.size()) {
                    ended_ = closing_ == kClosing;
                    flush();
                    return false;
                }
                continue;
            }
            const int digit = base64Digit(c);
            if (digit < 0)
                continue; // line ends and padding
            value_ = (value_ << 6) | unsigned(digit);
            bits_ += 6;
            if (bits_ >= 8) {
                bits_ -= 8;
                decoded_ += static_cast<char>((value_ >> bits_) & 0xFF);
            }
        }
        if (decoded_.size() >= 256 * 1024)
            flush();
        return true;
    }
    bool ended() const { return ended_; }

private:
    void flush() {
        if (!decoded_.empty())
            out_(decoded_);
        decoded_.clear();
    }

    const std::function<void(std::string_view)>& out_;
    std::string decoded_;
    std::string closing_;
    unsigned value_ = 0;
    int bits_ = 0;
    bool ended_ = false;
};

// The template's picture, decoded from `offset` of the file on, piece by piece.
struct PictureInFile {
    fs::path file;
    std::uint64_t offset = 0;

    // Hands the decoded bytes to `out`; false when the file ends before the picture.
    bool decode(const std::function<void(std::string_view)>& out) const {
        Base64Stream stream(out);
        std::uint64_t skipped = 0;
        try {
            readRegularFileInPieces(file, [&](std::string_view piece) {
                if (skipped < offset) {
                    const std::size_t skip =
                        std::size_t(std::min<std::uint64_t>(offset - skipped, piece.size()));
                    skipped += skip;
                    piece.remove_prefix(skip);
                }
                return stream.feed(piece);
            });
        } catch (const FileWriteError& error) {
            failReading(file, error);
        }
        return stream.ended();
    }
};

// Whether the regular file `candidate` holds exactly the picture's `size` bytes.
bool holdsThePicture(const fs::path& candidate, const PictureInFile& picture, std::uint64_t size) {
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(candidate, error)) ||
        fs::file_size(candidate, error) != size || error)
        return false;
    std::ifstream existing(candidate, std::ios::binary);
    std::string buffer;
    bool same = bool(existing);
    picture.decode([&](std::string_view piece) {
        if (!same)
            return;
        buffer.resize(piece.size());
        same = existing.read(buffer.data(), std::streamsize(piece.size())) &&
               std::memcmp(buffer.data(), piece.data(), piece.size()) == 0;
    });
    return same;
}

} // namespace

bool startsAsMessageTemplate(const fs::path& path) {
    std::string head;
    try {
        head = headOf(path, 16);
    } catch (const ReadError&) {
        return false;
    }
    return head.starts_with("X-Unsent: 1\r\n") || head.starts_with("X-Unsent: 1\n");
}

OpenedStationery openMessageTemplate(const fs::path& path, const fs::path& picturesFolder) {
    const std::string head = headOf(path, kMaxHead);
    const bool lf = head.starts_with("X-Unsent: 1\n");
    const std::string crlf = lf ? withCrLf(head, 0).first : head;
    const std::optional<MessageLayout> layout = messageLayout(crlf);
    if (!layout)
        throw ReadError(ReadError::Code::NotOurs, "an e-mail message not made by this program",
                        path);
    if (layout->form.incomplete)
        throw ReadError(ReadError::Code::Incomplete, {}, path);
    OpenedStationery opened{layout->form.settings, true};
    if (layout->pictureBody == std::string_view::npos)
        return opened;

    const PictureInFile picture{path, lf ? withCrLf(head, layout->pictureBody).second
                                         : layout->pictureBody};
    // A first pass finds the picture whole, its size and its kind.
    std::uint64_t size = 0;
    std::string start;
    if (!picture.decode([&](std::string_view piece) {
            if (start.size() < 16)
                start.append(piece.substr(0, 16 - start.size()));
            size += piece.size();
        }))
        throw ReadError(ReadError::Code::Incomplete, {}, path);

    fs::path name = pathFromUtf8(safeFileName(layout->form.pictureFileName));
    if (name.empty()) {
        const auto type = MessageWriter::mediaTypeOf(start).value_or("image/jpeg");
        name = "picture." + type.substr(type.find('/') + 1);
    }
    std::error_code error;
    fs::create_directories(picturesFolder, error);
    const StreamedContents bytes{size, [&picture](const StreamedContents::Writer& write) {
                                     picture.decode(write);
                                 }};
    try {
        const fs::path placed = firstFreeName(picturesFolder, name, [&](const fs::path& candidate) {
            if (fs::exists(fs::symlink_status(candidate, error)))
                return holdsThePicture(candidate, picture, size);
            return createFileWhole(candidate, bytes);
        });
        opened.settings.picture = utf8FromPath(placed);
    } catch (const FileWriteError& failure) {
        throw ReadError(ReadError::Code::PictureNotPlaced, failure.reason(), path);
    }
    return opened;
}

} // namespace stationery
