#include "UOfficeVersionSolution.h"

#include "URegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

namespace {

quint32 ReadLE(const QByteArray& bytes, int pos, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[pos + i]);
    return value;
}

}  // namespace

QString TOfficeVersionSolution::AccessProgramPath()
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    TRegistry reg;
    if (!reg.OpenKey(QStringLiteral("Software\\Corvella\\") + program, true))
        return QString();
    if (!reg.ValueExists(QStringLiteral("AccessPath")))
        reg.WriteString(QStringLiteral("AccessPath"), QString());
    return reg.ReadString(QStringLiteral("AccessPath"));
}

QString TOfficeVersionSolution::ExecutableBitness(const QString& fileName)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("x86");
    const QByteArray head = file.read(4096);
    if (head.startsWith("\x7f" "ELF") && head.size() > 4)
        return head[4] == 2 ? QStringLiteral("x64") : QStringLiteral("x86");
    if (head.startsWith("MZ") && head.size() >= 0x40) {
        const int pe = static_cast<int>(ReadLE(head, 0x3c, 4));
        if (pe > 0 && pe + 6 <= head.size() && head.mid(pe, 4) == QByteArray("PE\0\0", 4)) {
            const quint32 machine = ReadLE(head, pe + 4, 2);
            if (machine == 0x8664 || machine == 0xaa64)
                return QStringLiteral("x64");
        }
    }
    return QStringLiteral("x86");
}

int TOfficeVersionSolution::MajorVersion(const QString& version)
{
    QString text = version;
    if (text.startsWith(QLatin1Char('v')))
        text.remove(0, 1);
    bool ok = false;
    const int major = text.section(QLatin1Char('.'), 0, 0).toInt(&ok);
    return ok ? major : 0;
}

bool TOfficeVersionSolution::Analyse(const QString& message)
{
    ErrorMessage = message;
    Product.clear();
    Solution.clear();
    Keyword.clear();
    OSBit = QSysInfo::currentCpuArchitecture().contains(QLatin1String("64")) ? QStringLiteral("x64") : QStringLiteral("x86");
    const QString program = AccessProgramPath();
    OfficeBit = ExecutableBitness(program);
    // Program files carry no version resource on this platform.
    AccessVersion.clear();

    const bool accdb = message.contains(QLatin1String(".accdb"));
    if (!accdb && !message.contains(QLatin1String(".mdb")) && !message.contains(QLatin1String("Cannot create ODBC alias")))
        return false;
    if (accdb)
        Product = QStringLiteral("Access2007");
    bool applies = false;
    if (accdb && AppBit == QLatin1String("x86")) {
        if (OfficeBit == QLatin1String("x64"))
            applies = true;
        else if (OfficeBit == QLatin1String("x86"))
            applies = AccessVersion.isEmpty() || MajorVersion(AccessVersion) < 12;
    }
    if (!applies)
        return false;
    Solution = QStringLiteral("If you can not open Office 2007 and above file (*.accdb, *.xlsx), please download and install "
                              "Microsoft Access Database Engine.");
    Keyword = QStringLiteral("office_engine");
    return true;
}
