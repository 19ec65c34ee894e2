-- Positions. Inserted by position ("Values(0,:Jabatan,:Wewenang,:Flag)"):
-- the column order is part of the contract.
CREATE TABLE IF NOT EXISTS MasterJabatan (
  IDJabatan INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Jabatan VARCHAR(30) NOT NULL DEFAULT '',
  Wewenang VARCHAR(10) NOT NULL DEFAULT '0000000000',
  Flag VARCHAR(1) NOT NULL DEFAULT '0',
  KEY ix_jabatan_nama (Jabatan)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Branches.
CREATE TABLE IF NOT EXISTS MasterCabang (
  idcabang INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  namacabang VARCHAR(30) NOT NULL DEFAULT '',
  alamat VARCHAR(30) NOT NULL DEFAULT '',
  lastclose VARCHAR(5) NOT NULL DEFAULT '00001',
  KEY ix_cabang_nama (namacabang)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Users. PasswordUser holds an Argon2id hash (libsodium string form, up to
-- 128 characters); a row from before hashing holds the plain password until
-- its next login. idcabang is NULL for a user without a branch.
CREATE TABLE IF NOT EXISTS MasterUser (
  IDUser INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IDJabatan INT NOT NULL DEFAULT 0,
  NamaLengkap VARCHAR(100) NOT NULL DEFAULT '',
  Alamat VARCHAR(512) NOT NULL DEFAULT '',
  Telp VARCHAR(255) NOT NULL DEFAULT '',
  NamaUser VARCHAR(20) NOT NULL DEFAULT '',
  PasswordUser VARCHAR(128) NOT NULL DEFAULT '',
  Keterangan VARCHAR(255) NOT NULL DEFAULT '',
  Flag VARCHAR(1) NOT NULL DEFAULT '0',
  viewedit VARCHAR(30) NOT NULL DEFAULT 'Seluruh Tanggal',
  idcabang INT NULL,
  koreksipenjualan VARCHAR(20) NOT NULL DEFAULT 'All',
  lihatharga VARCHAR(10) NOT NULL DEFAULT 'Enable',
  KEY ix_user_login (NamaUser),
  KEY ix_user_nama (NamaLengkap)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- The first position and user, so that a new database can be logged into.
-- The password "admin" is stored plain and replaced by its hash at the
-- first login.
INSERT INTO MasterJabatan (IDJabatan, Jabatan, Wewenang, Flag)
  SELECT 1, 'Administrator', '1111111111', '0' FROM DUAL WHERE NOT EXISTS (SELECT 1 FROM MasterJabatan);
INSERT INTO MasterCabang (idcabang, namacabang, alamat, lastclose)
  SELECT 1, 'Pusat', '', '00001' FROM DUAL WHERE NOT EXISTS (SELECT 1 FROM MasterCabang);
INSERT INTO MasterUser (IDUser, IDJabatan, NamaLengkap, NamaUser, PasswordUser, idcabang)
  SELECT 1, 1, 'Administrator', 'admin', 'admin', 1 FROM DUAL WHERE NOT EXISTS (SELECT 1 FROM MasterUser);
