#include "formcabang.h"

#include "buttons.h"
#include "datagrid.h"
#include "messages.h"
#include "numberedits.h"
#include "session.h"
#include "sqlstatement.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormCabang::TFormCabang(QWidget *parent)
    : QDialog(parent), m_keyword(new QLineEdit(this)), m_grid(new DataGrid(this)), m_cabang(new QLineEdit(this)),
      m_alamat(new QLineEdit(this)), m_lastClose(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TFormCabang"));
    setWindowTitle(QStringLiteral("  Master Cabang"));
    resize(560, 480);
    m_keyword->setObjectName(QStringLiteral("EditKataKunci"));
    m_grid->setObjectName(QStringLiteral("Daftar"));
    m_grid->setColumns({GridColumn::text(QStringLiteral("IDCABANG"), QStringLiteral("ID Auto"), 60),
                        GridColumn::text(QStringLiteral("namacabang"), QStringLiteral("Nama Cabang"), 220),
                        GridColumn::text(QStringLiteral("ALAMAT"), QStringLiteral("ALAMAT"), 220)});
    onDeleteKey(m_grid, [this] { deleteCurrent(); });
    m_cabang->setObjectName(QStringLiteral("EditCabang"));
    limitTyping(m_cabang, 30);
    m_alamat->setObjectName(QStringLiteral("EditAlamat"));
    limitTyping(m_alamat, 30);
    m_lastClose->setObjectName(QStringLiteral("EditLastClose"));
    limitTyping(m_lastClose, 5);
    m_lastClose->setText(QStringLiteral("00001"));

    auto *save = makeButton(this, QStringLiteral("TombolSimpan"), QStringLiteral("Simpan"), ButtonRole::Default);
    auto *close = makeButton(this, QStringLiteral("TombolTutup"), QStringLiteral("Tutup Form  [Esc]"));

    auto *search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("Kata Kunci"), this));
    search->addWidget(m_keyword, 1);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Cabang"), m_cabang);
    form->addRow(QStringLiteral("Alamat"), m_alamat);
    form->addRow(QStringLiteral("Last Close"), m_lastClose);
    auto *buttons = buttonRow({}, {save, close});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(m_grid, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(m_keyword, &QLineEdit::textChanged, this, &TFormCabang::reopenList);
    connect(m_grid, &DataGrid::currentRowChanged, this, &TFormCabang::copyRowToFields);
    connect(save, &QPushButton::clicked, this, &TFormCabang::TombolSimpanClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormCabang::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    reopenList();
}

void TFormCabang::reopenList()
{
    SqlStatement st(Session::db(), QStringLiteral("Select * from mastercabang where namacabang like :katakunci"));
    st.bind(QStringLiteral("katakunci"), QString(QLatin1Char('%') + m_keyword->text() + QLatin1Char('%')));
    if (!m_grid->open(st))
        messages().error(m_grid->errorText());
}

void TFormCabang::copyRowToFields()
{
    if (m_grid->isEmpty())
        return;
    m_cabang->setText(m_grid->currentValue(QStringLiteral("namacabang")).toString());
    m_alamat->setText(m_grid->currentValue(QStringLiteral("alamat")).toString());
    m_lastClose->setText(m_grid->currentValue(QStringLiteral("lastclose")).toString());
}

void TFormCabang::TombolSimpanClick()
{
    const QString name = m_cabang->text();
    SqlStatement find(Session::db(), QStringLiteral(" select * from mastercabang where namacabang=:namacabang "));
    find.bind(QStringLiteral("namacabang"), name);
    if (!find.exec()) {
        messages().error(find.errorText());
        return;
    }
    const QVariantMap values{{QStringLiteral("namacabang"), name},
                             {QStringLiteral("alamat"), m_alamat->text()},
                             {QStringLiteral("lastclose"), m_lastClose->text()}};
    if (find.query().first()) {
        if (!messages().askOkCancel(QStringLiteral("Menyimpan perubahan pada Cabang ") + name + QStringLiteral(" ?")))
            return;
        SqlStatement update(Session::db(), QStringLiteral(
            " update mastercabang   set namacabang=:namacabang, alamat=:alamat, lastclose=:lastclose "
            "where  idcabang=:idcabang "));
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            update.bind(it.key(), it.value());
        update.bind(QStringLiteral("idcabang"), find.value(QStringLiteral("idcabang")));
        if (!update.exec()) {
            messages().error(update.errorText());
            return;
        }
    } else {
        SqlStatement insert(Session::db(), QStringLiteral(
            " insert into mastercabang (namacabang, alamat, lastclose)  values(:namacabang, :alamat, :lastclose) "));
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            insert.bind(it.key(), it.value());
        if (!insert.exec()) {
            messages().error(insert.errorText());
            return;
        }
    }
    reopenList();
}

void TFormCabang::deleteCurrent()
{
    if (m_grid->isEmpty())
        return;
    // The question names the row that is deleted: the current one of the list.
    const QString name = m_grid->currentValue(QStringLiteral("namacabang")).toString();
    if (!messages().askOkCancel(QStringLiteral("Menghapus data cabang dengan nama ") + name + QStringLiteral(" ?")))
        return;
    SqlStatement del(Session::db(), QStringLiteral(" delete from mastercabang where idcabang = :id "));
    del.bind(QStringLiteral("id"), m_grid->currentValue(QStringLiteral("idcabang")));
    if (!del.exec()) {
        messages().error(del.errorText());
        return;
    }
    reopenList();
}

