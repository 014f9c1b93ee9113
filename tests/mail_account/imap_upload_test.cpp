// Putting a message template into a real IMAP server: a throwaway Dovecot the test
// starts, with TLS, without it, and with a small quota.
#include "dovecot_server.h"
#include "mail_account/imap_upload.h"
#include "mail_account/loaded_mail_service.h"
#include "mail_account/message_pipe.h"
#include "picture_files.h"
#include "stationery/export.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>

using namespace mail_account;

namespace {

// A template with a picture of about `pictureBytes` bytes; the picture's path in `picture`.
std::string templateMessage(const QTemporaryDir& folder, int side, QString* picture = nullptr) {
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    picture_files::write(path, picture_files::encode(picture_files::detailed(side, side), "jpeg"));
    if (picture)
        *picture = path;
    stationery::StationerySettings s;
    s.picture = path.toStdString();
    return stationery::renderForExport(s, stationery::ExportForm::Message);
}

UploadRequest requestFor(const DovecotServer& server, const std::string& message,
                         Security security = Security::SslTls) {
    UploadRequest request;
    request.account = {"127.0.0.1",
                       security == Security::SslTls ? server.imapsPort() : server.imapPort(),
                       security, DovecotServer::user().toStdString()};
    request.password = DovecotServer::password().toStdString();
    request.trustedCertificate = server.fingerprint().toStdString();
    request.message = MessageSource::of(message);
    return request;
}

Failure failureOf(const UploadRequest& request, std::string* words = nullptr,
                  std::string* presented = nullptr) {
    std::atomic<bool> cancelled = false;
    try {
        upload(request, cancelled);
    } catch (const UploadError& error) {
        if (words)
            *words = error.serverWords();
        if (presented)
            *presented = error.presentedCertificate();
        if (error.failure() == Failure::Other)
            ADD_FAILURE() << "unexpected failure: " << error.detail() << " / "
                          << error.serverWords();
        return error.failure();
    }
    ADD_FAILURE() << "the upload succeeded";
    return Failure::Other;
}

// Into Templates (made, since the account has none) and into the folder marked \Drafts
// with the \Draft flag, over SSL/TLS and STARTTLS: the stored message is the template,
// byte for byte, and Python's email package finds the picture in it.
TEST(ImapUpload, TemplatesAndDraftsGetTheMessageWhole) {
    DovecotServer server;
    ASSERT_TRUE(server.started()) << server.whyNotStarted().toStdString();
    QTemporaryDir folder;
    QString picture;
    const std::string message = templateMessage(folder, 300, &picture);
    const struct {
        FolderKind kind;
        Security security;
        const char* folder;
    } cases[] = {
        {FolderKind::Templates, Security::SslTls, "Templates"},
        {FolderKind::Drafts, Security::StartTls, "Drafts"},
    };
    for (const auto& c : cases) {
        UploadRequest request = requestFor(server, message, c.security);
        request.folder = c.kind;
        std::atomic<bool> cancelled = false;
        const UploadResult result = upload(request, cancelled);
        EXPECT_EQ(result.folder, c.folder);
        const QStringList files = server.messageFiles(QString::fromLatin1(c.folder));
        ASSERT_EQ(files.size(), 1) << c.folder;
        QFile stored(files[0]);
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        // Dovecot keeps lines with LF alone; IMAP hands them out with CR LF again.
        QByteArray expected = QByteArray::fromStdString(message);
        expected.replace("\r\n", "\n");
        EXPECT_EQ(stored.readAll(), expected) << c.folder;
        // Maildir keeps the flags in the name: "D" for \Draft.
        const QString flags = files[0].section(QStringLiteral(":2,"), 1);
        EXPECT_EQ(flags.contains(QLatin1Char('D')), c.kind == FolderKind::Drafts)
            << flags.toStdString();
        QProcess check;
        check.start(QStringLiteral(STATIONERY_PYTHON),
                    {QStringLiteral(STATIONERY_TEMPLATE_CHECK), files[0], picture});
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
    }
}

// A copy put in the account has the title as its subject; the next copy of the same
// stationery finds it by its mark, and asks, replaces it or keeps it beside.
TEST(ImapUpload, AnEarlierCopyIsFoundAndReplacedOrKept) {
    DovecotServer server;
    ASSERT_TRUE(server.started()) << server.whyNotStarted().toStdString();
    QTemporaryDir folder;
    stationery::StationerySettings s;
    s.title = "Zoë's notebook, for the letters of a long summer";
    const std::string mark = markFor("/home/zoe/notebook.htm");
    EXPECT_EQ(markFor("/home/zoe/notebook.htm"), mark);
    EXPECT_NE(markFor("/home/zoe/other.htm"), mark);
    const stationery::StreamedContents copy =
        stationery::messageTemplate(s, {}, stationery::accountCopyOf(s, mark));
    const auto putIn = [&](Earlier earlier) {
        UploadRequest request = requestFor(server, {});
        request.message = {copy.size, copy.produce};
        request.mark = mark;
        request.earlier = earlier;
        const std::atomic<bool> cancelled = false;
        return upload(request, cancelled);
    };
    EXPECT_EQ(putIn(Earlier::Ask).replaced, 0u); // the folder is new
    try {
        putIn(Earlier::Ask);
        ADD_FAILURE() << "the earlier copy went unnoticed";
    } catch (const UploadError& error) {
        EXPECT_EQ(error.failure(), Failure::EarlierCopy);
        EXPECT_EQ(error.folder(), "Templates");
    }
    EXPECT_EQ(server.messageFiles(QStringLiteral("Templates")).size(), 1);
    EXPECT_EQ(putIn(Earlier::Replace).replaced, 1u);
    EXPECT_EQ(server.messageFiles(QStringLiteral("Templates")).size(), 1);
    EXPECT_EQ(putIn(Earlier::Keep).replaced, 0u);
    const QStringList files = server.messageFiles(QStringLiteral("Templates"));
    ASSERT_EQ(files.size(), 2);

    // Python's email package reads the subject back whole.
    QProcess subject;
    subject.start(QStringLiteral(STATIONERY_PYTHON),
                  {QStringLiteral("-c"),
                   QStringLiteral("import email,email.policy,sys;"
                                  "m=email.message_from_binary_file(open(sys.argv[1],'rb'),"
                                  "policy=email.policy.default);print(m['Subject'])"),
                   files[0]});
    ASSERT_TRUE(subject.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(subject.readAllStandardOutput()).trimmed().toStdString(), s.title);
}

// Each failure comes back as what it is, with the server's words, and leaves nothing.
TEST(ImapUpload, FailuresAreNamedAndLeaveNothing) {
    DovecotServer server;
    ASSERT_TRUE(server.started()) << server.whyNotStarted().toStdString();
    QTemporaryDir folder;
    const std::string message = templateMessage(folder, 40);

    UploadRequest wrong = requestFor(server, message);
    wrong.password = "wrong";
    std::string words;
    EXPECT_EQ(failureOf(wrong, &words), Failure::WrongLogin);
    EXPECT_NE(words.find("AUTHENTICATIONFAILED"), std::string::npos) << words;

    // A certificate the system does not trust is refused, with its fingerprint, until
    // the user trusts exactly that one.
    UploadRequest untrusted = requestFor(server, message);
    untrusted.trustedCertificate.clear();
    std::string presented;
    EXPECT_EQ(failureOf(untrusted, nullptr, &presented), Failure::CertificateNotTrusted);
    EXPECT_EQ(presented, server.fingerprint().toStdString());
    const std::string trusted = server.fingerprint().toStdString();
    server.replaceCertificate();
    UploadRequest changed = requestFor(server, message);
    changed.trustedCertificate = trusted;
    EXPECT_EQ(failureOf(changed, nullptr, &presented), Failure::CertificateChanged);
    EXPECT_EQ(presented, server.fingerprint().toStdString());

    UploadRequest nowhere = requestFor(server, message);
    nowhere.account.host = "no-such-host.invalid";
    EXPECT_EQ(failureOf(nowhere), Failure::HostNotFound);
    UploadRequest closed = requestFor(server, message);
    closed.account.port = server.imapPort() + 1 == server.imapsPort() ? 1 : server.imapPort() + 1;
    EXPECT_EQ(failureOf(closed), Failure::ConnectionRefused);

    UploadRequest missing = requestFor(server, message);
    missing.folder = FolderKind::Named;
    missing.folderName = "No Such Folder";
    EXPECT_EQ(failureOf(missing), Failure::FolderMissing);

    // Cancelled while the message goes: the server keeps nothing.
    UploadRequest big = requestFor(server, templateMessage(folder, 1500));
    std::atomic<bool> cancelled = false;
    try {
        upload(big, cancelled, [&](double sent) {
            if (sent > 0.1)
                cancelled = true;
        });
        ADD_FAILURE() << "the cancelled upload succeeded";
    } catch (const UploadError& error) {
        EXPECT_EQ(error.failure(), Failure::Cancelled);
    }
    for (const char* box : {"", "Templates", "Drafts"})
        EXPECT_TRUE(server.messageFiles(QString::fromLatin1(box)).isEmpty()) << box;
}

TEST(ImapUpload, AServerWithoutTlsGetsNoLogin) {
    DovecotServer server(DovecotServer::Options{false, 0});
    ASSERT_TRUE(server.started()) << server.whyNotStarted().toStdString();
    QTemporaryDir folder;
    const UploadRequest request =
        requestFor(server, templateMessage(folder, 40), Security::StartTls);
    EXPECT_EQ(failureOf(request), Failure::NoTls);
    const QString log = server.log();
    // Dovecot saw a connection that ended before any login was tried.
    EXPECT_TRUE(log.contains(QStringLiteral("Disconnected"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("user=<>"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("Login:"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("auth failed"))) << log.toStdString();
    EXPECT_FALSE(log.contains(DovecotServer::user())) << log.toStdString();
}

TEST(ImapUpload, OverQuotaIsSaid) {
    DovecotServer server(DovecotServer::Options{true, 100});
    ASSERT_TRUE(server.started()) << server.whyNotStarted().toStdString();
    QTemporaryDir folder;
    UploadRequest request = requestFor(server, templateMessage(folder, 600));
    ASSERT_GT(request.message.size(), 100u * 1024);
    std::string words;
    EXPECT_EQ(failureOf(request, &words), Failure::OverQuota);
    EXPECT_NE(words.find("uota"), std::string::npos) << words;
    EXPECT_TRUE(server.messageFiles(QStringLiteral("Templates")).isEmpty());
}

TEST(ImapUpload, FingerprintsAndFolderNames) {
    const std::string colons =
        "AB:CD:EF:01:23:45:67:89:AB:CD:EF:01:23:45:67:89:AB:CD:EF:01:23:45:67:89:AB:CD:EF:01:23:"
        "45:67:89";
    EXPECT_EQ(normalFingerprint(colons), colons);
    EXPECT_EQ(normalFingerprint("abcdef0123456789abcdef0123456789abcdef0123456789abcdef0123456789"),
              colons);
    EXPECT_EQ(normalFingerprint("abc"), "");
    EXPECT_EQ(normalFingerprint(colons + ":00"), "");
    EXPECT_EQ(readableFolderName("[Gmail]/Entw&APw-rfe"), "[Gmail]/Entwürfe");
    EXPECT_EQ(readableFolderName("Drafts"), "Drafts");
    EXPECT_EQ(readableFolderName("A&-B"), "A&B");
    EXPECT_EQ(readableFolderName("&ZeVnLIqe-"), "日本語");
    // Names go to the server as modified UTF-7 and come back as they were.
    for (const char* name : {"Entwürfe", "Vorlagen/Geschäft", "A&B", "日本語", "Drafts", "😀 x"}) {
        EXPECT_EQ(readableFolderName(imapFolderName(name)), name);
        EXPECT_EQ(imapFolderName(name).find_first_not_of(
                      " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                      "abcdefghijklmnopqrstuvwxyz{|}~"),
                  std::string::npos)
            << name;
    }
    EXPECT_EQ(imapFolderName("Vorlagen/Geschäft"), "Vorlagen/Gesch&AOQ-ft");
}

TEST(ImapUpload, TheServersWordsArePlainText) {
    const struct {
        std::string said;
        std::string shown;
    } cases[] = {
        {"Quota \x1b[1;31mexceeded\x1b[0m\a now", "Quota exceeded now"},
        {"Over\r\nX1 DELETE INBOX", "Over X1 DELETE INBOX"},
        {"\x1b]0;title\aDone", "Done"},
        {"tab\there", "tab here"},
        {std::string(500, 'a'), std::string(400, 'a') + "…"},
        {"ü" + std::string(399, 'b') + "ü", "ü" + std::string(398, 'b') + "…"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainWords(c.said), c.shown) << c.said;
    // One number for the new message; a range, a list or garbage gives none.
    const auto uidOf = [](const char* line) {
        return appendedUid({line}).value_or("none");
    };
    EXPECT_EQ(uidOf("A5 OK [APPENDUID 1796725718 17] Append completed."), "17");
    // The earlier copies a search finds: numbers only, however the answer is cut.
    EXPECT_EQ(searchedUids("* SEARCH 4 17\r\nA7 OK done\r\n"),
              (std::vector<std::string>{"4", "17"}));
    EXPECT_EQ(searchedUids("* SEARCH\r\n* SEARCH 0 x7 12345678901 9"),
              (std::vector<std::string>{"9"}));
    EXPECT_TRUE(searchedUids("* LIST () \"/\" INBOX").empty());
    for (const char* line :
         {"A5 OK [APPENDUID 1 1:*] x", "A5 OK [APPENDUID 1 3,4] x", "A5 OK [APPENDUID 1 0] x",
          "A5 OK [APPENDUID 1] x", "A5 OK [APPENDUID 1 99999999999] x"})
        EXPECT_EQ(uidOf(line), "none") << line;
}

// The message goes from its writer to the connection a few pieces at a time; a writer
// that fails, or writes other than it announced, stops the reader with its reason.
TEST(ImapUpload, TheMessagePipeHandsOnWhatIsWrittenOrWhyNot) {
    const auto drained = [](const MessageSource& source, std::string* failure) {
        MessagePipe pipe(source);
        std::string out;
        char buffer[1000];
        while (const std::size_t got = pipe.read(buffer, sizeof buffer))
            out.append(buffer, got);
        *failure = pipe.failure();
        return out;
    };
    const std::string big(3'000'000, 'x');
    const struct {
        const char* what;
        MessageSource source;
        std::string out;
        std::string failure;
    } cases[] = {
        {"whole", MessageSource::of(big), big, ""},
        {"in pieces",
         {big.size(),
          [&big](const MessageSource::Piece& take) {
              for (std::size_t at = 0; at < big.size(); at += 65536)
                  take(std::string_view(big).substr(at, 65536));
          }},
         big,
         ""},
        {"failing",
         {10,
          [](const MessageSource::Piece& take) {
              take("12345");
              throw std::runtime_error("the picture changed while it was read");
          }},
         "",
         "the picture changed while it was read"},
        {"shorter",
         {10,
          [](const MessageSource::Piece& take) {
              take("12345");
          }},
         "12345",
         "the message came out at another size than announced"},
        {"made later", MessageSource::later([] { return MessageSource::of("made"); }), "made", ""},
    };
    for (const auto& c : cases) {
        std::string failure;
        const std::string out = drained(c.source, &failure);
        EXPECT_EQ(failure, c.failure) << c.what;
        if (!c.out.empty()) {
            EXPECT_EQ(out, c.out) << c.what;
        }
    }
    // A message that cannot be made fails the upload in its own words, before any
    // server is asked.
    UploadRequest request;
    request.account = {"127.0.0.1", 1, Security::SslTls, "tester"};
    request.message = MessageSource::later(
        []() -> MessageSource { throw std::runtime_error("the picture is gone"); });
    EXPECT_THROW(request.message.size(), std::runtime_error);
}

// Without its modules the program still runs: an upload says why it cannot, no
// password is found, and keeping one names the keyring's module.
TEST(ImapUpload, AMissingMailModuleIsSaidNotFatal) {
    LoadedMailService service(QStringLiteral("no-such-module"), {QStringLiteral("/nowhere")});
    UploadRequest request;
    request.message = MessageSource::of("x");
    const std::atomic<bool> cancelled = false;
    const auto outcome = service.upload(request, cancelled, {});
    const auto* error = std::get_if<UploadError>(&outcome);
    ASSERT_NE(error, nullptr);
    EXPECT_NE(error->detail().find("the mail module could not be loaded"), std::string::npos);
    EXPECT_EQ(service.readPassword({"127.0.0.1", 993, Security::SslTls, "tester"}), std::nullopt);
    const auto kept =
        service.writePassword({"127.0.0.1", 993, Security::SslTls, "tester"}, QStringLiteral("x"));
    ASSERT_TRUE(kept.has_value());
    EXPECT_TRUE(kept->startsWith(QLatin1String("the keyring's module could not be loaded")))
        << kept->toStdString();
}

} // namespace
