#pragma once
// The drafting aid's rounding settings: the increments the user rounds lengths and angles to.
// The property list derives the number of decimals it shows from them.

struct RoundOff
{
    bool enabled = true;
    double increment = 0.0; // model units for distances, degrees for angles
};

class DraftAid
{
public:
    static DraftAid& GetInstance();

    void GetDistanceRoundOff(RoundOff& roundOff) const;
    void GetAngleRoundOff(RoundOff& roundOff) const;
    void SetDistanceRoundOff(const RoundOff& roundOff);
    void SetAngleRoundOff(const RoundOff& roundOff);

private:
    DraftAid() = default;

    RoundOff m_distance{true, 0.01};
    RoundOff m_angle{true, 0.01};
};
