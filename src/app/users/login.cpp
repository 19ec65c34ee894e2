#include "login.h"

#include "password.h"
#include "sqlstatement.h"

LoginCheck CekLogin(const QSqlDatabase &db, const QString &userName, const QString &password)
{
    LoginCheck result;
    SqlStatement st(db, QStringLiteral(
        "SELECT j.Wewenang, u.IdUser, u.NamaUser, u.idcabang, u.koreksipenjualan, u.lihatharga, u.PasswordUser "
        "FROM MasterUser u, MasterJabatan j WHERE u.IDJabatan=j.IDJabatan and u.NamaUser=:NamaUser "
        "ORDER BY u.IdUser"));
    st.bind(QStringLiteral("NamaUser"), userName);
    if (!st.exec()) {
        result.error = st.errorText();
        return result;
    }
    QSqlQuery &q = st.query();
    while (q.next()) {
        const QString stored = q.value(6).toString();
        if (!Password::verify(stored, password))
            continue;
        LoginRow row;
        row.wewenang = q.value(0).toString();
        row.idUser = q.value(1).toString();
        row.namaUser = q.value(2).toString();
        row.idCabang = q.value(3).toString();
        row.koreksiPenjualan = q.value(4).toString();
        row.lihatHarga = q.value(5).toString();
        result.row = row;
        if (Password::needsRehash(stored)) {
            const QString hashed = Password::hash(password);
            SqlStatement upgrade(db, QStringLiteral(
                "UPDATE MasterUser SET PasswordUser=:hash WHERE IDUser=:IDUser AND PasswordUser=:old"));
            upgrade.bind({{QStringLiteral("hash"), hashed}, {QStringLiteral("IDUser"), row.idUser},
                          {QStringLiteral("old"), stored}});
            if (hashed.isEmpty() || !upgrade.exec())
                result.error = hashed.isEmpty() ? QStringLiteral("Password tidak dapat di-hash") : upgrade.errorText();
        }
        break;
    }
    return result;
}

QString changePassword(const QSqlDatabase &db, const PasswordChange &c, const QString &activeUserName)
{
    const QString wrongOld = QStringLiteral("Nama user / password lama salah!!!");
    const LoginCheck old = CekLogin(db, c.oldUser, c.oldPassword);
    if (!old.error.isEmpty() && !old.row)
        return old.error;
    if (!old.row)
        return wrongOld;
    if (c.oldUser != activeUserName)
        return wrongOld;
    if (c.newUser.isEmpty())
        return QStringLiteral("Nama user baru belum diisi!!!");
    // Exact: a hashed password is case-sensitive.
    if (c.newPassword != c.repeatPassword)
        return QStringLiteral("Password baru dan ulangannya tidak sama!!!");
    if (c.newUser.trimmed().compare(c.oldUser.trimmed(), Qt::CaseInsensitive) != 0) {
        SqlStatement inUse(db, QStringLiteral("Select IDUser From MasterUser Where NamaUser=trim(:NamaUser)"));
        inUse.bind(QStringLiteral("NamaUser"), c.newUser.trimmed());
        if (!inUse.exec())
            return inUse.errorText();
        if (inUse.query().first())
            return QStringLiteral("Nama user telah dipakai oleh orang lain!!!");
    }
    const QString hashed = Password::hash(c.newPassword);
    if (hashed.isEmpty())
        return QStringLiteral("Password tidak dapat di-hash");
    SqlStatement update(db, QStringLiteral(
        "UPDATE MasterUser SET NamaUser=:NamaUserBaru, PasswordUser=:PasswordUserBaru WHERE IDUser=:IDUser"));
    update.bind({{QStringLiteral("NamaUserBaru"), c.newUser}, {QStringLiteral("PasswordUserBaru"), hashed},
                 {QStringLiteral("IDUser"), old.row->idUser}});
    if (!update.exec())
        return update.errorText();
    return {};
}
