#pragma once

#include "rights.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// The row a successful login finds.
struct LoginRow {
    QString wewenang;
    QString idUser;
    QString namaUser;
    QString idCabang;
    QString koreksiPenjualan;
    QString lihatHarga;

    Rights rights() const { return Rights::fromWewenang(wewenang); }
};

struct LoginCheck {
    std::optional<LoginRow> row; // empty: not found
    QString error;               // a server error, when there was one
};

// Finds the user by login name (the server's comparison) whose position row
// exists and whose stored password matches `password` exactly. A stored
// plain password is replaced by its hash here. The texts are used as typed.
LoginCheck CekLogin(const QSqlDatabase &db, const QString &userName, const QString &password);

// The password change: checks in order, each with its message; on success
// the user row holds the new name and the hash of the new password.
struct PasswordChange {
    QString oldUser, oldPassword, newUser, newPassword, repeatPassword;
};
// Returns the message to show as an error, or an empty text on success.
// `activeUserName` is the logged-in login name (NamaUserAktif).
QString changePassword(const QSqlDatabase &db, const PasswordChange &change, const QString &activeUserName);
