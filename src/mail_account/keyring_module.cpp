// The keyring module: the passwords in the system keyring (QtKeychain over D-Bus),
// loaded by LoadedMailService when a password is first read or kept, so that an upload
// given its password never loads them.
#include "mail_account/keyring_service.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT mail_account::MailService* stationeryCreateKeyringService() {
    return new mail_account::KeyringService;
}
