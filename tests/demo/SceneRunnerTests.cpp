// The scene runner of the scripted session: one line and one picture per scene, failures and
// exceptions reported without stopping the session, and a gallery that escapes what it shows.

#include "apps/ztui-demo/demo/SceneContext.h"
#include "apps/ztui-demo/demo/SceneRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace ztdemo;

class SceneRunnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("ztui-scenes-" + std::to_string(::getpid()));
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    SceneRunner Runner(bool picturesWork = true)
    {
        return SceneRunner(
            dir,
            [this, picturesWork](const fs::path& p) {
                written.push_back(p.filename().string());
                if (picturesWork)
                    std::ofstream(p) << "png";
                return picturesWork;
            },
            log);
    }
    static std::string Read(const fs::path& p)
    {
        std::ifstream in(p);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir;
    std::ostringstream log;
    std::vector<std::string> written;
    // Scenes take a context the runner only passes on; these never touch it.
    DemoSession session;
    SceneContext context{session};
};

TEST_F(SceneRunnerTest, EveryScenePlaysInOrderWithItsPictureAndLine)
{
    SceneRunner runner = Runner();
    std::vector<std::string> played;
    runner.add({"first", "One", [&](SceneContext&, SceneChecks&) { played.push_back("first"); }});
    runner.add({"second", "Two", [&](SceneContext&, SceneChecks& c) {
                    played.push_back("second");
                    c.expect(false, "the wall is missing");
                    c.expect(true, "never reported");
                }});
    runner.add({"third", "Three", [&](SceneContext&, SceneChecks&) {
                    played.push_back("third");
                    throw std::runtime_error("view gone");
                }});
    std::vector<SceneOutcome> out = runner.run(context);
    EXPECT_EQ(played, (std::vector<std::string>{"first", "second", "third"}));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_TRUE(out[0].passed());
    EXPECT_EQ(out[1].failures, std::vector<std::string>{"the wall is missing"});
    EXPECT_EQ(out[2].failures, std::vector<std::string>{"threw: view gone"});
    EXPECT_EQ(written, (std::vector<std::string>{"01-first.png", "02-second.png", "03-third.png"}));
    std::string text = log.str();
    EXPECT_NE(text.find("ok   first"), std::string::npos) << text;
    EXPECT_NE(text.find("FAIL second"), std::string::npos);
    EXPECT_NE(text.find("- the wall is missing"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "index.html"));
}

TEST_F(SceneRunnerTest, SelectionRunsOnlyNamedScenesAndReportsUnknownNames)
{
    SceneRunner runner = Runner();
    int plays = 0;
    runner.add({"plan", "Plan", [&](SceneContext&, SceneChecks&) { ++plays; }});
    runner.add({"iso", "Iso", [&](SceneContext&, SceneChecks&) { plays += 10; }});
    runner.select({"iso", "isso"});
    EXPECT_EQ(runner.unknownSelections(), std::vector<std::string>{"isso"});
    std::vector<SceneOutcome> out = runner.run(context);
    EXPECT_EQ(plays, 10);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].picture, "01-iso.png");
}

TEST_F(SceneRunnerTest, AMissingPictureFailsTheScene)
{
    SceneRunner runner = Runner(false);
    runner.add({"plan", "Plan", [](SceneContext&, SceneChecks&) {}});
    std::vector<SceneOutcome> out = runner.run(context);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_FALSE(out[0].passed());
    EXPECT_TRUE(out[0].picture.empty());
}

TEST_F(SceneRunnerTest, TheGalleryEscapesCaptionsAndNamesFailures)
{
    SceneRunner runner = Runner();
    runner.add({"a<b", "Walls & \"slabs\" <b>", [](SceneContext&, SceneChecks& c) {
                    c.expect(false, "x < y");
                }});
    runner.run(context);
    std::string html = Read(dir / "index.html");
    EXPECT_NE(html.find("Walls &amp; &quot;slabs&quot; &lt;b&gt;"), std::string::npos) << html;
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_NE(html.find("failed: x &lt; y;"), std::string::npos);
    EXPECT_NE(html.find("src=\"01-a&lt;b.png\""), std::string::npos);
}

} // namespace
