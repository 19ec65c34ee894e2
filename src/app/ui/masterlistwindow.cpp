#include "masterlistwindow.h"

#include "buttons.h"
#include "messages.h"
#include "session.h"
#include "sharedwindow.h"
#include "windowkeys.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

MasterListWindow::MasterListWindow(const Definition &definition, QWidget *parent)
    : QDialog(parent), m_definition(definition), m_grid(new DataGrid(this)), m_entries(new QVBoxLayout)
{
    setObjectName(definition.objectName);
    setWindowTitle(definition.caption);
    resize(760, 560);
    m_grid->setObjectName(QStringLiteral("Daftar"));
    m_grid->setColumns(definition.columns);
    onDeleteKey(m_grid, [this] { deleteCurrent(); });

    auto *menuBar = new QMenuBar(this);
    QMenu *menu = menuBar->addMenu(QStringLiteral("Menu"));
    m_autoPosition = menu->addAction(QStringLiteral("Posisi Otomatis"));
    m_autoPosition->setObjectName(QStringLiteral("MenuPosisiOtomatis"));
    m_autoPosition->setCheckable(true);
    m_autoPosition->setChecked(true);
    QAction *search = menu->addAction(QStringLiteral("Pencarian..."), this, &MasterListWindow::showSearch);
    search->setObjectName(QStringLiteral("MenuPencarian"));
    search->setShortcut(definition.searchKey);
    search->setShortcutContext(Qt::WindowShortcut);
    addAction(search);

    auto *popup = new QMenu(this);
    popup->addAction(QStringLiteral("Edit Data..."), this, &MasterListWindow::editCurrent)
        ->setObjectName(QStringLiteral("MenuEditData"));
    popup->addAction(QStringLiteral("Hapus Data"), this, &MasterListWindow::deleteCurrent)
        ->setObjectName(QStringLiteral("MenuHapusData"));
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint &pos) { popup->popup(m_grid->viewport()->mapToGlobal(pos)); });
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &MasterListWindow::editCurrent);

    auto *add = makeButton(this, QStringLiteral("TombolTambah"), definition.addCaption, ButtonRole::Default);
    connect(add, &QPushButton::clicked, this, &MasterListWindow::addRecord);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    if (definition.clearButton) {
        auto *clear = makeButton(this, QStringLiteral("TombolBersihkan"), QStringLiteral("Bersihkan Form"));
        connect(clear, &QPushButton::clicked, this, &MasterListWindow::clearForm);
        buttons->addWidget(clear);
    }
    buttons->addStretch();
    auto *close = makeButton(this, QStringLiteral("TombolTutup"), QStringLiteral("Tutup Form  [Esc]"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_grid, 1);
    layout->addLayout(m_entries);
    layout->addLayout(buttons);

    bindKey(this, QKeySequence(Qt::CTRL | Qt::Key_Delete), [] {});
}

bool MasterListWindow::autoPosition() const
{
    return m_autoPosition->isChecked();
}

void MasterListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    prepareShow();
    clearEntries();
    nameEdit()->setFocus();
    reopenList();
}

bool MasterListWindow::reopenList()
{
    SqlStatement st(Session::db(), m_definition.listSql);
    if (!m_grid->open(st)) {
        messages().error(m_grid->errorText());
        return false;
    }
    return true;
}

void MasterListWindow::clearForm()
{
    clearEntries();
    nameEdit()->setFocus();
}

bool MasterListWindow::runWrite(SqlStatement &statement)
{
    if (statement.exec())
        return true;
    messages().error(statement.errorText());
    return false;
}

void MasterListWindow::showDuplicate(const QString &message, const QVariant &existingKey)
{
    messages().error(message);
    m_grid->setCurrentRow(0);
    if (autoPosition() && existingKey.isValid())
        positionOnKey(existingKey);
}

void MasterListWindow::addRecord()
{
    const QString name = nameEdit()->text().trimmed();
    if (!acceptNewName(name))
        return;
    SqlStatement check(Session::db(), nameCheckSql());
    check.bindAll(name);
    if (!check.exec()) {
        messages().error(check.errorText());
        return;
    }
    if (check.query().first()) {
        showDuplicate(duplicateMessage(), check.query().value(0));
        return;
    }
    if (!acceptNewRecord() || !insertRecord(name))
        return;
    reopenList();
    if (autoPosition())
        positionOnName(name);
    clearEntries();
    nameEdit()->setFocus();
}

void MasterListWindow::editCurrent()
{
    if (m_grid->isEmpty())
        return;
    const QVariant key = m_grid->currentValue(m_definition.keyField);
    if (!editRecord(m_grid->currentRecord()))
        return;
    reopenList();
    if (autoPosition())
        positionOnKey(key);
}

void MasterListWindow::deleteCurrent()
{
    if (m_grid->isEmpty())
        return;
    if (!messages().askYesNo(QStringLiteral("Apakah yakin akan dihapus?")))
        return;
    const int row = m_grid->currentRow();
    SqlStatement st(Session::db(), m_definition.deleteSql);
    st.bind(m_definition.keyField, m_grid->currentValue(m_definition.keyField));
    if (!runWrite(st))
        return;
    reopenList();
    m_grid->setCurrentRow(row);
}

void MasterListWindow::showSearch()
{
    auto &dialog = sharedWindow<TFormPencarian>();
    dialog.configure(m_definition.search);
    dialog.exec();
    nameEdit()->setFocus();
    reopenList();
}

void MasterListWindow::positionOnKey(const QVariant &key)
{
    positionOn(m_definition.keyField, key, Qt::CaseSensitive);
}

void MasterListWindow::positionOnName(const QString &name)
{
    positionOn(m_definition.nameField, name, Qt::CaseInsensitive);
}

void MasterListWindow::positionOn(const QString &field, const QVariant &value, Qt::CaseSensitivity cs)
{
    if (m_grid->isEmpty())
        return;
    m_grid->setUpdatesEnabled(false);
    const int found = m_grid->findRow(field, value, std::max(0, m_grid->currentRow()), cs);
    m_grid->setCurrentRow(found >= 0 ? found : m_grid->rowCountAll() - 1);
    m_grid->setUpdatesEnabled(true);
}

void MasterListWindow::keyPressEvent(QKeyEvent *event)
{
    if (!moveByNavigationKey(m_grid, event))
        QDialog::keyPressEvent(event);
}

