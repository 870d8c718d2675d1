// Where an installed Merivox keeps its files on Windows: settings in %APPDATA%\Merivox, the
// file dialogs in the user's Documents.
#include "common/Slozky.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

namespace fs = std::filesystem;

TEST(SlozkyWin32, SettingsInAppDataAndFilesInDocuments) {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    ASSERT_NE(appData, nullptr);
    EXPECT_EQ(platforma::SlozkaUzivatelskehoNastaveni(), fs::path(appData) / "Merivox");
    wchar_t dokumenty[MAX_PATH];
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, dokumenty),
              S_OK);
    EXPECT_EQ(platforma::DomovskaSlozka(), fs::path(dokumenty));
    EXPECT_NE(platforma::DomovskaSlozka(), fs::path(_wgetenv(L"USERPROFILE")));
}
