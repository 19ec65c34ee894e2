#include "formpencarian.h"

#include "buttons.h"
#include "messages.h"
#include "numberedits.h"
#include "session.h"
#include "windowkeys.h"

#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QHash<QString, TFormPencarian::Editor> &editors()
{
    static QHash<QString, TFormPencarian::Editor> registry;
    return registry;
}

} // namespace

void TFormPencarian::registerEditor(const QString &mode, Editor editor)
{
    editors().insert(mode.toLower(), std::move(editor));
}

TFormPencarian::TFormPencarian(QWidget *parent)
    : QDialog(parent), m_keyword(new QLineEdit(this)), m_grid(new DataGrid(this)),
      m_search(new QPushButton(QStringLiteral("Cari  [Enter]"), this))
{
    setObjectName(QStringLiteral("TFormPencarian"));
    setWindowTitle(QStringLiteral("  Modul Pencarian"));
    resize(520, 420);
    m_keyword->setObjectName(QStringLiteral("EditKataKunci"));
    limitTyping(m_keyword, 120);
    m_grid->setObjectName(QStringLiteral("Daftar"));
    m_grid->setColumns({GridColumn::text(QString(), QStringLiteral("Nama Pelanggan"), 420)});
    m_search->setObjectName(QStringLiteral("TombolCari"));
    m_search->setDefault(true);
    auto *detail = makeButton(this, QStringLiteral("TombolDetail"), QStringLiteral("Detail...  [Ctrl+Enter]"));
    auto *close = makeButton(this, QStringLiteral("TombolTutup"), QStringLiteral("Tutup Form  [Esc]"));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Kata Kunci"), this));
    top->addWidget(m_keyword, 1);
    top->addWidget(m_search);
    auto *bottom = buttonRow({detail}, {close});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);

    auto *popup = new QMenu(this);
    popup->addAction(QStringLiteral("Edit Data..."), this, &TFormPencarian::editCurrent)
        ->setObjectName(QStringLiteral("MenuEditData"));
    popup->addAction(QStringLiteral("Hapus Data"), this, &TFormPencarian::deleteCurrent)
        ->setObjectName(QStringLiteral("MenuHapusData"));
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint &pos) { popup->popup(m_grid->viewport()->mapToGlobal(pos)); });

    connect(m_search, &QPushButton::clicked, this, &TFormPencarian::TombolCariClick);
    connect(detail, &QPushButton::clicked, this, &TFormPencarian::editCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TFormPencarian::editCurrent);
    onDeleteKey(m_grid, [this] { deleteCurrent(); });
    bindKey(this, QKeySequence(Qt::CTRL | Qt::Key_Return), [this] { editCurrent(); });
    bindKey(this, QKeySequence(Qt::CTRL | Qt::Key_Enter), [this] { editCurrent(); });
    bindKey(this, QKeySequence(Qt::CTRL | Qt::Key_Delete), [] {});
}

void TFormPencarian::configure(const Request &request)
{
    m_request = request;
    m_grid->close();
    GridColumn column = request.column;
    if (column.width < 200)
        column.width = 420;
    m_grid->setColumns({column});
}

void TFormPencarian::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_keyword->setFocus();
    TombolCariClick();
}

void TFormPencarian::TombolCariClick()
{
    SqlStatement st(Session::db(), m_request.refreshSql);
    st.bind(QStringLiteral("KataKunci"), QString(QLatin1Char('%') + m_keyword->text().trimmed() + QLatin1Char('%')));
    if (!m_grid->open(st))
        messages().error(m_grid->errorText());
}

void TFormPencarian::editCurrent()
{
    if (m_grid->isEmpty())
        return;
    const auto editor = editors().value(m_request.mode.toLower());
    if (!editor)
        return;
    const int row = m_grid->currentRow();
    if (editor(m_grid->currentRecord())) {
        TombolCariClick();
        m_grid->setCurrentRow(row);
    }
}

void TFormPencarian::deleteCurrent()
{
    if (m_grid->isEmpty() || m_request.deleteSql.isEmpty())
        return;
    if (!messages().askYesNo(QStringLiteral("Apakah yakin akan dihapus?")))
        return;
    const int row = m_grid->currentRow();
    SqlStatement st(Session::db(), m_request.deleteSql);
    st.bind(m_request.keyField, m_grid->currentValue(m_request.keyField));
    if (!st.exec()) {
        messages().error(st.errorText());
        return;
    }
    TombolCariClick();
    m_grid->setCurrentRow(row);
}

void TFormPencarian::keyPressEvent(QKeyEvent *event)
{
    if (!moveByNavigationKey(m_grid, event))
        QDialog::keyPressEvent(event);
}

