#pragma once

#include <QDialog>
#include <QHash>

class QComboBox;
class QLineEdit;

// Edits the one settings row: the business name and the switches of the
// sales and purchase windows; opens the report designer on a template.
class TFormSettingAwal : public QDialog
{
    Q_OBJECT
public:
    explicit TFormSettingAwal(QWidget *parent = nullptr);

    void TombolSimpanClick();
    void TombolSettingNotaJualClick();
    void TombolSettingNotaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_nama;
    QLineEdit *m_nota;
    QHash<QString, QComboBox *> m_choosers; // by column
};
