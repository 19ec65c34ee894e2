#pragma once

#include <QString>

#include <functional>

// How the main window reaches the module windows: each subsystem registers
// an opener under the entry's id ("TransaksiPenjualan", "MasterBarang") at
// start-up, in one place of its own. An entry whose id has no opener is
// disabled, never a silent no-op.
namespace WindowRegistry {

using Opener = std::function<void()>;

void add(const QString &id, Opener opener);
bool has(const QString &id);
// Runs the opener; false when none is registered.
bool open(const QString &id);
// Forgets every opener (tests).
void clear();

} // namespace WindowRegistry
