#include <gtest/gtest.h>

#include "core/Bindings.h"

// The scenarios get and set the game's bound members; here flags and the refusals.
TEST(Bindings, RefuseUnknownNamesAndWrongTypes) {
  int count = 3;
  float money = 2000;
  bool flag = false;
  Bindings bindings;
  bindings.Bind("A.Count", count);
  bindings.Bind("A.Money", money);
  bindings.Bind("A.Flag", flag);
  EXPECT_TRUE(bindings.Set("A.Flag", ScriptValue(true)));
  EXPECT_EQ(bindings.Get("A.Flag"), ScriptValue(true));
  EXPECT_FALSE(bindings.Set("A.Flag", ScriptValue(1)));
  EXPECT_FALSE(bindings.Get("A.Other").has_value());
  EXPECT_FALSE(bindings.Set("A.Other", ScriptValue(1)));
  EXPECT_FALSE(bindings.Set("A.Count", ScriptValue(std::string("3"))));
  EXPECT_FALSE(bindings.Set("A.Count", ScriptValue(1.5f)));
  EXPECT_EQ(count, 3);
  EXPECT_TRUE(bindings.Set("A.Money", ScriptValue(12)));  // whole numbers fit a float
  EXPECT_EQ(money, 12.0f);
}
