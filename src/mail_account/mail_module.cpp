// The mail module: the upload and the keyring in a library of their own, loaded by
// LoadedMailService when the program first needs them.
#include "mail_account/direct_mail_service.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT mail_account::MailService* stationeryCreateMailService() {
    return new mail_account::DirectMailService;
}
