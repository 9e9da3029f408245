#pragma once
// The three name tables: variables, procedures and functions, each sorted by
// name ignoring letter case. Entries keep their address for as long as they
// are in a table, so compiled code may point at them.
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "macro/engine/ppa_entries.h"

namespace ppa {

class NameTables {
public:
    VariableEntry* findVariable(std::string_view name) const;
    RoutineEntry* findProcedure(std::string_view name) const;
    RoutineEntry* findFunction(std::string_view name) const;
    bool hasRoutine(std::string_view name) const { return findProcedure(name) || findFunction(name); }

    // Raises the duplicate-name error when the name is taken.
    VariableEntry& addVariable(VariableEntry entry);
    void addRoutine(RoutineEntry entry);

    // Drops what a run declared: VAR variables and host prototypes.
    void removeRunEntries();

private:
    template <typename T>
    using Table = std::map<std::string, std::unique_ptr<T>, std::less<>>;

    Table<VariableEntry> variables_;
    Table<RoutineEntry> procedures_;
    Table<RoutineEntry> functions_;
};

}  // namespace ppa
