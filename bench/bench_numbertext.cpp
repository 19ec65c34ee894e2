// Number text on every edit exit and every number a window shows.

#include "numbertext.h"

#include <QTest>

class BenchNumberText : public QObject
{
    Q_OBJECT
    QStringList m_inputs;

private Q_SLOTS:
    void initTestCase()
    {
        for (int i = 0; i < 1000; ++i)
            m_inputs << QString::number(i * 7919LL * 1013) + "," + QString::number(i % 1000);
    }
    void formatUang()
    {
        QBENCHMARK {
            for (const QString &s : std::as_const(m_inputs))
                NumberText::FormatUang(s);
        }
    }
    void formatAngka()
    {
        QBENCHMARK {
            for (const QString &s : std::as_const(m_inputs))
                NumberText::FormatAngka(s);
        }
    }
    void parseBack()
    {
        QStringList formatted;
        for (const QString &s : std::as_const(m_inputs))
            formatted << NumberText::FormatUang(s);
        QBENCHMARK {
            for (const QString &s : std::as_const(formatted))
                NumberText::parse(s);
        }
    }
};

QTEST_GUILESS_MAIN(BenchNumberText)
#include "bench_numbertext.moc"
