#pragma once
// A project file of its own for each test, current in the application, with helpers to
// save, close and reopen it as a user would.

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class HostProjectFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zt-host-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_file = (m_folder / "building.ztproj").string();
        ASSERT_NE(DgnApplication::Get().NewProject(m_file), nullptr);
    }
    void TearDown() override
    {
        DgnApplication::Get().CloseProject();
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    DgnProject& Project() { return *DgnApplication::Get().GetCurrentProject(); }
    DgnModel& Model() { return *Project().GetDefaultModel(); }

    // Saves, closes and opens the file again; the reopened project is current.
    void SaveAndReopen()
    {
        ASSERT_EQ(Project().SaveChanges(), DgnProjectStatus::Success);
        DgnApplication::Get().CloseProject();
        ASSERT_EQ(DgnApplication::Get().GetCurrentProject(), nullptr);
        ASSERT_NE(DgnApplication::Get().OpenProject(m_file), nullptr)
            << DgnProject::GetLastOpenError();
    }

    std::filesystem::path m_folder;
    Utf8String m_file;
};
