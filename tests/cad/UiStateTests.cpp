#include "platform/cad/AbstractUiStateManager.h"

#include <gtest/gtest.h>

TEST(UiState, EachKindReadsBackAndDefaultsOtherwise)
{
    auto& ui = AbstractUiStateManager::Get();
    ui.SetValue("b3DView", true);
    ui.SetValue("Popmsg.Type", 2);
    ui.SetValue("Big", std::int64_t(1) << 40);
    ui.SetValue("ModelInfoName", "ZT_Tmp_ModelInfo");
    Json::Value json;
    json["x"] = 1.5;
    ui.SetValue("MoveDyn", json);

    EXPECT_TRUE(ui.GetBool("b3DView"));
    EXPECT_EQ(ui.GetInt("Popmsg.Type", 0), 2);
    EXPECT_EQ(ui.GetInt64("Popmsg.Type"), 2);
    EXPECT_EQ(ui.GetInt64("Big"), std::int64_t(1) << 40);
    EXPECT_EQ(ui.GetInt("Big", 7), 7); // does not fit an int
    EXPECT_EQ(ui.GetString("ModelInfoName"), "ZT_Tmp_ModelInfo");
    EXPECT_DOUBLE_EQ(ui.GetJson("MoveDyn")["x"].asDouble(), 1.5);

    EXPECT_EQ(ui.GetInt("Popmsg.Delay.Time", 2000), 2000);
    EXPECT_EQ(ui.GetInt("b3DView", 5), 5); // wrong kind
    EXPECT_FALSE(ui.GetBool("ModelInfoName"));
    bool untouched = true;
    EXPECT_FALSE(ui.GetValue("missing", untouched));
    EXPECT_TRUE(untouched);
}

TEST(UiState, KeysAreCaseSensitiveAndOverwrite)
{
    auto& ui = AbstractUiStateManager::Get();
    ui.SetValue("Key", 1);
    ui.SetValue("key", 2);
    ui.SetValue("Key", "text");
    EXPECT_EQ(ui.GetString("Key"), "text");
    EXPECT_EQ(ui.GetInt("key"), 2);
    ui.RemoveValue("Key");
    EXPECT_FALSE(ui.HasValue("Key"));
    ui.SetValue(nullptr, 3);
    EXPECT_FALSE(ui.HasValue(nullptr));
}
