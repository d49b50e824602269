#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for download tests, served from the
// test's own event loop (the downloader runs one while it waits). Plain or
// TLS; each path answers with a scripted response.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTcpServer>

struct TTestRoute {
    int Status = 200;
    QByteArray Reason = "OK";
    QList<QPair<QByteArray, QByteArray>> Headers;
    QByteArray Body;
    bool Chunked = false;       // Transfer-Encoding: chunked, no Content-Length
    int ChunkSize = 0;          // 0: the body in one piece
    int ChunkDelayMs = 0;       // pause before every piece after the first
    bool StallAfterFirst = false;  // send the first piece, then nothing
    int CutAfter = -1;          // announce the whole length, close after this many bytes
};

class TTestHttpServer : public QTcpServer {
public:
    bool Start() { return Start(QSslCertificate(), QSslKey()); }
    // With a certificate and key the server speaks TLS.
    bool Start(const QSslCertificate& certificate, const QSslKey& key);
    void SetRoute(const QString& path, const TTestRoute& route) { FRoutes[path] = route; }
    QString Url(const QString& path) const;

    QByteArray LastUserAgent() const { return FLastUserAgent; }
    int RequestCount() const { return FRequestCount; }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void Serve(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const QString& path);

    QMap<QString, TTestRoute> FRoutes;
    QSslCertificate FCertificate;
    QSslKey FKey;
    QByteArray FLastUserAgent;
    int FRequestCount = 0;
};

// A self-signed certificate for 127.0.0.1 made with the openssl program into
// folder; false when it could not be made.
bool MakeTestCertificate(const QString& folder, QSslCertificate& certificate, QSslKey& key);
