#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

#include "desktop/SingleInstance.h"

namespace {

using desktop::CSingleInstance;

QString uniqueKey(const char* name) {
    return QStringLiteral("lotra-test-%1-%2").arg(name).arg(::getpid());
}

TEST(SingleInstanceTest, TheKeyNamesTheTitleAndTheUser) {
    const QString key = desktop::instanceKey("Лотра - 2");
    EXPECT_TRUE(key.startsWith("Лотра - 2"));
    EXPECT_TRUE(key.endsWith(QString::number(::getuid())));
}

TEST(SingleInstanceTest, ALaterCopyAsksTheFirstToRestoreAndGivesWay) {
    CSingleInstance first(uniqueKey("later"));
    ASSERT_TRUE(first.claim());
    QSignalSpy restoreRequests(&first, &CSingleInstance::restoreRequested);

    CSingleInstance second(uniqueKey("later"));
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(QTest::qWaitFor([&] { return restoreRequests.count() == 1; }, 3000));

    CSingleInstance third(uniqueKey("later"));
    EXPECT_FALSE(third.claim());
    EXPECT_TRUE(QTest::qWaitFor([&] { return restoreRequests.count() == 2; }, 3000));
}

TEST(SingleInstanceTest, ASocketLeftByACopyThatDiedDoesNotBlockTheNextStart) {
    const QString key = uniqueKey("stale");
    // A bound socket that nobody listens on any more: what a killed copy leaves.
    const QByteArray path = QDir::temp().filePath(key).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<size_t>(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);

    CSingleInstance next(key);
    EXPECT_TRUE(next.claim());
    CSingleInstance after(key);
    EXPECT_FALSE(after.claim()) << "the new copy answers in place of the dead one";
}

TEST(SingleInstanceTest, TheFirstCopyGoingAwayLetsTheNextOneStart) {
    const QString key = uniqueKey("gone");
    {
        CSingleInstance first(key);
        ASSERT_TRUE(first.claim());
    }
    CSingleInstance next(key);
    EXPECT_TRUE(next.claim());
}

}  // namespace
