#pragma once
// The host's working domain: which discipline the application currently serves.

enum TesselDomain
{
    TesselDomain_Unknown = 0,
    TesselDomain_Architecture = 1, // the domain the UI library serves
    TesselDomain_Structure = 2,
    TesselDomain_Equipment = 3,
};

namespace env {

class UserEnvironment
{
public:
    static UserEnvironment* getInstance();

    TesselDomain getDefaultDomain() const;
    void setDefaultDomain(TesselDomain domain);

private:
    UserEnvironment() = default;
};

} // namespace env
