#pragma once

// Every (section, key) pair that Kavorin reads from a language file. Each pair is listed once,
// under the section that owns it; a comment names the windows that read it from elsewhere.
// The shipped language files must hold all of them, and nothing else.

#include <cstddef>

struct TLanguageKey {
    const char* Section;
    const char* Key;
};

inline constexpr TLanguageKey LanguageKeys[] = {
    // Language manager: the file's own identity.
    {"FileInfo", "Id"},
    {"FileInfo", "Abbr"},

    // Standard dialog buttons: settings dialog (OK, Cancel, Default), precision dialog (OK),
    // mass calculation dialog (Close).
    {"Buttons", "OK"},
    {"Buttons", "Cancel"},
    {"Buttons", "Default"},
    {"Buttons", "Close"},

    // Names of the solids: main window buttons, formula sheet for solids.
    {"TSolidFigure", "Cube"},
    {"TSolidFigure", "Block"},
    {"TSolidFigure", "Sphere"},
    {"TSolidFigure", "Cone"},
    {"TSolidFigure", "Cylinder"},
    {"TSolidFigure", "Pyramid"},
    {"TSolidFigure", "Prism"},
    {"TSolidFigure", "TruncatedCone"},
    {"TSolidFigure", "TruncatedPyramid"},
    {"TSolidFigure", "CylindricalTank"},
    {"TSolidFigure", "SphericalSegment"},
    {"TSolidFigure", "SphericalSector"},
    {"TSolidFigure", "SphericalFrustum"},

    // Names of plane figures, in lower case (the plane-figure sheet capitalises them):
    // formula sheets, base lists of the computation window.
    {"TPlaneFigure", "Square"},
    {"TPlaneFigure", "Rectangle"},
    {"TPlaneFigure", "Rhombus"},
    {"TPlaneFigure", "Parallelogram"},
    {"TPlaneFigure", "Triangle"},
    {"TPlaneFigure", "Triangle_Heron"},
    {"TPlaneFigure", "Triangle_Equilateral"},
    {"TPlaneFigure", "Trapezoid"},
    {"TPlaneFigure", "Circle"},
    {"TPlaneFigure", "NAngle"},
    {"TPlaneFigure", "CircularRing"},
    {"TPlaneFigure", "SegmentOfCircle"},
    {"TPlaneFigure", "SectorOfCircle"},

    // Main window (TFormMain); its caption is the application title, not a text.
    // "sSettingsNotSaved" is the settings store's message when values cannot be written.
    {"TFormMain", "BHelp"},
    {"TFormMain", "sAlwaysOnTop"},
    {"TFormMain", "sSettingsNotSaved"},

    // About window (TFormAbout). "Caption" is also the main window's BAbout, "sFileNotFound"
    // also the main window's missing help file message, "sCannotOpen" also the main and
    // computation windows' message when the desktop cannot open a file or address.
    {"TFormAbout", "Caption"},
    {"TFormAbout", "MCheckForNewVersion"},
    {"TFormAbout", "MLicenseAgreement"},
    {"TFormAbout", "LAppVersion"},
    {"TFormAbout", "sNewVersionAvailable"},
    {"TFormAbout", "sGoToProductsWebPage"},
    {"TFormAbout", "sApplication"},
    {"TFormAbout", "sUpToDate"},
    {"TFormAbout", "sFileNotFound"},
    {"TFormAbout", "sUnknownError"},
    {"TFormAbout", "sNoResponseFromServer"},
    {"TFormAbout", "sCannotOpen"},

    // Settings dialog (TFormSettings). "Caption" is also the main window's BSettings.
    {"TFormSettings", "Caption"},
    {"TFormSettings", "sInvalidDensity"},
    {"TFormSettings", "GBResults"},
    {"TFormSettings", "RGForm"},
    {"TFormSettings", "RGForm.Items[0]"},
    {"TFormSettings", "RGForm.Items[1]"},
    {"TFormSettings", "ChBUsePresetDensity"},
    {"TFormSettings", "GBView"},
    {"TFormSettings", "LLanguage"},

    // Computation window (TFormComputations); its caption comes from the main window's button.
    // "BDraft", "BSupplementaryData" and "BFormulas" are also the settings dialog's view check
    // boxes.
    {"TFormComputations", "sSide"},
    {"TFormComputations", "sXSideOfBase"},
    {"TFormComputations", "sPrism_InnerRadiusOfBase"},
    {"TFormComputations", "sPrism_OuterRadiusOfBase"},
    {"TFormComputations", "sTruncatedPyramid_XSideOfUpperBase"},
    {"TFormComputations", "sTruncatedPyramid_XSideOfLowerBase"},
    {"TFormComputations", "sRadiusOfSegment"},
    {"TFormComputations", "sRadiusOfSphere"},
    {"TFormComputations", "sHeightOfSegment"},
    {"TFormComputations", "Block_X"},
    {"TFormComputations", "Sphere_R"},
    {"TFormComputations", "sRadiusOfBase"},
    {"TFormComputations", "sHeight"},
    {"TFormComputations", "sNumberOfEdges"},
    {"TFormComputations", "TruncatedCone_R2"},
    {"TFormComputations", "TruncatedCone_R1"},
    {"TFormComputations", "CylindricalTank_R"},
    {"TFormComputations", "CylindricalTank_H"},
    {"TFormComputations", "CylindricalTank_D"},
    {"TFormComputations", "SphericalFrustum_Ro2"},
    {"TFormComputations", "SphericalFrustum_Ro1"},
    {"TFormComputations", "BFormulas"},
    {"TFormComputations", "BSupplementaryData"},
    {"TFormComputations", "BOptionsMenu"},
    {"TFormComputations", "BDraft"},

    // Results panel (TFrameResults).
    {"TFrameResults", "sCustomPrecision"},
    {"TFrameResults", "MCopyVolumeToClipboard"},
    {"TFrameResults", "MCopyAreaToClipboard"},
    {"TFrameResults", "MBasicForm"},
    {"TFrameResults", "MSemilogarithmicForm"},
    {"TFrameResults", "MPrecision14Full"},

    // Supplementary data window (TFormSupplementaryData).
    {"TFormSupplementaryData", "Caption"},
    {"TFormSupplementaryData", "Item"},
    {"TFormSupplementaryData", "Value"},
    {"TFormSupplementaryData", "sDefaultMass"},
    {"TFormSupplementaryData", "sInvalidDensity"},
    {"TFormSupplementaryData", "sDiagonalOfSolid"},
    {"TFormSupplementaryData", "sDiagonalOfXFace"},
    {"TFormSupplementaryData", "sAreaOfXFace"},
    {"TFormSupplementaryData", "sSlantHeight"},
    {"TFormSupplementaryData", "sAreaOfBase"},
    {"TFormSupplementaryData", "sAreaOfLateralSurface"},
    {"TFormSupplementaryData", "sHeightOfSolid"},
    {"TFormSupplementaryData", "sSlantHeightByXSide"},
    {"TFormSupplementaryData", "sAreaOfFaceByXSide"},
    {"TFormSupplementaryData", "sAreaOfOuterLateralSurface"},
    {"TFormSupplementaryData", "sAreaOfInnerLateralSurface"},
    {"TFormSupplementaryData", "sAreaOfUpperBase"},
    {"TFormSupplementaryData", "sAreaOfLowerBase"},
    {"TFormSupplementaryData", "sXSideOfLowerBase"},
    {"TFormSupplementaryData", "sChordOfSegmentOfCircle"},
    {"TFormSupplementaryData", "sAreaOfSegmentOfCircle"},
    {"TFormSupplementaryData", "sAreaOfLevelSurface"},
    {"TFormSupplementaryData", "sAreaOfCurvedSurface"},
    {"TFormSupplementaryData", "sPercentageFillingOfTank"},
    {"TFormSupplementaryData", "sVolumeOfFullTank"},
    {"TFormSupplementaryData", "sRadiusOfSphere"},
    {"TFormSupplementaryData", "sAreaOfSphericalCap"},
    {"TFormSupplementaryData", "sAreaOfCircle"},
    {"TFormSupplementaryData", "sPercentageFillingOfSphere"},
    {"TFormSupplementaryData", "sRadiusOfSegment"},
    {"TFormSupplementaryData", "sAreaOfSphericalCapOfSegmentPart"},
    {"TFormSupplementaryData", "sAreaOfLateralSurfaceOfConePart"},
    {"TFormSupplementaryData", "sVolumeOfSegmentPart"},
    {"TFormSupplementaryData", "sVolumeOfConePart"},
    {"TFormSupplementaryData", "sAreaOfUpperCircle"},
    {"TFormSupplementaryData", "sAreaOfLowerCircle"},
    {"TFormSupplementaryData", "sAreaOfSphericalZone"},

    // Level table of the cylindrical tank (TFormLevelTable); "MLevelTable" is the options
    // menu's item of the computation window.
    {"TFormLevelTable", "Caption"},
    {"TFormLevelTable", "MLevelTable"},
    {"TFormLevelTable", "LStep"},
    {"TFormLevelTable", "sDefaultStep"},
    {"TFormLevelTable", "ColLevel"},
    {"TFormLevelTable", "ColVolume"},
    {"TFormLevelTable", "ColPercentage"},
    {"TFormLevelTable", "GBLevelFor"},
    {"TFormLevelTable", "LVolume"},
    {"TFormLevelTable", "LPercentage"},
    {"TFormLevelTable", "LLevel"},
    {"TFormLevelTable", "BCopy"},
    {"TFormLevelTable", "BSaveCSV"},
    {"TFormLevelTable", "sInvalidStep"},
    {"TFormLevelTable", "sTooManyRows"},
    {"TFormLevelTable", "sAboveFull"},
    {"TFormLevelTable", "sBelowZero"},
    {"TFormLevelTable", "sCsvFileName"},
    {"TFormLevelTable", "sCsvFilter"},
    {"TFormLevelTable", "sCannotSave"},

    // Precision dialog (TFormPrecision). "Caption" is also the settings dialog's precision label
    // and the results panel's precision menu items.
    {"TFormPrecision", "Caption"},

    // Mass calculation dialog (TFormMassCalculation). "Caption" is also a results panel menu item.
    {"TFormMassCalculation", "Caption"},
    {"TFormMassCalculation", "EDensity"},
    {"TFormMassCalculation", "EMass"},

    // Formula window (TFormFormulas). "Caption" is also the main window's BFormulas.
    {"TFormFormulas", "Caption"},

    // Formula sheet for solids (TFormStereometricalFormulas). "General" is also read by the
    // plane-figure sheet, "Base" and "Tetrahedron" by the computation window.
    {"TFormStereometricalFormulas", "Caption"},
    {"TFormStereometricalFormulas", "General"},
    {"TFormStereometricalFormulas", "Tetrahedron"},
    {"TFormStereometricalFormulas", "Base"},

    // Formula sheet for plane figures (TFormPlanimetricalFormulas). "Caption" is also the
    // sheet for solids' MPlanimetry menu item.
    {"TFormPlanimetricalFormulas", "Caption"},

    // What screen readers say: the results panel's lines, the side list of the truncated
    // pyramid page, the descriptions of a count's spinner and of the options button.
    {"Accessibility", "Volume"},
    {"Accessibility", "Area"},
    {"Accessibility", "TruncatedPyramid_Side"},
    {"Accessibility", "sSpinner"},
    {"Accessibility", "sOptionsMenu"},

    // The report of a figure: the results panel's menu item, the names of volume and area.
    {"Report", "MCopyReportToClipboard"},
    {"Report", "sVolume"},
    {"Report", "sSurfaceArea"},

    // Calculation from the command line: its messages, the list's mark of a page's starting
    // variant and the help text.
    {"CommandLine", "sUnknownOption"},
    {"CommandLine", "sMissingSolid"},
    {"CommandLine", "sUnknownSolid"},
    {"CommandLine", "sUnknownVariant"},
    {"CommandLine", "sMissingVariant"},
    {"CommandLine", "sNotAnEntry"},
    {"CommandLine", "sUnknownEntry"},
    {"CommandLine", "sRepeatedEntry"},
    {"CommandLine", "sOnlyOneOf"},
    {"CommandLine", "sMissingEntry"},
    {"CommandLine", "sNotANumber"},
    {"CommandLine", "sNotAWholeNumber"},
    {"CommandLine", "sNotPositive"},
    {"CommandLine", "sInvalidFigure"},
    {"CommandLine", "sBadPrecision"},
    {"CommandLine", "sBadDensity"},
    {"CommandLine", "sCalculationFailed"},
    {"CommandLine", "sDefaultVariant"},
    {"CommandLine", "sHelp"},

    // Materials of a mass (support/Materials.h): the preset density's entry and the messages
    // about a materials file that cannot be used.
    {"Materials", "sCustom"},
    {"Materials", "sFileUnreadable"},
    {"Materials", "sFileDamaged"},
    {"Materials", "sLine"},

    // Units dialog and its panel (TFormUnits, TFrameUnits); "MUnits" is the menu item that opens
    // the dialog.
    {"TFormUnits", "Caption"},
    {"TFormUnits", "MUnits"},
    {"TFormUnits", "GBUnits"},
    {"TFormUnits", "LLengthUnit"},
    {"TFormUnits", "LAreaUnit"},
    {"TFormUnits", "LVolumeUnit"},
    {"TFormUnits", "LMassUnit"},
    {"TFormUnits", "sNone"},
    {"TFormUnits", "sFeetAndInches"},
    {"TFormUnits", "sAcre"},
    {"TFormUnits", "sUSGallon"},
    {"TFormUnits", "sImperialGallon"},
    {"TFormUnits", "sOilBarrel"},
    {"TFormUnits", "sPlainNumbers"},

    // Materials dialog (TFormMaterials); "MMaterials" is the menu item that opens it.
    {"TFormMaterials", "Caption"},
    {"TFormMaterials", "MMaterials"},
    {"TFormMaterials", "LMaterials"},
    {"TFormMaterials", "BAdd"},
    {"TFormMaterials", "BEdit"},
    {"TFormMaterials", "BRemove"},
    {"TFormMaterials", "sNeedsLengthUnit"},

    // A material of the user's own (TFormMaterial).
    {"TFormMaterial", "sAddCaption"},
    {"TFormMaterial", "sEditCaption"},
    {"TFormMaterial", "EName"},
    {"TFormMaterial", "EDensity"},
    {"TFormMaterial", "sEmptyName"},
    {"TFormMaterial", "sInvalidDensity"},

    // Lengths with units and materials on the command line.
    {"CommandLineUnits", "sUnknownUnit"},
    {"CommandLineUnits", "sUnknownMaterial"},
    {"CommandLineUnits", "sMissingUnit"},
    {"CommandLineUnits", "sMaterialNeedsUnit"},

    // The mass row with a material (FigureReport.h MassRowName).
    {"MassOfMaterial", "sMass"},
    {"MassOfMaterial", "sMassOfContents"},
    // The figure drawn to scale (computation/FigureDrawing, FigureView): its description for a
    // screen reader, its note, saving it; the draft panel's menu items (the "To scale" toggle,
    // copying and saving the drawing) are read by the panel.
    {"TFigureDrawing", "MToScale"},
    {"TFigureDrawing", "sDrawnToScale"},
    {"TFigureDrawing", "sNotToScale"},
    {"TFigureDrawing", "sViewHelp"},
    {"TFigureDrawing", "MCopyDrawing"},
    {"TFigureDrawing", "MSaveDrawing"},
    {"TFigureDrawing", "sDrawingFileName"},
    {"TFigureDrawing", "sDrawingFilter"},
    {"TFigureDrawing", "sUnknownFormat"},
    {"TFigureDrawing", "sCannotSave"},

    // The tank's fill curve (computation/FillCurve), beside the level table.
    {"TFillCurve", "Caption"},
    {"TFillCurve", "sDescription"},

    // The dip chart (computation/DipChart); the level table's "Print..." and "Save as PDF..."
    // and their file dialog read the menu items, the file name and the filter.
    {"TDipChart", "Caption"},
    {"TDipChart", "MPrint"},
    {"TDipChart", "MSavePdf"},
    {"TDipChart", "sTitle"},
    {"TDipChart", "sFullVolume"},
    {"TDipChart", "sPage"},
    {"TDipChart", "sPdfFileName"},
    {"TDipChart", "sPdfFilter"},
    {"TDipChart", "sCannotSave"},
    {"TDipChart", "sCannotPrint"},

    // The command line's drawing and dip chart (shell/CommandLine): its messages.
    {"CommandLineOutput", "sMissingFileName"},
    {"CommandLineOutput", "sBadStep"},
    {"CommandLineOutput", "sOnlyWithCalc"},
    {"CommandLineOutput", "sPdfWithoutDipChart"},
    {"CommandLineOutput", "sExcludeEachOther"},
    {"CommandLineOutput", "sDipChartTankOnly"},

    // What the command line adds to a wrong argument: where the options and solids are listed,
    // the closest solid's name, the variants that have an entry.
    {"CommandLineHints", "sSeeHelp"},
    {"CommandLineHints", "sSeeList"},
    {"CommandLineHints", "sDidYouMean"},
    {"CommandLineHints", "sEntryOfVariant"},

    // The tool-tip of a number edit that refused a key: entries, density edits, level table.
    {"NumberEntry", "sTakesNumber"},
    {"NumberEntry", "sTakesRadius"},
    {"NumberEntry", "sTakesCount"},

    // What an empty base list of the computation window reads.
    {"BaseLists", "sChooseBase"},

    // The help window (TFormHelp): the user guide and the licence where the desktop cannot show
    // them.
    {"TFormHelp", "BBack"},
    {"TFormHelp", "BForward"},
    {"TFormHelp", "BContents"},
    {"TFormHelp", "LFind"},
    {"TFormHelp", "BFindPrevious"},
    {"TFormHelp", "BFindNext"},
    {"TFormHelp", "sNotFound"},

    // The tool-tip of a feet-and-inches edit that refused a key.
    {"NumberEntryUnits", "sTakesFeetAndInches"},
    // The solving window and the command line when it solves (SolveTexts.h).
    {"Solve", "Caption"},
    {"Solve", "MSolve"},
    {"Solve", "LHint"},
    {"Solve", "BUse"},
    {"Solve", "sFigures"},
    {"Solve", "sValues"},
    {"Solve", "sEmpty"},
    {"Solve", "sMass"},
    {"Solve", "sFigureN"},
    {"Solve", "sDoubleFigure"},
    {"Solve", "sSeveralFit"},
    {"Solve", "sNotEnough"},
    {"Solve", "sFollows"},
    {"Solve", "sConflict"},
    {"Solve", "sNoneFits"},
    {"Solve", "sBoundAtLeast"},
    {"Solve", "sBoundAtMost"},
    {"Solve", "sBoundMoreThan"},
    {"Solve", "sBoundLessThan"},
    {"Solve", "sBoundOtherThan"},
    {"Solve", "sBoundGiven"},
    {"Solve", "sNotCovered"},
    {"Solve", "sNoSolid"},
    {"Solve", "sUnknownValue"},
    {"Solve", "sGivenTwice"},
    {"Solve", "sNotANumber"},
    {"Solve", "sMustBePositive"},
    {"Solve", "sMustBeWholeAbove2"},
    {"Solve", "sMassNeedsDensity"},
};

inline constexpr std::size_t LanguageKeyCount = sizeof(LanguageKeys) / sizeof(LanguageKeys[0]);

// Texts with one "$" that the program replaces by letters (or by nothing) before showing them.
inline constexpr TLanguageKey PlaceholderLanguageKeys[] = {
    {"TFormComputations", "sXSideOfBase"},
    {"TFormComputations", "sTruncatedPyramid_XSideOfUpperBase"},
    {"TFormComputations", "sTruncatedPyramid_XSideOfLowerBase"},
    {"TFormComputations", "Block_X"},
    {"TFormSupplementaryData", "sDiagonalOfXFace"},
    {"TFormSupplementaryData", "sAreaOfXFace"},
    {"TFormSupplementaryData", "sSlantHeightByXSide"},
    {"TFormSupplementaryData", "sXSideOfLowerBase"},
    {"TFormSupplementaryData", "sAreaOfFaceByXSide"},
};
