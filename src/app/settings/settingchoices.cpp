#include "settingchoices.h"

const QList<SettingChoice> &settingChoices()
{
    static const QList<SettingChoice> choices = {
        {QStringLiteral("ubahhargajual"), QStringLiteral("Editing Harga Jual - Penjualan"),
         QStringLiteral("ComboUbahHargaJual"),
         {QStringLiteral("Dapat Mengubah Harga Jual"), QStringLiteral("Tidak Dapat Mengubah Harga Jual")}, true},
        {QStringLiteral("notajualaktif"), QStringLiteral("Nota Jual"), QStringLiteral("ComboNotaJual"),
         {QStringLiteral("/Laporan/NotaJual.frf"), QStringLiteral("/Laporan/NotaJualKecil.frf"),
          QStringLiteral("/Laporan/NotaJualKecilKontinue.frf"), QStringLiteral("/Laporan/NotaJualMiniPrint.frf"),
          QStringLiteral("/Laporan/NotaJualSatuanAll.frf")}},
        {QStringLiteral("hargaaktif"), QStringLiteral("Harga Penjualan Aktif"), QStringLiteral("ComboHargaAktif"),
         {QStringLiteral("HargaSistem"), QStringLiteral("HargaAkhir")}},
        {QStringLiteral("barangsama"), QStringLiteral("Barang Sama Penjualan"), QStringLiteral("ComboBarangSama"),
         {QStringLiteral("Tidak Sama"), QStringLiteral("Bisa Sama")}},
        {QStringLiteral("lastclose"), QStringLiteral("Button Last Close"), QStringLiteral("ComboLastClose"),
         {QStringLiteral("Tampil"), QStringLiteral("Tidak Tampil")}},
        {QStringLiteral("pengurutannotajual"), QStringLiteral("Urutan Cetak Laporan"), QStringLiteral("ComboUrutan"),
         {QStringLiteral("Urut Pemasukan"), QStringLiteral("Urut Kategori")}},
        {QStringLiteral("inputpembelian"), QStringLiteral("Pengisian Pembeilan"), QStringLiteral("ComboInputPembelian"),
         {QStringLiteral("Normal"), QStringLiteral("Tanpa Set Harga")}},
        {QStringLiteral("barcodemode"), QStringLiteral("Barcode Mode"), QStringLiteral("ComboBarcodeMode"),
         {QStringLiteral("Input Langsung"), QStringLiteral("Point Harga")}},
    };
    return choices;
}
