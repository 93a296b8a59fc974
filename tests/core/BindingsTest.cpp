#include <gtest/gtest.h>

#include "core/Bindings.h"

TEST(Bindings, ReadAndWriteMembersInPlace) {
  int count = 3;
  float money = 2000;
  std::string name = "Вася";
  bool flag = false;
  Bindings bindings;
  bindings.Bind("A.Count", count);
  bindings.Bind("A.Money", money);
  bindings.Bind("A.Name", name);
  bindings.Bind("A.Flag", flag);

  EXPECT_EQ(bindings.Get("A.Count"), ScriptValue(3));
  EXPECT_TRUE(bindings.Set("A.Count", ScriptValue(9)));
  EXPECT_EQ(count, 9);
  EXPECT_TRUE(bindings.Set("A.Money", ScriptValue(12)));  // whole numbers fit a float
  EXPECT_EQ(money, 12.0f);
  EXPECT_TRUE(bindings.Set("A.Name", ScriptValue(std::string("Петя"))));
  EXPECT_EQ(name, "Петя");
  EXPECT_TRUE(bindings.Set("A.Flag", ScriptValue(true)));
  EXPECT_TRUE(flag);
}

TEST(Bindings, RefuseUnknownNamesAndWrongTypes) {
  int count = 3;
  Bindings bindings;
  bindings.Bind("A.Count", count);
  EXPECT_FALSE(bindings.Get("A.Other").has_value());
  EXPECT_FALSE(bindings.Set("A.Other", ScriptValue(1)));
  EXPECT_FALSE(bindings.Set("A.Count", ScriptValue(std::string("3"))));
  EXPECT_FALSE(bindings.Set("A.Count", ScriptValue(1.5f)));
  EXPECT_EQ(count, 3);
}
