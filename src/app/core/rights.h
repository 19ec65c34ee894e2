#pragma once

#include <QString>

#include <bitset>

// The rights string of a position (MasterJabatan.Wewenang): character n,
// counted from 1, is "1" when the position may use menu group n. A missing
// character counts as "0".
class Rights
{
public:
    static constexpr int kCount = 10;
    enum Group {
        Master = 1, Barang, Pembelian, Penjualan, Hutang, Piutang, Laporan, Akuntansi, Utility, Special
    };

    Rights() = default;
    static Rights fromWewenang(const QString &wewenang);
    // Builds the string from ten switches, "1" for on (the position windows' check boxes).
    static QString toWewenang(const std::bitset<kCount> &switches);

    bool has(int group) const { return group >= 1 && group <= kCount && m_bits.test(group - 1); }
    bool none() const { return m_bits.none(); }

private:
    std::bitset<kCount> m_bits;
};
