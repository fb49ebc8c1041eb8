// Job files: the form is checked and every problem is named.
#include "job_file.h"

#include <gtest/gtest.h>

namespace spirolan::batch {
namespace {

TEST(ParseJobFile, ReadsStepsAndFields) {
    JobFileResult r = ParseJobFile(
        R"({"steps": [{"dialog": "Face Copy", "fields": {"Cutting length": "20", "Enter": null}},
                      {"dialog": "Shape 2"}]})",
        "job.json");
    ASSERT_TRUE(r.Job) << r.Error;
    ASSERT_EQ(r.Job->Steps.size(), 2u);
    EXPECT_EQ(r.Job->Steps[0].Dialog, "Face Copy");
    ASSERT_EQ(r.Job->Steps[0].Fields.size(), 2u);
    EXPECT_EQ(r.Job->Steps[0].Fields[0].Caption, "Cutting length");
    EXPECT_EQ(r.Job->Steps[0].Fields[0].Value, "20");
    EXPECT_FALSE(r.Job->Steps[0].Fields[1].Value.has_value());
    EXPECT_TRUE(r.Job->Steps[1].Fields.empty());
}

struct BadCase {
    const char* name;
    const char* json;
    const char* message;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class BadJobFileTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadJobFileTest, NamesTheProblem) {
    JobFileResult r = ParseJobFile(GetParam().json, "job.json");
    EXPECT_FALSE(r.Job);
    EXPECT_EQ(r.Error, GetParam().message);
}

const BadCase kBadCases[] = {
    {"NotJson", "{", "job.json: not valid JSON at offset 1: unterminated object"},
    {"TopLevelArray", "[]", "job.json: the top level must be an object with \"steps\""},
    {"UnknownTopKey", R"({"steps": [], "x": 1})", "job.json: unknown top-level key \"x\""},
    {"StepsNotArray", R"({"steps": {}})", "job.json: \"steps\" must be an array"},
    {"StepNotObject", R"({"steps": [1]})",
     "job.json: step 1: must be an object with \"dialog\" and \"fields\""},
    {"DialogMissing", R"({"steps": [{"fields": {}}]})",
     "job.json: step 1: \"dialog\" must be a string"},
    {"UnknownStepKey", R"({"steps": [{"dialog": "Shape 1", "ok": true}]})",
     "job.json: step 1: unknown key \"ok\""},
    {"FieldsNotObject", R"({"steps": [{"dialog": "Shape 1", "fields": []}]})",
     "job.json: step 1: \"fields\" must be an object"},
    {"NumberValue",
     R"({"steps": [{"dialog": "Shape 1"}, {"dialog": "Shape 1", "fields": {"PITCH": 3.6}}]})",
     "job.json: step 2: field \"PITCH\" must be a string (or null)"},
};

INSTANTIATE_TEST_SUITE_P(Problems, BadJobFileTest, testing::ValuesIn(kBadCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace spirolan::batch
