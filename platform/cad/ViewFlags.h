#pragma once
// The display switches of a view, packed into one 32-bit word as the platform stores them:
// callers that read the raw word find the render mode in bits 12 to 17.

#include <cstdint>

// How a view draws solids. Wireframe shows edges; the shaded modes fill the faces that face
// the viewer, lit from over the viewer's shoulder, with their edges on top.
enum class MSRenderMode : std::uint32_t
{
    Wireframe = 0,
    CrossSection = 1,
    Wiremesh = 2,
    HiddenLine = 3,
    SolidFill = 4,
    ConstantShade = 5,
    SmoothShade = 6,
    Phong = 7,
};

class ViewFlags
{
public:
    static constexpr std::uint32_t kRenderModeShift = 12;
    static constexpr std::uint32_t kRenderModeMask = 0x3Fu << kRenderModeShift;
    static constexpr std::uint32_t kText = 1u << 0;
    static constexpr std::uint32_t kFill = 1u << 1;
    static constexpr std::uint32_t kGrid = 1u << 2;
    static constexpr std::uint32_t kConstructions = 1u << 3;
    static constexpr std::uint32_t kTransparency = 1u << 4;

    ViewFlags() = default;
    explicit ViewFlags(std::uint32_t bits) : m_bits(bits) {}

    std::uint32_t GetBits() const { return m_bits; }
    MSRenderMode GetRenderMode() const
    {
        return static_cast<MSRenderMode>((m_bits & kRenderModeMask) >> kRenderModeShift);
    }
    void SetRenderMode(MSRenderMode mode)
    {
        m_bits = (m_bits & ~kRenderModeMask) |
                 ((static_cast<std::uint32_t>(mode) << kRenderModeShift) & kRenderModeMask);
    }
    // Faces are filled (and hidden ones left out) rather than drawn as edges only.
    bool IsShaded() const
    {
        const MSRenderMode mode = GetRenderMode();
        return mode == MSRenderMode::HiddenLine || mode == MSRenderMode::SolidFill ||
               mode == MSRenderMode::ConstantShade || mode == MSRenderMode::SmoothShade ||
               mode == MSRenderMode::Phong;
    }
    bool Is(std::uint32_t flag) const { return (m_bits & flag) != 0; }
    void Set(std::uint32_t flag, bool on) { m_bits = on ? (m_bits | flag) : (m_bits & ~flag); }

    bool operator==(const ViewFlags&) const = default;

private:
    std::uint32_t m_bits = kText | kFill | kConstructions | kTransparency;
};

using ViewFlagsCP = const ViewFlags*;
