// The program-wide state a window test needs: isolated settings and the
// shipped language files with English active.
#pragma once

#include "GuiTestFixture.h"
#include "LanguageSupport.h"

namespace GuiTest {

class TAppTestEnvironment {
public:
    TLanguages& LanguageManager() { return FLanguage.Manager(); }
    TSettingsSandbox& Settings() { return FSettings; }

private:
    TSettingsSandbox FSettings;
    TLanguageSandbox FLanguage;
};

} // namespace GuiTest
