#pragma once

#include "scriptdialog.h"

// "  Back Up": dumps the database into a file of the chosen folder, named
// by the moment of the backup.
class TFormBackUp : public ScriptDialog
{
    Q_OBJECT
public:
    explicit TFormBackUp(QWidget *parent = nullptr);

    void TombolBrowseClick() override;
    void TombolExecuteClick() override;

protected:
    void showEvent(QShowEvent *event) override;
};
