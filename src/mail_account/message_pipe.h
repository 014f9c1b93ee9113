#pragma once

#include "mail_account/imap_upload.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace mail_account {

// Runs a message's writer on a thread of its own and hands what it writes to a reader
// that pulls (libcurl's read callback), a few pieces at a time, so a message the size
// of a camera photo never stands whole in memory.
class MessagePipe {
public:
    explicit MessagePipe(const MessageSource& source);
    ~MessagePipe(); // stops the writer and waits for it
    MessagePipe(const MessagePipe&) = delete;
    MessagePipe& operator=(const MessagePipe&) = delete;

    // Up to `room` bytes into `buffer`; 0 at the end, or when the writer failed or
    // wrote other than the size it announced.
    std::size_t read(char* buffer, std::size_t room);
    // Why the writer failed; empty while it has not.
    std::string failure() const;

private:
    void take(std::string_view piece);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> pieces_;
    std::size_t readInFront_ = 0; // of pieces_.front()
    std::uint64_t expected_;
    std::uint64_t handedOut_ = 0;
    bool finished_ = false;
    bool stopping_ = false;
    std::string failure_;
    std::thread writer_;
};

} // namespace mail_account
