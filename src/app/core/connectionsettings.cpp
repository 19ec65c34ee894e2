#include "connectionsettings.h"

#include <QFile>

QProcessEnvironment ConnectionSettings::scriptEnvironment(QProcessEnvironment env) const
{
    env.insert(QStringLiteral("DAGANG_HOST"), host);
    env.insert(QStringLiteral("DAGANG_PORT"), QString::number(port));
    env.insert(QStringLiteral("DAGANG_DATABASE"), database);
    env.insert(QStringLiteral("DAGANG_USER"), user);
    env.insert(QStringLiteral("MYSQL_PWD"), password);
    return env;
}

IpFile parseIpLine(const QString &line)
{
    IpFile r;
    QString text = line;
    while (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text = text.trimmed();
    r.ok = true;
    r.host = text;
    // "host:port"; a text with several colons (an IPv6 address) is a host only.
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && text.indexOf(QLatin1Char(':')) == colon) {
        bool isNumber = false;
        const int port = text.mid(colon + 1).toInt(&isNumber);
        if (isNumber && port > 0 && port < 65536) {
            r.host = text.left(colon);
            r.port = port;
        }
    }
    return r;
}

IpFile readIpFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        IpFile r;
        r.error = f.errorString();
        return r;
    }
    const QByteArray first = f.readLine();
    if (f.error() != QFileDevice::NoError) {
        IpFile r;
        r.error = f.errorString();
        return r;
    }
    return parseIpLine(QString::fromLocal8Bit(first));
}
