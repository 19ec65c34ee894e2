#pragma once

#include "connectionsettings.h"

#include <QFont>
#include <QObject>
#include <QSqlDatabase>

class DataGrid;

// The database session: the one connection every window shares for the
// life of the process (MyConnection), the program folder, the fonts of the
// spreadsheet writer and the grid wheel handler. Not a window.
class TDM : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Connected, Quit };

    // `defaults` are the design defaults; ip.txt replaces the host (and the
    // port when it gives one).
    explicit TDM(const ConnectionSettings &defaults = {}, QObject *parent = nullptr);
    ~TDM() override;

    // Reads ip.txt in the current folder, records the folder, makes the
    // fonts and opens the connection. While the connection cannot be opened
    // the first-start restore window is offered; Quit means the process
    // ends (the user closed it, or a restore asks for a restart).
    Outcome DataModuleCreate();

    QSqlDatabase MyConnection() const;
    const ConnectionSettings &settings() const { return m_settings; }
    // Tries to open the connection once; true when open.
    bool openConnection();

    QString FolderProgram;
    QFont FontJudul;
    QFont FontIsi;

    static void GridMouseWheel(DataGrid *grid, int delta);

private:
    ConnectionSettings m_settings;
};

// The one session of the process.
extern TDM *DM;
