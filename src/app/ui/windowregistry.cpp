#include "windowregistry.h"

#include <QHash>

namespace {

QHash<QString, WindowRegistry::Opener> &openers()
{
    static QHash<QString, WindowRegistry::Opener> table;
    return table;
}

} // namespace

namespace WindowRegistry {

void add(const QString &id, Opener opener)
{
    openers().insert(id, std::move(opener));
}

bool has(const QString &id)
{
    return openers().contains(id);
}

bool open(const QString &id)
{
    const auto it = openers().constFind(id);
    if (it == openers().constEnd())
        return false;
    (*it)();
    return true;
}

void clear()
{
    openers().clear();
}

} // namespace WindowRegistry
