#!/usr/bin/env python3
"""An IMAP server on 127.0.0.1 that misbehaves on purpose, for the upload's tests.

    broken_imap.py SCENARIO [--plain]

Prints "PORT FINGERPRINT" on its first line, then every line it receives, one a line
(the message's own lines left out). Serves one connection at a time, TLS from the
first byte unless --plain, and stops by itself after 60 seconds.
"""
import os
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import time

SCENARIO = sys.argv[1]
PLAIN = "--plain" in sys.argv


def say(text):
    sys.stdout.write(text + "\n")
    sys.stdout.flush()


def certificate(folder):
    key, cert = os.path.join(folder, "key.pem"), os.path.join(folder, "cert.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key,
                    "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1"],
                   check=True, capture_output=True)
    out = subprocess.run(["openssl", "x509", "-noout", "-fingerprint", "-sha256", "-in", cert],
                         check=True, capture_output=True, text=True).stdout
    return key, cert, out.strip().split("=", 1)[1]


# What each scenario answers, by command; "{tag}" is the command's tag. A missing
# command gets "{tag} OK done".
ANSWERS = {
    "short-list": {"LIST": ["* LIST ()", "* LIST (\\Drafts", "* LIST (\\X) \"/\"",
                            "{tag} OK LIST done"]},
    "literal-list": {"LIST": ["* LIST (\\HasNoChildren) \"/\" {9}", "Templates",
                              "* LIST (\\HasNoChildren \\Subscribed) \"/\" \"Entw&APw-rfe\"",
                              "{tag} OK LIST done"],
                     "CREATE": ["{tag} NO [ALREADYEXISTS] Mailbox exists"]},
    "uid-range": {"LIST": ["* LIST (\\Drafts \\Subscribed) \"/\" Drafts", "{tag} OK done"],
                  "APPEND": ["{tag} OK [APPENDUID 1 1:*] Append completed."]},
    "draft-refused": {"LIST": ["* LIST (\\Drafts \\Subscribed) \"/\" Drafts", "{tag} OK done"],
                      "APPEND": ["{tag} OK [APPENDUID 1 7] Append completed."],
                      "UID": ["{tag} NO \x1b[31mFlags\x07 are read-only here"]},
    "gone-after-message": {"LIST": ["* LIST (\\Subscribed) \"/\" Templates", "{tag} OK done"],
                           "APPEND": None},
    "stall-append": {"LIST": ["* LIST (\\Subscribed) \"/\" Templates", "{tag} OK done"]},
    "markup-refusal": {"LOGIN": ["{tag} NO <h1><font color=green>all done</font></h1>"
                                 "<img src=\"file:///etc/hostname\">\x1b]0;owned\x07"]},
}


def serve(connection, answers):
    reader = connection.makefile("rb")

    def send(line):
        connection.sendall(line.encode("utf-8") + b"\r\n")

    send("* OK [CAPABILITY IMAP4rev1 LIST-EXTENDED SPECIAL-USE UIDPLUS] ready")
    while True:
        raw = reader.readline()
        if not raw:
            return
        line = raw.decode("utf-8", "replace").rstrip("\r\n")
        say(line)
        parts = line.split(" ")
        tag = parts[0]
        command = parts[1].upper() if len(parts) > 1 else ""
        if command == "APPEND" and line.endswith("}"):
            if SCENARIO == "stall-append":
                time.sleep(5)  # long enough to be cancelled meanwhile
            size = int(line[line.rindex("{") + 1:-1])
            send("+ go ahead")
            reader.read(size)
            reader.readline()
        if command == "CAPABILITY":
            send("* CAPABILITY IMAP4rev1 LIST-EXTENDED SPECIAL-USE UIDPLUS")
        if command in answers and answers[command] is None:
            connection.close()  # gone without a word
            return
        for answer in answers.get(command, ["{tag} OK done"]):
            send(answer.replace("{tag}", tag))
        if command == "LOGOUT":
            return


def main():
    threading.Timer(60, lambda: os._exit(0)).start()
    folder = tempfile.mkdtemp()
    key, cert, fingerprint = certificate(folder)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(4)
    say(f"{listener.getsockname()[1]} {fingerprint}")
    while True:
        plain, _ = listener.accept()
        try:
            connection = plain if PLAIN else context.wrap_socket(plain, server_side=True)
            serve(connection, ANSWERS.get(SCENARIO, {}))
        except (OSError, ssl.SSLError):
            pass
        finally:
            plain.close()


if __name__ == "__main__":
    main()
