#pragma once
// A view onto the model: its frame (see ViewFrame.h for the three coordinate systems and the
// camera), its display switches and colours, and the conversions between world, view and
// screen coordinates.
//
// Views are changed on the work thread, where tools run, but the user-interface thread reads
// them too (a window converts the cursor position of a message), so every read and change
// goes through the viewport's own lock. Array conversions take it once for the whole array.

#include "platform/base/WinTypes.h"
#include "platform/cad/DgnIds.h"
#include "platform/cad/ViewController.h"
#include "platform/cad/ViewFlags.h"
#include "platform/cad/ViewFrame.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

enum class DgnCoordSystem
{
    Screen = 0,
    View = 1,
    World = 2,
};

class IViewOutput;
class ViewDisplayList;

// What a view shows, in the order it is painted: the model, the transients and decorations,
// and the active tool's dynamics. Each layer is a finished list that is replaced, never
// changed, so a window may paint it while the next one is being drawn.
struct ViewDrawing
{
    std::shared_ptr<const ViewDisplayList> scene;
    std::shared_ptr<const ViewDisplayList> overlay;
    std::shared_ptr<const ViewDisplayList> dynamics;
    // The frame and the scene content the model layer was drawn for.
    std::uint64_t sceneFrame = ~std::uint64_t{0};
    unsigned long long sceneGeneration = ~0ull;
    std::uint64_t sceneFilter = ~std::uint64_t{0};
};

class Viewport
{
public:
    // The background of a new view, and its contrast colour, white on dark.
    static constexpr COLORREF kDefaultBackground = RGB(33, 40, 48);

    Viewport();
    virtual ~Viewport();
    Viewport(const Viewport&) = delete;
    Viewport& operator=(const Viewport&) = delete;

    // Setup keeps the view origin (the world point at the top-left corner); CenterOn
    // afterwards re-centres. A rotation that is not rigid, a scale that is not a positive finite
    // number or an empty size is refused (false) and nothing changes.
    bool SetRotMatrix(const RotMatrix& rotation);
    bool SetScale(double pixelsPerUnit);
    bool SetViewSize(int widthPixels, int heightPixels);
    // The world point shown at the view's top-left corner (view point (0, 0, 0)).
    void SetViewOrigin(const DPoint3d& worldOrigin);
    // Shows worldPoint at the middle of the view, keeping rotation and scale.
    void CenterOn(const DPoint3d& worldPoint);
    void SetScreenOrigin(const DPoint2d& screenPosition);
    void Set3dView(bool is3d);

    RotMatrix GetRotMatrix() const;
    // Pixels per world unit along view x, y and z (on the target plane with the camera on).
    DVec3d GetScale() const;
    DPoint3d GetViewOrigin() const;
    DPoint2d GetScreenOrigin() const;
    int GetViewWidth() const;
    int GetViewHeight() const;
    bool Is3dView() const;
    bool IsCameraOn() const;
    // The view rectangle in view coordinates: low is the bottom-left corner (0, height, 0),
    // high the top-right corner (width, 0, 0).
    void GetViewCorners(DPoint3d& low, DPoint3d& high) const;
    // Everything about where the view looks, as one consistent value.
    ViewFrame GetFrame() const;
    // Counts every change of the frame, so that drawings made for an older frame are known
    // to be stale.
    std::uint64_t GetFrameGeneration() const { return m_frameGeneration.load(); }

    // Conversions of arrays (input and output may be the same array) and of single points.
    void WorldToView(DPoint3d* viewPts, const DPoint3d* worldPts, int count) const;
    void ViewToWorld(DPoint3d* worldPts, const DPoint3d* viewPts, int count) const;
    void ViewToScreen(DPoint3d* screenPts, const DPoint3d* viewPts, int count) const;
    void ScreenToView(DPoint3d* viewPts, const DPoint3d* screenPts, int count) const;
    void WorldToScreen(DPoint3d* screenPts, const DPoint3d* worldPts, int count) const;
    void ScreenToWorld(DPoint3d* worldPts, const DPoint3d* screenPts, int count) const;
    DPoint3d WorldToView(const DPoint3d& world) const;
    DPoint3d ViewToWorld(const DPoint3d& view) const;
    DPoint3d ViewToScreen(const DPoint3d& view) const;
    DPoint3d ScreenToView(const DPoint3d& screen) const;
    DPoint3d WorldToScreen(const DPoint3d& world) const;
    DPoint3d ScreenToWorld(const DPoint3d& screen) const;

    // The size of one pixel at the point (the view's centre when null), in the units of the
    // coordinate system: 1 for view and screen, world units per pixel for world. With the camera
    // on, a pixel covers more of the world the farther the point lies from the eye.
    double GetPixelSizeAtPoint(const DPoint3d* point = nullptr,
                               DgnCoordSystem coordSys = DgnCoordSystem::World) const;

    // Zooms by factor about a view point (the view's centre when null); a factor above 1
    // magnifies. Scrolls the picture by whole pixels. Both refuse nonsense (false).
    bool Zoom(const DPoint3d* viewPoint, double factor);
    void Scroll(double dxPixels, double dyPixels);
    // Keeps what is at the view's centre there while the view changes size.
    bool Resize(int widthPixels, int heightPixels);

    // Which models the view shows: every model (nullopt, the default) or only those listed,
    // as a storey view does.
    void SetViewedModels(std::optional<std::vector<DgnModelId>> models);
    bool IsModelViewed(DgnModelId model) const;

    // How much of the height a plan shows, as a floor plan is cut: what reaches from the
    // bottom up to the cut, world z. Only views looking straight down honour it.
    struct PlanCut
    {
        double bottom = 0.0;
        double cut = 0.0;
        friend bool operator==(const PlanCut&, const PlanCut&) = default;
    };
    void SetPlanCut(std::optional<PlanCut> cut);
    std::optional<PlanCut> GetPlanCut() const;

    // Counts each change of the two filters above, so that the model layer is drawn again.
    std::uint64_t GetContentFilterGeneration() const { return m_filterGeneration.load(); }

    ViewFlags GetViewFlags() const;
    void SetViewFlags(const ViewFlags& flags);

    COLORREF GetBackgroundColor() const;
    void SetBackgroundColor(COLORREF color);
    // White on dark backgrounds and black on light ones: the colour of text and markers drawn
    // over the view.
    COLORREF GetContrastToBackgroundColor() const;

    // The rotation, camera and fitting of this view.
    const ViewController& GetViewController() const { return m_controller; }
    ViewController& GetViewControllerR() { return m_controller; }

    ViewDrawing GetDrawing() const;
    void SetDrawing(ViewDrawing drawing);

    // Where the view's drawings go: set while a window shows the view, null otherwise.
    IViewOutput* GetIViewOutput() const { return m_output.load(); }
    void SetIViewOutput(IViewOutput* output) { m_output.store(output); }

protected:
    // Every frame change goes through here: under the lock, and counted when fn says it
    // changed something.
    template <class Fn>
    bool ChangeFrame(Fn&& fn)
    {
        std::lock_guard lock(m_mutex);
        ViewFrame next = m_frame;
        if (!fn(next))
            return false;
        m_frame = next;
        m_frameGeneration.fetch_add(1);
        return true;
    }

private:
    friend class ViewController;

    mutable std::mutex m_mutex;
    ViewFrame m_frame;
    ViewFlags m_flags;
    bool m_is3d = false;
    COLORREF m_background = kDefaultBackground;
    ViewDrawing m_drawing;
    std::optional<std::vector<DgnModelId>> m_viewedModels;
    std::optional<PlanCut> m_planCut;
    std::atomic<std::uint64_t> m_frameGeneration{0};
    std::atomic<std::uint64_t> m_filterGeneration{0};
    std::atomic<IViewOutput*> m_output{nullptr};
    ViewController m_controller;
};

using ViewportP = Viewport*;
