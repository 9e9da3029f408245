#include "app/documentlist.h"

template <typename Matches>
int TDocumentList::indexWhere(Matches matches) const {
    for (std::size_t i = 0; i < docs_.size(); ++i)
        if (matches(*docs_[i])) return int(i);
    return -1;
}

TDocTab& TDocumentList::Add(std::unique_ptr<TDocTab> doc) {
    docs_.push_back(std::move(doc));
    return *docs_.back();
}

std::unique_ptr<TDocTab> TDocumentList::Take(int index) {
    if (index < 0 || index >= Count()) return nullptr;
    std::unique_ptr<TDocTab> doc = std::move(docs_[std::size_t(index)]);
    docs_.erase(docs_.begin() + index);
    return doc;
}

std::vector<std::unique_ptr<TDocTab>> TDocumentList::TakeAll() { return std::exchange(docs_, {}); }

int TDocumentList::IndexOf(const TDocTab* doc) const {
    return indexWhere([doc](const TDocTab& candidate) { return &candidate == doc; });
}

int TDocumentList::IndexOfName(const QString& name) const {
    return indexWhere([&name](const TDocTab& doc) { return doc.Name.compare(name, Qt::CaseInsensitive) == 0; });
}

int TDocumentList::IndexOfSheet(const QWidget* sheet) const {
    return indexWhere([sheet](const TDocTab& doc) { return doc.Sheet == sheet; });
}

int TDocumentList::IndexOfEditor(const TEditorEx* editor) const {
    return indexWhere([editor](const TDocTab& doc) { return doc.Editor == editor; });
}

QString TDocumentList::Name(int index) const {
    return index >= 0 && index < Count() ? docs_[std::size_t(index)]->Name : QString();
}

void TDocumentList::SetName(int index, const QString& name) {
    if (index >= 0 && index < Count()) docs_[std::size_t(index)]->Name = name;
}

QStringList TDocumentList::Names() const {
    QStringList names;
    for (const auto& doc : docs_) names.append(doc->Name);
    return names;
}
