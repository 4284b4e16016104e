#pragma once
// An architectural element (wall, slab, column, beam, door, window). Besides being a
// building element it can hand its values to another element of its class: the copy
// operation behind picking up an element's properties and the format brush.

#include "platform/host/TSBuildingElement.h"

class TSArchElement;
using TSArchElementPtr = RefCountedPtr<TSArchElement>;

class TSArchElement : public TSBuildingElement
{
public:
    // With a null target: target becomes a full copy of this element (values, level,
    // element it stands for). With a target of the same class: the target takes every
    // value and the level, but keeps its own placement. Targets of another class are left
    // alone; false then.
    bool Copy(TSGraphicElementPtr& target) const;

    // The world elevation of the element's bottom: its storey's elevation plus its own offset
    // (the storey's elevation when its values make no body).
    virtual double GetElevation() const;

protected:
    using TSBuildingElement::TSBuildingElement;
    ~TSArchElement() override = default;

    // The outline of a straight member of that width along start-end; empty when the two
    // points meet.
    static bvector<DPoint3d> AxisRectangle(const DPoint3d& start, const DPoint3d& end,
                                           double width);
    // The outline of a width x depth rectangle centred on centre, turned by degrees.
    static bvector<DPoint3d> CentredRectangle(const DPoint3d& centre, double width, double depth,
                                              double degrees);
};
