#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

// The settings row as the sales and purchase windows read it. Each switch
// is compared exactly as stored; a two-valued switch tests its one named
// value and takes anything else for the other choice, except the purchase
// input, which tests both names and leaves the window as designed when the
// value is neither.
struct SettingAwal {
    QString nama;
    int ubahhargajual = 0;
    QString notajualaktif;
    QString hargaaktif;
    QString barangsama;
    QString lastclose;
    QString pengurutannotajual;
    QString inputpembelian;
    QString barcodemode;

    // Reads the first row; nullopt with the server's text (or the missing
    // row) in *error.
    static std::optional<SettingAwal> read(const QSqlDatabase &db, QString *error = nullptr);

    bool salesPriceEditable() const { return ubahhargajual == 0; }
    bool lastSalePrice() const { return hargaaktif == QLatin1String("HargaAkhir"); }
    bool uniqueLines() const { return barangsama == QLatin1String("Tidak Sama"); }
    bool showFinishButton() const { return lastclose == QLatin1String("Tampil"); }
    bool noteByCategory() const { return pengurutannotajual == QLatin1String("Urut Kategori"); }
    bool barcodePointHarga() const { return barcodemode == QLatin1String("Point Harga"); }

    enum class PurchasePrices { Editable, ReadOnly, AsDesigned };
    PurchasePrices purchasePrices() const;

    // The sales-note template below the program folder.
    QString salesNoteTemplate(const QString &pathAplikasi) const;
};
