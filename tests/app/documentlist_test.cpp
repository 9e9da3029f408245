// The document list on its own: no window, sheets and editors only as the
// addresses that identify documents.
#include "app/documentlist.h"

#include <gtest/gtest.h>

namespace {

// Stand-ins that are never dereferenced.
QWidget* sheet(int n) { return reinterpret_cast<QWidget*>(std::uintptr_t(0x1000 + 16 * n)); }
TEditorEx* editor(int n) { return reinterpret_cast<TEditorEx*>(std::uintptr_t(0x8000 + 16 * n)); }

TDocTab& addDoc(TDocumentList& list, int n, const QString& name) {
    auto doc = std::make_unique<TDocTab>();
    doc->Sheet = sheet(n);
    doc->Editor = editor(n);
    doc->Name = name;
    return list.Add(std::move(doc));
}

TEST(DocumentList, FindsDocumentsByNameIgnoringCaseBySheetAndByEditor) {
    TDocumentList list;
    addDoc(list, 0, "/src/Main.lum");
    addDoc(list, 1, "");
    TDocTab& third = addDoc(list, 2, "/src/表.lum");

    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOfName("/SRC/main.LUM"), 0);
    EXPECT_EQ(list.IndexOfName("/src/表.lum"), 2);
    EXPECT_EQ(list.IndexOfName("/src/other.lum"), -1);
    EXPECT_EQ(list.FirstUntitled(), 1);
    EXPECT_EQ(list.IndexOfSheet(sheet(2)), 2);
    EXPECT_EQ(list.IndexOfSheet(sheet(9)), -1);
    EXPECT_EQ(list.IndexOfEditor(editor(1)), 1);
    EXPECT_EQ(list.IndexOf(&third), 2);
    EXPECT_EQ(list.Names(), QStringList({"/src/Main.lum", "", "/src/表.lum"}));
}

TEST(DocumentList, NamesFollowTheirDocumentsWhenOneIsTakenOut) {
    TDocumentList list;
    addDoc(list, 0, "/a");
    addDoc(list, 1, "/b");
    addDoc(list, 2, "/c");

    const std::unique_ptr<TDocTab> taken = list.Take(1);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->Name, "/b");
    EXPECT_EQ(list.Names(), QStringList({"/a", "/c"}));
    EXPECT_EQ(list.IndexOfSheet(sheet(2)), 1);
    EXPECT_EQ(list.Take(5), nullptr);

    list.SetName(0, "/renamed");
    list.SetName(7, "/nowhere");
    EXPECT_EQ(list.Name(0), "/renamed");
    EXPECT_EQ(list.Name(7), "");
    EXPECT_EQ(list.FirstUntitled(), -1);

    EXPECT_EQ(list.TakeAll().size(), 2u);
    EXPECT_TRUE(list.Empty());
}

TEST(DocumentList, UntitledNumbersRunOnAfterDocumentsClose) {
    TDocumentList list;
    EXPECT_EQ(list.NextUntitledNumber(), 1);
    EXPECT_EQ(list.NextUntitledNumber(), 2);
    list.TakeAll();
    EXPECT_EQ(list.NextUntitledNumber(), 3);
    EXPECT_EQ(list.UntitledCount(), 3);
}

}  // namespace
