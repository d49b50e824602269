#include "UFileDownloader.h"

#include "UAppFolders.h"
#include "UException.h"
#include "UProgressMonitor.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>
#include <climits>

const QString TFileDownloader::UserAgent = QStringLiteral(
    "\tMozilla/5.0 (Windows NT 10.0; Win64; x64; rv:60.0) Gecko/20100101 Firefox/60.0");

namespace {

constexpr int FakeTotal = 100;

QUrl CheckedUrl(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        throw Exception(QStringLiteral("Only http:// and https:// addresses can be downloaded: ") + text);
    return url;
}

// An error page or a log-in page answered with status 200 must not replace a
// data file, so HTML is refused by its content type and by its first bytes.
bool LooksLikeHtml(const QNetworkReply& reply, const QByteArray& firstBytes)
{
    const QString type = reply.header(QNetworkRequest::ContentTypeHeader).toString().trimmed().toLower();
    if (type.startsWith(QLatin1String("text/html")) || type.startsWith(QLatin1String("application/xhtml")))
        return true;
    QByteArray head = firstBytes.left(512);
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.mid(3);
    head = head.trimmed().toLower();
    return head.startsWith("<!doctype html") || head.startsWith("<html");
}

}  // namespace

// The state of one running download.
class TFileDownloader::TTransfer {
public:
    QNetworkReply* Reply = nullptr;
    bool TimedOut = false;
    QString Refusal;  // why the body was not accepted, when it was not
};

TFileDownloader::TFileDownloader() = default;

QString TFileDownloader::DefaultFileNameOfUrl(const QString& url)
{
    QString name = url.mid(url.lastIndexOf(QLatin1Char('/')) + 1);
    const int query = name.indexOf(QLatin1Char('?'));
    if (query >= 0)
        name.truncate(query);
    if (name.isEmpty())
        name = QStringLiteral("a");
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    return name + QStringLiteral(".json");
}

QString TFileDownloader::DefaultTargetOfUrl(const QString& url)
{
    return GetAmbertideDataFolder() + DefaultFileNameOfUrl(url);
}

int TFileDownloader::NextFakeProgress(int current)
{
    return (current > 90 ? 80 : current) + 5;
}

TFileDownloader::~TFileDownloader()
{
    if (FTransfer && FTransfer->Reply)
        FTransfer->Reply->abort();
}

void TFileDownloader::StopDownload()
{
    FStopped = true;
    if (FTransfer && FTransfer->Reply)
        FTransfer->Reply->abort();
}

bool TFileDownloader::Download(const QString& url, const QString& targetPath)
{
    if (FTransfer)
        throw Exception(QStringLiteral("A download is already running."));
    FStopped = false;
    FContentLength = -1;
    FFakeProgress = 0;
    TMockProgressMonitor silent;
    TProgressMonitor& monitor = FMonitor ? *FMonitor : silent;

    TTransfer transfer;
    FTransfer = &transfer;
    struct TClear {
        TTransfer*& Slot;
        ~TClear() { Slot = nullptr; }
    } clear{FTransfer};

    try {
        const QUrl address = CheckedUrl(url);
        // The temporary file lies beside the target, so that the final rename
        // stays on one file system and is atomic.
        QSaveFile file(targetPath);
        if (!file.open(QIODevice::WriteOnly))
            throw Exception(QStringLiteral("Cannot create file \"%1\": %2").arg(targetPath, file.errorString()));

        QNetworkRequest request(address);
        request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        if (url.trimmed().toLower().startsWith(QLatin1String("https://"))) {
            QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
            // TLS 1.0 and 1.1 are broken and refused by current servers.
            tls.setProtocol(QSsl::TlsV1_2OrLater);
            if (!FExtraCaCertificates.isEmpty())
                tls.setCaCertificates(QSslConfiguration::systemCaCertificates() + FExtraCaCertificates);
            request.setSslConfiguration(tls);
        }
        if (!FManager)
            FManager = std::make_unique<QNetworkAccessManager>();

        QNetworkReply* reply = FManager->get(request);
        std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> owned(reply, [](QNetworkReply* r) { r->deleteLater(); });
        transfer.Reply = reply;

        QEventLoop loop;
        QTimer idle;
        idle.setSingleShot(true);
        idle.setInterval(FTimeoutMs);
        QObject::connect(&idle, &QTimer::timeout, reply, [&] {
            transfer.TimedOut = true;
            reply->abort();
        });

        bool begun = false;
        int total = FakeTotal;
        bool fake = true;
        qint64 received = 0;
        auto receive = [&] {
            idle.start();
            const QByteArray data = reply->readAll();
            if (!transfer.Refusal.isEmpty() || data.isEmpty())
                return;
            if (!begun) {
                begun = true;
                if (LooksLikeHtml(*reply, data)) {
                    transfer.Refusal = QStringLiteral("The address answered with an HTML page, not a data file: ") + url;
                    reply->abort();
                    return;
                }
                const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
                const bool chunked = reply->rawHeader("Transfer-Encoding").toLower().contains("chunked");
                if (length.isValid())
                    FContentLength = length.toLongLong();
                fake = chunked || FContentLength <= 0 || FContentLength > INT_MAX;
                total = fake ? FakeTotal : static_cast<int>(FContentLength);
                monitor.SetTotal(total);
            }
            if (file.write(data) != data.size()) {
                transfer.Refusal = QStringLiteral("Cannot write file \"%1\": %2").arg(targetPath, file.errorString());
                reply->abort();
                return;
            }
            received += data.size();
            if (fake) {
                FFakeProgress = NextFakeProgress(FFakeProgress);
                monitor.Progress(FFakeProgress);
            } else {
                monitor.Progress(static_cast<int>(qMin<qint64>(received, total)));
            }
        };
        QObject::connect(reply, &QNetworkReply::readyRead, reply, receive);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        idle.start();
        if (!reply->isFinished())
            loop.exec();
        idle.stop();
        if (!FStopped && transfer.Refusal.isEmpty() && reply->error() == QNetworkReply::NoError)
            receive();  // whatever arrived together with the end

        if (FStopped) {
            file.cancelWriting();
            monitor.Progress(0);
            monitor.ShowStatus(QStringLiteral("Download Stopped."));
            return false;
        }
        if (transfer.TimedOut)
            throw Exception(QStringLiteral("No data received for %1 seconds from %2")
                                .arg(QString::number(FTimeoutMs / 1000.0), url));
        if (!transfer.Refusal.isEmpty())
            throw Exception(transfer.Refusal);
        if (reply->error() != QNetworkReply::NoError)
            throw Exception(reply->errorString());
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status < 200 || status >= 300)
            throw Exception(QStringLiteral("The server answered %1 %2 for %3")
                                .arg(QString::number(status),
                                     reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString(), url));
        if (!begun)
            monitor.SetTotal(total);
        if (!file.commit())
            throw Exception(QStringLiteral("Cannot write file \"%1\": %2").arg(targetPath, file.errorString()));
        monitor.Finish(total);
        monitor.ShowStatus(QStringLiteral("Download Complete."));
        return true;
    } catch (const Exception&) {
        monitor.Progress(0);
        monitor.ShowStatus(QStringLiteral("Download Failed."));
        throw;
    }
}
