#pragma once
// Qt shows a button's caption as its tool tip when the action has none; a
// command without a hint (全て保存, 再描画) shows no tool tip at all.
class QToolButton;

void keepHintlessButtonsQuiet(QToolButton* button);
