-- Demo data for a private database (scripts/run.sh). Passwords are stored
-- plain here; each is replaced by its hash at the user's first login.
UPDATE settingawal SET nama = 'TOKO SUMBER REJEKI';
INSERT IGNORE INTO MasterCabang (idcabang, namacabang, alamat, lastclose) VALUES
  (2, 'Cabang Selatan', 'Jl. Veteran 12', '00001');
INSERT IGNORE INTO MasterJabatan (IDJabatan, Jabatan, Wewenang, Flag) VALUES
  (2, 'Kasir', '0001011000', '0'),
  (3, 'Gudang', '0110000000', '0');
INSERT IGNORE INTO MasterUser (IDUser, IDJabatan, NamaLengkap, Alamat, Telp, NamaUser, PasswordUser, Keterangan,
                               Flag, viewedit, idcabang, koreksipenjualan, lihatharga) VALUES
  (2, 2, 'Siti Rahayu', 'Jl. Merdeka 5', '0812-1111-2222', 'siti', 'siti123', '', '0', 'Tanggal Hari Aktif', 1,
   'Tanggal Aktif', 'Disable'),
  (3, 3, 'Budi Santoso', 'Jl. Pahlawan 9', '0813-3333-4444', 'budi', 'budi123', '', '0', 'Seluruh Tanggal', 2,
   'All', 'Enable');
