#include "rightsboxes.h"

#include "rights.h"

#include <QCheckBox>
#include <QGridLayout>

RightsBoxes::RightsBoxes(QWidget *parent)
    : QWidget(parent)
{
    static const char *const labels[] = {"1. Master", "2. Barang", "3. Pembelian", "4. Penjualan", "5. Hutang",
                                         "6. Piutang", "7. Laporan", "8. Akuntansi", "9. Utility", "10. Wewenang5"};
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 10; ++i) {
        m_boxes[i] = new QCheckBox(QString::fromLatin1(labels[i]), this);
        m_boxes[i]->setObjectName(QStringLiteral("CheckWewenang%1").arg(i + 1));
        layout->addWidget(m_boxes[i], i % 5, i / 5);
    }
}

QString RightsBoxes::wewenang() const
{
    std::bitset<Rights::kCount> on;
    for (int i = 0; i < 10; ++i)
        on.set(i, m_boxes[i]->isChecked());
    return Rights::toWewenang(on);
}

void RightsBoxes::setWewenang(const QString &wewenang)
{
    const Rights r = Rights::fromWewenang(wewenang);
    for (int i = 0; i < 10; ++i)
        m_boxes[i]->setChecked(r.has(i + 1));
}

void RightsBoxes::clear()
{
    for (QCheckBox *box : m_boxes)
        box->setChecked(false);
}
