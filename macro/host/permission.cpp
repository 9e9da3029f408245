#include "macro/host/permission.h"

#include "macro/engine/poor_pascal.h"
#include "macro/host/macromessages.h"
#include "macro/host/macrowindow.h"

void RequireMacroPermission(MacroWindow& window, ppa::TPoorPascal& ppa) {
    if (window.PermitAllMacro()) return;
    ShowMacroMessage(MacroMessage::NotPermitted, window.Widget());
    // Terminate sets the stop flag and raises; the second raise only serves a
    // call outside a run, where Terminate does nothing.
    ppa.Terminate();
    ppa::raiseError(ppa::PPAMessage::Aborted);
}
