#pragma once

#include "scriptdialog.h"

// "  Restore": reloads the database from a backup file; the program keeps
// running on its connection, now over the restored data.
class TFormRestore : public ScriptDialog
{
    Q_OBJECT
public:
    explicit TFormRestore(QWidget *parent = nullptr);

    void TombolBrowseClick() override;
    void TombolExecuteClick() override;

protected:
    void showEvent(QShowEvent *event) override;
};
