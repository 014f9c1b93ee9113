#pragma once

#include <QString>

#include <functional>

namespace platform {

// Opens a message file (.eml) in the desktop's mail client. Starting one takes a
// moment and may fail only later, so the outcome is reported through `opened` (with
// the client's name) or `failed` (with the reason in plain words) once it is known.
class MailClient {
public:
    using Opened = std::function<void(const QString& clientName)>;
    using Failed = std::function<void(const QString& reason)>;
    virtual ~MailClient() = default;
    virtual void open(const QString& file, Opened opened, Failed failed) = 0;
};

// The desktop's default application for message/rfc822, found by the XDG rules and
// started with the file. It is watched for a few seconds: one that ends with a failure
// meanwhile has failed (its last words on standard error are the reason, kept in
// FILE.log beside the file); one that ends well or keeps running has opened it, and
// goes on running after this program ends. Where the XDG rules name no application
// and a desktop session is named, the desktop's opener is asked instead; elsewhere
// (Windows, macOS) the system is asked.
class DesktopMailClient : public MailClient {
public:
    // How long a client has to fail before it counts as started.
    explicit DesktopMailClient(int watchMilliseconds = 3000);
    void open(const QString& file, Opened opened, Failed failed) override;

private:
    int watchMilliseconds_;
};

} // namespace platform
