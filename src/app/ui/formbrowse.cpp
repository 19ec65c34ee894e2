#include "formbrowse.h"

#include "buttons.h"
#include "messages.h"
#include "numberedits.h"
#include "session.h"
#include "windowkeys.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kDesignWidth = 640;
constexpr int kDesignGridWidth = 620;
}

TFormBrowse::TFormBrowse(QWidget *parent)
    : QDialog(parent), m_keyword(new QLineEdit(this)), m_grid(new DataGrid(this)),
      m_add(new QPushButton(QStringLiteral("Tambah"), this))
{
    setObjectName(QStringLiteral("TFormBrowse"));
    setWindowTitle(QStringLiteral("  Modul Browse"));
    m_keyword->setObjectName(QStringLiteral("EditKataKunci"));
    limitTyping(m_keyword, 120);
    m_grid->setObjectName(QStringLiteral("Daftar"));
    m_add->setObjectName(QStringLiteral("Button1"));
    m_add->setAutoDefault(false);
    auto *pick = makeButton(this, QStringLiteral("TombolPilih"), QStringLiteral("Pilih [Enter]"), ButtonRole::Default);
    auto *close = makeButton(this, QStringLiteral("TombolTutup"), QStringLiteral("Tutup Form  [Esc]"));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Kata Kunci"), this));
    top->addWidget(m_keyword, 1);
    auto *bottom = buttonRow({m_add}, {pick, close});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);

    connect(m_keyword, &QLineEdit::textChanged, this, &TFormBrowse::search);
    connect(pick, &QPushButton::clicked, this, &TFormBrowse::choose);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TFormBrowse::choose);
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_addAction)
            m_addAction();
        search();
    });
    bindKey(this, QKeySequence(Qt::CTRL | Qt::Key_Delete), [] {});
    begin();
}

QList<GridColumn> TFormBrowse::designColumns() const
{
    QList<GridColumn> columns;
    columns << GridColumn::text(QStringLiteral("Kode"), QStringLiteral("Kode"), 80);
    columns << GridColumn::text(QString(), QStringLiteral("Nama Pelanggan"), 300);
    for (int i = 2; i < kColumns; ++i) {
        GridColumn c;
        c.visible = false;
        columns << c;
    }
    return columns;
}

void TFormBrowse::begin()
{
    m_sql.clear();
    m_columns = designColumns();
    m_grid->close();
    m_grid->setColumns(m_columns);
    m_add->hide();
    m_addAction = nullptr;
    setWidths(kDesignWidth, kDesignGridWidth);
}

void TFormBrowse::setColumn(int index, const QString &field, const QString &caption, bool visible, int width)
{
    if (index < 1 || index >= kColumns)
        return;
    GridColumn &c = m_columns[index];
    c.field = field;
    c.title = caption;
    c.visible = visible;
    c.width = width;
    m_grid->setColumns(m_columns);
}

void TFormBrowse::setColumnVisible(int index, bool visible)
{
    if (index < 0 || index >= kColumns)
        return;
    m_columns[index].visible = visible;
    m_grid->setColumns(m_columns);
}

void TFormBrowse::showAddButton(std::function<void()> action)
{
    m_addAction = std::move(action);
    m_add->show();
}

void TFormBrowse::setWidths(int dialogWidth, int gridWidth)
{
    resize(dialogWidth, 460);
    m_grid->setMinimumWidth(std::min(gridWidth, dialogWidth - 20));
}

void TFormBrowse::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QSignalBlocker quiet(m_keyword);
    m_keyword->clear();
    m_keyword->setFocus();
    search();
}

void TFormBrowse::search()
{
    SqlStatement st(Session::db(), m_sql);
    // The keyword is used as typed, blanks included.
    st.bind(QStringLiteral("KataKunci"), QString(QLatin1Char('%') + m_keyword->text() + QLatin1Char('%')));
    if (!m_grid->open(st))
        messages().error(m_grid->errorText());
}

void TFormBrowse::choose()
{
    if (m_grid->isEmpty())
        return;
    accept();
}

void TFormBrowse::keyPressEvent(QKeyEvent *event)
{
    if (!moveByNavigationKey(m_grid, event))
        QDialog::keyPressEvent(event);
}
