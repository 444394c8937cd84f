#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "base/data_files.h"

// Every page of the shipped manual links only to pages and files that exist.
TEST(HelpManual, ContentsFoundAndEveryLinkResolves) {
    const std::filesystem::path data = std::filesystem::path(CTABBER_SOURCE_DIR) / "data";
    const auto index = base::findDataFile({data / "missing", data}, "help/index.html");
    ASSERT_TRUE(index);
    EXPECT_EQ(index->filename(), "index.html");
    EXPECT_FALSE(base::findDataFile({data / "missing"}, "help/index.html"));

    const std::regex link(R"re((?:href|src)="([^"#:]+)")re");
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data / "help")) {
        if (entry.path().extension() != ".html") continue;
        ++pages;
        std::ifstream in(entry.path());
        const std::string html((std::istreambuf_iterator<char>(in)), {});
        for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it)
            EXPECT_TRUE(std::filesystem::exists(data / "help" / (*it)[1].str()))
                << entry.path().filename() << " links to " << (*it)[1];
    }
    EXPECT_GE(pages, 6);
}
