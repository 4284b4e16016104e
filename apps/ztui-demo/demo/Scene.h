#pragma once
// One scene of the scripted session: a short piece of a user's work, driven through injected
// input, that ends with a picture of the screen and its own checks of state and pixels.

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

private:
    std::vector<std::string> m_failures;
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
