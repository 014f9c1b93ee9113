#!/usr/bin/env bash
# A throwaway Dovecot on 127.0.0.1 for one test: IMAP over TLS only, with a self-signed
# certificate, one user "ann" (password "secret") and the folders Drafts and Templates.
# It runs in the background; DIR/pid, DIR/port (TLS), DIR/plain_port (STARTTLS),
# DIR/fingerprint (SHA-256, as openssl prints it) and DIR/cert.pem tell the test about
# it, and the mail lands under DIR/mail/ann. Stop it with kill "$(cat DIR/pid)".
# usage: throwaway_dovecot.sh DIR
set -euo pipefail
mail=$(realpath -m "$1")
mkdir -p "$mail/mail" "$mail/run"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 \
    -addext subjectAltName=IP:127.0.0.1 -keyout "$mail/key.pem" -out "$mail/cert.pem" 2>/dev/null
openssl x509 -noout -fingerprint -sha256 -in "$mail/cert.pem" | cut -d= -f2 >"$mail/fingerprint"
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
port=$(free_port)
plain=$(free_port)
if [ "$(id -u)" -eq 0 ]; then
    # Dovecot will not run its mail processes as root: they run as nobody.
    ids="65534:65534" users="dovecot dovenull dovecot"
    chmod 777 "$mail/mail"
    chmod 755 "$mail" "$(dirname "$mail")" # the test's own folder
else
    ids="$(id -u):$(id -g)" users="$(id -un) $(id -un) $(id -gn)"
fi
set -- $users
echo "ann:{PLAIN}secret:${ids}::$mail/mail/ann" >"$mail/passwd"
cat >"$mail/dovecot.conf" <<CONF
base_dir = $mail/run
state_dir = $mail/run
log_path = $mail/dovecot.log
protocols = imap
listen = 127.0.0.1
ssl = yes
ssl_cert = <$mail/cert.pem
ssl_key = <$mail/key.pem
disable_plaintext_auth = yes
passdb {
  driver = passwd-file
  args = scheme=PLAIN username_format=%u $mail/passwd
}
userdb {
  driver = passwd-file
  args = username_format=%u $mail/passwd
}
mail_location = maildir:$mail/mail/%u
namespace inbox {
  inbox = yes
  separator = /
  mailbox Drafts {
    special_use = \\Drafts
    auto = create
  }
  mailbox Templates {
    auto = create
  }
  mailbox Sent {
    special_use = \\Sent
    auto = create
  }
}
service imap-login {
  chroot =
  inet_listener imap {
    port = $plain
  }
  inet_listener imaps {
    port = $port
    ssl = yes
  }
}
service anvil {
  chroot =
}
default_internal_user = $1
default_login_user = $2
default_internal_group = $3
CONF
PATH=/usr/sbin:$PATH setsid dovecot -F -c "$mail/dovecot.conf" </dev/null >/dev/null 2>&1 &
echo $! >"$mail/pid"
echo "$port" >"$mail/port"
echo "$plain" >"$mail/plain_port"
for _ in $(seq 100); do (echo >/dev/tcp/127.0.0.1/$port) 2>/dev/null && exit 0; sleep 0.1; done
echo "Dovecot did not start: $(tail -3 "$mail/dovecot.log" 2>/dev/null)" >&2
exit 1
