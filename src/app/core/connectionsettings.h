#pragma once

#include <QProcessEnvironment>
#include <QString>

// Where the one database connection goes. The defaults are the system's
// design defaults; the host (and optionally the port) come from ip.txt.
struct ConnectionSettings {
    QString host = QStringLiteral("localhost");
    int port = 3306;
    QString database = QStringLiteral("dagang");
    QString user = QStringLiteral("pemakai");
    QString password = QStringLiteral("qzv");

    // The environment the backup and restore scripts read the connection
    // from (the password travels as MYSQL_PWD, which the client reads).
    QProcessEnvironment scriptEnvironment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;
};

// The outcome of reading ip.txt.
struct IpFile {
    bool ok = false;
    QString host;
    int port = 0;      // 0: not given, keep the default
    QString error;     // the system's I/O error text when !ok
};

// Reads the first line of `path`: "host" or "host:port". A trailing CR and
// surrounding blanks are not part of the host.
IpFile readIpFile(const QString &path);
// Parses one line as read from ip.txt.
IpFile parseIpLine(const QString &line);
