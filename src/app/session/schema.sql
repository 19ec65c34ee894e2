-- The one settings row. The program never inserts it: it is created here.
CREATE TABLE IF NOT EXISTS settingawal (
  nama VARCHAR(50) NOT NULL DEFAULT '',
  ubahhargajual INT NOT NULL DEFAULT 0,
  notajualaktif VARCHAR(100) NOT NULL DEFAULT '/Laporan/NotaJual.frf',
  hargaaktif VARCHAR(20) NOT NULL DEFAULT 'HargaSistem',
  barangsama VARCHAR(20) NOT NULL DEFAULT 'Bisa Sama',
  lastclose VARCHAR(20) NOT NULL DEFAULT 'Tidak Tampil',
  pengurutannotajual VARCHAR(20) NOT NULL DEFAULT 'Urut Pemasukan',
  inputpembelian VARCHAR(20) NOT NULL DEFAULT 'Normal',
  barcodemode VARCHAR(20) NOT NULL DEFAULT 'Input Langsung'
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

INSERT INTO settingawal (nama)
  SELECT 'TOKO DAGANG' FROM DUAL WHERE NOT EXISTS (SELECT 1 FROM settingawal);

-- Document-number counters, one row per kind of document. A number is
-- Awalan followed by the zero-padded counter, 10 characters in all. The
-- saving transaction locks its row by incrementing it (see BuatNomorDokumen);
-- NamaTabel and KolomKunci name where the numbers end up, so that the
-- counters can be brought up to the largest key stored after a restore.
CREATE TABLE IF NOT EXISTS NomorDokumen (
  Jenis VARCHAR(20) NOT NULL PRIMARY KEY,
  Awalan VARCHAR(4) NOT NULL,
  Nomor BIGINT UNSIGNED NOT NULL DEFAULT 0,
  NamaTabel VARCHAR(64) NOT NULL,
  KolomKunci VARCHAR(64) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

INSERT IGNORE INTO NomorDokumen (Jenis, Awalan, Nomor, NamaTabel, KolomKunci) VALUES
  ('Jual', 'PJ', 0, 'HPenjualan', 'IDPenjualan'),
  ('Beli', 'PB', 0, 'HPembelian', 'IDPembelian'),
  ('BayarPiutang', 'BP', 0, 'HBayarPiutang', 'IDBayarPiutang'),
  ('BayarHutang', 'BH', 0, 'HBayarHutang', 'IDBayarHutang'),
  ('PecahStok', 'PS', 0, 'HPecahStok', 'IDPecahStok'),
  ('Titipan', 'TP', 0, 'HTitipan', 'IDTitipan'),
  ('TitipanTerjual', 'TJ', 0, 'HTitipanTerjual', 'IDTitipanTerjual'),
  ('KembaliTitipan', 'TK', 0, 'HKembaliTitipan', 'IDKembaliTitipan');
