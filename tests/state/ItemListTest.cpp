#include <gtest/gtest.h>

#include "state/ItemList.h"

namespace {

using Lines = std::vector<std::string>;

// Writes down what the list announces, one word per call.
class Recorder : public ItemListObserver {
 public:
  void BeforeInsert(int row) override { calls.push_back("insert " + std::to_string(row)); }
  void AfterInsert() override { calls.push_back("inserted"); }
  void BeforeRemove(int row) override { calls.push_back("remove " + std::to_string(row)); }
  void AfterRemove() override { calls.push_back("removed"); }
  void BeforeReset() override { calls.push_back("reset"); }
  void AfterReset() override { calls.push_back("was reset"); }
  Lines calls;
};

TEST(ItemList, KeepsLinesInOrderWithEqualLinesApart) {
  ItemList list;
  list.Append("Шлем слепоты");
  list.Append("Зелье ХП");
  list.Append("Шлем слепоты");
  EXPECT_EQ(list.Lines(), (Lines{"Шлем слепоты", "Зелье ХП", "Шлем слепоты"}));
  ASSERT_TRUE(list.RemoveAt(2));
  EXPECT_EQ(list.Lines(), (Lines{"Шлем слепоты", "Зелье ХП"}));
  EXPECT_EQ(list.LineAt(1), "Зелье ХП");
  list.ReplaceAll({"Рубин [2]"});
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.LineAt(0), "Рубин [2]");
}

TEST(ItemList, ALineThatIsNotThereChangesNothingAndReadsEmpty) {
  ItemList list;
  Recorder recorder;
  list.Watch(recorder);
  EXPECT_FALSE(list.RemoveAt(0));
  list.Append("Алмаз [1]");
  EXPECT_FALSE(list.RemoveAt(-1));
  EXPECT_FALSE(list.RemoveAt(1));
  EXPECT_EQ(list.LineAt(-1), "");
  EXPECT_EQ(list.LineAt(1), "");
  EXPECT_EQ(list.Lines(), Lines{"Алмаз [1]"});
  // Only the append was announced.
  EXPECT_EQ(recorder.calls, (Lines{"insert 0", "inserted"}));
}

TEST(ItemList, AnnouncesEachChangeAroundItUntilUnwatched) {
  ItemList list;
  Recorder recorder;
  list.Watch(recorder);
  list.Append("a");
  list.Append("b");
  list.RemoveAt(0);
  list.ReplaceAll({});
  EXPECT_EQ(recorder.calls, (Lines{"insert 0", "inserted", "insert 1", "inserted", "remove 0",
                                   "removed", "reset", "was reset"}));
  list.Unwatch(recorder);
  list.Append("c");
  EXPECT_EQ(recorder.calls.size(), 8u);
}

}  // namespace
