#include "rights.h"

Rights Rights::fromWewenang(const QString &wewenang)
{
    Rights r;
    for (int i = 0; i < kCount && i < wewenang.size(); ++i)
        r.m_bits.set(i, wewenang.at(i) == QLatin1Char('1'));
    return r;
}

QString Rights::toWewenang(const std::bitset<kCount> &switches)
{
    QString s;
    for (int i = 0; i < kCount; ++i)
        s += switches.test(i) ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}
