#include "appwindows.h"

#include "formbackup.h"
#include "formcabang.h"
#include "formgantipassword.h"
#include "formjabatan.h"
#include "formrestore.h"
#include "formsettingawal.h"
#include "formuser.h"
#include "mainreports.h"
#include "sharedwindow.h"
#include "windowregistry.h"

void registerAppWindows()
{
    using WindowRegistry::add;
    add(QStringLiteral("GantiPassword"), [] { sharedWindow<TFormGantiPassword>().exec(); });
    add(QStringLiteral("Jabatan"), [] { sharedWindow<TFormJabatan>().exec(); });
    add(QStringLiteral("User"), [] { sharedWindow<TFormUser>().exec(); });
    add(QStringLiteral("SettingAwal"), [] { sharedWindow<TFormSettingAwal>().exec(); });
    add(QStringLiteral("MasterCabang"), [] { sharedWindow<TFormCabang>().exec(); });
    add(QStringLiteral("Backup"), [] { sharedWindow<TFormBackUp>().exec(); });
    add(QStringLiteral("Restore"), [] { sharedWindow<TFormRestore>().exec(); });
    add(QStringLiteral("LaporanMasterBarang"), [] { MainReports::itemReport(); });
    add(QStringLiteral("LaporanDaftarStok"), [] { MainReports::stockReport(); });
    add(QStringLiteral("LaporanBarangRupiah"), [] { MainReports::stockValueReport(); });
}
