#include "TestUtil.h"

#include "TestHttpServer.h"
#include "UException.h"
#include "UFileDownloader.h"
#include "UProgressMonitor.h"

#include <QDir>
#include <QSslSocket>
#include <functional>
#include <gtest/gtest.h>

// Routes are written with designated initializers that name only what they set.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// Remembers what the downloader reported; OnProgress can act mid-download.
class TRecordingMonitor : public TProgressMonitor {
public:
    void SetTotal(int total) override { Totals.append(total); }
    void Progress(int value) override
    {
        Values.append(value);
        if (OnProgress)
            OnProgress(value);
    }
    void Finish(int value) override { Finished.append(value); }
    void Reset() override {}
    void ShowNotice(const QString&) override {}
    void ShowStatus(const QString& text) override { Status = text; }

    QList<int> Totals, Values, Finished;
    QString Status;
    std::function<void(int)> OnProgress;
};

const QByteArray JsonBody = R"({"data":[{"a":1},{"a":2}]})";
const QByteArray GoodContent = "good old content";

QByteArray Repeat(char c, int n) { return QByteArray(n, c); }

class FileDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Server.Start());
        Downloader.SetProgressMonitor(&Monitor);
        Downloader.SetTimeout(5000);
    }
    QString Target() const { return Dir.File(QStringLiteral("out.json")); }
    QStringList FolderEntries() const { return QDir(Dir.Path()).entryList(QDir::Files | QDir::Hidden); }

    TTestDir Dir;
    TTestHttpServer Server;
    TRecordingMonitor Monitor;
    TFileDownloader Downloader;
};

TEST_F(FileDownloaderTest, PlainDownloadWritesBodyAndReportsLength)
{
    Server.SetRoute(QStringLiteral("/a.json"), {.Body = JsonBody});
    EXPECT_TRUE(Downloader.Download(Server.Url(QStringLiteral("/a.json")), Target()));
    EXPECT_EQ(ReadFileBytes(Target()), JsonBody);
    EXPECT_EQ(Downloader.ContentLength(), JsonBody.size());
    EXPECT_EQ(Monitor.Totals, QList<int>{int(JsonBody.size())});
    EXPECT_EQ(Monitor.Finished, QList<int>{int(JsonBody.size())});
    EXPECT_EQ(Monitor.Status, QStringLiteral("Download Complete."));
    EXPECT_EQ(Server.LastUserAgent(), TFileDownloader::UserAgent.trimmed().toLatin1());
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("out.json")});
}

TEST_F(FileDownloaderTest, ReplacesAnExistingTarget)
{
    WriteFileBytes(Target(), GoodContent);
    Server.SetRoute(QStringLiteral("/a.json"), {.Body = JsonBody});
    EXPECT_TRUE(Downloader.Download(Server.Url(QStringLiteral("/a.json")), Target()));
    EXPECT_EQ(ReadFileBytes(Target()), JsonBody);
}

TEST_F(FileDownloaderTest, FollowsRedirects)
{
    Server.SetRoute(QStringLiteral("/old"), {.Status = 301, .Reason = "Moved Permanently",
                                             .Headers = {{"Location", "/step"}}});
    Server.SetRoute(QStringLiteral("/step"), {.Status = 302, .Reason = "Found",
                                              .Headers = {{"Location", Server.Url(QStringLiteral("/a.json")).toLatin1()}}});
    Server.SetRoute(QStringLiteral("/a.json"), {.Body = JsonBody});
    EXPECT_TRUE(Downloader.Download(Server.Url(QStringLiteral("/old")), Target()));
    EXPECT_EQ(ReadFileBytes(Target()), JsonBody);
}

TEST_F(FileDownloaderTest, SlowChunkedBodyArrivesWithSimulatedProgress)
{
    const QByteArray body = "[" + Repeat(' ', 400) + "]";
    Server.SetRoute(QStringLiteral("/slow"), {.Body = body, .Chunked = true, .ChunkSize = 100, .ChunkDelayMs = 60});
    EXPECT_TRUE(Downloader.Download(Server.Url(QStringLiteral("/slow")), Target()));
    EXPECT_EQ(ReadFileBytes(Target()), body);
    EXPECT_EQ(Monitor.Totals, QList<int>{100});
    ASSERT_FALSE(Monitor.Values.isEmpty());
    EXPECT_EQ(Monitor.Values.first(), 5);
    EXPECT_GT(Monitor.Values.size(), 1);  // one step per arriving piece
    EXPECT_EQ(Monitor.Finished, QList<int>{100});
}

TEST(FileDownloaderFakeProgress, StepsAndFallsBackBeforeTheEnd)
{
    struct Row { int Current; int Next; };
    const Row rows[] = {{0, 5}, {5, 10}, {85, 90}, {90, 95}, {95, 85}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Current);
        EXPECT_EQ(TFileDownloader::NextFakeProgress(row.Current), row.Next);
    }
}

TEST(FileDownloaderDefaultTarget, NamesTheFileAfterTheUrl)
{
    struct Row { QString Url; QString Name; };
    const Row rows[] = {
        {"https://example.com/api/orders.json", "orders.json"},
        {"https://example.com/api/orders.php?x=1/2", "2.json"},
        {"https://example.com/api/items?page=2", "items.json"},
        {"https://example.com/api/", "a.json"},
        {"https://example.com/data.tar.gz", "data.tar.json"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Url.toStdString());
        EXPECT_EQ(TFileDownloader::DefaultFileNameOfUrl(row.Url), row.Name);
    }
    const QString target = TFileDownloader::DefaultTargetOfUrl(QStringLiteral("http://h/x.json"));
    EXPECT_TRUE(target.endsWith(QStringLiteral("/Ambertide/x.json"))) << target.toStdString();
    EXPECT_TRUE(QFileInfo(QFileInfo(target).path()).isDir());
}

// Every failure raises, reports "Download Failed." and leaves the old file
// exactly as it was, without a temporary file beside it.
struct TFailureRow {
    const char* Name;
    TTestRoute Route;
    int TimeoutMs;
    QString MessagePart;
    friend void PrintTo(const TFailureRow& row, std::ostream* os) { *os << row.Name; }
};

class FileDownloaderFailureTest : public FileDownloaderTest, public ::testing::WithParamInterface<TFailureRow> {};

TEST_P(FileDownloaderFailureTest, KeepsTheOldTarget)
{
    const TFailureRow& row = GetParam();
    WriteFileBytes(Target(), GoodContent);
    Server.SetRoute(QStringLiteral("/x"), row.Route);
    Downloader.SetTimeout(row.TimeoutMs);
    const QString url = Server.Url(QStringLiteral("/x"));
    try {
        Downloader.Download(url, Target());
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(row.MessagePart)) << e.Message().toStdString();
    }
    EXPECT_EQ(ReadFileBytes(Target()), GoodContent);
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("out.json")});
    EXPECT_EQ(Monitor.Status, QStringLiteral("Download Failed."));
    EXPECT_EQ(Monitor.Values.value(Monitor.Values.size() - 1, -1), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Roads, FileDownloaderFailureTest,
    ::testing::Values(
        TFailureRow{"NotFound", {.Status = 404, .Reason = "Not Found", .Body = "missing"}, 5000,
                    QStringLiteral("Not Found")},
        TFailureRow{"ServerError", {.Status = 500, .Reason = "Internal Server Error", .Body = "{}"}, 5000,
                    QStringLiteral("Internal Server Error")},
        TFailureRow{"HtmlByType", {.Headers = {{"Content-Type", "text/html; charset=utf-8"}}, .Body = "<p>log in</p>"},
                    5000, QStringLiteral("HTML page")},
        TFailureRow{"HtmlByContent", {.Body = "\n<!DOCTYPE html><html></html>"}, 5000, QStringLiteral("HTML page")},
        TFailureRow{"Stalled", {.Body = "[" + Repeat(' ', 300) + "]", .ChunkSize = 100, .StallAfterFirst = true},
                    300, QStringLiteral("No data received for 0.3 seconds from")},
        TFailureRow{"CutShort", {.Body = "[" + Repeat(' ', 998) + "]", .CutAfter = 500}, 5000, QString()}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FileDownloaderTest, RefusesOtherSchemesBeforeTouchingTheTarget)
{
    WriteFileBytes(Target(), GoodContent);
    for (const QString& url : {QStringLiteral("ftp://127.0.0.1/a.json"), QStringLiteral("file:///etc/hostname"),
                              QStringLiteral("not a url")}) {
        SCOPED_TRACE(url.toStdString());
        try {
            Downloader.Download(url, Target());
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Only http:// and https:// addresses can be downloaded: ") + url);
        }
        EXPECT_EQ(ReadFileBytes(Target()), GoodContent);
    }
}

TEST_F(FileDownloaderTest, StopKeepsTheOldTargetAndReportsStopped)
{
    WriteFileBytes(Target(), GoodContent);
    Server.SetRoute(QStringLiteral("/slow"), {.Body = Repeat('x', 500), .Chunked = true, .ChunkSize = 100,
                                              .ChunkDelayMs = 100});
    Monitor.OnProgress = [this](int value) {
        if (value > 0)
            Downloader.StopDownload();
    };
    EXPECT_FALSE(Downloader.Download(Server.Url(QStringLiteral("/slow")), Target()));
    EXPECT_TRUE(Downloader.Stopped());
    EXPECT_EQ(Monitor.Status, QStringLiteral("Download Stopped."));
    EXPECT_EQ(Monitor.Values.last(), 0);
    EXPECT_EQ(ReadFileBytes(Target()), GoodContent);
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("out.json")});

    // The stop flag belongs to one download: the next one runs to its end.
    Monitor.OnProgress = nullptr;
    Server.SetRoute(QStringLiteral("/a.json"), {.Body = JsonBody});
    EXPECT_TRUE(Downloader.Download(Server.Url(QStringLiteral("/a.json")), Target()));
    EXPECT_EQ(ReadFileBytes(Target()), JsonBody);
}

TEST_F(FileDownloaderTest, MissingTargetFolderFailsClearly)
{
    Server.SetRoute(QStringLiteral("/a.json"), {.Body = JsonBody});
    const QString target = Dir.File(QStringLiteral("no/such/folder/a.json"));
    try {
        Downloader.Download(Server.Url(QStringLiteral("/a.json")), target);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Cannot create file \"") + target + "\"")) << e.what();
    }
}

class FileDownloaderTlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QSslSocket::supportsSsl())
            GTEST_SKIP() << "no TLS backend";
        ASSERT_TRUE(MakeTestCertificate(Dir.Path(), Certificate, Key));
        ASSERT_TRUE(Server.Start(Certificate, Key));
        Server.SetRoute(QStringLiteral("/a.json"), {.Body = JsonBody});
        Downloader.SetTimeout(10000);
    }
    QString Target() const { return Dir.File(QStringLiteral("out.json")); }

    TTestDir Dir;
    QSslCertificate Certificate;
    QSslKey Key;
    TTestHttpServer Server;
    TFileDownloader Downloader;
};

TEST_F(FileDownloaderTlsTest, DownloadsFromATrustedServer)
{
    Downloader.AddCaCertificates({Certificate});
    ASSERT_TRUE(Server.Url(QStringLiteral("/")).startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(Downloader.Download(Server.Url(QStringLiteral("/a.json")), Target()));
    EXPECT_EQ(ReadFileBytes(Target()), JsonBody);
}

TEST_F(FileDownloaderTlsTest, RefusesAnUnknownCertificate)
{
    WriteFileBytes(Target(), GoodContent);
    EXPECT_THROW(Downloader.Download(Server.Url(QStringLiteral("/a.json")), Target()), Exception);
    EXPECT_EQ(ReadFileBytes(Target()), GoodContent);
}

}  // namespace
