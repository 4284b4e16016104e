#pragma once
// A temporary project that is current, viewport 0 open and selected at one pixel per model
// unit and showing a storey, and the auxiliary manager with both built-in listeners.

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/RedrawElems.h"
#include "platform/cad/ViewDecorations.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "tests/support/CadPrinters.h"
#include "ztui/drawinput/ZTArchAuxiliaryArc.h"
#include "ztui/drawinput/ZTArchAuxiliaryBaseTool.h"
#include "ztui/drawinput/ZTArchAuxiliaryLine.h"

#include <gtest/gtest.h>

class AuxiliaryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        ASSERT_NE(DgnApplication::Get().NewProject(), nullptr);
        IndexedViewSet& set = IViewManager::GetManager().GetActiveViewSet();
        viewport = set.OpenViewport(0);
        viewport->SetScale(1.0);
        set.SetSelectedViewport(0);
        view = TSStoreyModelViewManager::Get().EnsureViewportView(Project());
        ASSERT_TRUE(view.IsValid());
        mgr.AddListener(&lines);
        mgr.AddListener(&arcs);
    }
    void TearDown() override
    {
        mgr.CloseAuxiliary();
        mgr.AuxiliaryRedo();
        mgr.DropListener(&lines);
        mgr.DropListener(&arcs);
        RedrawElems::ClearDynamics();
        DgnApplication::Get().CloseProject();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
    }

    DgnProject& Project() { return *DgnApplication::Get().GetCurrentProject(); }
    void Move(const DPoint3d& at)
    {
        mgr.OnMove(DgnButtonEvent(viewport, at, viewport->WorldToView(at),
                                  viewport->WorldToScreen(at), 0));
    }
    // The cursor at an angle (degrees) and distance from a point.
    void MoveAt(const DPoint3d& from, double degrees, double distance)
    {
        const double a = degrees * 3.14159265358979323846 / 180.0;
        Move(from + DVec3d{std::cos(a) * distance, std::sin(a) * distance, 0});
    }
    std::size_t AuxiliaryElementCount()
    {
        zt::ZTAuxiliaryModelPtr model = mgr.GetAuxiliaryModel();
        return model ? Project().GetModel(model->modelId)->GetElementCount() : 0;
    }

    zt::ZTArchAuxiliaryMacrosMgn& mgr = zt::ZTArchAuxiliaryMacrosMgn::GetInstance();
    zt::ZTArchAuxiliaryLine lines;
    zt::ZTArchAuxiliaryArc arcs;
    IndexedViewport* viewport = nullptr;
    TSStoreyModelViewInfoPtr view;
};
