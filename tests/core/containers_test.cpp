// Growth, ownership and lookup rules of the containers, and the record queue.
#include <gtest/gtest.h>

#include <string>

#include "core/containers.h"
#include "core/record_queue.h"

namespace {

TEST(FastArray, GrowthRule) {
    struct Case {
        int fill, grow, growBy, expectedCapacity;
    } cases[] = {
        {100, 1, 0, 112},      // 100 / 8 = 12
        {0, 1, 0, 4},          // step at least 4
        {16, 1, 0, 20},        // 16 / 8 = 2 -> 4
        {10000, 1, 0, 11024},  // step at most 1024
        {10, 50, 0, 60},       // short of the request: exactly the request
        {10, 1, 3, 13},        // an explicit grow-by wins
    };
    for (const Case& c : cases) {
        SFastArray<int> a;
        a.SetGrowBy(c.growBy);
        a.SetSize(c.fill);
        ASSERT_EQ(a.GetCapacity(), c.fill);
        a.SetSize(c.fill + c.grow);
        EXPECT_EQ(a.GetCapacity(), c.expectedCapacity) << "fill " << c.fill << " grow " << c.grow;
        EXPECT_EQ(a[c.fill + c.grow - 1], 0) << "new elements are zero";
    }
}

TEST(FastArray, SizeZeroFreesStorage) {
    SFastArray<char> a;
    a.SetSize(50);
    a.SetSize(0);
    EXPECT_EQ(a.GetCapacity(), 0);
    EXPECT_EQ(a.GetData(), nullptr);
}

struct Counted {
    static int alive;
    static std::string order;
    int id;
    explicit Counted(int i) : id(i) { ++alive; }
    ~Counted() {
        --alive;
        order += std::to_string(id);
    }
};
int Counted::alive = 0;
std::string Counted::order;

TEST(PtrArray, OwnsElementsDeletesLastToFirstAndSkipsNulls) {
    Counted::order.clear();
    {
        SPtrArray<Counted> a;
        a.Add(new Counted(1));
        a.Add(nullptr);
        a.Add(new Counted(2));
        a.Add(new Counted(3));
        EXPECT_EQ(Counted::alive, 3);
    }
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_EQ(Counted::order, "321");
}

TEST(PtrArray, RemoveAtHandsBackWithoutDeleting) {
    SPtrArray<Counted> a;
    Counted* kept = new Counted(7);
    a.Add(kept);
    a.RemoveAt(0);
    EXPECT_EQ(Counted::alive, 1);
    delete kept;
    a.Add(new Counted(8));
    a.RemoveAll();
    EXPECT_EQ(Counted::alive, 0);
}

TEST(Str2Map, LookupIsExactAndCaseSensitive) {
    SStr2StrMap map;
    map.Set("Abc", "first");
    map.Set("abc", "second");
    map.Set(
        "\xB9"
        "cz",
        "polish");  // a key starting with a high byte
    EXPECT_EQ(map.GetCount(), 3);
    EXPECT_EQ(map.ValueAt(map.Find("Abc")), "first");
    EXPECT_EQ(map.ValueAt(map.Find("abc")), "second");
    EXPECT_EQ(map.Find("ABC"), -1);
    EXPECT_EQ(map.Find("Ab"), -1);
    EXPECT_EQ(map.Find("\xB9"
                       "cz"),
              2);
    EXPECT_EQ(map.Find(""), -1);
    EXPECT_EQ(map.Find(static_cast<const char*>(nullptr)), -1);
}

TEST(Str2Map, SetKeepsPositionAndIgnoresEmptyKeys) {
    SStr2IntMap map;
    map.Set("one", 1);
    map.Set("two", 2);
    map.Set("one", 11);
    map.Set("", 5);
    map.Set(static_cast<const char*>(nullptr), 6);
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_EQ(map.Find("one"), 0);
    EXPECT_EQ(map.ValueAt(0), 11);
    map.RemoveAll();
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(map.Find("one"), -1);
}

TEST(RecordQueue, CopiesRecordsAndRefusesBadOnes) {
    SRecordQueue q;
    char text[] = "abc";
    EXPECT_EQ(q.Append(text, 3), 1);
    text[0] = 'X';  // the queue holds its own copy
    EXPECT_EQ(std::string(static_cast<char*>(q.GetAt(0)), q.GetLength(0)), "abc");
    EXPECT_EQ(q.Append(text, 0), 0);
    EXPECT_EQ(q.Append(nullptr, 3), 0);
    EXPECT_EQ(q.GetCount(), 1);

    EXPECT_EQ(q.InsertAt(0, "zz", 2), 1);
    EXPECT_EQ(q.InsertAt(99, "end", 3), 1);  // past the end: appended
    EXPECT_EQ(q.GetCount(), 3);
    EXPECT_EQ(q.GetLength(0), 2u);
    EXPECT_EQ(q.GetLength(2), 3u);

    q.MarkStarted(1);
    EXPECT_EQ(q.IsStarted(1), 1);
    EXPECT_EQ(q.Replace(1, "abcd", 4), 1);
    EXPECT_EQ(q.IsStarted(1), 1);
    EXPECT_EQ(q.GetLength(1), 4u);

    auto clone = q.Clone();
    ASSERT_TRUE(clone);
    EXPECT_EQ(clone->GetCount(), 3);
    EXPECT_NE(clone->GetAt(1), q.GetAt(1));
    EXPECT_EQ(clone->IsStarted(1), 1);

    EXPECT_EQ(q.RemoveAt(0), 1);
    EXPECT_EQ(q.RemoveAt(5), 0);
    EXPECT_EQ(q.RemoveAt(-1), 0);
    EXPECT_EQ(q.GetAt(7), nullptr);
    EXPECT_EQ(q.GetLength(-1), 0u);
    EXPECT_EQ(q.IsStarted(9), 0);
    EXPECT_EQ(q.GetCount(), 2);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(q.Append("r", 1), 1);
    EXPECT_EQ(q.GetCount(), 1002);
}

}  // namespace
