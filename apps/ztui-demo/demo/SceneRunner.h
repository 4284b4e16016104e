#pragma once
// Plays scenes in order, writes one picture per scene and the gallery page, and reports one
// line per scene. A scene that throws fails; the next scene still runs.

#include "apps/ztui-demo/demo/Scene.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace ztdemo {

struct SceneOutcome
{
    std::string id;
    std::string caption;
    std::string picture; // file name inside the output folder; empty when none was written
    std::vector<std::string> failures;
    double seconds = 0;
    bool passed() const { return failures.empty(); }
};

class SceneRunner
{
public:
    // writePicture writes the composed screen to the path and says whether it worked.
    using PictureWriter = std::function<bool(const std::filesystem::path&)>;

    SceneRunner(std::filesystem::path outDir, PictureWriter writePicture, std::ostream& log);

    void add(Scene scene);
    // Only scenes whose id is in the list run; an empty list runs every scene.
    void select(std::vector<std::string> ids) { m_selected = std::move(ids); }

    // Plays the selected scenes in the context and writes "index.html". Returns the
    // outcomes in order.
    std::vector<SceneOutcome> run(SceneContext& context);

    // Every scene's id, in the order added.
    std::vector<std::string> ids() const;

    // Ids given to select() that name no scene; a typo must not pass as an empty success.
    std::vector<std::string> unknownSelections() const;

private:
    std::filesystem::path m_outDir;
    PictureWriter m_writePicture;
    std::ostream& m_log;
    std::vector<Scene> m_scenes;
    std::vector<std::string> m_selected;
};

// The gallery: one figure per scene with its caption and its result. Written atomically.
bool WriteGallery(const std::filesystem::path& file, const std::vector<SceneOutcome>& outcomes);
// Text made safe for HTML element content and attribute values.
std::string EscapeHtml(const std::string& text);

} // namespace ztdemo
