#pragma once

#include <QString>

// The logged-in user and the program folder, read by every window. The main
// window sets the folder at its creation and the login sets the rest; before
// the first login the user is "0" / "Administrator". After a logout the
// fields keep the last user's values until the next login.
struct ActiveUser {
    QString IDUserAktif = QStringLiteral("0");
    QString NamaUserAktif = QStringLiteral("Administrator");
    QString IDCabangAktif;
    QString KoreksiPenjualanAktif;
    QString LihatHargaAktif;
    QString PathAplikasi;
};

ActiveUser &activeUser();
