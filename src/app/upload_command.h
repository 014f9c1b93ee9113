#pragma once

#include <QString>

// stationery-editor --upload imaps://USER@HOST[:PORT]/FOLDER FILE: FILE's message
// template put into FOLDER of the account (the drafts folder the server marks, for no
// folder), without a window. imap:// means STARTTLS, required. The password comes from
// the keyring entry the window saved, else from one line on standard input when
// `passwordFromInput`; a certificate the system does not trust passes only when its
// SHA-256 fingerprint is `trustedCertificate`. Returns the exit status; says why on
// standard error.
namespace command_line {

struct UploadArguments {
    QString url;
    QString file;
    bool passwordFromInput = false;
    QString trustedCertificate;
};

int upload(const UploadArguments& arguments);

} // namespace command_line
