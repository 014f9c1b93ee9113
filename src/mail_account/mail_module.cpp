// The mail module: the upload in a library of its own, loaded by LoadedMailService when
// the program first needs it. On Windows the keyring is the system's own, and is here
// too; elsewhere it is the keyring module.
#include "mail_account/direct_mail_service.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT mail_account::MailService* stationeryCreateMailService() {
    return new mail_account::DirectMailService;
}

#ifdef Q_OS_WIN
#include "mail_account/keyring_service.h"

extern "C" Q_DECL_EXPORT mail_account::MailService* stationeryCreateKeyringService() {
    return new mail_account::KeyringService;
}
#endif
