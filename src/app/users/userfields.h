#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSqlRecord;

// The fields of a user, shared by the user window and its edit dialog.
class UserFields : public QWidget
{
    Q_OBJECT
public:
    explicit UserFields(QWidget *parent = nullptr);

    // Reads the positions and branches into the two choosers and selects
    // the first entry of each. False on a server error (already shown).
    bool fillChoosers();

    QString namaLengkap() const;  // trimmed
    QString alamat() const;
    QString telp() const;
    QString namaUser() const;
    QString password() const;     // as typed (trimmed)
    QVariant idJabatan() const;   // NULL when there is no position
    QVariant idCabang() const;    // NULL when there is no branch
    QString viewEdit() const;
    QString koreksiPenjualan() const;
    QString lihatHarga() const;

    // The add window's "Bersihkan Form": the texts go, the position chooser
    // returns to its first entry, the other choosers keep their choice.
    void clearTexts();
    // Fills the fields from a row of the user list; the password stays empty.
    void load(const QSqlRecord &row);

    QLineEdit *namaLengkapEdit() const { return m_namaLengkap; }
    QLineEdit *passwordEdit() const { return m_password; }

private:
    QLineEdit *m_namaLengkap;
    QPlainTextEdit *m_alamat;
    QPlainTextEdit *m_telp;
    QLineEdit *m_namaUser;
    QLineEdit *m_password;
    QComboBox *m_jabatan;
    QComboBox *m_viewEdit;
    QComboBox *m_cabang;
    QComboBox *m_koreksi;
    QComboBox *m_lihatHarga;
};
