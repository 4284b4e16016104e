#pragma once
// A folder of its own for each test that writes project files, removed afterwards, and a few
// builders of element content.

#include "platform/cad/DgnProject.h"
#include "platform/cad/PhysicalGraphics.h"

#include <cstdlib>
#include <filesystem>
#include <string>

class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zt-cadtest-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    Utf8String File(const char* name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline ElementId AddLine(DgnModel& model, DPoint3d a, DPoint3d b,
                         LevelId level = LEVEL_DEFAULT_LEVEL_ID)
{
    auto graphics = model.CreatePhysicalGraphics(level);
    graphics->AddCurvePrimitive(*ICurvePrimitive::CreateLine(a, b));
    return graphics->Save();
}

inline ElementId AddWallLike(DgnModel& model, ECClassId classId, double x0, double y0, double x1,
                             double y1, double bottom, double height)
{
    auto graphics = model.CreatePhysicalGraphics();
    auto profile = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer,
                                       ICurvePrimitive::CreateRectangle(x0, y0, x1, y1, 0.0));
    graphics->AddCurveVector(*profile);
    graphics->SetExtrusion(ElementExtrusion{profile, bottom, height});
    graphics->SetECClass(classId);
    Json::Value props;
    props["thickness"] = y1 - y0;
    props["material"] = "混凝土";
    graphics->SetProperties(props);
    return graphics->Save();
}
