#pragma once
// What assistive technology reads of an editor view. The component library's
// own reading of the text counts characters from the start of the document on
// every repaint, whether or not anything listens, which made each caret move
// in the lower half of a large file cost tens of milliseconds. This one does
// its counting only when a reader asks, through the document's line index of
// UTF-16 positions, which it allocates then and not before.

// Makes every editor view read through the interface above. Idempotent; must
// run after the first view exists, so that it is asked before the library's
// own factory.
void InstallEditorAccessibility();
