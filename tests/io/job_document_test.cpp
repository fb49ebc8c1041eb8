// SPDX-License-Identifier: GPL-3.0-or-later
// Job documents: the text the window writes (the steps the dialogs record are window flows, the
// reading of documents whole-job cases) and the quoting of a file's text in messages.
#include "io/job_document.h"
#include "io/job_steps.h"
#include "io/quoted_text.h"

#include <gtest/gtest.h>

namespace spirolan {
namespace {

const std::vector<JobStep> kSteps{
    {"Shape 1", {{"PITCH", "3.6"}, {"WIDTH", "\xc2\xbd"}, {"R 1", "a \"quoted\\\" \x01 text"}}},
    {"Face Copy", {{"Cutting length", "20"}, {"Enter", std::nullopt}}},
    {"Face Copy", {}},
};

TEST(JobDocument, TextHasFixedKeysAndIndentAndReadsBackInDialogOrder) {
    const std::string text = JobDocumentText({kSteps, "", ""});
    EXPECT_TRUE(text.starts_with("{\n  \"format\": \"spirolan-job\",\n  \"version\": 1,\n"
                                 "  \"steps\": [\n    {\n      \"dialog\": \"Shape 1\",\n"));
    EXPECT_NE(text.find("        \"R 1\": \"a \\\"quoted\\\\\\\" \\u0001 text\"\n"),
              std::string::npos);
    EXPECT_NE(text.find("        \"Enter\": null\n"), std::string::npos);
    const JobFileResult parsed = ParseJobFile(text, "job.spjob");
    ASSERT_TRUE(parsed.Job) << parsed.Error;
    // The reader gives fields in key order; the dialog's order puts them back.
    std::vector<JobStep> read;
    for (const JobStep& step : parsed.Job->Steps) {
        read.push_back(InDialogOrder(step));
    }
    EXPECT_EQ(read, kSteps);
    EXPECT_EQ(JobDocumentText({}), "{\n  \"format\": \"spirolan-job\",\n  \"version\": 1,\n"
                                   "  \"steps\": []\n}\n");
}

// `count` times "½", two bytes each in UTF-8.
std::string Halves(int count) {
    std::string halves;
    for (int i = 0; i < count; ++i) {
        halves += "\xc2\xbd";
    }
    return halves;
}

// What a message quotes of a file's text: characters (not bytes) counted, controls escaped.
TEST(QuotedText, ShortOneLineAndHarmlessToATerminal) {
    const struct {
        const char* name;
        std::string text;
        std::string quoted;
    } rows[] = {
        {"Plain", "PITCH", "\"PITCH\""},
        {"LineBreaksAndEscape", "a\r\n\tb\x1b]0;t\x07\x7f",
         "\"a\\r\\n\\tb\\u001b]0;t\\u0007\\u007f\""},
        {"C1Control",
         "a\xc2\x9b"
         "b\xc2\xa0",
         "\"a\\u009bb\xc2\xa0\""},
        {"EightyCharacters", std::string(80, 'x'), "\"" + std::string(80, 'x') + "\""},
        {"CutAfterEighty", std::string(81, 'x'), "\"" + std::string(80, 'x') + "...\""},
        {"TwoByteCharactersCountOnce", std::string(40, 'y') + Halves(41),
         "\"" + std::string(40, 'y') + Halves(40) + "...\""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Quoted(row.text), row.quoted) << row.name;
    }
}

} // namespace
} // namespace spirolan
