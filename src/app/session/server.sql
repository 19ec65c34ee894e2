-- Document numbers. Invariant: a number handed out is never handed out
-- again for its kind. The UPDATE takes the counter row's lock until the
-- calling transaction ends, so concurrent savers queue here and each gets
-- the next value; a rolled-back save gives its number back. The counter
-- never falls behind the keys stored: SelaraskanNomorDokumen, run at the
-- end of this script (so after every restore), raises it to the largest.
DELIMITER $$

DROP FUNCTION IF EXISTS BuatNomorDokumen $$
CREATE FUNCTION BuatNomorDokumen(pJenis VARCHAR(20)) RETURNS VARCHAR(10) CHARSET utf8mb4
  NOT DETERMINISTIC MODIFIES SQL DATA
BEGIN
  DECLARE vAwalan VARCHAR(4);
  DECLARE vNomor BIGINT UNSIGNED;
  UPDATE NomorDokumen SET Nomor = Nomor + 1 WHERE Jenis = pJenis;
  IF ROW_COUNT() = 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Jenis nomor dokumen tidak dikenal';
  END IF;
  SELECT Awalan, Nomor INTO vAwalan, vNomor FROM NomorDokumen WHERE Jenis = pJenis;
  -- LPAD would cut a longer number and repeat an old one: refuse instead.
  IF CHAR_LENGTH(vNomor) > 10 - CHAR_LENGTH(vAwalan) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nomor dokumen sudah habis';
  END IF;
  RETURN CONCAT(vAwalan, LPAD(vNomor, 10 - CHAR_LENGTH(vAwalan), '0'));
END $$

DROP FUNCTION IF EXISTS BuatNotaJual $$
CREATE FUNCTION BuatNotaJual() RETURNS VARCHAR(10) CHARSET utf8mb4 NOT DETERMINISTIC MODIFIES SQL DATA
  RETURN BuatNomorDokumen('Jual') $$
DROP FUNCTION IF EXISTS BuatNotaBeli $$
CREATE FUNCTION BuatNotaBeli() RETURNS VARCHAR(10) CHARSET utf8mb4 NOT DETERMINISTIC MODIFIES SQL DATA
  RETURN BuatNomorDokumen('Beli') $$
DROP FUNCTION IF EXISTS BuatNotaBayarPiutang $$
CREATE FUNCTION BuatNotaBayarPiutang() RETURNS VARCHAR(10) CHARSET utf8mb4 NOT DETERMINISTIC MODIFIES SQL DATA
  RETURN BuatNomorDokumen('BayarPiutang') $$
DROP FUNCTION IF EXISTS BuatNotaBayarHutang $$
CREATE FUNCTION BuatNotaBayarHutang() RETURNS VARCHAR(10) CHARSET utf8mb4 NOT DETERMINISTIC MODIFIES SQL DATA
  RETURN BuatNomorDokumen('BayarHutang') $$
DROP FUNCTION IF EXISTS BuatNotaPecahStok $$
CREATE FUNCTION BuatNotaPecahStok() RETURNS VARCHAR(10) CHARSET utf8mb4 NOT DETERMINISTIC MODIFIES SQL DATA
  RETURN BuatNomorDokumen('PecahStok') $$
DROP FUNCTION IF EXISTS BuatNotaTitipan $$
CREATE FUNCTION BuatNotaTitipan() RETURNS VARCHAR(10) CHARSET utf8mb4 NOT DETERMINISTIC MODIFIES SQL DATA
  RETURN BuatNomorDokumen('Titipan') $$
DROP FUNCTION IF EXISTS BuatNotaTitipanTerjual $$
CREATE FUNCTION BuatNotaTitipanTerjual() RETURNS VARCHAR(10) CHARSET utf8mb4 NOT DETERMINISTIC MODIFIES SQL DATA
  RETURN BuatNomorDokumen('TitipanTerjual') $$
DROP FUNCTION IF EXISTS BuatNotaKembaliTitipan $$
CREATE FUNCTION BuatNotaKembaliTitipan() RETURNS VARCHAR(10) CHARSET utf8mb4 NOT DETERMINISTIC MODIFIES SQL DATA
  RETURN BuatNomorDokumen('KembaliTitipan') $$

-- Raises every counter to the largest number stored under its prefix, for
-- the header tables that exist in this database. Names come from the
-- NomorDokumen seed rows, never from a user.
DROP PROCEDURE IF EXISTS SelaraskanNomorDokumen $$
CREATE PROCEDURE SelaraskanNomorDokumen()
  MODIFIES SQL DATA
BEGIN
  DECLARE selesai INT DEFAULT 0;
  DECLARE vJenis VARCHAR(20);
  DECLARE vAwalan VARCHAR(4);
  DECLARE vTabel VARCHAR(64);
  DECLARE vKolom VARCHAR(64);
  DECLARE daftar CURSOR FOR
    SELECT n.Jenis, n.Awalan, n.NamaTabel, n.KolomKunci FROM NomorDokumen n
    WHERE EXISTS (SELECT 1 FROM information_schema.COLUMNS c
                  WHERE c.TABLE_SCHEMA = DATABASE() AND LOWER(c.TABLE_NAME) = LOWER(n.NamaTabel)
                    AND LOWER(c.COLUMN_NAME) = LOWER(n.KolomKunci));
  DECLARE CONTINUE HANDLER FOR NOT FOUND SET selesai = 1;
  OPEN daftar;
  baca: LOOP
    FETCH daftar INTO vJenis, vAwalan, vTabel, vKolom;
    IF selesai THEN LEAVE baca; END IF;
    SET @nomor_terbesar = 0;
    SET @sql_terbesar = CONCAT(
      'SELECT IFNULL(MAX(CAST(SUBSTRING(`', vKolom, '`, ', CHAR_LENGTH(vAwalan) + 1,
      ') AS UNSIGNED)), 0) INTO @nomor_terbesar FROM `', vTabel, '` WHERE `', vKolom, '` LIKE ',
      QUOTE(CONCAT(vAwalan, '%')));
    PREPARE terbesar FROM @sql_terbesar;
    EXECUTE terbesar;
    DEALLOCATE PREPARE terbesar;
    UPDATE NomorDokumen SET Nomor = GREATEST(Nomor, @nomor_terbesar) WHERE Jenis = vJenis;
  END LOOP;
  CLOSE daftar;
END $$

DELIMITER ;

CALL SelaraskanNomorDokumen();
