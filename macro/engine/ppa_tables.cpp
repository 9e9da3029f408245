#include "macro/engine/ppa_tables.h"

#include "macro/engine/ppa_error.h"
#include "macro/engine/sjis.h"

namespace ppa {
namespace {

template <typename Table>
auto* find(const Table& table, std::string_view name) {
    const auto it = table.find(sjis::upper(name));
    return it == table.end() ? nullptr : it->second.get();
}

template <typename Table, typename Keep>
void eraseUnless(Table& table, Keep keep) {
    for (auto it = table.begin(); it != table.end();)
        it = keep(*it->second) ? std::next(it) : table.erase(it);
}

}  // namespace

VariableEntry* NameTables::findVariable(std::string_view name) const { return find(variables_, name); }
RoutineEntry* NameTables::findProcedure(std::string_view name) const { return find(procedures_, name); }
RoutineEntry* NameTables::findFunction(std::string_view name) const { return find(functions_, name); }

VariableEntry& NameTables::addVariable(VariableEntry entry) {
    std::string key = sjis::upper(entry.Name);
    if (variables_.count(key)) raiseError(PPAMessage::DuplicateVariable, entry.Name);
    auto& slot = variables_[std::move(key)];
    slot = std::make_unique<VariableEntry>(std::move(entry));
    return *slot;
}

void NameTables::addRoutine(RoutineEntry entry) {
    auto& table = entry.IsFunction ? functions_ : procedures_;
    std::string key = entry.Name;
    table[std::move(key)] = std::make_unique<RoutineEntry>(std::move(entry));
}

void NameTables::removeRunEntries() {
    eraseUnless(variables_, [](const VariableEntry& v) { return v.Permanent; });
    eraseUnless(procedures_, [](const RoutineEntry& r) { return r.BuiltIn; });
    eraseUnless(functions_, [](const RoutineEntry& r) { return r.BuiltIn; });
}

}  // namespace ppa
