#pragma once
// One scene of the scripted session: a short piece of a user's work, driven through injected
// input, that ends with a picture of the screen and its own checks of state and pixels.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ztdemo {

class SceneContext;

// What a scene found wrong, in words a reviewer reads in the log.
class SceneChecks
{
public:
    // Records a failure when cond is false; returns cond so a scene can stop early.
    bool expect(bool cond, std::string what)
    {
        if (!cond)
            m_failures.push_back(std::move(what));
        return cond;
    }
    bool passed() const { return m_failures.empty(); }
    const std::vector<std::string>& failures() const { return m_failures; }

    // A scene played in another process (a second run of the host) hands in that process's
    // picture instead of this screen's.
    void usePicture(std::filesystem::path picture) { m_picture = std::move(picture); }
    const std::filesystem::path& picture() const { return m_picture; }

private:
    std::vector<std::string> m_failures;
    std::filesystem::path m_picture;
};

struct Scene
{
    // File stem of the picture and the name on the command line ("plan", "wall-drawn").
    std::string id;
    // The gallery's caption: what a person sees in the picture.
    std::string caption;
    std::function<void(SceneContext&, SceneChecks&)> play;
};

} // namespace ztdemo
