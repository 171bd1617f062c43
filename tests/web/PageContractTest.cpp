// What crosses between the core and the page's script: the JSON the core writes and
// reads, the dialogs' answers, and the constants module the page imports.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <string>

#include "app/CommandIds.h"
#include "platform/DialogTexts.h"
#include "web/DialogAnswers.h"
#include "web/JsonReader.h"
#include "web/PageConstants.h"
#include "web/PageJson.h"

namespace {

using web::JsonValue;
using web::parseJson;

// Random text of every kind of character: controls, quotes, backslashes, Cyrillic,
// and characters beyond the basic plane.
std::string randomText(std::mt19937& random) {
    const std::string pool[] = {
        std::string(1, '\0'), "\n", "\t", "\x1f", "\"", "\\", "/", "a", "Я", "ё", "«", "\u2028",
        "\U0001F600",         "<",  "%"};
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < length; ++i)
        text += pool[std::uniform_int_distribution<size_t>(0, std::size(pool) - 1)(random)];
    return text;
}

TEST(PageJsonTest, WhatTheCoreWritesItReadsBackExactly) {
    std::mt19937 random(2026);
    for (int round = 0; round < 500; ++round) {
        const std::string text = randomText(random);
        const double number = std::uniform_real_distribution<double>(-1e6, 1e6)(random);
        const std::string json = web::JsonObject()
                                     .add("text", text)
                                     .add("number", number)
                                     .add("flag", round % 2 == 0)
                                     .add("inner", web::JsonObject().add("n", round))
                                     .add("list", web::JsonArray().add(text).add(text.c_str()))
                                     .str();
        const std::optional<JsonValue> read = parseJson(json);
        ASSERT_TRUE(read) << json;
        EXPECT_EQ(read->member("text")->asString(), text) << json;
        EXPECT_EQ(read->member("number")->asNumber(), number) << json;
        EXPECT_EQ(read->member("flag")->asBool(), round % 2 == 0);
        EXPECT_EQ(read->member("inner")->member("n")->asNumber(), round);
        const std::vector<JsonValue>& list = read->member("list")->items();
        ASSERT_EQ(list.size(), 2u) << json;
        EXPECT_EQ(list[0].asString(), text) << json;
        // Text with a NUL ends there when it comes as a C string.
        EXPECT_EQ(list[1].asString(), text.substr(0, text.find('\0'))) << json;
    }
}

TEST(PageJsonTest, TheScriptsEscapesAndNumbersAreRead) {
    const std::optional<JsonValue> read = parseJson(
        R"( { "a" : [1, -0.5, 2.5e3, 1E-2, 0, true, false, null, {}, []],
              "s": "\"\\\/\b\f\n\r\t\u0041\u044f\ud83d\ude00", "s": "later" } )");
    ASSERT_TRUE(read);
    const std::vector<JsonValue>& items = read->member("a")->items();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0].asNumber(), 1.0);
    EXPECT_EQ(items[1].asNumber(), -0.5);
    EXPECT_EQ(items[2].asNumber(), 2500.0);
    EXPECT_EQ(items[3].asNumber(), 0.01);
    EXPECT_EQ(items[5].asBool(), true);
    EXPECT_EQ(items[7].type(), JsonValue::Type::Null);
    EXPECT_EQ(items[8].type(), JsonValue::Type::Object);
    EXPECT_EQ(items[9].type(), JsonValue::Type::Array);
    EXPECT_EQ(read->member("s")->asString(), "later") << "the last of two equal keys counts";
    EXPECT_EQ(parseJson(R"("\"\\\/\b\f\n\r\t\u0041\u044f\ud83d\ude00")")->asString(),
              "\"\\/\b\f\n\r\t\x41я\xF0\x9F\x98\x80");
}

TEST(PageJsonTest, WhatIsNoJsonIsRefused) {
    const char* const refused[] = {
        "",          " ",           "{",           "}",
        "[1,]",      R"({"a":1,})", R"({"a" 1})",  "{a:1}",
        "'a'",       R"("a)",       "01",          "1.",
        ".5",        "-",           "1e",          "+1",
        "NaN",       "Infinity",    "1e400",       "tru",
        "nul",       "[1] 2",       "\"\t\"",      R"("\x")",
        R"("\u12")", R"("\ud83d")", R"("\ude00")", R"("\ud83d\u0041")",
    };
    for (const char* text : refused) EXPECT_FALSE(parseJson(text)) << text;
    const std::string deep(65, '[');
    EXPECT_FALSE(parseJson(deep + std::string(65, ']'))) << "nesting has a limit";
    EXPECT_TRUE(parseJson(std::string(64, '[') + std::string(64, ']')));
}

TEST(DialogAnswersTest, AnswersAreTakenAsTheyStandOrNotAtAll) {
    const auto logic = [](const char* json) { return web::logicElementAnswer(*parseJson(json)); };
    EXPECT_EQ(logic(R"({"conjunction":false,"inputs":7,"inverted":true})"),
              (LogicElementParams{false, 7, true}));
    // The core, not the reader, refuses a count beyond the limits.
    EXPECT_EQ(logic(R"({"conjunction":true,"inputs":10,"inverted":false})"),
              (LogicElementParams{true, 10, false}));
    for (const char* json : {R"({"conjunction":true,"inputs":2.5,"inverted":false})",
                             R"({"conjunction":true,"inputs":-1,"inverted":false})",
                             R"({"conjunction":true,"inputs":4294967296,"inverted":false})",
                             R"({"conjunction":1,"inputs":2,"inverted":false})",
                             R"({"conjunction":true,"inputs":"2","inverted":false})",
                             R"({"conjunction":true,"inputs":2})", "[]", "null"})
        EXPECT_FALSE(logic(json)) << json;

    const auto generator = [](const char* json) { return web::generatorAnswer(*parseJson(json)); };
    EXPECT_EQ(generator(R"({"period":2.5,"duty":0.1,"delay":0})"),
              (GeneratorParams{2.5f, 0.1f, 0.0f}));
    EXPECT_FALSE(generator(R"({"period":1e300,"duty":0.5,"delay":0})"));
    EXPECT_FALSE(generator(R"({"period":"2","duty":0.5,"delay":0})"));

    const auto pin = [](const char* json) { return web::pinChoiceAnswer(*parseJson(json)); };
    EXPECT_EQ(pin(R"({"pin":0})"), 0);
    EXPECT_EQ(pin(R"({"pin":10})"), 10);
    for (const char* json : {R"({"pin":null})", R"({"pin":11})", R"({"pin":-1})", "{}"})
        EXPECT_FALSE(pin(json)) << json;

    EXPECT_EQ(web::fileNameAnswer(*parseJson(R"({"name":"схема.vrt"})")), "схема.vrt");
    EXPECT_FALSE(web::fileNameAnswer(*parseJson(R"({"name":7})")));
}

// Every line of the module is the preamble's or one export of a frozen JSON table,
// and the tables hold the headers' values, floats exactly.
TEST(PageConstantsTest, TheModuleHoldsTheHeadersValues) {
    const std::string module = web::pageConstants();
    std::map<std::string, JsonValue> tables;
    const std::string exportStart = "export const ";
    size_t at = 0;
    while ((at = module.find('\n' + exportStart, at)) != std::string::npos) {
        const size_t nameStart = at + 1 + exportStart.size();
        const size_t equals = module.find(" = frozen(", nameStart);
        const size_t end = module.find(");\n", equals);
        ASSERT_NE(end, std::string::npos);
        const std::string name = module.substr(nameStart, equals - nameStart);
        const size_t jsonStart = equals + std::string(" = frozen(").size();
        const std::optional<JsonValue> table = parseJson(module.substr(jsonStart, end - jsonStart));
        ASSERT_TRUE(table) << name;
        EXPECT_EQ(table->type(), JsonValue::Type::Object) << name;
        EXPECT_TRUE(tables.emplace(name, *table).second) << name << " twice";
        at = end;
    }
    for (const char* name : {"command", "timer", "mouse", "keyState", "scroll", "scrollBar",
                             "control", "limits", "texts"})
        EXPECT_TRUE(tables.contains(name)) << name;
    ASSERT_TRUE(tables.contains("texts") && tables.contains("limits") &&
                tables.contains("command"));
    EXPECT_EQ(tables.at("command").member("AppExit")->asNumber(), command::AppExit);
    EXPECT_EQ(tables.at("texts").member("PinChoiceQuestion")->asString(),
              platform::text::PinChoiceQuestion);
    const JsonValue& duty = *tables.at("limits").member("duty");
    EXPECT_EQ(duty.member("min")->asNumber(), static_cast<double>(limits::kDuty.min));
    EXPECT_EQ(duty.member("max")->asNumber(), static_cast<double>(limits::kDuty.max));
    EXPECT_EQ(tables.at("limits").member("inputCount")->member("max")->asNumber(),
              limits::kInputCount.max);
}

}  // namespace
