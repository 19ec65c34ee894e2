#include "scriptdialog.h"

#include "buttons.h"
#include "formtunggusebentar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

ScriptDialog::ScriptDialog(const QString &objectName, const QString &caption, const QString &fieldLabel,
                           const QString &executeCaption, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_path(new QLineEdit(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    m_path->setObjectName(QStringLiteral("EditFile"));
    m_path->setMinimumWidth(380);
    auto *browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("TombolBrowse"));
    browse->setText(QStringLiteral("..."));
    auto *execute = makeButton(this, QStringLiteral("TombolExecute"), executeCaption, ButtonRole::Default);
    auto *close = makeButton(this, QStringLiteral("TombolClose"), QStringLiteral("Close"));

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(fieldLabel, this));
    row->addWidget(m_path, 1);
    row->addWidget(browse);
    auto *buttons = buttonRow({}, {execute, close});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    connect(browse, &QToolButton::clicked, this, [this] { TombolBrowseClick(); });
    connect(execute, &QPushButton::clicked, this, [this] { TombolExecuteClick(); });
    connect(close, &QPushButton::clicked, this, [this] { TombolCloseClick(); });
}

ScriptResult ScriptDialog::runScript(const QString &folder, const QString &base, const QStringList &arguments,
                                     const ConnectionSettings &connection)
{
    QApplication::processEvents();
    TFormTungguSebentar busy(m_firstStart ? TFormTungguSebentar::Kind::Awal : TFormTungguSebentar::Kind::Normal);
    busy.showBusy();
    const ScriptResult result =
        ScriptRunner::run(ScriptRunner::scriptFor(folder, base), arguments, connection.scriptEnvironment());
    busy.hide();
    return result;
}

void ScriptDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        TombolCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}
