// The upload against a server that misbehaves on purpose (broken_imap.py): short or odd
// answers, a range for the new message's number, a refusal after the message was kept,
// a connection gone after the whole message went, markup and escapes in its words.
// Every case ends in words, never a crash, and says truly whether the message is there.
#include "broken_imap_server.h"
#include "mail_account/failure_words.h"
#include "mail_account/imap_upload.h"

#include <gtest/gtest.h>

#include <optional>

using namespace mail_account;

namespace {

UploadRequest requestTo(const BrokenImapServer& server, FolderKind folder) {
    UploadRequest request;
    request.account = {"127.0.0.1", server.port(), Security::SslTls, "tester"};
    request.password = "secret";
    request.folder = folder;
    request.trustedCertificate = server.fingerprint().toStdString();
    request.message = MessageSource::of("Subject: x\r\n\r\nHello\r\n");
    return request;
}

std::optional<UploadError> failureOf(const UploadRequest& request) {
    const std::atomic<bool> cancelled = false;
    try {
        upload(request, cancelled);
    } catch (const UploadError& error) {
        return error;
    }
    return std::nullopt;
}

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

TEST(BrokenServer, EveryAnswerEndsInTrueWords) {
    struct Case {
        const char* scenario;
        FolderKind folder;
        std::optional<Failure> failure; // none: the upload succeeds
        Kept kept;
        const char* said; // in the words shown, when it fails
        const char* neverSent;
    } const cases[] = {
        // Short LIST lines are skipped; the folder is made and used.
        {"short-list", FolderKind::Templates, std::nullopt, Kept::No, "", "UID STORE"},
        // A name libcurl cannot hand on (a literal) is taken as there when CREATE says so.
        {"literal-list", FolderKind::Templates, std::nullopt, Kept::No, "", "DELETE"},
        // Only a single number is taken for the message: no flag for a range.
        {"uid-range", FolderKind::Drafts, std::nullopt, Kept::No, "", "UID STORE"},
        {"draft-refused", FolderKind::Drafts, Failure::NotMarkedDraft, Kept::Yes,
         "is in the folder \"Drafts\", but could not be marked as a draft: Flags are read-only",
         "\x1b"},
        {"gone-after-message", FolderKind::Templates, Failure::ConnectionLost, Kept::Unknown,
         "Look in the folder \"Templates\" before you try again.", "STORE"},
        {"markup-refusal", FolderKind::Templates, Failure::WrongLogin, Kept::No,
         "<h1><font color=green>all done</font></h1>", "APPEND"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scenario);
        BrokenImapServer server(QString::fromLatin1(c.scenario));
        ASSERT_GT(server.port(), 0);
        const UploadRequest request = requestTo(server, c.folder);
        const std::optional<UploadError> error = failureOf(request);
        ASSERT_EQ(error.has_value(), c.failure.has_value())
            << (error ? failureWords(*error, request.account).toStdString() : "succeeded");
        if (error) {
            EXPECT_EQ(error->failure(), *c.failure);
            EXPECT_EQ(error->kept(), c.kept);
            const QString words = failureWords(*error, request.account);
            EXPECT_TRUE(words.contains(QString::fromUtf8(c.said))) << words.toStdString();
            EXPECT_FALSE(hasControlCharacter(words)) << words.toStdString();
        }
        for (const QString& line : server.received())
            EXPECT_FALSE(line.contains(QString::fromLatin1(c.neverSent))) << line.toStdString();
    }
}

TEST(BrokenServer, AFolderItMakesOrFindsUnsubscribedIsSubscribed) {
    BrokenImapServer server(QStringLiteral("short-list"));
    ASSERT_FALSE(failureOf(requestTo(server, FolderKind::Templates)));
    const QStringList received = server.received();
    EXPECT_TRUE(received.filter(QStringLiteral("CREATE \"Templates\"")).size() == 1);
    EXPECT_TRUE(received.filter(QStringLiteral("SUBSCRIBE \"Templates\"")).size() == 1);

    BrokenImapServer listed(QStringLiteral("literal-list"));
    UploadRequest named = requestTo(listed, FolderKind::Named);
    named.folderName = "Entwürfe";
    ASSERT_FALSE(failureOf(named));
    // Sent as modified UTF-7, and not subscribed again: the listing says it is.
    EXPECT_EQ(listed.received().filter(QStringLiteral("APPEND Entw&APw-rfe")).size(), 1);
    EXPECT_TRUE(listed.received().filter(QStringLiteral("SUBSCRIBE \"")).isEmpty());
}

TEST(BrokenServer, ControlCharactersAreRefusedBeforeConnecting) {
    BrokenImapServer server(QStringLiteral("short-list"));
    for (const auto& [field, poison] :
         {std::pair{"user", "me\r\nX1 DELETE INBOX"}, std::pair{"password", "pass\nword"},
          std::pair{"server", "127.0.0.1\r"}, std::pair{"folder", "Tem\x7Fplates"}}) {
        UploadRequest request = requestTo(server, FolderKind::Named);
        request.folderName = "Templates";
        std::string* target = std::string_view(field) == "user"       ? &request.account.user
                              : std::string_view(field) == "password" ? &request.password
                              : std::string_view(field) == "server"   ? &request.account.host
                                                                      : &request.folderName;
        *target = poison;
        const std::optional<UploadError> error = failureOf(request);
        ASSERT_TRUE(error) << field;
        EXPECT_EQ(error->failure(), Failure::ControlCharacter) << field;
        EXPECT_EQ(error->detail(), field);
    }
    EXPECT_TRUE(server.received().isEmpty());
}

// The other way round: a port that starts with encryption says nothing to a client
// waiting for its greeting.
TEST(BrokenServer, StartTlsOnAnEncryptedPortSaysToChooseSslTls) {
    BrokenImapServer server(QStringLiteral("short-list"));
    UploadRequest request = requestTo(server, FolderKind::Templates);
    request.account.security = Security::StartTls;
    request.connectSeconds = 2;
    const std::optional<UploadError> error = failureOf(request);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->failure(), Failure::TimedOut);
    const QString words = failureWords(*error, request.account);
    EXPECT_TRUE(words.contains(QStringLiteral("If this port expects SSL/TLS (as port 993 does), "
                                              "choose SSL/TLS.")))
        << words.toStdString();
}

TEST(BrokenServer, SslTlsOnAPlainPortSaysToChooseStartTls) {
    BrokenImapServer server(QStringLiteral("short-list"), true);
    const UploadRequest request = requestTo(server, FolderKind::Templates);
    const std::optional<UploadError> error = failureOf(request);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->failure(), Failure::ExpectsStartTls)
        << failureWords(*error, request.account).toStdString();
    EXPECT_TRUE(failureWords(*error, request.account).contains(QStringLiteral("Choose STARTTLS")))
        << failureWords(*error, request.account).toStdString();
}

} // namespace
