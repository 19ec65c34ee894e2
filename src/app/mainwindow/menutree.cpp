#include "menutree.h"

const QList<MenuGroup> &menuGroups()
{
    static const QList<MenuGroup> groups = {
        {0, QStringLiteral("Menu")},      {1, QStringLiteral("Master")},    {2, QStringLiteral("Barang")},
        {3, QStringLiteral("Pembelian")}, {4, QStringLiteral("Penjualan")}, {5, QStringLiteral("Hutang")},
        {6, QStringLiteral("Piutang")},   {8, QStringLiteral("Akuntansi")}, {7, QStringLiteral("Laporan")},
        {9, QStringLiteral("Utility")},   {10, QStringLiteral("Special")},
    };
    return groups;
}

const QList<MenuEntry> &menuEntries()
{
    const QString none;
    static const QList<MenuEntry> entries = {
        {1, none, QStringLiteral("Satuan Barang..."), QStringLiteral("MasterSatuan")},
        {1, none, QStringLiteral("Kategori Barang..."), QStringLiteral("MasterKategori")},
        {1, none, QStringLiteral("Item Barang..."), QStringLiteral("MasterBarang")},
        {1, none, QStringLiteral("H - Kategori"), QStringLiteral("MasterHKategori")},
        {1, none, QStringLiteral("Master Cabang"), QStringLiteral("MasterCabang")},
        {1, none, QStringLiteral("Provinsi"), QStringLiteral("MasterProvinsi")},
        {1, none, QStringLiteral("Kota"), QStringLiteral("MasterKota")},
        {1, none, QStringLiteral("Expedisi"), QStringLiteral("MasterExpedisi")},
        {1, none, QStringLiteral("Rute"), QStringLiteral("MasterRute")},
        {1, none, QStringLiteral("Pelanggan..."), QStringLiteral("MasterPelanggan")},
        {1, none, QStringLiteral("Supplier..."), QStringLiteral("MasterSupplier")},
        {1, none, QStringLiteral("Agen"), QStringLiteral("MasterAgen")},
        {1, none, QStringLiteral("Pajak..."), QStringLiteral("MasterPajak")},

        {2, none, QStringLiteral("Harga && Penyesuaian Stok Barang..."), QStringLiteral("HargaPenyesuaianStok")},
        {2, none, QStringLiteral("Pecah Satuan Stok..."), QStringLiteral("PecahSatuan")},
        {2, none, QStringLiteral("Daftar Stok Barang..."), QStringLiteral("LaporanDaftarStok")},
        {2, none, QStringLiteral("Simpan History Stok Barang Bulan Ini..."), QStringLiteral("SimpanHistoriStok")},
        {2, none, QStringLiteral("Daftar Histori Stok Barang..."), QStringLiteral("DaftarHistoriStok")},
        {2, none, QStringLiteral("Stok Titipan Agen"), QStringLiteral("StokTitipanAgen")},

        {3, none, QStringLiteral("Transaksi Pembelian..."), QStringLiteral("TransaksiPembelian")},
        {3, none, QStringLiteral("Koreksi Pembelian..."), QStringLiteral("KoreksiPembelian")},
        {3, none, QStringLiteral("Retur Pembelian..."), QStringLiteral("ReturPembelian")},

        {4, none, QStringLiteral("Request Pelanggan"), QStringLiteral("RequestPelanggan")},
        {4, none, QStringLiteral("View Request Pelanggan"), QStringLiteral("ViewRequestPelanggan")},
        {4, none, QStringLiteral("Transaksi Penjualan..."), QStringLiteral("TransaksiPenjualan")},
        {4, none, QStringLiteral("Transaksi Penjualan Dengan Pajak..."), QStringLiteral("TransaksiPenjualanPajak")},
        {4, none, QStringLiteral("Koreksi Penjualan..."), QStringLiteral("KoreksiPenjualan")},
        {4, none, QStringLiteral("Retur Penjualan..."), QStringLiteral("ReturPenjualan")},
        {4, none, QStringLiteral("Titipan"), QStringLiteral("Titipan")},
        {4, none, QStringLiteral("Koreksi Titipan"), QStringLiteral("KoreksiTitipan")},
        {4, none, QStringLiteral("Titipan Terjual"), QStringLiteral("TitipanTerjual")},
        {4, none, QStringLiteral("Koreksi Titipan Terjual"), QStringLiteral("KoreksiTitipanTerjual")},
        {4, none, QStringLiteral("Retur Titipan"), QStringLiteral("ReturTitipan")},
        {4, none, QStringLiteral("Koreksi Retur Titipan"), QStringLiteral("KoreksiReturTitipan")},
        {4, none, QStringLiteral("Biaya Agen"), QStringLiteral("BiayaAgen")},
        {4, none, QStringLiteral("Lihat Faktur Pajak..."), QStringLiteral("LihatFakturPajak")},
        {4, none, QStringLiteral("Track Barang"), QStringLiteral("TrackBarang")},
        {4, none, QStringLiteral("Export Penjualan"), QStringLiteral("ExportPenjualan")},

        {5, none, QStringLiteral("Daftar Hutang..."), QStringLiteral("DaftarHutang")},
        {5, none, QStringLiteral("Pelunasan Hutang..."), QStringLiteral("PelunasanHutang")},
        {5, none, QStringLiteral("Koreksi Pelunasan Hutang..."), QStringLiteral("KoreksiPelunasanHutang")},

        {6, none, QStringLiteral("Daftar Piutang..."), QStringLiteral("DaftarPiutang")},
        {6, none, QStringLiteral("Pelunasan Piutang..."), QStringLiteral("PelunasanPiutang")},
        {6, none, QStringLiteral("Koreksi Pelunasan Piutang..."), QStringLiteral("KoreksiPelunasanPiutang")},

        {8, none, QStringLiteral("Biaya-Biaya..."), QStringLiteral("BukuBiaya")},
        {8, none, QStringLiteral("Perkiraan Akuntansi..."), QStringLiteral("PerkiraanAkuntansi")},
        {8, none, QStringLiteral("Buku Besar..."), QStringLiteral("BukuBesar")},
        {8, none, QStringLiteral("Buku Hutang..."), QStringLiteral("BukuHutang")},
        {8, none, QStringLiteral("Buku Piutang..."), QStringLiteral("BukuPiutang")},
        {8, none, QStringLiteral("Jurnal..."), QStringLiteral("BukuJurnal")},
        {8, none, QStringLiteral("Kas..."), QStringLiteral("BukuKas")},
        {8, none, QStringLiteral("Laporan Laba-Rugi Omzet..."), QStringLiteral("LabaRugiOmzet")},
        {8, none, QStringLiteral("Laba / Rugi..."), QStringLiteral("LabaRugi")},
        {8, none, QStringLiteral("Neraca..."), QStringLiteral("Neraca")},

        {7, QStringLiteral("Master"), QStringLiteral("Barang..."), QStringLiteral("LaporanMasterBarang")},
        {7, QStringLiteral("Master"), QStringLiteral("Pelanggan..."), QStringLiteral("LaporanPelanggan")},
        {7, QStringLiteral("Master"), QStringLiteral("Supplier..."), QStringLiteral("LaporanSupplier")},
        {7, QStringLiteral("Master"), QStringLiteral("Barang Rupiah"), QStringLiteral("LaporanBarangRupiah")},
        {7, none, QStringLiteral("Export Stok Barang "), QStringLiteral("ExportStokBarang")},
        {7, none, QStringLiteral("Kartu Stok..."), QStringLiteral("KartuStok")},
        {7, QStringLiteral("Penjualan"), QStringLiteral("Detail Penjualan..."), QStringLiteral("LaporanDetailPenjualan")},
        {7, QStringLiteral("Penjualan"), QStringLiteral("Rekap Penjualan Per Tanggal..."), QStringLiteral("RekapPenjualan")},
        {7, QStringLiteral("Penjualan"), QStringLiteral("Penjualan Harian..."), QStringLiteral("PenjualanHarian")},
        {7, QStringLiteral("Penjualan"), QStringLiteral("Harga Penjualan Ter..."), QStringLiteral("HargaPenjualanTer")},
        {7, QStringLiteral("Penjualan"), QStringLiteral("Retur Penjualan Per Tanggal..."), QStringLiteral("LaporanReturPenjualan")},
        {7, QStringLiteral("Penjualan"), QStringLiteral("Penjualan Per Kategori"), QStringLiteral("PenjualanPerKategori")},
        {7, QStringLiteral("Pembelian"), QStringLiteral("Detail Pembelian..."), QStringLiteral("LaporanDetailPembelian")},
        {7, QStringLiteral("Pembelian"), QStringLiteral("Rekap Pembelian Per Tanggal..."), QStringLiteral("RekapPembelian")},
        {7, QStringLiteral("Pembelian"), QStringLiteral("Pembelian Harian..."), QStringLiteral("PembelianHarian")},
        {7, QStringLiteral("Pembelian"), QStringLiteral("Harga Pembelian Ter..."), QStringLiteral("HargaPembelianTer")},
        {7, QStringLiteral("Pembelian"), QStringLiteral("Retur Pembelian Per Tanggal..."), QStringLiteral("LaporanReturPembelian")},
        {7, none, QStringLiteral("Laporan Barang - Total"), QStringLiteral("LaporanBarangTotal")},
        {7, none, QStringLiteral("Nota Titipan"), QStringLiteral("NotaTitipan")},
        {7, QStringLiteral("Utilitas Pembantu"), QStringLiteral("Penjualan Berkala Tiap Barang"), QStringLiteral("PenjualanBerkala")},

        {9, none, QStringLiteral("Jabatan User..."), QStringLiteral("Jabatan")},
        {9, none, QStringLiteral("Master User..."), QStringLiteral("User")},
        {9, none, QStringLiteral("Backup..."), QStringLiteral("Backup")},
        {9, none, QStringLiteral("Restore..."), QStringLiteral("Restore")},
        {9, none, QStringLiteral("Maintain Stok"), QStringLiteral("MaintainStok")},
        {9, none, QStringLiteral("Bantuan..."), QStringLiteral("Bantuan")},
        {9, none, QStringLiteral("Setting Awal"), QStringLiteral("SettingAwal")},

        {10, none, QStringLiteral("Backup"), QStringLiteral("Backup")},
        {10, none, QStringLiteral("Restore"), QStringLiteral("Restore")},
        {10, none, QStringLiteral("Import Pembelian"), QStringLiteral("ImportPembelian")},
        {10, none, QStringLiteral("Import Penjualan"), QStringLiteral("ImportPenjualan")},
    };
    return entries;
}
