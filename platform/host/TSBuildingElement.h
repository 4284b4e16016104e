#pragma once
// A building element: it stands on a storey, is made of a material and has a body computed
// from its values. Its bottom is given relative to the storey, so the body follows the
// storey's elevation each time it is rebuilt.

#include "platform/host/TSArchField.h"
#include "platform/host/TSGraphicElement.h"

#include <vector>

class TSBuildingElement;
using TSBuildingElementPtr = RefCountedPtr<TSBuildingElement>;

class TSBuildingElement : public TSGraphicElement
{
public:
    static constexpr const char* SCHEMA = "TSM_ArchiModel";

    // The storey (its id in the project's storeys; 0 for none) and its elevation.
    std::int64_t GetStoreyId() const { return GetInt64("StoreyId", 0); }
    void SetStoreyId(std::int64_t id) { SetInt64("StoreyId", id); }
    // The storey's elevation and height in the object's project; 0 and the default storey
    // height when the storey is not there.
    double GetStoreyElevation() const;
    double GetStoreyHeight() const;

    WString GetMaterial() const { return GetString("Material", kTSArchMaterials[0]); }
    void SetMaterial(const WString& material) { SetString("Material", material); }

    // The published fields, in the order the property panel lists them.
    virtual const std::vector<TSArchField>& GetFields() const = 0;
    const TSArchField* FindField(int key) const;

    // Points and angles of the placement follow the transform in plan and the offsets take
    // its vertical part; the body is rebuilt from them.
    void ApplyTransform(const Transform& transform) override;
    bool BuildGeometry(ElementGeometry& geometry) const override;

protected:
    TSBuildingElement(const Utf8String& className);
    TSBuildingElement(const TSBuildingElement&) = default;
    ~TSBuildingElement() override = default;

    // The base outline in the XY plane and the span of the body above elevation 0 of the
    // world; false when the values do not make a body.
    virtual bool BuildBody(bvector<DPoint3d>& outline, double& bottom, double& height) const = 0;
    // For kinds whose placement is more than points and angles (a slab's outline).
    virtual void TransformPlacement(const Transform&) {}

    // The fields every building element has, after its own.
    static void AppendCommonFields(std::vector<TSArchField>& fields);

    DPoint3d GetPoint(const char* member) const;
    void SetPoint(const char* member, const DPoint3d& point);
};
