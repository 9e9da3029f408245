#pragma once
// The open documents in the order of their tabs, each with the full path of
// its file (empty while untitled), and the count of untitled documents made
// so far. It never touches a widget: sheets and editors only identify
// documents here, and whoever takes a document out frees its widgets.
#include "app/doctab.h"

#include <QStringList>

#include <memory>
#include <ranges>
#include <vector>

class TDocumentList {
public:
    int Count() const { return int(docs_.size()); }
    bool Empty() const { return docs_.empty(); }
    // `index` must lie in 0 .. Count() - 1.
    TDocTab& operator[](int index) const { return *docs_[std::size_t(index)]; }
    // The documents in tab order, as TDocTab&.
    auto All() const {
        return docs_ | std::views::transform([](const std::unique_ptr<TDocTab>& doc) -> TDocTab& { return *doc; });
    }

    TDocTab& Add(std::unique_ptr<TDocTab> doc);
    std::unique_ptr<TDocTab> Take(int index);
    std::vector<std::unique_ptr<TDocTab>> TakeAll();

    // Each gives -1 when no document matches.
    int IndexOf(const TDocTab* doc) const;
    // Paths are compared ignoring letter case.
    int IndexOfName(const QString& name) const;
    int IndexOfSheet(const QWidget* sheet) const;
    // The document whose main view `editor` is.
    int IndexOfEditor(const TEditorEx* editor) const;
    // The first document without a file.
    int FirstUntitled() const { return IndexOfName(QString()); }

    // Empty for an untitled document and for an index out of range.
    QString Name(int index) const;
    void SetName(int index, const QString& name);
    // Entry i: the name of document i.
    QStringList Names() const;

    // Numbers the untitled documents "新規 (1)", "新規 (2)", … for the whole run.
    int NextUntitledNumber() { return ++untitledCount_; }
    int UntitledCount() const { return untitledCount_; }

private:
    template <typename Matches>
    int indexWhere(Matches matches) const;

    std::vector<std::unique_ptr<TDocTab>> docs_;
    int untitledCount_ = 0;
};
