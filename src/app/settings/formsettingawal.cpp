#include "formsettingawal.h"

#include "activeuser.h"
#include "buttons.h"
#include "formdesainlaporan.h"
#include "messages.h"
#include "numberedits.h"
#include "session.h"
#include "settingchoices.h"
#include "sharedwindow.h"
#include "sqlstatement.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormSettingAwal::TFormSettingAwal(QWidget *parent)
    : QDialog(parent), m_nama(new QLineEdit(this)), m_nota(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TFormSettingAwal"));
    setWindowTitle(QStringLiteral("  Setting Awal"));
    m_nama->setObjectName(QStringLiteral("EditNama"));
    limitTyping(m_nama, 50);
    m_nota->setObjectName(QStringLiteral("EditNota"));
    limitTyping(m_nota, 50);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nama"), m_nama);
    for (const SettingChoice &c : settingChoices()) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(c.objectName);
        combo->addItems(c.values);
        m_choosers.insert(c.column, combo);
        if (c.column == QLatin1String("notajualaktif")) {
            auto *setting = makeButton(this, QStringLiteral("TombolSettingNotaJual"), QStringLiteral("Setting"));
            connect(setting, &QPushButton::clicked, this, &TFormSettingAwal::TombolSettingNotaJualClick);
            auto *row = new QHBoxLayout;
            row->addWidget(combo, 1);
            row->addWidget(setting);
            form->addRow(c.label, row);
        } else {
            form->addRow(c.label, combo);
        }
    }
    auto *settingNota = makeButton(this, QStringLiteral("TombolSettingNota"), QStringLiteral("Setting"));
    connect(settingNota, &QPushButton::clicked, this, &TFormSettingAwal::TombolSettingNotaClick);
    auto *notaRow = new QHBoxLayout;
    notaRow->addWidget(m_nota, 1);
    notaRow->addWidget(settingNota);
    form->addRow(QStringLiteral("Nota"), notaRow);

    auto *save = makeButton(this, QStringLiteral("TombolSimpan"), QStringLiteral("Simpan"), ButtonRole::Default);
    auto *close = makeButton(this, QStringLiteral("TombolKeluar"), QStringLiteral("Keluar [Esc]"));
    connect(save, &QPushButton::clicked, this, &TFormSettingAwal::TombolSimpanClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = buttonRow({}, {save, close});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void TFormSettingAwal::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    SqlStatement st(Session::db(), QStringLiteral(" select * from settingawal "));
    if (!st.execFirst()) {
        messages().error(st.errorText().isEmpty() ? QStringLiteral("Tabel settingawal kosong") : st.errorText());
        return;
    }
    m_nama->setText(st.value(QStringLiteral("nama")).toString());
    for (const SettingChoice &c : settingChoices()) {
        QComboBox *combo = m_choosers.value(c.column);
        const QVariant stored = st.value(c.column);
        if (c.byPosition) {
            bool isNumber = false;
            const int position = stored.toString().toInt(&isNumber);
            combo->setCurrentIndex(isNumber && position >= 0 && position < combo->count() ? position : -1);
        } else {
            combo->setCurrentIndex(combo->findText(stored.toString(), Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    }
    m_nama->setFocus();
}

void TFormSettingAwal::TombolSimpanClick()
{
    // Only the listed values are stored: a chooser showing nothing (its
    // stored value was not one of them) must be chosen first.
    for (const SettingChoice &c : settingChoices()) {
        if (m_choosers.value(c.column)->currentIndex() < 0) {
            messages().error(QStringLiteral("%1 belum dipilih!!!").arg(c.label));
            m_choosers.value(c.column)->setFocus();
            return;
        }
    }
    SqlStatement update(Session::db(), QStringLiteral(
        "update settingawal set nama=:nama, ubahhargajual=:ubahhargajual, notajualaktif=:notajualaktif, "
        "hargaaktif=:hargaaktif, barangsama=:barangsama, lastclose=:lastclose, "
        "pengurutannotajual=:pengurutannotajual, inputpembelian=:inputpembelian, barcodemode=:barcodemode"));
    update.bind(QStringLiteral("nama"), m_nama->text());
    for (const SettingChoice &c : settingChoices()) {
        const QComboBox *combo = m_choosers.value(c.column);
        update.bind(c.column, c.byPosition ? QVariant(combo->currentIndex()) : QVariant(combo->currentText()));
    }
    if (!update.exec()) {
        messages().error(update.errorText());
        return;
    }
    accept();
}

void TFormSettingAwal::TombolSettingNotaJualClick()
{
    const QString chosen = m_choosers.value(QStringLiteral("notajualaktif"))->currentText();
    TFormDesainLaporan::edit(QDir::cleanPath(activeUser().PathAplikasi + chosen));
}

void TFormSettingAwal::TombolSettingNotaClick()
{
    TFormDesainLaporan::edit(m_nota->text());
}
