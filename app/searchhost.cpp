#include "app/searchhost.h"

#include "app/dirlistbox.h"
#include "app/mainunit.h"

TEditorEx* TSearchHost::CurrentEditor() { return window_.CurEditor; }

TSettings& TSearchHost::Settings() { return window_.Settings; }

QWidget* TSearchHost::DialogOwner() { return &window_; }

void TSearchHost::UpdateModifiedMark() { window_.UpdateModifiedMark(); }

bool TSearchHost::IsDocumentOpen(const QString& path) { return window_.DocTabs.IndexOfName(path) >= 0; }

void TSearchHost::OpenDocument(const QString& path) { window_.OpenDocument(path, true); }

void TSearchHost::ActivateDocument(const QString& path) { window_.ActivateDocument(path); }

QString TSearchHost::ExplorerFolder() { return window_.DirList->Directory(); }

void TSearchHost::CenterCaretRow() { window_.CenterCaretRow(); }
