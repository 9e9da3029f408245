#pragma once
// The permission gate: reading and writing files and starting programs from
// a macro that runs in the editor need the setting "全てのマクロ命令を許可する".
// Without it the user is told so and the run ends with "実行を中断しました"
// before anything is read, written or started.
class MacroWindow;

namespace ppa {
class TPoorPascal;
}

// Returns when permitted; otherwise shows the refusal and raises.
void RequireMacroPermission(MacroWindow& window, ppa::TPoorPascal& ppa);
