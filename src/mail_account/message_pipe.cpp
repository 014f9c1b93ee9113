#include "mail_account/message_pipe.h"

#include <algorithm>
#include <cstring>

namespace mail_account {

namespace {

constexpr std::size_t kPiecesHeld = 4;

struct Stopped {}; // unwinds the writer when the reader is gone

} // namespace

MessagePipe::MessagePipe(const MessageSource& source) : expected_(source.size()) {
    writer_ = std::thread([this, source] {
        std::string failure;
        try {
            source.produce([this](std::string_view piece) { take(piece); });
        } catch (const Stopped&) {
        } catch (const std::exception& error) {
            failure = error.what();
            if (failure.empty())
                failure = "the message could not be written";
        } catch (...) {
            failure = "the message could not be written";
        }
        std::lock_guard lock(mutex_);
        if (!failure.empty())
            failure_ = failure;
        finished_ = true;
        changed_.notify_all();
    });
}

MessagePipe::~MessagePipe() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        changed_.notify_all();
    }
    writer_.join();
}

void MessagePipe::take(std::string_view piece) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stopping_ || pieces_.size() < kPiecesHeld; });
    if (stopping_)
        throw Stopped{};
    if (!piece.empty())
        pieces_.emplace_back(piece);
    changed_.notify_all();
}

std::size_t MessagePipe::read(char* buffer, std::size_t room) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return finished_ || !pieces_.empty(); });
    if (!failure_.empty())
        return 0;
    std::size_t given = 0;
    while (given < room && !pieces_.empty()) {
        const std::string& front = pieces_.front();
        const std::size_t n = std::min(room - given, front.size() - readInFront_);
        std::memcpy(buffer + given, front.data() + readInFront_, n);
        given += n;
        readInFront_ += n;
        if (readInFront_ == front.size()) {
            pieces_.pop_front();
            readInFront_ = 0;
        }
    }
    changed_.notify_all();
    handedOut_ += given;
    if (handedOut_ > expected_ || (given == 0 && handedOut_ != expected_)) {
        if (failure_.empty())
            failure_ = "the message came out at another size than announced";
        return 0;
    }
    return given;
}

std::string MessagePipe::failure() const {
    std::lock_guard lock(mutex_);
    return failure_;
}

} // namespace mail_account
