#include "TestUtil.h"
#include "TestHttpServer.h"

#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSslSocket>
#include <QTimer>

bool TTestHttpServer::Start(const QSslCertificate& certificate, const QSslKey& key)
{
    FCertificate = certificate;
    FKey = key;
    return listen(QHostAddress::LocalHost, 0);
}

QString TTestHttpServer::Url(const QString& path) const
{
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(FCertificate.isNull() ? QStringLiteral("http") : QStringLiteral("https"))
        .arg(serverPort())
        .arg(path);
}

void TTestHttpServer::incomingConnection(qintptr descriptor)
{
    QTcpSocket* socket = nullptr;
    if (FCertificate.isNull()) {
        socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
    } else {
        auto* tls = new QSslSocket(this);
        tls->setSocketDescriptor(descriptor);
        tls->setLocalCertificate(FCertificate);
        tls->setPrivateKey(FKey);
        tls->startServerEncryption();
        socket = tls;
    }
    Serve(socket);
}

void TTestHttpServer::Serve(QTcpSocket* socket)
{
    auto request = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
        request->append(socket->readAll());
        const int end = request->indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = request->left(end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        for (const QByteArray& line : lines) {
            if (line.toLower().startsWith("user-agent:"))
                FLastUserAgent = line.mid(11).trimmed();
        }
        ++FRequestCount;
        request->clear();
        Answer(socket, QString::fromLatin1(first.value(1)));
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void TTestHttpServer::Answer(QTcpSocket* socket, const QString& path)
{
    TTestRoute route = FRoutes.value(path);
    if (!FRoutes.contains(path)) {
        route.Status = 404;
        route.Reason = "Not Found";
        route.Body = "no such file";
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(route.Status) + ' ' + route.Reason + "\r\n";
    for (const auto& header : route.Headers)
        head += header.first + ": " + header.second + "\r\n";
    if (route.Chunked)
        head += "Transfer-Encoding: chunked\r\n";
    else
        head += "Content-Length: " + QByteArray::number(route.Body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);

    QList<QByteArray> pieces;
    const int size = route.ChunkSize > 0 ? route.ChunkSize : qMax<qsizetype>(1, route.Body.size());
    const QByteArray body = route.CutAfter >= 0 ? route.Body.left(route.CutAfter) : route.Body;
    for (int at = 0; at < body.size(); at += size)
        pieces.append(body.mid(at, size));
    if (route.StallAfterFirst)
        pieces = pieces.mid(0, 1);

    QPointer<QTcpSocket> guard(socket);
    auto send = [guard, route](const QByteArray& piece) {
        if (!guard)
            return;
        guard->write(route.Chunked ? QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n" : piece);
        guard->flush();
    };
    auto finish = [guard, route] {
        if (!guard)
            return;
        if (route.StallAfterFirst)
            return;  // keeps the connection open without a byte more
        if (route.Chunked)
            guard->write("0\r\n\r\n");
        guard->disconnectFromHost();
    };
    int delay = 0;
    for (int i = 0; i < pieces.size(); ++i) {
        if (i == 0) {
            send(pieces[i]);
            continue;
        }
        delay += route.ChunkDelayMs;
        QTimer::singleShot(delay, socket, [send, piece = pieces[i]] { send(piece); });
    }
    QTimer::singleShot(delay, socket, finish);
}

bool MakeTestCertificate(const QString& folder, QSslCertificate& certificate, QSslKey& key)
{
    const QString certPath = folder + QStringLiteral("/cert.pem");
    const QString keyPath = folder + QStringLiteral("/key.pem");
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                   QStringLiteral("-nodes"), QStringLiteral("-keyout"), keyPath, QStringLiteral("-out"), certPath,
                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
        return false;
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(certPath);
    QFile keyFile(keyPath);
    if (certificates.isEmpty() || !keyFile.open(QIODevice::ReadOnly))
        return false;
    certificate = certificates.first();
    key = QSslKey(&keyFile, QSsl::Rsa);
    return !key.isNull();
}
