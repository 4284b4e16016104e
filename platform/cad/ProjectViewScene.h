#pragma once
// What the views show of the current project: every element of every model, each piece of its
// geometry in its own symbology (colours, weights and styles "by level" taken from its level),
// and the bodies of building elements as plan outlines in top views and as solids in other
// 3-D views. Elements on levels that are not displayed are left out.
//
// The scene listens to the project: any change of elements or levels, or another project,
// makes the views draw the model again at their next update. With a host work queue in place
// that update is queued at once (one for a burst of changes); without one the caller updates
// the views after its change.

#include "platform/cad/IElementChangeListener.h"
#include "platform/cad/IProjectEventListener.h"
#include "platform/cad/IViewScene.h"

#include <atomic>

class ProjectViewScene : public IViewScene,
                         public IElementChangeListener,
                         public IProjectEventListener
{
public:
    static ProjectViewScene& Get();
    // Makes this the view manager's scene.
    static void Install();

    void _DrawScene(ViewContext& context) override;
    unsigned long long _GetSceneGeneration() const override { return m_generation.load(); }

    void OnElementAdded(ElementRef&) override { Changed(); }
    void OnElementChanged(ElementRef&) override { Changed(); }
    void OnElementDeleted(ElementRef&) override { Changed(); }
    void OnLevelsChanged(DgnProject&) override { Changed(); }
    void OnProjectOpened(DgnProject&) override { Changed(); }
    void OnProjectClosing(DgnProject&) override;

private:
    ProjectViewScene();
    ~ProjectViewScene() override;
    void Changed();

    std::atomic<unsigned long long> m_generation{1};
    std::atomic<bool> m_updateQueued{false};
};
