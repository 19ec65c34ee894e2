#include "datareset.h"

#include "messages.h"
#include "sqlstatement.h"

const QList<DataResetStep> &dataResetSteps()
{
    static const QList<DataResetStep> steps = {
        {QStringLiteral("hapus semua transaksi jual?"), {QStringLiteral("delete from hpenjualan")},
         QStringLiteral("semua transaksi jual")},
        {QStringLiteral("hapus semua transaksi beli?"), {QStringLiteral("delete from hpembelian")},
         QStringLiteral("semua transaksi beli")},
        {QStringLiteral("nol kan semua stok?"), {QStringLiteral("update dsatuan set stok=0")},
         QStringLiteral("semua stok")},
        {QStringLiteral("Hapus semua tipe barang?"),
         {QStringLiteral("delete from mastertypebarang"), QStringLiteral("delete from dsatuan")},
         QStringLiteral("semua tipe barang")},
    };
    return steps;
}

DataResetResult runDataReset(const QSqlDatabase &db, Messages &messages)
{
    QList<const DataResetStep *> confirmed;
    for (const DataResetStep &step : dataResetSteps())
        if (messages.askYesNo(step.question))
            confirmed << &step;
    DataResetResult result;
    if (confirmed.isEmpty()) {
        result.summary = QStringLiteral("Tidak ada data yang dihapus.");
        return result;
    }
    SqlTransaction transaction(db);
    if (!transaction.started()) {
        result.error = transaction.errorText();
        return result;
    }
    QStringList removed;
    for (const DataResetStep *step : std::as_const(confirmed)) {
        for (const QString &sql : step->statements) {
            SqlStatement st(db, sql);
            if (!st.exec()) {
                result.error = QStringLiteral("Data tidak dihapus, terdapat kesalahan!!! ") + st.errorText();
                return result; // the transaction rolls back
            }
        }
        removed << step->removed;
    }
    if (!transaction.commit()) {
        result.error = QStringLiteral("Data tidak dihapus, terdapat kesalahan!!! ") + transaction.errorText();
        return result;
    }
    result.summary = QStringLiteral("Data telah dihapus: %1.").arg(removed.join(QStringLiteral(", ")));
    return result;
}
