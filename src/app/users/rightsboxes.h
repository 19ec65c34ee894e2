#pragma once

#include <QWidget>

#include <array>

class QCheckBox;

// The ten rights check boxes of the position windows, in label order;
// CheckWewenang1 to CheckWewenang10.
class RightsBoxes : public QWidget
{
    Q_OBJECT
public:
    explicit RightsBoxes(QWidget *parent = nullptr);

    QString wewenang() const;                 // "1" checked, "0" unchecked
    void setWewenang(const QString &wewenang); // a missing character unchecks
    void clear();

private:
    std::array<QCheckBox *, 10> m_boxes{};
};
