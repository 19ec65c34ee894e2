#include "settingawal.h"

#include "sqlstatement.h"

#include <QDir>

std::optional<SettingAwal> SettingAwal::read(const QSqlDatabase &db, QString *error)
{
    SqlStatement st(db, QStringLiteral("select * from settingawal"));
    if (!st.execFirst()) {
        if (error)
            *error = st.errorText().isEmpty() ? QStringLiteral("Tabel settingawal kosong") : st.errorText();
        return std::nullopt;
    }
    SettingAwal s;
    s.nama = st.value(QStringLiteral("nama")).toString();
    s.ubahhargajual = st.value(QStringLiteral("ubahhargajual")).toInt();
    s.notajualaktif = st.value(QStringLiteral("notajualaktif")).toString();
    s.hargaaktif = st.value(QStringLiteral("hargaaktif")).toString();
    s.barangsama = st.value(QStringLiteral("barangsama")).toString();
    s.lastclose = st.value(QStringLiteral("lastclose")).toString();
    s.pengurutannotajual = st.value(QStringLiteral("pengurutannotajual")).toString();
    s.inputpembelian = st.value(QStringLiteral("inputpembelian")).toString();
    s.barcodemode = st.value(QStringLiteral("barcodemode")).toString();
    return s;
}

SettingAwal::PurchasePrices SettingAwal::purchasePrices() const
{
    if (inputpembelian == QLatin1String("Normal"))
        return PurchasePrices::Editable;
    if (inputpembelian == QLatin1String("Tanpa Set Harga"))
        return PurchasePrices::ReadOnly;
    return PurchasePrices::AsDesigned;
}

QString SettingAwal::salesNoteTemplate(const QString &pathAplikasi) const
{
    return QDir::cleanPath(pathAplikasi + QLatin1Char('/') + notajualaktif);
}
