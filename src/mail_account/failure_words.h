#pragma once

#include "mail_account/imap_upload.h"

#include <QString>

namespace mail_account {

// An upload's failure in plain words for the person who asked for it: what went wrong,
// the server's own reason where it gave one, and what to do.
QString failureWords(const UploadError& error, const Account& account);

// "tester@mail.example.com"
QString accountName(const Account& account);

} // namespace mail_account
