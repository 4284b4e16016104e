#include "apps/ztui-demo/tools/ElementTransformer.h"

#include "platform/cad/DgnProject.h"
#include "platform/host/TSObjectExtensionManager.h"

#include <cmath>

namespace ztdemo {

namespace {

// Runs the edits of one call as one undo step of the elements' project.
template <class Fn>
void InOneStep(const bvector<ElementRef*>& elements, Fn&& edit)
{
    if (elements.empty() || !elements.front())
        return;
    ITxnManager& txn = elements.front()->GetDgnProject().GetTxnManager();
    txn.StartTxnGroup();
    for (ElementRef* element : elements) {
        if (!element || element->IsDeleted())
            continue;
        auto obj = TSObjectExtensionManager::Get().GetTSObject(element);
        if (auto* graphic = dynamic_cast<TSGraphicElement*>(obj.get()))
            edit(*graphic, *element);
    }
    txn.EndTxnGroup();
}

Transform Affine(const RotMatrix& matrix, const DPoint3d& fixed)
{
    // p' = fixed + M (p - fixed)
    DPoint3d moved = matrix.Multiply(fixed);
    return Transform::From(matrix,
                           DPoint3d{fixed.x - moved.x, fixed.y - moved.y, fixed.z - moved.z});
}

} // namespace

std::size_t ElementTransformer::TransformElements(const bvector<ElementRef*>& elements,
                                                  const Transform& transform)
{
    std::size_t changed = 0;
    InOneStep(elements, [&](TSGraphicElement& obj, ElementRef&) {
        obj.ApplyTransform(transform);
        if (obj.UpdateInModel())
            ++changed;
    });
    return changed;
}

bvector<ElementId> ElementTransformer::CopyElements(const bvector<ElementRef*>& elements,
                                                    const Transform& transform)
{
    bvector<ElementId> copies;
    InOneStep(elements, [&](TSGraphicElement& obj, ElementRef& element) {
        obj.ApplyTransform(transform);
        ElementId id = obj.AddToModel(*element.GetDgnModelP());
        if (id != INVALID_ELEMENTID)
            copies.push_back(id);
    });
    return copies;
}

Transform ElementTransformer::RotationAbout(const DPoint3d& centre, double radians)
{
    return Affine(RotMatrix::FromAxisAndRotationAngle(2, radians), centre);
}

Transform ElementTransformer::MirrorAcross(const DPoint3d& a, const DPoint3d& b)
{
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    double length = std::hypot(dx, dy);
    if (!(length > 0.0))
        return Transform::FromIdentity();
    double ux = dx / length;
    double uy = dy / length;
    // Reflection in the line: 2 u u^T - I in the plan, heights unchanged.
    RotMatrix reflect = RotMatrix::FromRowValues(2 * ux * ux - 1, 2 * ux * uy, 0, 2 * ux * uy,
                                                 2 * uy * uy - 1, 0, 0, 0, 1);
    return Affine(reflect, a);
}

Transform ElementTransformer::Translation(const DPoint3d& from, const DPoint3d& to)
{
    return Transform::From(RotMatrix::FromIdentity(),
                           DPoint3d{to.x - from.x, to.y - from.y, to.z - from.z});
}

} // namespace ztdemo
