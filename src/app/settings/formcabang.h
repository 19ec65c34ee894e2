#pragma once

#include <QDialog>

class DataGrid;
class QLineEdit;

// The branches: found and changed by name; a new name adds a branch.
class TFormCabang : public QDialog
{
    Q_OBJECT
public:
    explicit TFormCabang(QWidget *parent = nullptr);

    DataGrid *list() const { return m_grid; }
    void TombolSimpanClick();
    void deleteCurrent();
    void reopenList();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void copyRowToFields();

    QLineEdit *m_keyword;
    DataGrid *m_grid;
    QLineEdit *m_cabang;
    QLineEdit *m_alamat;
    QLineEdit *m_lastClose;
};
