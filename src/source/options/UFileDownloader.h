#pragma once
// Copies a file from an http:// or https:// address to a local path.
//
// The body is streamed into a temporary file beside the target, which replaces
// the target only once the whole body has arrived: a failed, stopped or
// timed-out download leaves an existing target exactly as it was.

#include <QList>
#include <QSslCertificate>
#include <QString>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class TProgressMonitor;

class TFileDownloader {
public:
    // Sent with every request; the leading tab is part of the historic value.
    static const QString UserAgent;
    // Seconds without any data after which a download gives up.
    static constexpr int DefaultTimeoutMs = 60 * 1000;

    TFileDownloader();
    ~TFileDownloader();
    TFileDownloader(const TFileDownloader&) = delete;
    TFileDownloader& operator=(const TFileDownloader&) = delete;

    // Not owned; null reports to nobody.
    void SetProgressMonitor(TProgressMonitor* monitor) { FMonitor = monitor; }
    void SetTimeout(int milliseconds) { FTimeoutMs = milliseconds; }
    // Certificates trusted for https:// besides the system's ones.
    void AddCaCertificates(const QList<QSslCertificate>& certificates) { FExtraCaCertificates += certificates; }

    // Blocks until the download ends, letting the event loop run meanwhile
    // (that is how a Stop button reaches StopDownload). True when the file is
    // complete; false when it was stopped. Raises Exception on failure.
    bool Download(const QString& url, const QString& targetPath);
    void StopDownload();

    bool Stopped() const { return FStopped; }
    // The length the server announced for the body; -1 when it gave none.
    qint64 ContentLength() const { return FContentLength; }

    // The simulated progress (of 100) after one more data event of a body of
    // unknown length: steps of 5 that fall back to 80 once past 90, so the
    // bar moves without ever looking finished.
    static int NextFakeProgress(int current);

    // The local name a URL is saved under by default: the text after the last
    // "/", cut at the first "?" ("a" when empty), without its extension,
    // followed by ".json".
    static QString DefaultFileNameOfUrl(const QString& url);
    // That name in the program's data folder (created when missing).
    static QString DefaultTargetOfUrl(const QString& url);

private:
    class TTransfer;

    TProgressMonitor* FMonitor = nullptr;
    int FTimeoutMs = DefaultTimeoutMs;
    QList<QSslCertificate> FExtraCaCertificates;
    bool FStopped = false;
    qint64 FContentLength = -1;
    int FFakeProgress = 0;
    std::unique_ptr<QNetworkAccessManager> FManager;
    TTransfer* FTransfer = nullptr;  // the running download, if any
};
